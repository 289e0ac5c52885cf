#include "host/ParamMap2.h"

#include "host/ClassDesc2.h"
#include "host/ParamBlockDesc2.h"
#include "host/ReferenceTarget.h"

IParamMap2::IParamMap2(ParamBlockDesc2* d, IParamBlock2* b, HWND w) : desc(d), block(b), hWnd(w) {}

IParamMap2::~IParamMap2() {
    SetUserDlgProc(nullptr);
}

void IParamMap2::SetUserDlgProc(ParamMap2UserDlgProc* newProc) {
    if (proc == newProc) {
        return;
    }
    ParamMap2UserDlgProc* old = proc;
    proc = newProc;
    if (old) {
        // The descriptor must not hand the discarded procedure to a later rollout.
        if (desc && desc->GetUserDlgProc() == old) {
            desc->SetUserDlgProc(0, nullptr);
        }
        old->DeleteThis();
    }
}

INT_PTR IParamMap2::SendMessage(TimeValue t, UINT msg, WPARAM wParam, LPARAM lParam) {
    return proc ? proc->DlgProc(t, this, hWnd, msg, wParam, lParam) : 0;
}

void IParamMap2::Invalidate(ParamID id, int tabIndex) {
    invalidations.push_back(Invalidation{id, tabIndex});
}

IAutoMParamDlg::IAutoMParamDlg(ClassDesc2* c, ReferenceTarget* t, std::vector<IParamMap2*> m)
    : cd(c), thing(t), maps(std::move(m)) {}

IAutoMParamDlg::~IAutoMParamDlg() {
    for (IParamMap2* map : maps) {
        if (cd) {
            cd->RemoveParamMap(map);
        }
        delete map;
    }
}

Class_ID IAutoMParamDlg::ClassID() {
    return thing ? thing->ClassID() : Class_ID();
}

void IAutoMParamDlg::SetThing(ReferenceTarget* m) {
    thing = m;
    for (IParamMap2* map : maps) {
        if (ParamMap2UserDlgProc* proc = map->GetUserDlgProc()) {
            proc->SetThing(m);
        }
    }
}
