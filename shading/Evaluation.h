#pragma once

#include "host/AColor.h"
#include "host/Point3.h"
#include "shading/ShadingFields.h"

#include <cstdint>

class ShadeContext;
class Texmap;

// The map's answers to the renderer for one sample. self is the map being
// evaluated: its results are cached in the context under it, and its
// G-buffer ID is handed to the context.
AColor EvalColor(Texmap& self, const ShadingFields& fields, ShadeContext& sc);
float EvalMono(Texmap& self, ShadeContext& sc);
Point3 EvalNormalPerturb(Texmap& self, const ShadingFields& fields, ShadeContext& sc);

// The sample's key: its material number, or during a render its object's
// node handle or its face number.
std::uint32_t selectionKey(const ShadingFields& fields, ShadeContext& sc);

// Seeds the calling thread's generator from the sample's key and, for a
// non-empty list, draws the pick. Null for an empty list or an empty entry.
Texmap* chooseSubMap(const ShadingFields& fields, ShadeContext& sc);
