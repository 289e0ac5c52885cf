#pragma once

// The Windows types that appear in the host's interfaces. On Windows they come
// from the system headers; elsewhere they are given the same sizes, so that
// plug-in code reads the same on every platform.
#if defined(_WIN32)
#include <windows.h>
#else
#include <cstdint>

using BOOL = int;
using UINT = unsigned int;
using ULONG = std::uint32_t; // 32 bits, as on Windows
using DWORD = std::uint32_t;
using WORD = std::uint16_t;
using BYTE = std::uint8_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
#endif
