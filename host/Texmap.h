#pragma once

#include "host/AColor.h"
#include "host/HostApi.h"
#include "host/Matrix3.h"
#include "host/MtlBase.h"
#include "host/Point3.h"
#include "host/TexHandle.h"

class ShadeContext;
class UVGen;

constexpr int U_WRAP = 1 << 0;
constexpr int V_WRAP = 1 << 1;

// A texture map: evaluated by the renderer at every shading sample.
class HOST_API Texmap : public MtlBase {
  public:
    SClass_ID SuperClassID() override { return TEXMAP_CLASS_ID; }

    // The viewport's view of the map.
    virtual BOOL SupportTexDisplay() { return FALSE; }
    virtual DWORD_PTR GetActiveTexHandle(TimeValue, TexHandleMaker&) { return 0; }
    virtual void ActivateTexDisplay(BOOL) {}

    virtual AColor EvalColor(ShadeContext& sc) = 0;
    // The intensity of the colour, unless the map knows better.
    virtual float EvalMono(ShadeContext& sc);
    virtual Point3 EvalNormalPerturb(ShadeContext& sc) = 0;

    virtual void GetUVTransform(Matrix3& uvtrans) { uvtrans.IdentityMatrix(); }
    virtual int GetTextureTiling() { return U_WRAP | V_WRAP; }
    virtual UVGen* GetTheUVGen() { return nullptr; }

    // A bitmap of the map over one tile of texture space at t, as the
    // viewport shows it, forceW by forceH pixels or else the maker's size.
    // valid receives the span over which the bitmap holds. The caller
    // hands the bitmap to the maker, which frees it.
    BITMAPINFO* GetVPDisplayDIB(TimeValue t, TexHandleMaker& thmaker, Interval& valid,
                                BOOL mono = FALSE, int forceW = 0, int forceH = 0);
};
