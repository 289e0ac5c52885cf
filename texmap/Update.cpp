// The update: the one writer of the fields shading reads.
#include "host/BitmapTex.h"
#include "host/UVGen.h"
#include "texmap/ParamIds.h"
#include "texmap/Quiltra.h"

#include <new>

namespace {
constexpr float kPercent = 0.01f;
}

void Quiltra::Update(TimeValue t, Interval& valid) {
    if (!pblock) {
        return;
    }
    if (!ivalid.InInterval(t)) {
        ivalid = FOREVER;
        refreshSubMaps(t);

        ColorVariation& v = shading.variation;
        pblock->GetValue(all_gamma, t, v.allGamma, ivalid);
        pblock->GetValue(all_hue, t, v.allHue, ivalid);
        pblock->GetValue(all_sat, t, v.allSat, ivalid);
        pblock->GetValue(rnd_gamma, t, v.rndGamma, ivalid);
        pblock->GetValue(rnd_hue, t, v.rndHue, ivalid);
        pblock->GetValue(rnd_sat, t, v.rndSat, ivalid);
        pblock->GetValue(occ_gamma, t, v.occGamma, ivalid);
        pblock->GetValue(occ_hue, t, v.occHue, ivalid);
        pblock->GetValue(occ_sat, t, v.occSat, ivalid);
        pblock->GetValue(rnd_by, t, shading.rndBy, ivalid);
        pblock->GetValue(seed, t, shading.rndSeed, ivalid);

        // Distributions as fractions; gamma's is reversed, so that a high
        // percentage leans the exponent down and the others up.
        v.occHue = v.occHue * kPercent;
        v.occGamma = 1.0f - v.occGamma * kPercent;
        v.occSat = v.occSat * kPercent;
        // Each factor is a function of the draw alone: tabulated here, once
        // per change, instead of worked out for every sample.
        factorTables.Rebuild(v);
        shading.factors = factorTables.Lookups();

        pushFilteringAndBlur(t);

        for (int i = 0; i < shading.subMapCount; ++i) {
            if (Texmap* subMap = shading.subMaps[i]) {
                subMap->Update(t, ivalid);
            }
        }
    }
    valid &= ivalid;
}

Interval Quiltra::Validity(TimeValue t) {
    Interval local = NEVER;
    Update(t, local);
    return ivalid;
}

void Quiltra::refreshSubMaps(TimeValue t) {
    // Release the previous copy first: a sub-map that has left the table
    // goes with this last reference.
    for (int r = shading.subMapCount; r >= 1; --r) {
        DeleteReference(r);
    }
    delete[] shading.subMaps;
    shading.subMaps = nullptr;
    shading.subMapCount = 0;

    const int count = pblock->Count(submaps);
    if (count <= 0) {
        return;
    }
    Texmap** copy = new (std::nothrow) Texmap*[count]();
    if (!copy) {
        // Shade an empty list for now; the next update tries again.
        ivalid = NEVER;
        return;
    }
    shading.subMaps = copy;
    shading.subMapCount = count;
    for (int i = 0; i < count; ++i) {
        Texmap* entry = nullptr;
        pblock->GetValue(submaps, t, entry, ivalid, i);
        ReplaceReference(i + 1, entry);
    }
}

void Quiltra::pushFilteringAndBlur(TimeValue t) {
    int filteringNow = 0;
    float blurNow = 0.0f;
    pblock->GetValue(filtering, t, filteringNow, ivalid);
    pblock->GetValue(blur, t, blurNow, ivalid);
    if (filteringNow == lastFiltering && blurNow == lastBlur) {
        return;
    }
    lastBlur = blurNow;
    lastFiltering = filteringNow;
    for (int i = 0; i < shading.subMapCount; ++i) {
        Texmap* subMap = shading.subMaps[i];
        if (!subMap || subMap->ClassID() != BMTEX_CLASS_ID) {
            continue;
        }
        if (IParamBlock2* bitmapBlock = subMap->GetParamBlock(0)) {
            bitmapBlock->SetValue(BitmapTex::bmtex_filtering, t, lastFiltering);
        }
        UVGen* generator = subMap->GetTheUVGen();
        if (generator && generator->IsStdUVGen()) {
            static_cast<StdUVGen*>(generator)->SetBlur(lastBlur, t);
        }
    }
}
