#pragma once

#include "host/HostApi.h"
#include "host/Texmap.h"

#include <memory>

class BitmapImage;
class ClassDesc2;
class IParamBlock2;
class StdUVGen;

constexpr Class_ID BMTEX_CLASS_ID(0x240, 0);

// The host's bitmap texture: an image file mapped through a coordinate
// generator. Its parameter block 0 holds the filtering selector and the file
// name. The update reads the file (through the host's bitmap cache) and takes
// the filtering and the generator's blur for shading, which may then run on
// many threads. A file that cannot be read shows as transparent black, as
// does a bitmap without a file.
class HOST_API BitmapTex : public Texmap {
  public:
    enum ParamIds : ParamID {
        bmtex_filtering = 8, // 0 pyramidal, 1 summed area, 2 none
        bmtex_filename = 16,
    };
    enum RefIds { kParamBlockRef = 0, kUVGenRef = 1, kNumRefs };

    BitmapTex();
    ~BitmapTex() override;

    Class_ID ClassID() override { return BMTEX_CLASS_ID; }
    void GetClassName(MSTR& s) override { s = "Bitmap"; }

    AColor EvalColor(ShadeContext& sc) override;
    Point3 EvalNormalPerturb(ShadeContext& sc) override;
    UVGen* GetTheUVGen() override;

    void Update(TimeValue t, Interval& valid) override;
    void Reset() override;
    Interval Validity(TimeValue t) override;
    ParamDlg* CreateParamDlg(HWND, IMtlParams*) override { return nullptr; }

    // Reads the image file named at the current time again, dropping what
    // the cache holds of it, and tells the dependents.
    void ReloadBitmapAndUpdate();
    // How many reloads were asked for.
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

    // What shading reads; written by the update only.
    std::unique_ptr<BitmapImage> image;
    int filtering = 0;
    float blur = 1.0f;
};

HOST_API ClassDesc2* GetBitmapTexDesc();
