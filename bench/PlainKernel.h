#pragma once

#include "host/AColor.h"
#include "shading/ShadingFields.h"

class ShadeContext;
class Texmap;

// The map's colour sample written the plain way, step by step as it reads,
// branches and all, working every factor out from the variation's values:
// the reference the map's own path is measured against. Same results to
// the last bit.
AColor plainKernelSample(Texmap& self, const ShadingFields& fields, ShadeContext& sc);
