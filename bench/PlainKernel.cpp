#include "bench/PlainKernel.h"

#include "host/ColorConversion.h"
#include "host/INode.h"
#include "host/ShadeContext.h"
#include "host/Texmap.h"
#include "shading/DistributionFactor.h"
#include "shading/GammaPower.h"
#include "shading/Generator.h"
#include "shading/SeedHash.h"

#include <cmath>

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
    const Color hsv = RGBtoHSV(Color(c.r, c.g, c.b));
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
    const Color rgb = HSVtoRGB(Color(hue, sat, hsv.b));
    c = AColor(rgb.r, rgb.g, rgb.b, 1.0f);
    c.ClampMinMax();
    sc.PutCache(&self, c);
    return c;
}
