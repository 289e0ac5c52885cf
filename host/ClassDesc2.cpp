#include "host/ClassDesc2.h"

#include "host/IParamBlock2.h"
#include "host/ParamBlockDesc2.h"
#include "host/ParamMap2.h"
#include "host/ReferenceTarget.h"

ClassDesc2::~ClassDesc2() {
    // Descriptors that outlive their owner no longer point back at it.
    for (ParamBlockDesc2* pbd : pbDescs) {
        pbd->cd = nullptr;
    }
}

ParamBlockDesc2* ClassDesc2::GetParamBlockDesc(int i) {
    return i >= 0 && i < NumParamBlockDescs() ? pbDescs[i] : nullptr;
}

ParamBlockDesc2* ClassDesc2::GetParamBlockDescByID(short id) {
    for (ParamBlockDesc2* pbd : pbDescs) {
        if (pbd->ID == id) {
            return pbd;
        }
    }
    return nullptr;
}

void ClassDesc2::AddParamBlockDesc(ParamBlockDesc2* pbd) {
    if (!pbDescs.contains(pbd)) {
        pbDescs.push(pbd);
    }
}

void ClassDesc2::RemoveParamBlockDesc(ParamBlockDesc2* pbd) {
    pbDescs.remove(pbd);
}

void ClassDesc2::InvalidateUI(ParamBlockDesc2* pbd) {
    InvalidateUI(pbd, -1, -1);
}

void ClassDesc2::InvalidateUI(ParamBlockDesc2* pbd, ParamID id, int tabIndex) {
    for (IParamMap2* map : paramMaps) {
        if (map->GetDesc() == pbd) {
            map->Invalidate(id, tabIndex);
        }
    }
}

void ClassDesc2::MakeAutoParamBlocks(ReferenceMaker* owner) {
    for (ParamBlockDesc2* pbd : pbDescs) {
        if (pbd->flags & P_AUTO_CONSTRUCT) {
            owner->ReplaceReference(pbd->ref_no, CreateParameterBlock2(pbd, owner));
        }
    }
}

IParamMap2* ClassDesc2::GetParamMap(ParamBlockDesc2* pbd, MapID) {
    for (IParamMap2* map : paramMaps) {
        if (map->GetDesc() == pbd) {
            return map;
        }
    }
    return nullptr;
}

IParamMap2* ClassDesc2::GetParamMap(int i) {
    return i >= 0 && i < NumParamMaps() ? paramMaps[i] : nullptr;
}

BOOL ClassDesc2::SetUserDlgProc(ParamBlockDesc2* pbd, ParamMap2UserDlgProc* proc) {
    SetUserDlgProc(pbd, 0, proc);
    return TRUE;
}

void ClassDesc2::SetUserDlgProc(ParamBlockDesc2* pbd, MapID id, ParamMap2UserDlgProc* proc) {
    if (pbd) {
        pbd->SetUserDlgProc(id, proc);
    }
}

ParamMap2UserDlgProc* ClassDesc2::GetUserDlgProc(ParamBlockDesc2* pbd, MapID id) {
    return pbd ? pbd->GetUserDlgProc(id) : nullptr;
}

IAutoMParamDlg* ClassDesc2::CreateParamDlgs(HWND hwMtlEdit, IMtlParams*, ReferenceTarget* obj) {
    std::vector<IParamMap2*> maps;
    for (ParamBlockDesc2* pbd : pbDescs) {
        if (!(pbd->flags & P_AUTO_UI)) {
            continue;
        }
        IParamBlock2* block = obj ? obj->GetParamBlockByID(pbd->ID) : nullptr;
        IParamMap2* map = new IParamMap2(pbd, block, hwMtlEdit);
        if (!map) {
            continue;
        }
        map->SetUserDlgProc(pbd->GetUserDlgProc());
        paramMaps.push(map);
        maps.push_back(map);
    }
    IAutoMParamDlg* dlg = new IAutoMParamDlg(this, obj, maps);
    if (!dlg) {
        for (IParamMap2* map : maps) {
            RemoveParamMap(map);
            delete map;
        }
    }
    return dlg;
}

void ClassDesc2::RemoveParamMap(IParamMap2* map) {
    paramMaps.remove(map);
}

IParamMap2* ClassDesc2::NewestParamMap(const ParamBlockDesc2* pbd) const {
    for (int i = paramMaps.size() - 1; i >= 0; --i) {
        if (paramMaps[i]->GetDesc() == pbd) {
            return paramMaps[i];
        }
    }
    return nullptr;
}

bool ClassDesc2::HoldsUserDlgProc(const ParamMap2UserDlgProc* proc) const {
    for (IParamMap2* map : paramMaps) {
        if (map->GetUserDlgProc() == proc) {
            return true;
        }
    }
    return false;
}
