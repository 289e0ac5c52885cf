#include "tools/quiltra/ProbeColorMap.h"

#include "host/ClassDesc.h"
#include "host/ClassDirectory.h"
#include "host/RemapDir.h"
#include "host/SceneIO.h"
#include "tools/quiltra/KeyedContext.h"

namespace {

const Class_ID kProbeColorMapClassID(0x51A3C011, 0x1);

class ProbeColorMapDesc : public ClassDesc {
  public:
    int IsPublic() override { return FALSE; }
    void* Create(BOOL) override { return new ProbeColorMap(); }
    const MCHAR* ClassName() override { return "Probe colour"; }
    SClass_ID SuperClassID() override { return TEXMAP_CLASS_ID; }
    Class_ID ClassID() override { return kProbeColorMapClassID; }
    const MCHAR* Category() override { return ""; }
};

} // namespace

Class_ID ProbeColorMap::ClassID() {
    return kProbeColorMapClassID;
}

AColor ProbeColorMap::EvalColor(ShadeContext& sc) {
    // Only the tool evaluates this class, always with its keyed samples.
    static_cast<KeyedContext&>(sc).picked = this;
    return color;
}

RefTargetHandle ProbeColorMap::Clone(RemapDir& remap) {
    auto* clone = new ProbeColorMap(color);
    if (clone) {
        *static_cast<MtlBase*>(clone) = *this;
        BaseClone(this, clone, remap);
    }
    return clone;
}

IOResult ProbeColorMap::Save(ISave* isave) {
    MtlBase::Save(isave);
    isave->WriteFloat("r", color.r);
    isave->WriteFloat("g", color.g);
    isave->WriteFloat("b", color.b);
    isave->WriteFloat("a", color.a);
    return IO_OK;
}

IOResult ProbeColorMap::Load(ILoad* iload) {
    const bool read = MtlBase::Load(iload) == IO_OK && iload->ReadFloat("r", color.r) &&
                      iload->ReadFloat("g", color.g) && iload->ReadFloat("b", color.b) &&
                      iload->ReadFloat("a", color.a);
    return read ? IO_OK : IO_ERROR;
}

void registerProbeColorMap() {
    static ProbeColorMapDesc desc;
    RegisterClassDesc(&desc);
}
