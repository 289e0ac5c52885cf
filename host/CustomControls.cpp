#include "host/CustomControls.h"

namespace {

// Where an edit field keeps the font the dialog gives it.
constexpr int kFontSlot = 0;

// The font the dialog gave the control, or the system's when none.
HGDIOBJ selectDialogFont(HWND hWnd, HDC dc) {
    const auto font = reinterpret_cast<HFONT>(SendMessageA(hWnd, WM_GETFONT, 0, 0));
    return SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
}

// A sunken white field with the control's text at its left.
void paintEdit(HWND hWnd) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hWnd, &paint);
    RECT field;
    GetClientRect(hWnd, &field);
    DrawEdge(dc, &field, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    FillRect(dc, &field, GetSysColorBrush(COLOR_WINDOW));
    char text[128];
    const int length = GetWindowTextA(hWnd, text, sizeof text);
    const HGDIOBJ previous = selectDialogFont(hWnd, dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    field.left += 2;
    DrawTextA(dc, text, length, &field, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
    EndPaint(hWnd, &paint);
}

LRESULT CALLBACK custEditProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SETFONT:
        SetWindowLongPtrA(hWnd, kFontSlot, static_cast<LONG_PTR>(wParam));
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrA(hWnd, kFontSlot);
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(hWnd, msg, wParam, lParam);
        InvalidateRect(hWnd, nullptr, TRUE);
        return result;
    }
    case WM_PAINT:
        paintEdit(hWnd);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hWnd, msg, wParam, lParam);
}

// Two arrow buttons, one above the other.
void paintSpinner(HWND hWnd) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hWnd, &paint);
    RECT whole;
    GetClientRect(hWnd, &whole);
    RECT up = whole;
    up.bottom = whole.top + (whole.bottom - whole.top) / 2;
    RECT down = whole;
    down.top = up.bottom;
    DrawFrameControl(dc, &up, DFC_SCROLL, DFCS_SCROLLUP);
    DrawFrameControl(dc, &down, DFC_SCROLL, DFCS_SCROLLDOWN);
    EndPaint(hWnd, &paint);
}

LRESULT CALLBACK spinnerProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        paintSpinner(hWnd);
        return 0;
    }
    return DefWindowProcA(hWnd, msg, wParam, lParam);
}

bool registerClass(HINSTANCE module, const char* name, WNDPROC proc, int extraBytes) {
    WNDCLASSA windowClass = {};
    // Global: the dialog manager finds it for templates of every module.
    windowClass.style = CS_GLOBALCLASS | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = proc;
    windowClass.cbWndExtra = extraBytes;
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace

bool RegisterCustomControls(HINSTANCE module) {
    const bool edit =
        registerClass(module, kCustEditClass, custEditProc, static_cast<int>(sizeof(LONG_PTR)));
    const bool spinner = registerClass(module, kSpinnerClass, spinnerProc, 0);
    return edit && spinner;
}

void UnregisterCustomControls(HINSTANCE module) {
    UnregisterClassA(kCustEditClass, module);
    UnregisterClassA(kSpinnerClass, module);
}
