#pragma once

#include <windows.h>

// The rollout's dialog template 101 as the library must ship it: its 45
// controls in template order (their creation and tab order), positions and
// sizes in dialog units.
struct TemplateControl {
    int id; // -1: no identifier
    const char* windowClass;
    const wchar_t* text; // null: no text; the banner shows bitmap 103 instead
    DWORD style;
    short x, y, cx, cy;
};

constexpr int kRolloutTemplate = 101;
constexpr int kBannerBitmap = 103;
constexpr int kBannerControl = 1007;

extern const TemplateControl kRolloutControls[45];
