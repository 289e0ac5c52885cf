#pragma once

#include "host/AColor.h"

// The nine values of the colour variation, as the update caches them: for
// gamma, hue (degrees) and saturation (percent) an overall value, a random
// span (+/-) and a distribution as a fraction (reversed for gamma).
struct ColorVariation {
    float allGamma;
    float allHue;
    float allSat;
    float rndGamma;
    float rndHue;
    float rndSat;
    float occGamma;
    float occHue;
    float occSat;
};

// What one draw (0 to 32767) of the generator gives each step. Each is a
// function of the draw alone.
float gammaExponent(const ColorVariation& v, int draw);
float hueShift(const ColorVariation& v, int draw);        // in turns of the colour wheel
float saturationScale(const ColorVariation& v, int draw); // in percent

// Applies the three steps with their factors: raises red, green and blue to
// the exponent, turns the hue and scales the saturation. Alpha becomes 1; the
// colour is not clamped.
void applyVariation(AColor& c, float exponent, float turns, float saturation);

struct VariationLookups;

// The variation of one sample: three draws of the calling thread's generator,
// for gamma, hue and saturation in that order.
void varyColor(AColor& c, const ColorVariation& v);
// The same, with each factor looked up where factors holds it: the same
// result to the last bit.
void varyColor(AColor& c, const ColorVariation& v, const VariationLookups& factors);
