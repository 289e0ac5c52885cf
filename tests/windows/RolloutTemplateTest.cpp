// Dialog template 101 as the module ships it, and as the system's dialog
// manager makes it, control by control against the rollout's table.
#include "tests/windows/RolloutTemplate.h"

#include "host/CustomControls.h"
#include "tests/windows/DialogResource.h"
#include "tests/windows/LoadedModule.h"

#include <cctype>
#include <string>
#include <vector>

namespace {

const WORD kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

std::string upperCase(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

class RolloutTemplate : public LoadedModule {};

TEST_F(RolloutTemplate, ResourceHoldsTheDialogAndItsFortyFiveControls) {
    const std::optional<DialogResource> dialog =
        readDialogResource(module, kRolloutTemplate, kEnglish);
    ASSERT_TRUE(dialog) << "no extended dialog template 101 in language 1033";
    EXPECT_EQ(dialog->style, 0x50000040u);
    EXPECT_EQ(dialog->exStyle, 0u);
    EXPECT_EQ(dialog->helpId, 0u);
    EXPECT_EQ(dialog->x, 0);
    EXPECT_EQ(dialog->y, 0);
    EXPECT_EQ(dialog->cx, 217);
    EXPECT_EQ(dialog->cy, 196);
    EXPECT_TRUE(dialog->menu.name.empty() && dialog->menu.ordinal == 0) << "a menu";
    EXPECT_TRUE(dialog->windowClass.name.empty() && dialog->windowClass.ordinal == 0)
        << "a window class";
    EXPECT_EQ(dialog->title, L"");
    EXPECT_EQ(dialog->pointSize, 8);
    EXPECT_EQ(dialog->weight, 0);
    EXPECT_EQ(dialog->italic, 0);
    EXPECT_EQ(dialog->charset, 0);
    EXPECT_EQ(dialog->typeface, L"MS Sans Serif");

    ASSERT_EQ(dialog->items.size(), std::size(kRolloutControls));
    for (std::size_t i = 0; i < dialog->items.size(); ++i) {
        const DialogItemResource& item = dialog->items[i];
        const TemplateControl& want = kRolloutControls[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1) + " (ID " + std::to_string(want.id) + ")");
        EXPECT_EQ(static_cast<int>(item.id), want.id);
        // Class names match without regard to case, as the system looks them up.
        EXPECT_EQ(classNameOf(item.windowClass), upperCase(want.windowClass));
        if (want.text) {
            EXPECT_EQ(item.title.ordinal, 0);
            EXPECT_EQ(item.title.name, want.text);
        } else if (want.id == kBannerControl) {
            EXPECT_EQ(item.title.ordinal, kBannerBitmap);
        } else {
            EXPECT_EQ(item.title.ordinal, 0);
            EXPECT_EQ(item.title.name, L"");
        }
        EXPECT_EQ(item.style, want.style) << std::hex << item.style;
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_EQ(item.helpId, 0u);
        EXPECT_EQ(item.x, want.x);
        EXPECT_EQ(item.y, want.y);
        EXPECT_EQ(item.cx, want.cx);
        EXPECT_EQ(item.cy, want.cy);
        EXPECT_EQ(item.extraBytes, 0);
    }
}

TEST_F(RolloutTemplate, BannerIsA318By56PictureOf24BitsPerPixel) {
    HRSRC found = FindResourceExA(module, RT_BITMAP, MAKEINTRESOURCEA(kBannerBitmap), kEnglish);
    ASSERT_NE(found, nullptr);
    const auto* header =
        static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, found)));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->biWidth, 318);
    EXPECT_EQ(std::abs(header->biHeight), 56);
    EXPECT_EQ(header->biBitCount, 24);
    EXPECT_EQ(header->biCompression, static_cast<DWORD>(BI_RGB));
}

// A hidden top-level window standing in for the material editor.
class EditorWindow {
  public:
    EditorWindow()
        : hWnd(CreateWindowExA(0, "STATIC", "material editor", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)) {}
    ~EditorWindow() { DestroyWindow(hWnd); }
    EditorWindow(const EditorWindow&) = delete;
    EditorWindow& operator=(const EditorWindow&) = delete;

