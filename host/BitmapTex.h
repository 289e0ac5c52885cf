#pragma once

#include "host/HostApi.h"
#include "host/Texmap.h"

class ClassDesc2;
class IParamBlock2;
class StdUVGen;

constexpr Class_ID BMTEX_CLASS_ID(0x240, 0);

// The host's bitmap texture: an image file mapped through a coordinate
// generator. Its parameter block 0 holds the filtering selector and the file
// name.
class HOST_API BitmapTex : public Texmap {
  public:
    enum ParamIds : ParamID {
        bmtex_filtering = 8, // 0 pyramidal, 1 summed area, 2 none
        bmtex_filename = 16,
    };
    enum RefIds { kParamBlockRef = 0, kUVGenRef = 1, kNumRefs };

    BitmapTex();

    Class_ID ClassID() override { return BMTEX_CLASS_ID; }
    void GetClassName(MSTR& s) override { s = "Bitmap"; }

    AColor EvalColor(ShadeContext& sc) override;
    Point3 EvalNormalPerturb(ShadeContext& sc) override;
    UVGen* GetTheUVGen() override;

    void Update(TimeValue t, Interval& valid) override;
    void Reset() override;
    Interval Validity(TimeValue t) override;
    ParamDlg* CreateParamDlg(HWND, IMtlParams*) override { return nullptr; }

    // Reads the image file again and tells the dependents.
    void ReloadBitmapAndUpdate();
    int LoadCount() const { return loads; }

    int NumRefs() override { return kNumRefs; }
    RefTargetHandle GetReference(int i) override;
    int NumParamBlocks() override { return 1; }
    IParamBlock2* GetParamBlock(int i) override { return i == 0 ? pblock : nullptr; }
    IParamBlock2* GetParamBlockByID(BlockID id) override;
    RefResult NotifyRefChanged(const Interval&, RefTargetHandle, PartID&, RefMessage) override {
        return REF_SUCCEED;
    }
    RefTargetHandle Clone(RemapDir& remap) override;

  protected:
    void SetReference(int i, RefTargetHandle target) override;

  private:
    IParamBlock2* pblock = nullptr;
    StdUVGen* uvGen = nullptr;
    int loads = 0;
};

HOST_API ClassDesc2* GetBitmapTexDesc();
