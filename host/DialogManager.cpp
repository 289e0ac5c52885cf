#include "host/DialogManager.h"

#if !defined(_WIN32)
#include <algorithm>
#include <new>
#include <vector>

struct HWND__ {
    HWND parent;
    DLGPROC proc;
    LONG_PTR user;
};

namespace {

// The windows that exist, oldest first; a handle is valid while listed.
std::vector<HWND>& windows() {
    static std::vector<HWND> all;
    return all;
}

} // namespace

HWND CreateDialogParamA(HINSTANCE, LPCSTR, HWND parent, DLGPROC proc, LPARAM init) {
    if (parent && !IsWindow(parent)) {
        return nullptr;
    }
    HWND window = new (std::nothrow) HWND__{parent, proc, 0};
    if (!window) {
        return nullptr;
    }
    windows().push_back(window);
    SendMessageA(window, WM_INITDIALOG, 0, init);
    return window;
}

BOOL DestroyWindow(HWND hWnd) {
    if (!IsWindow(hWnd)) {
        return FALSE;
    }
    SendMessageA(hWnd, WM_DESTROY, 0, 0);
    // The procedure may have destroyed the window itself.
    if (!IsWindow(hWnd)) {
        return TRUE;
    }
    for (;;) {
        std::vector<HWND>& all = windows();
        const auto child =
            std::find_if(all.begin(), all.end(), [hWnd](HWND w) { return w->parent == hWnd; });
        if (child == all.end()) {
            break;
        }
        DestroyWindow(*child);
    }
    std::vector<HWND>& all = windows();
    all.erase(std::remove(all.begin(), all.end(), hWnd), all.end());
    delete hWnd;
    return TRUE;
}

BOOL IsWindow(HWND hWnd) {
    const std::vector<HWND>& all = windows();
    return hWnd && std::find(all.begin(), all.end(), hWnd) != all.end();
}

HWND GetParent(HWND hWnd) {
    return IsWindow(hWnd) ? hWnd->parent : nullptr;
}

LRESULT SendMessageA(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow(hWnd) || !hWnd->proc) {
        return 0;
    }
    return hWnd->proc(hWnd, msg, wParam, lParam);
}

LONG_PTR SetWindowLongPtrA(HWND hWnd, int index, LONG_PTR value) {
    if (!IsWindow(hWnd) || index != DWLP_USER) {
        return 0;
    }
    const LONG_PTR previous = hWnd->user;
    hWnd->user = value;
    return previous;
}

LONG_PTR GetWindowLongPtrA(HWND hWnd, int index) {
    return IsWindow(hWnd) && index == DWLP_USER ? hWnd->user : 0;
}
#endif
