#include "tests/windows/RolloutTemplate.h"

namespace {

constexpr DWORD kRadio = 0x50000009;
constexpr DWORD kHiddenRadio = 0x40000009;
constexpr DWORD kTabStop = 0x50010000; // a push button on a BUTTON
constexpr DWORD kVisible = 0x50000000;
constexpr DWORD kLabel = 0x50020000;
constexpr DWORD kGroupBox = 0x50000007;
constexpr DWORD kBanner = 0x5000110e;

} // namespace

// clang-format off
const TemplateControl kRolloutControls[45] = {
    {1006, "BUTTON", L"Pyramidal", kRadio, 72, 18, 46, 10},
    {1008, "BUTTON", L"Summed Area", kRadio, 72, 29, 60, 10},
    {1009, "BUTTON", L"None", kRadio, 72, 40, 33, 10},
    {1510, "CustEdit", nullptr, kTabStop, 166, 14, 35, 10},
    {1002, "BUTTON", L"Material ID", kRadio, 10, 71, 50, 10},
    {1003, "BUTTON", L"Object", kRadio, 61, 71, 37, 10},
    {1004, "BUTTON", L"Face", kHiddenRadio, 101, 71, 32, 10},
    {1508, "CustEdit", nullptr, kTabStop, 166, 70, 35, 10},
    {1490, "CustEdit", nullptr, kTabStop, 66, 109, 35, 10},
    {1493, "CustEdit", nullptr, kTabStop, 66, 122, 35, 10},
    {1502, "CustEdit", nullptr, kTabStop, 66, 135, 35, 10},
    {1491, "CustEdit", nullptr, kTabStop, 116, 109, 35, 10},
    {1494, "CustEdit", nullptr, kTabStop, 116, 122, 35, 10},
    {1504, "CustEdit", nullptr, kTabStop, 116, 135, 35, 10},
    {1492, "CustEdit", nullptr, kTabStop, 166, 109, 35, 10},
    {1495, "CustEdit", nullptr, kTabStop, 166, 122, 35, 10},
    {1506, "CustEdit", nullptr, kTabStop, 166, 135, 35, 10},
    {1496, "SpinnerControl", nullptr, kVisible, 102, 109, 7, 10},
    {-1, "STATIC", L"Overall", kLabel, 35, 110, 23, 8},
    {1001, "BUTTON", L"Open files", kTabStop, 7, 14, 56, 18},
    {-1, "BUTTON", L"Color Adjustment", kGroupBox, 2, 88, 213, 61},
    {-1, "STATIC", L"Random (+/-)", kLabel, 15, 123, 43, 8},
    {-1, "STATIC", L"Distribution (%)", kLabel, 11, 136, 47, 8},
    {1497, "SpinnerControl", nullptr, kVisible, 152, 109, 7, 10},
    {1498, "SpinnerControl", nullptr, kVisible, 202, 109, 7, 10},
    {-1, "STATIC", L"Gamma", kLabel, 75, 97, 25, 8},
    {-1, "STATIC", L"Hue (\u00b0)", kLabel, 126, 97, 23, 8},
    {-1, "STATIC", L"Saturation (%)", kLabel, 166, 97, 44, 8},
    {1499, "SpinnerControl", nullptr, kVisible, 102, 122, 7, 10},
    {1500, "SpinnerControl", nullptr, kVisible, 152, 122, 7, 10},
    {1501, "SpinnerControl", nullptr, kVisible, 202, 122, 7, 10},
    {1503, "SpinnerControl", nullptr, kVisible, 102, 135, 7, 10},
    {1505, "SpinnerControl", nullptr, kVisible, 152, 135, 7, 10},
    {1507, "SpinnerControl", nullptr, kVisible, 202, 135, 7, 10},
    {-1, "BUTTON", L"Randomize by", kGroupBox, 2, 58, 213, 29},
    {1005, "BUTTON", L"Reload files", kTabStop, 7, 34, 56, 18},
    {1509, "SpinnerControl", nullptr, kVisible, 202, 70, 7, 10},
    {-1, "STATIC", L"Seed", kLabel, 144, 71, 18, 8},
    {-1, "BUTTON", L"Bitmaps", kGroupBox, 2, 2, 213, 54},
    {-1, "BUTTON", L"Filtering", kGroupBox, 67, 8, 75, 44},
    {1511, "SpinnerControl", nullptr, kVisible, 202, 14, 7, 10},
    {-1, "STATIC", L"Blur", kLabel, 149, 15, 13, 8},
    {-1, "STATIC", L"Varitile Version", kLabel, 3, 187, 65, 8},
    {1007, "STATIC", nullptr, kBanner, 2, 150, 213, 36},
    {-1, "STATIC", L"1.01", kLabel, 69, 187, 15, 8},
};
// clang-format on