    HWND hWnd;
};

INT_PTR CALLBACK plainDialogProc(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG ? TRUE : FALSE;
}

// The rectangle of a control in the dialog's client pixels.
RECT placeOf(HWND dialog, HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::wstring textOf(HWND control) {
    wchar_t text[256] = L"";
    GetWindowTextW(control, text, static_cast<int>(std::size(text)));
    return text;
}

TEST_F(RolloutTemplate, DialogManagerMakesEveryControlAsTheTableSays) {
    WNDCLASSA registered;
    ASSERT_TRUE(GetClassInfoA(nullptr, kCustEditClass, &registered)) << "CustEdit";
    ASSERT_TRUE(GetClassInfoA(nullptr, kSpinnerClass, &registered)) << "SpinnerControl";

    EditorWindow editor;
    ASSERT_NE(editor.hWnd, nullptr);
    HWND dialog = CreateDialogParamA(module, MAKEINTRESOURCEA(kRolloutTemplate), editor.hWnd,
                                     plainDialogProc, 0);
    ASSERT_NE(dialog, nullptr) << "error " << GetLastError();

    // The dialog manager gives every dialog the three-dimensional look.
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE)), 0x50000040u | DS_3DLOOK);
    RECT client;
    GetClientRect(dialog, &client);
    RECT size = {0, 0, 217, 196};
    MapDialogRect(dialog, &size);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);

    std::vector<HWND> controls;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        controls.push_back(c);
    }
    ASSERT_EQ(controls.size(), std::size(kRolloutControls));
    int hidden = 0;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        HWND control = controls[i];
        const TemplateControl& want = kRolloutControls[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1) + " (ID " + std::to_string(want.id) + ")");
        EXPECT_EQ(GetDlgCtrlID(control), want.id);
        char windowClass[64] = "";
        GetClassNameA(control, windowClass, sizeof windowClass);
        EXPECT_EQ(upperCase(windowClass), upperCase(want.windowClass));
        const DWORD style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
        EXPECT_EQ(style, want.style) << std::hex << style;
        // The dialog manager marks its controls not to notify the parent; a
        // sunken picture draws its edge as an extended style.
        const LONG exStyle = GetWindowLongA(control, GWL_EXSTYLE) & ~WS_EX_NOPARENTNOTIFY;
        EXPECT_EQ(exStyle, want.style & SS_SUNKEN ? WS_EX_STATICEDGE : 0) << std::hex << exStyle;
        hidden += (style & WS_VISIBLE) ? 0 : 1;

        RECT want_place = {want.x, want.y, want.cx, want.cy};
        MapDialogRect(dialog, &want_place);
        const RECT place = placeOf(dialog, control);
        EXPECT_EQ(place.left, want_place.left);
        EXPECT_EQ(place.top, want_place.top);
        if (want.id == kBannerControl) {
            // A picture control takes the size of its picture.
            const auto bitmap =
                reinterpret_cast<HBITMAP>(SendMessageA(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
            ASSERT_NE(bitmap, nullptr);
            BITMAP picture;
            ASSERT_TRUE(GetObjectA(bitmap, sizeof picture, &picture));
            EXPECT_EQ(picture.bmWidth, 318);
            EXPECT_EQ(picture.bmHeight, 56);
        } else {
            EXPECT_EQ(place.right - place.left, want_place.right);
            EXPECT_EQ(place.bottom - place.top, want_place.bottom);
            EXPECT_EQ(textOf(control), want.text ? want.text : L"");
        }
    }
    EXPECT_EQ(hidden, 1);
    HWND face = GetDlgItem(dialog, 1004);
    ASSERT_NE(face, nullptr);
    EXPECT_FALSE(GetWindowLongA(face, GWL_STYLE) & WS_VISIBLE) << "Face shows";

    DestroyWindow(dialog);
}

} // namespace
