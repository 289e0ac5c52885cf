#pragma once

#include "host/Color.h"
#include "host/HostApi.h"

// Hexcone colour model. Hue is a fraction of a full turn (0 to 1, red at 0),
// saturation runs from 0 to 1 and value is the largest component.
//
// Both conversions accept every float, NaN and infinities included, and never
// do anything undefined with them; for finite input they give finite output.
HOST_API Color RGBtoHSV(Color rgb);
HOST_API Color HSVtoRGB(Color hsv);
