#pragma once

#include "host/HostApi.h"
#include "host/MtlBase.h"

constexpr SClass_ID UVGEN_CLASS_ID = 0xC20;

// Generates a texture's coordinates for a shading sample.
class HOST_API UVGen : public MtlBase {
  public:
    SClass_ID SuperClassID() override { return UVGEN_CLASS_ID; }
    virtual BOOL IsStdUVGen() { return FALSE; }
};

// The standard generator: the sample's mapping channel, with a blur that
// widens the texture filter.
class HOST_API StdUVGen : public UVGen {
  public:
    Class_ID ClassID() override { return Class_ID(0x0100, 0); }
    BOOL IsStdUVGen() override { return TRUE; }

    float GetBlur(TimeValue) const { return blur; }
    // Tells the dependents of the change.
    void SetBlur(float b, TimeValue t);

    void Update(TimeValue, Interval&) override {}
    void Reset() override { blur = 1.0f; }
    Interval Validity(TimeValue) override { return FOREVER; }
    ParamDlg* CreateParamDlg(HWND, IMtlParams*) override { return nullptr; }
    RefTargetHandle Clone(RemapDir& remap) override;

    IOResult Save(ISave* isave) override;
    IOResult Load(ILoad* iload) override;

  private:
    float blur = 1.0f;
};

class ClassDesc;

HOST_API StdUVGen* NewDefaultStdUVGen();
HOST_API ClassDesc* GetStdUVGenDesc();
