#include "host/UVGen.h"

#include "host/ClassDesc.h"
#include "host/SceneIO.h"

namespace {

class StdUVGenClassDesc : public ClassDesc {
  public:
    int IsPublic() override { return FALSE; }
    void* Create(BOOL) override { return new StdUVGen(); }
    const MCHAR* ClassName() override { return "UVW Mapping"; }
    SClass_ID SuperClassID() override { return UVGEN_CLASS_ID; }
    Class_ID ClassID() override { return Class_ID(0x0100, 0); }
    const MCHAR* Category() override { return ""; }
};

StdUVGenClassDesc stdUVGenDesc;

} // namespace

ClassDesc* GetStdUVGenDesc() {
    return &stdUVGenDesc;
}

void StdUVGen::SetBlur(float b, TimeValue) {
    blur = b;
    NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE);
}

RefTargetHandle StdUVGen::Clone(RemapDir& remap) {
    StdUVGen* clone = new StdUVGen();
    if (clone) {
        *static_cast<MtlBase*>(clone) = *this;
        clone->blur = blur;
        BaseClone(this, clone, remap);
    }
    return clone;
}

IOResult StdUVGen::Save(ISave* isave) {
    MtlBase::Save(isave);
    isave->WriteFloat("blur", blur);
    return IO_OK;
}

IOResult StdUVGen::Load(ILoad* iload) {
    return MtlBase::Load(iload) == IO_OK && iload->ReadFloat("blur", blur) ? IO_OK : IO_ERROR;
}

StdUVGen* NewDefaultStdUVGen() {
    return new StdUVGen();
}
