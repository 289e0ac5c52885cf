#include "host/BitmapTex.h"

#include "host/BitmapImage.h"
#include "host/ClassDesc2.h"
#include "host/IParamBlock2.h"
#include "host/Interface.h"
#include "host/ParamBlockDesc2.h"
#include "host/RemapDir.h"
#include "host/ShadeContext.h"
#include "host/UVGen.h"

#include <string>

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

BitmapTex::BitmapTex() : image(std::make_unique<BitmapImage>()) {
    bitmapTexDesc.MakeAutoParamBlocks(this);
    ReplaceReference(kUVGenRef, NewDefaultStdUVGen());
}

BitmapTex::~BitmapTex() = default;

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

AColor BitmapTex::EvalColor(ShadeContext& sc) {
    Point3 dx;
    Point3 dy;
    sc.DUVWdXY(dx, dy, 1);
    return image->Lookup(static_cast<BitmapImage::Filter>(filtering), blur, sc.UVW(1), dx, dy);
}

Point3 BitmapTex::EvalNormalPerturb(ShadeContext&) {
    return Point3();
}

void BitmapTex::Update(TimeValue t, Interval& valid) {
    if (pblock) {
        const MCHAR* name = nullptr;
        pblock->GetValue(bmtex_filename, t, name, valid);
        pblock->GetValue(bmtex_filtering, t, filtering, valid);
        const std::string file = name ? name : "";
        if (file != image->File()) {
            image->Open(file);
        }
    }
    if (uvGen) {
        uvGen->Update(t, valid);
        blur = uvGen->GetBlur(t);
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
    const MCHAR* name = nullptr;
    if (pblock) {
        Interval valid = FOREVER;
        pblock->GetValue(bmtex_filename, GetCOREInterface()->GetTime(), name, valid);
    }
    image->Reload(name ? name : "");
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
