// rollout_screenshot: opens the map's rollout as the material editor shows
// it, in a window of its own, and writes what the screen shows of it to a
// 24-bit BMP file. Windows only (run under Wine by
// scripts/rollout-screenshot.sh).
//
//   rollout_screenshot <output.bmp>
#include "host/ClassDesc.h"
#include "host/ParamMap2.h"
#include "host/PluginLibrary.h"
#include "host/Texmap.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <windows.h>

namespace {

std::string besideThisProgram(const char* file) {
    char self[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
    std::string path(self, length);
    return path.erase(path.find_last_of('\\') + 1) + file;
}

// Lets the window paint and the X server show it.
void pumpMessages(DWORD milliseconds) {
    const DWORD until = GetTickCount() + milliseconds;
    while (GetTickCount() < until) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(20);
    }
}

bool writeBitmap(HWND window, const char* path) {
    RECT area;
    GetClientRect(window, &area);
    const int width = area.right;
    const int height = area.bottom;
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height; // bottom-up rows, as BMP files keep them
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<std::size_t>(stride) * height);
    const int rows = GetDIBits(memory, picture, 0, height, pixels.data(),
                               reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    if (rows != height) {
        return false;
    }

    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: rollout_screenshot <output.bmp>\n");
        return 2;
    }
    std::string error;
    const auto library = PluginLibrary::Load(besideThisProgram("Quiltra.dlt"), error);
    ClassDesc* mapClass = library ? library->ClassDescAt(0) : nullptr;
    if (!mapClass) {
        std::fprintf(stderr, "rollout_screenshot: %s\n", error.c_str());
        return 1;
    }
    auto* map = static_cast<Texmap*>(mapClass->Create(FALSE));

    HWND editor = CreateWindowExA(0, "STATIC", "Varitile", WS_POPUP, 0, 0, 100, 100, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ParamDlg* dialog = map ? map->CreateParamDlg(editor, nullptr) : nullptr;
    HWND rollout = dialog ? static_cast<IAutoMParamDlg*>(dialog)->GetMap(0)->GetHWnd() : nullptr;
    if (!rollout) {
        std::fprintf(stderr, "rollout_screenshot: the rollout did not open\n");
        return 1;
    }
    RECT size;
    GetWindowRect(rollout, &size);
    SetWindowPos(editor, HWND_TOP, 0, 0, size.right - size.left, size.bottom - size.top,
                 SWP_SHOWWINDOW);
    UpdateWindow(editor);
    pumpMessages(1500);

    const bool written = writeBitmap(rollout, argv[1]);
    dialog->DeleteThis();
    map->DeleteMe();
    DestroyWindow(editor);
    if (!written) {
        std::fprintf(stderr, "rollout_screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
