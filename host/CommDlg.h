#pragma once

// The system's common file dialog. On Windows it is the system's own;
// elsewhere the host supplies it with the same structure, flags and result,
// and the caller says beforehand what the user picks (host/FileDialog.h).
#include "host/HostApi.h"
#include "host/WindowsTypes.h"

#if defined(_WIN32)
#include <commdlg.h>
#include <windows.h>
#else
#include <cstddef>

using LPOFNHOOKPROC = UINT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

// Laid out field for field as the system's structure.
struct OPENFILENAMEA {
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    LPCSTR lpstrFilter;
    LPSTR lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex;
    LPSTR lpstrFile;
    DWORD nMaxFile;
    LPSTR lpstrFileTitle;
    DWORD nMaxFileTitle;
    LPCSTR lpstrInitialDir;
    LPCSTR lpstrTitle;
    DWORD Flags;
    WORD nFileOffset;
    WORD nFileExtension;
    LPCSTR lpstrDefExt;
    LPARAM lCustData;
    LPOFNHOOKPROC lpfnHook;
    LPCSTR lpTemplateName;
    void* pvReserved;
    DWORD dwReserved;
    DWORD FlagsEx;
};
using LPOPENFILENAMEA = OPENFILENAMEA*;
// The size of the structure without its last three fields, which older
// callers leave out.
constexpr DWORD OPENFILENAME_SIZE_VERSION_400A =
    static_cast<DWORD>(offsetof(OPENFILENAMEA, pvReserved));

constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
constexpr DWORD OFN_ALLOWMULTISELECT = 0x00000200;
constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;
constexpr DWORD OFN_EXPLORER = 0x00080000;
constexpr DWORD OFN_EX_NOPLACESBAR = 0x00000001;

// Extended errors.
constexpr DWORD CDERR_STRUCTSIZE = 0x0001;
constexpr DWORD CDERR_INITIALIZATION = 0x0002;
constexpr DWORD CDERR_DIALOGFAILURE = 0xFFFF;
constexpr DWORD FNERR_BUFFERTOOSMALL = 0x3003;

// Shows the dialog. TRUE when the user picked files: lpstrFile then holds
// the result and nFileOffset the offset of the first name in it. FALSE when
// the user cancelled (the extended error is then 0) or the dialog failed.
HOST_API BOOL GetOpenFileNameA(LPOPENFILENAMEA ofn);
// Why the last dialog failed; 0 after a cancel or a success.
HOST_API DWORD CommDlgExtendedError();
#endif
