#pragma once

#include "host/WindowsTypes.h"
#include "shading/ColorVariation.h"
#include "shading/VariationTables.h"

class Texmap;

// Key modes of the sub-map choice: what a sample is keyed by during a render.
enum RandomizeBy : int {
    kRandomizeByMaterial = 0,
    kRandomizeByObject = 1,
    kRandomizeByFace = 2,
};

// Everything shading reads: plain values that the map's update fills before
// the host renders, never written while shading threads run.
struct ShadingFields {
    Texmap** subMaps = nullptr; // in table order; an entry may be empty
    int subMapCount = 0;
    int rndBy = kRandomizeByMaterial;
    int rndSeed = 0;
    // Non-zero except between a render begun with flags 0 and its end;
    // outside a render every sample is keyed by its material.
    BOOL outsideRender = TRUE;
    ColorVariation variation{};
    // The factors of the variation per draw, where the map keeps them;
    // without them each sample works its factors out from variation.
    VariationLookups factors{};
};
