#include "shading/Evaluation.h"

#include "host/INode.h"
#include "host/ShadeContext.h"
#include "host/Texmap.h"
#include "shading/Generator.h"
#include "shading/SeedHash.h"

namespace {

// The single-precision value nearest 1/3: three times it is exactly 1.
constexpr float kOneThird = 0.33333334f;

void passGBufferId(Texmap& self, ShadeContext& sc) {
    if (const ULONG id = self.GetGBufID()) {
        sc.SetGBufferID(static_cast<int>(id));
    }
}

} // namespace

std::uint32_t selectionKey(const ShadingFields& fields, ShadeContext& sc) {
    if (fields.rndBy == kRandomizeByMaterial || fields.outsideRender) {
        return static_cast<std::uint32_t>(sc.mtlNum);
    }
    if (fields.rndBy == kRandomizeByObject) {
        // A context that shades no node (a sample in the material editor,
        // say) is keyed by its material, as outside a render.
        INode* node = sc.Node();
        return node ? node->GetHandle() : static_cast<std::uint32_t>(sc.mtlNum);
    }
    return static_cast<std::uint32_t>(sc.FaceNumber());
}

Texmap* chooseSubMap(const ShadingFields& fields, ShadeContext& sc) {
    seedGenerator(seedHash(selectionKey(fields, sc), static_cast<std::uint32_t>(fields.rndSeed)));
    if (fields.subMapCount <= 0) {
        return nullptr;
    }
    // The plain remainder: with a count that does not divide 32768 the lower
    // indices are slightly more likely, as every stored scene expects.
    return fields.subMaps[drawGenerator() % fields.subMapCount];
}

AColor EvalColor(Texmap& self, const ShadingFields& fields, ShadeContext& sc) {
    AColor c(0.0f, 0.0f, 0.0f, 0.0f);
    if (sc.GetCache(&self, c)) {
        return c;
    }
    passGBufferId(self, sc);
    // An empty entry is picked like any other and shades as the start
    // colour: varied black, so the draws stay those of a non-empty list.
    if (Texmap* subMap = chooseSubMap(fields, sc)) {
        c = subMap->EvalColor(sc);
    }
    varyColor(c, fields.variation, fields.factors);
    c.ClampMinMax();
    sc.PutCache(&self, c);
    return c;
}

float EvalMono(Texmap& self, ShadeContext& sc) {
    const AColor c = self.EvalColor(sc);
    return ((c.b + c.g) + c.r) * kOneThird;
}

Point3 EvalNormalPerturb(Texmap& self, const ShadingFields& fields, ShadeContext& sc) {
    Point3 p(0.0f, 0.0f, 0.0f);
    if (sc.GetCache(&self, p)) {
        return p;
    }
    passGBufferId(self, sc);
    if (Texmap* subMap = chooseSubMap(fields, sc)) {
        p = subMap->EvalNormalPerturb(sc);
    }
    sc.PutCache(&self, p);
    return p;
}
