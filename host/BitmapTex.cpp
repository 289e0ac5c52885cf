#include "host/BitmapTex.h"

#include "host/ClassDesc2.h"
#include "host/IParamBlock2.h"
#include "host/Interface.h"
#include "host/ParamBlockDesc2.h"
#include "host/RemapDir.h"
#include "host/UVGen.h"

namespace {

class BitmapTexClassDesc : public ClassDesc2 {
  public:
    int IsPublic() override { return TRUE; }
    void* Create(BOOL) override { return new BitmapTex(); }
    const MCHAR* ClassName() override { return "Bitmap"; }
    SClass_ID SuperClassID() override { return TEXMAP_CLASS_ID; }
    Class_ID ClassID() override { return BMTEX_CLASS_ID; }
    const MCHAR* Category() override { return "Maps"; }
    const MCHAR* InternalName() override { return "Bitmap"; }
};

BitmapTexClassDesc bitmapTexDesc;

// clang-format off
ParamBlockDesc2 bitmapTexParams(
    0, "bitmap", 0, &bitmapTexDesc, P_AUTO_CONSTRUCT, BitmapTex::kParamBlockRef,
    BitmapTex::bmtex_filtering, "filtering", TYPE_INT, 0, 0,
        p_default, 0,
        p_range, 0, 2,
        p_end,
    BitmapTex::bmtex_filename, "fileName", TYPE_FILENAME, 0, 0,
        p_default, "",
        p_end,
    p_end);
// clang-format on

} // namespace

ClassDesc2* GetBitmapTexDesc() {
    return &bitmapTexDesc;
}

BitmapTex::BitmapTex() {
    bitmapTexDesc.MakeAutoParamBlocks(this);
    ReplaceReference(kUVGenRef, NewDefaultStdUVGen());
}

RefTargetHandle BitmapTex::GetReference(int i) {
    if (i == kParamBlockRef) {
        return pblock;
    }
    return i == kUVGenRef ? uvGen : nullptr;
}

void BitmapTex::SetReference(int i, RefTargetHandle target) {
    if (i == kParamBlockRef) {
        pblock = static_cast<IParamBlock2*>(target);
    } else if (i == kUVGenRef) {
        uvGen = static_cast<StdUVGen*>(target);
    }
}

IParamBlock2* BitmapTex::GetParamBlockByID(BlockID id) {
    return pblock && pblock->ID() == id ? pblock : nullptr;
}

UVGen* BitmapTex::GetTheUVGen() {
    return uvGen;
}

// No image is read yet: the texture shows as empty.
AColor BitmapTex::EvalColor(ShadeContext&) {
    return AColor(0.0f, 0.0f, 0.0f, 0.0f);
}

Point3 BitmapTex::EvalNormalPerturb(ShadeContext&) {
    return Point3();
}

void BitmapTex::Update(TimeValue t, Interval& valid) {
    if (uvGen) {
        uvGen->Update(t, valid);
    }
}

void BitmapTex::Reset() {
    if (pblock) {
        const TimeValue t = GetCOREInterface()->GetTime();
        pblock->SetValue(bmtex_filtering, t, 0);
        pblock->SetValue(bmtex_filename, t, "");
    }
    if (uvGen) {
        uvGen->Reset();
    }
}

Interval BitmapTex::Validity(TimeValue t) {
    Interval valid = FOREVER;
    Update(t, valid);
    return valid;
}

void BitmapTex::ReloadBitmapAndUpdate() {
    ++loads;
    NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE);
}

RefTargetHandle BitmapTex::Clone(RemapDir& remap) {
    BitmapTex* clone = new BitmapTex();
    if (!clone) {
        return nullptr;
    }
    *static_cast<MtlBase*>(clone) = *this;
    clone->ReplaceReference(kParamBlockRef, remap.CloneRef(pblock));
    clone->ReplaceReference(kUVGenRef, remap.CloneRef(uvGen));
    BaseClone(this, clone, remap);
    return clone;
}
