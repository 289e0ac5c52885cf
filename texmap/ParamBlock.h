#pragma once

#include "host/ParamBlockDesc2.h"
#include "texmap/ParamIds.h"

class IParamBlock2;

// The one descriptor of the map's parameter block, built when the library is
// loaded with the class descriptor as its owner.
extern ParamBlockDesc2 paramBlockDesc;

// Writes the values of a new map into block at t, by ascending ID: the table
// emptied elsewhere, the random spans at zero, everything else at its default.
void writeResetValues(IParamBlock2& block, TimeValue t);
