#include "host/ParamMap2.h"

#include "host/ClassDesc2.h"
#include "host/Interface.h"
#include "host/ParamBlockDesc2.h"
#include "host/ParamMapControls.h"
#include "host/ReferenceTarget.h"

IParamMap2::IParamMap2(ParamBlockDesc2* d, IParamBlock2* b, HWND parent) : desc(d), block(b) {
    HINSTANCE module = desc && desc->cd ? desc->cd->HInstance() : nullptr;
    const WORD dialog = static_cast<WORD>(desc ? desc->dlg_template : 0);
    CreateDialogParamA(module, MAKEINTRESOURCEA(dialog), parent, rolloutProc,
                       reinterpret_cast<LPARAM>(this));
}

IParamMap2::~IParamMap2() {
    // The procedure still hears of the window's end.
    if (hWnd) {
        DestroyWindow(hWnd);
    }
    SetUserDlgProc(nullptr);
}

INT_PTR CALLBACK IParamMap2::rolloutProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
        auto* opened = reinterpret_cast<IParamMap2*>(lParam);
        opened->hWnd = hWnd;
#if defined(_WIN32)
        if (opened->desc && opened->block) {
            ShowParamValues(hWnd, *opened->desc, *opened->block, GetCOREInterface()->GetTime());
        }
#endif
    }
    auto* map = reinterpret_cast<IParamMap2*>(GetWindowLongPtrA(hWnd, DWLP_USER));
    if (!map) {
        return FALSE;
    }
    const INT_PTR result = map->HandleMessage(GetCOREInterface()->GetTime(), msg, wParam, lParam);
    if (msg == WM_DESTROY) {
        SetWindowLongPtrA(hWnd, DWLP_USER, 0);
        map->hWnd = nullptr;
    }
    return result;
}

void IParamMap2::SetUserDlgProc(ParamMap2UserDlgProc* newProc) {
    if (proc == newProc) {
        return;
    }
    ParamMap2UserDlgProc* old = proc;
    proc = newProc;
    ClassDesc2* cd = desc ? desc->cd : nullptr;
    if (old && !(cd && cd->HoldsUserDlgProc(old))) {
        // The descriptor must not hand the discarded procedure to a later rollout.
        if (desc) {
            desc->ForgetUserDlgProc(old);
        }
        old->DeleteThis();
    }
}

INT_PTR IParamMap2::HandleMessage(TimeValue t, UINT msg, WPARAM wParam, LPARAM lParam) {
    return proc ? proc->DlgProc(t, this, hWnd, msg, wParam, lParam) : 0;
}

void IParamMap2::Invalidate(ParamID id, int tabIndex) {
    invalidations.push_back(Invalidation{id, tabIndex});
#if defined(_WIN32)
    if (hWnd && desc && block) {
        ShowParamValues(hWnd, *desc, *block, GetCOREInterface()->GetTime(), id);
    }
#endif
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
