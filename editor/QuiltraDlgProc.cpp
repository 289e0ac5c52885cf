#include "editor/QuiltraDlgProc.h"

#include "editor/HomePage.h"
#include "host/DialogManager.h"
#include "host/Shell.h"
#include "library/QuiltraClassDesc.h"
#include "resources/ResourceIds.h"
#include "texmap/ParamBlock.h"
#include "texmap/Quiltra.h"

ParamDlg* Quiltra::CreateParamDlg(HWND hwMtlEdit, IMtlParams* imp) {
    IAutoMParamDlg* dialog = quiltraDesc.CreateParamDlgs(hwMtlEdit, imp, this);
    // Without a dialog there is no rollout of this map to serve; another
    // map's open rollout would take the procedure instead.
    if (dialog) {
        paramBlockDesc.SetUserDlgProc(0, new QuiltraDlgProc(this));
    }
    return dialog;
}

INT_PTR QuiltraDlgProc::DlgProc(TimeValue, IParamMap2*, HWND hWnd, UINT msg, WPARAM wParam,
                                LPARAM) {
    if (msg != WM_COMMAND) {
        return 0;
    }
    // Whatever the notification: every command from these controls acts.
    switch (LOWORD(wParam)) {
    case IDC_OPEN_FILES:
        if (texMap) {
            texMap->OpenFiles(hWnd);
        }
        break;
    case IDC_RELOAD_FILES:
        if (texMap) {
            texMap->ReloadFiles();
        }
        break;
    case IDC_BANNER:
        // Without a browser nothing opens, and nothing needs saying.
        ShellExecuteA(nullptr, "open", kHomePage, nullptr, nullptr, SW_SHOWNORMAL);
        break;
    default:
        break;
    }
    return 1;
}

void QuiltraDlgProc::SetThing(ReferenceTarget* m) {
    texMap = static_cast<Quiltra*>(m);
}
