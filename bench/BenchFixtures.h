#pragma once

#include "host/ShadeContext.h"
#include "host/Texmap.h"
#include "library/QuiltraClassDesc.h"
#include "texmap/ParamIds.h"
#include "texmap/Quiltra.h"

// A render sample keyed by its material ID.
class KeyContext : public ShadeContext {
  public:
    INode* Node() override { return nullptr; }
    int FaceNumber() override { return mtlNum; }
};

// A sub-map of one colour: the cheapest sub-map there is.
class SolidMap : public Texmap {
  public:
    explicit SolidMap(AColor c = AColor(0.6f, 0.4f, 0.2f, 1.0f)) : color(c) {}
    Class_ID ClassID() override { return Class_ID(0xBE7C, 1); }
    AColor EvalColor(ShadeContext&) override { return color; }
    Point3 EvalNormalPerturb(ShadeContext&) override { return Point3(); }
    void Update(TimeValue, Interval&) override {}
    void Reset() override {}
    Interval Validity(TimeValue) override { return FOREVER; }
    ParamDlg* CreateParamDlg(HWND, IMtlParams*) override { return nullptr; }
    RefResult NotifyRefChanged(const Interval&, RefTargetHandle, PartID&, RefMessage) override {
        return REF_SUCCEED;
    }

  private:
    AColor color;
};

// A map as the host makes it, with count solid sub-maps and the spans a
// user starts from (gamma 0.2, hue 15 degrees, saturation 10 %), updated and
// inside a render. With shared set, every entry is one of seven sub-maps, so
// that a long list costs what its picks cost and not what reaching
// thousands of sub-map objects costs; with oneColour, every sub-map has the
// same colour, so that what varies with the list is the pick alone.
inline Quiltra* newBenchMap(int count, bool shared = false, bool oneColour = false) {
    auto* map = static_cast<Quiltra*>(quiltraDesc.Create(FALSE));
    IParamBlock2* block = map->GetParamBlock(0);
    for (int i = 0; i < count; ++i) {
        Texmap* subMap = nullptr;
        if (shared && i >= 7) {
            Interval valid = FOREVER;
            block->GetValue(submaps, 0, subMap, valid, i % 7);
        } else {
            const float red = oneColour ? 0.6f : 0.2f + 0.6f * (i % 7) / 6.0f;
            subMap = new SolidMap(AColor(red, 0.4f, 0.6f, 1.0f));
        }
        block->Append(submaps, 1, &subMap);
    }
    block->SetValue(rnd_gamma, 0, 0.2f);
    block->SetValue(rnd_hue, 0, 15.0f);
    block->SetValue(rnd_sat, 0, 10.0f);
    Interval valid = FOREVER;
    map->Update(0, valid);
    map->RenderBegin(0, 0);
    return map;
}
