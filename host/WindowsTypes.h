#pragma once

// The Windows types that appear in the host's interfaces. On Windows they come
// from the system headers; elsewhere they are given the same sizes, so that
// plug-in code reads the same on every platform.
#if defined(_WIN32)
#include <windows.h>
#else
#include <cstdint>

using BOOL = int;
using INT = int;
using UINT = unsigned int;
using ULONG = std::uint32_t; // 32 bits, as on Windows
using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using BYTE = std::uint8_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using ULONG_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using DWORD_PTR = std::uintptr_t;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;

using COLORREF = DWORD;
using LONG = std::int32_t;

struct HWND__;
using HWND = HWND__*;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;
struct HDC__;
using HDC = HDC__*;

struct RECT {
    LONG left, top, right, bottom;
};

using LPVOID = void*;
using LPSTR = char*;
using LPCSTR = const char*;
using LRESULT = LONG_PTR;

// The longest path the system's fixed-size path buffers hold, terminator included.
constexpr int MAX_PATH = 260;
#define WINAPI
constexpr DWORD DLL_PROCESS_DETACH = 0;
constexpr DWORD DLL_PROCESS_ATTACH = 1;
constexpr DWORD DLL_THREAD_ATTACH = 2;
constexpr DWORD DLL_THREAD_DETACH = 3;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
#endif
