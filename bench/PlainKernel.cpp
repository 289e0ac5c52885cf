#include "bench/PlainKernel.h"

#include "host/Color.h"
#include "host/INode.h"
#include "host/ShadeContext.h"
#include "host/Texmap.h"
#include "shading/DistributionFactor.h"
#include "shading/GammaPower.h"
#include "shading/Generator.h"
#include "shading/SeedHash.h"

#include <cfloat>
#include <cmath>

namespace {

// The colour conversions as first written, branch by branch; the host's
// pick the same results without branching on the hue's sector.
Color plainRGBtoHSV(Color rgb) {
    float maxc = rgb.r;
    if (rgb.g > maxc) {
        maxc = rgb.g;
    }
    if (rgb.b > maxc) {
        maxc = rgb.b;
    }
    float minc = rgb.r;
    if (rgb.g < minc) {
        minc = rgb.g;
    }
    if (rgb.b < minc) {
        minc = rgb.b;
    }
    const float delta = maxc - minc;

    // A colour without a positive component has no chroma in this model:
    // it is a grey of its value.
    float saturation = 0.0f;
    if (maxc > 0.0f && delta > 0.0f) {
        saturation = delta / maxc;
        // A negative component can push the ratio past any float.
        if (saturation > FLT_MAX) {
            saturation = FLT_MAX;
        }
    }

    float hue = 0.0f;
    if (saturation > 0.0f && delta < INFINITY) {
        if (rgb.r == maxc) {
            hue = (rgb.g - rgb.b) / delta;
        } else if (rgb.g == maxc) {
            hue = 2.0f + (rgb.b - rgb.r) / delta;
        } else {
            hue = 4.0f + (rgb.r - rgb.g) / delta;
        }
        hue = hue / 6.0f;
        if (hue < 0.0f) {
            hue = hue + 1.0f;
        }
        if (std::isnan(hue)) { // a component that is not a number
            hue = 0.0f;
        }
    }
    return Color(hue, saturation, maxc);
}

Color plainHSVtoRGB(Color hsv) {
    const float hue = hsv.r;
    const float saturation = hsv.g;
    const float value = hsv.b;
    if (!(saturation > 0.0f)) {
        return Color(value, value, value);
    }

    // Sector 0 to 6 around the wheel; any hue outside one turn is brought back
    // into it, and a hue that is not a number counts as red.
    float sector = hue * 6.0f;
    if (!(sector >= 0.0f && sector < 6.0f)) {
        sector = sector - 6.0f * std::floor(sector / 6.0f);
        if (!(sector >= 0.0f && sector < 6.0f)) {
            sector = 0.0f;
        }
    }
    const int index = static_cast<int>(sector);
    const float fraction = sector - static_cast<float>(index);

    const float p = value * (1.0f - saturation);
    const float q = value * (1.0f - saturation * fraction);
    const float t = value * (1.0f - saturation * (1.0f - fraction));
    switch (index) {
    case 0:
        return Color(value, t, p);
    case 1:
        return Color(q, value, p);
    case 2:
        return Color(p, value, t);
    case 3:
        return Color(p, q, value);
    case 4:
        return Color(t, p, value);
    default:
        return Color(value, p, q);
    }
}

} // namespace

AColor plainKernelSample(Texmap& self, const ShadingFields& fields, ShadeContext& sc) {
    AColor c(0.0f, 0.0f, 0.0f, 0.0f);
    if (sc.GetCache(&self, c)) {
        return c;
    }
    if (self.GetGBufID() != 0) {
        sc.SetGBufferID(static_cast<int>(self.GetGBufID()));
    }

    std::uint32_t key = static_cast<std::uint32_t>(sc.mtlNum);
    if (!fields.outsideRender && fields.rndBy == kRandomizeByObject) {
        INode* node = sc.Node();
        key = node ? node->GetHandle() : key;
    } else if (!fields.outsideRender && fields.rndBy == kRandomizeByFace) {
        key = static_cast<std::uint32_t>(sc.FaceNumber());
    }
    seedGenerator(seedHash(key, static_cast<std::uint32_t>(fields.rndSeed)));
    if (fields.subMapCount > 0) {
        if (Texmap* pick = fields.subMaps[drawGenerator() % fields.subMapCount]) {
            c = pick->EvalColor(sc);
        }
    }

    const ColorVariation& v = fields.variation;
    const float exponent = distributionFactor(v.occGamma) * v.rndGamma + v.allGamma;
    const float turns = (distributionFactor(v.occHue) * v.rndHue + v.allHue) * 0.0027777778f;
    const float saturation = distributionFactor(v.occSat) * v.rndSat + v.allSat;

    if (exponent > 0.0f) {
        c.r = gammaPower(c.r, exponent);
        c.g = gammaPower(c.g, exponent);
        c.b = gammaPower(c.b, exponent);
    } else {
        c.r = c.r != 0.0f ? 1.0f : 0.0f;
        c.g = c.g != 0.0f ? 1.0f : 0.0f;
        c.b = c.b != 0.0f ? 1.0f : 0.0f;
    }
    const Color hsv = plainRGBtoHSV(Color(c.r, c.g, c.b));
    float hue = turns + hsv.r;
    if (hue > 1.0f) {
        hue = hue - std::trunc(hue);
    } else if (hue < 0.0f) {
        hue = hue >= -1.0f ? hue + 1.0f : hue - std::floor(hue);
    }
    float sat = saturation * hsv.g * 0.01f;
    if (sat > 1.0f) {
        sat = 1.0f;
    }
    if (sat < 0.0f) {
        sat = 0.0f;
    }
    const Color rgb = plainHSVtoRGB(Color(hue, sat, hsv.b));
    c = AColor(rgb.r, rgb.g, rgb.b, 1.0f);
    c.ClampMinMax();
    sc.PutCache(&self, c);
    return c;
}
