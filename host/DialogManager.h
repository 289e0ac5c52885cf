#pragma once

// The part of the system's dialog manager that the host's rollouts and the
// plug-ins use: dialog windows, their procedures and the messages sent to
// them. On Windows it is the system's own.
#include "host/HostApi.h"
#include "host/WindowsTypes.h"

#if defined(_WIN32)
#include <windows.h>
#else
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_NOTIFY = 0x004E;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;

// Notification codes of WM_COMMAND, in the high word of wParam.
constexpr WORD BN_CLICKED = 0;
constexpr WORD BN_DOUBLECLICKED = 5;
constexpr WORD STN_CLICKED = 0;
constexpr WORD STN_DBLCLK = 1;

constexpr int SW_SHOWNORMAL = 1;

// Where a dialog keeps its own value for its procedure.
constexpr int DWLP_USER = 2 * static_cast<int>(sizeof(LONG_PTR));

constexpr WORD LOWORD(DWORD_PTR value) {
    return static_cast<WORD>(value & 0xFFFF);
}
constexpr WORD HIWORD(DWORD_PTR value) {
    return static_cast<WORD>((value >> 16) & 0xFFFF);
}
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) {
    return static_cast<WPARAM>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}
inline LPSTR MAKEINTRESOURCEA(WORD id) {
    return reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(id));
}

#define CALLBACK
using DLGPROC = INT_PTR(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);

// A modeless dialog: a window whose messages go to proc. proc receives
// WM_INITDIALOG with init before the call returns. The template is not
// laid out here: the dialog has no controls of its own.
HOST_API HWND CreateDialogParamA(HINSTANCE module, LPCSTR templateName, HWND parent, DLGPROC proc,
                                 LPARAM init);
// Sends WM_DESTROY to the window and to its child windows, then removes them.
HOST_API BOOL DestroyWindow(HWND hWnd);
HOST_API BOOL IsWindow(HWND hWnd);
HOST_API HWND GetParent(HWND hWnd);
// Hands the message to the window's procedure and answers what it answers;
// 0 for a window that does not exist.
HOST_API LRESULT SendMessageA(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
// The dialog's DWLP_USER value; other indices are not kept.
HOST_API LONG_PTR SetWindowLongPtrA(HWND hWnd, int index, LONG_PTR value);
HOST_API LONG_PTR GetWindowLongPtrA(HWND hWnd, int index);
#endif
