#include "shading/ColorVariation.h"

#include "host/ColorConversion.h"
#include "shading/DistributionFactor.h"
#include "shading/GammaPower.h"
#include "shading/Generator.h"
#include "shading/VariationTables.h"

#include <cmath>

namespace {

// Single-precision constants: multiplications, never divisions.
constexpr float kTurnsPerDegree = 0.0027777778f;
constexpr float kPercent = 0.01f;

// The limit of the power as the exponent falls to 0: every non-zero channel
// goes to 1, zero (of either sign) stays 0.
float zeroPower(float channel) {
    return channel != 0.0f ? 1.0f : 0.0f;
}

// Brings a shifted hue back into one turn. Above 1 the whole turns are cut
// off; from -1 up to 0 one turn is added. A shift can reach two turns
// downwards (overall -360 degrees with a span of 360), so below -1 the hue
// is brought up by as many whole turns as it takes. Exactly 0 and 1 stay.
float wrapHue(float h) {
    if (h > 1.0f) {
        return h - std::trunc(h);
    }
    if (h < 0.0f) {
        if (h >= -1.0f) {
            return h + 1.0f;
        }
        return h - std::floor(h);
    }
    return h;
}

} // namespace

float gammaExponent(const ColorVariation& v, int draw) {
    return (distributionFactor(v.occGamma, draw) * v.rndGamma) + v.allGamma;
}

float hueShift(const ColorVariation& v, int draw) {
    return ((distributionFactor(v.occHue, draw) * v.rndHue) + v.allHue) * kTurnsPerDegree;
}

float saturationScale(const ColorVariation& v, int draw) {
    return (distributionFactor(v.occSat, draw) * v.rndSat) + v.allSat;
}

void applyVariation(AColor& c, float exponent, float turns, float saturation) {
    if (exponent > 0.0f) {
        gammaPower3(c.r, c.g, c.b, exponent);
    } else {
        c.r = zeroPower(c.r);
        c.g = zeroPower(c.g);
        c.b = zeroPower(c.b);
    }

    const Color hsv = RGBtoHSV(Color(c.r, c.g, c.b));
    const float hue = wrapHue(turns + hsv.r);
    float sat = (saturation * hsv.g) * kPercent;
    if (sat > 1.0f) {
        sat = 1.0f;
    } else if (sat < 0.0f) {
        sat = 0.0f;
    }

    const Color rgb = HSVtoRGB(Color(hue, sat, hsv.b));
    c = AColor(rgb.r, rgb.g, rgb.b, 1.0f);
}

namespace {

template <typename WorkOut>
float factorFor(const FactorLookup& lookup, int draw, WorkOut workOut) {
    if (lookup.table) {
        return lookup.table[draw];
    }
    return lookup.isConstant ? lookup.constant : workOut(draw);
}

} // namespace

void varyColor(AColor& c, const ColorVariation& v, const VariationLookups& factors) {
    // No step draws but these three, so drawing them up front keeps the
    // order of the sequence.
    const int gammaDraw = drawGenerator();
    const int hueDraw = drawGenerator();
    const int saturationDraw = drawGenerator();
    applyVariation(
        c, factorFor(factors.exponent, gammaDraw, [&v](int d) { return gammaExponent(v, d); }),
        factorFor(factors.turns, hueDraw, [&v](int d) { return hueShift(v, d); }),
        factorFor(factors.saturation, saturationDraw,
                  [&v](int d) { return saturationScale(v, d); }));
}

void varyColor(AColor& c, const ColorVariation& v) {
    // Without lookups every factor is worked out from v.
    varyColor(c, v, VariationLookups{});
}
