#pragma once

#include "host/Texmap.h"

class ClassDesc;

// A constant-colour sub-map that tells a KeyedContext it was the one picked.
// Its class is registered with the host, so scenes that hold it load again.
class ProbeColorMap : public Texmap {
  public:
    explicit ProbeColorMap(AColor c = AColor(0.0f, 0.0f, 0.0f, 1.0f)) : color(c) {}

    Class_ID ClassID() override;
    void DeleteThis() override { delete this; }
    AColor EvalColor(ShadeContext& sc) override;
    Point3 EvalNormalPerturb(ShadeContext&) override { return Point3(); }

    void Update(TimeValue, Interval&) override {}
    void Reset() override {}
    Interval Validity(TimeValue) override { return FOREVER; }
    ParamDlg* CreateParamDlg(HWND, IMtlParams*) override { return nullptr; }
    RefResult NotifyRefChanged(const Interval&, RefTargetHandle, PartID&, RefMessage) override {
        return REF_SUCCEED;
    }
    RefTargetHandle Clone(RemapDir& remap) override;

    IOResult Save(ISave* isave) override;
    IOResult Load(ILoad* iload) override;

  private:
    AColor color;
};

// Registers the class with the host once; the descriptor lives as long as the tool.
void registerProbeColorMap();
