#include "texmap/Quiltra.h"

#include "host/Interface.h"
#include "host/RemapDir.h"
#include "library/QuiltraClassDesc.h"
#include "library/StringLoader.h"
#include "resources/ResourceIds.h"
#include "shading/Evaluation.h"
#include "texmap/ParamBlock.h"

#include <new>

Quiltra::Quiltra() {
    ivalid = NEVER;
    texHandleValid = NEVER;
    shading.outsideRender = TRUE;
    quiltraDesc.MakeAutoParamBlocks(this);
    Reset();
}

Quiltra::~Quiltra() {
    // The host drops the references that remain; only the array and the
    // viewport texture are the map's own.
    delete[] shading.subMaps;
    releaseTexHandle();
}

void Quiltra::GetClassName(MSTR& s) {
    s = LoadResString(IDS_CLASS_NAME);
}

Class_ID Quiltra::ClassID() {
    return QUILTRA_CLASS_ID;
}

Animatable* Quiltra::SubAnim(int i) {
    if (i == 0) {
        return pblock;
    }
    return i <= shading.subMapCount ? shading.subMaps[i - 1] : nullptr;
}

MSTR Quiltra::SubAnimName(int i) {
    if (i == 0) {
        return MSTR(LoadResString(IDS_PARAMS));
    }
    return GetSubTexmapTVName(i - 1);
}

int Quiltra::RenderBegin(TimeValue, ULONG flags) {
    if (flags == 0) {
        shading.outsideRender = FALSE;
    }
    return 1;
}

int Quiltra::RenderEnd(TimeValue) {
    shading.outsideRender = TRUE;
    return 1;
}

IParamBlock2* Quiltra::GetParamBlockByID(BlockID id) {
    return pblock && pblock->ID() == id ? pblock : nullptr;
}

RefTargetHandle Quiltra::GetReference(int i) {
    if (i == 0) {
        return pblock;
    }
    if (i > shading.subMapCount) {
        return nullptr;
    }
    // An unnamed sub-map is not reported: the table saves it for the map.
    Texmap* subMap = shading.subMaps[i - 1];
    return subMap && !subMap->GetName().isNull() ? subMap : nullptr;
}

void Quiltra::SetReference(int i, RefTargetHandle rtarg) {
    if (i == 0) {
        pblock = static_cast<IParamBlock2*>(rtarg);
    } else if (i <= shading.subMapCount) {
        shading.subMaps[i - 1] = static_cast<Texmap*>(rtarg);
    }
}

RefResult Quiltra::NotifyRefChanged(const Interval&, RefTargetHandle hTarget, PartID&,
                                    RefMessage message) {
    if (message != REFMSG_CHANGE) {
        return REF_SUCCEED;
    }
    ivalid = NEVER;
    if (hTarget != pblock) {
        return REF_SUCCEED;
    }
    const ParamID changed = pblock->LastNotifyParamID();
    quiltraDesc.InvalidateUI(&paramBlockDesc, changed, -1);
    if (changed != -1) {
        releaseTexHandle();
    }
    return REF_SUCCEED;
}

RefTargetHandle Quiltra::Clone(RemapDir& remap) {
    Quiltra* clone = new Quiltra();
    if (!clone) {
        return nullptr;
    }
    *static_cast<MtlBase*>(clone) = *this;

    const int count = shading.subMapCount;
    Texmap** copy = new (std::nothrow) Texmap*[count > 0 ? count : 0]();
    if (!copy) {
        clone->DeleteMe();
        return nullptr;
    }
    delete[] clone->shading.subMaps;
    clone->shading.subMaps = copy;
    clone->shading.subMapCount = count;
    // A clone whose own block could not be made takes the source's block's clone alone.
    if (clone->pblock) {
        clone->pblock->SetCount(submaps, count);
    }
    for (int i = 0; i < count; ++i) {
        clone->shading.subMaps[i] = nullptr;
        clone->ReplaceReference(i + 1, remap.CloneRef(shading.subMaps[i]));
    }
    clone->ivalid = NEVER;
    // The block's clone refers to the same cloned sub-maps: the remap
    // directory clones every target once.
    clone->ReplaceReference(0, remap.CloneRef(pblock));
    BaseClone(this, clone, remap);
    return clone;
}

void Quiltra::Reset() {
    const TimeValue t = GetCOREInterface()->GetTime();
    for (int r = 1; r <= shading.subMapCount; ++r) {
        DeleteReference(r);
    }
    if (pblock) {
        pblock->ZeroCount(submaps);
    }
    delete[] shading.subMaps;
    shading.subMaps = nullptr;
    shading.subMapCount = 0;
    if (pblock) {
        writeResetValues(*pblock, t);
    }
    ivalid = NEVER;
}

void Quiltra::releaseTexHandle() {
    if (texHandle) {
        texHandle->DeleteThis();
        texHandle = nullptr;
    }
}

DWORD_PTR Quiltra::GetActiveTexHandle(TimeValue t, TexHandleMaker& thmaker) {
    if (texHandle) {
        if (texHandleValid.InInterval(t)) {
            return texHandle->GetHandle();
        }
        releaseTexHandle();
    }
    BITMAPINFO* bitmap = GetVPDisplayDIB(t, thmaker, texHandleValid, FALSE, 0, 0);
    if (!bitmap) {
        return 0;
    }
    texHandle = thmaker.MakeHandle(bitmap);
    return texHandle ? texHandle->GetHandle() : 0;
}

void Quiltra::ActivateTexDisplay(BOOL onoff) {
    if (!onoff) {
        releaseTexHandle();
    }
}

AColor Quiltra::EvalColor(ShadeContext& sc) {
    return ::EvalColor(*this, shading, sc);
}

float Quiltra::EvalMono(ShadeContext& sc) {
    return ::EvalMono(*this, sc);
}

Point3 Quiltra::EvalNormalPerturb(ShadeContext& sc) {
    return ::EvalNormalPerturb(*this, shading, sc);
}

Texmap* Quiltra::GetSubTexmap(int i) {
    return i >= 0 && i < shading.subMapCount ? shading.subMaps[i] : nullptr;
}

void Quiltra::SetSubTexmap(int i, Texmap* m) {
    if (i >= 0 && i < shading.subMapCount) {
        ReplaceReference(i + 1, m, TRUE);
    }
}
