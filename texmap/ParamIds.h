#pragma once

#include "host/ParamType.h"

// Parameter IDs of the block, named by the parameters' internal names. They
// are stored in every scene: never renumber them; a retired ID leaves a gap.
enum QuiltraParamId : ParamID {
    submaps = 0,
    all_gamma = 1,
    all_hue = 2,
    all_sat = 3,
    rnd_gamma = 4,
    rnd_hue = 5,
    rnd_sat = 6,
    occ_gamma = 7,
    occ_hue = 8,
    occ_sat = 9,
    rnd_by = 10,
    seed = 11,
    blur = 12,
    filtering = 13,
};

// The block's ID among the map's parameter blocks.
constexpr BlockID kParamsBlockId = 0;
