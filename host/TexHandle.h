#pragma once

#include "host/HostApi.h"
#include "host/WindowsTypes.h"

#if !defined(_WIN32)
// A device-independent bitmap's header and pixels, laid out as on Windows.
struct BITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight; // positive: the bottom row comes first
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};
struct RGBQUAD {
    BYTE rgbBlue, rgbGreen, rgbRed, rgbReserved;
};
struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};
constexpr DWORD BI_RGB = 0;
#endif

// A texture the viewport draws with.
class HOST_API TexHandle {
  public:
    virtual ~TexHandle() = default;
    virtual DWORD_PTR GetHandle() = 0;
    virtual void DeleteThis() = 0;
};

// Makes viewport textures from bitmaps of maps.
class HOST_API TexHandleMaker {
  public:
    virtual ~TexHandleMaker() = default;
    // Takes the bitmap, which the maker frees, and returns its texture.
    virtual TexHandle* MakeHandle(BITMAPINFO* bitmap) = 0;
    // The edge length in pixels of the square bitmaps the viewport wants.
    virtual int Size() = 0;
};
