// The rollout's commands through the system's own window messages: the host
// opens the rollout of a new map in an editor window, and the buttons and the
// banner are clicked as a user would click them. The file dialog is the
// system's, with a stand-in for the user; the shell call is caught at the
// module's import of it.
#include "editor/HomePage.h"
#include "host/BitmapTex.h"
#include "host/ClassDesc.h"
#include "host/IParamBlock2.h"
#include "host/Interface.h"
#include "host/ParamMap2.h"
#include "tests/windows/FileDialogUser.h"
#include "tests/windows/ImportHook.h"
#include "tests/windows/LoadedModule.h"
#include "tests/windows/RolloutTemplate.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kOpenFiles = 1001;
constexpr int kReloadFiles = 1005;
constexpr int kMaterialIdRadio = 1002;
constexpr ParamID kSubMapTable = 0;

struct ShellCall {
    HWND hwnd;
    std::optional<std::string> operation, file, parameters, directory;
    INT showCmd;
};
std::vector<ShellCall> shellCalls;

std::optional<std::string> copied(LPCSTR text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
}

HINSTANCE WINAPI recordShellExecute(HWND hwnd, LPCSTR operation, LPCSTR file, LPCSTR parameters,
                                    LPCSTR directory, INT showCmd) {
    shellCalls.push_back(
        {hwnd, copied(operation), copied(file), copied(parameters), copied(directory), showCmd});
    // Above 32: the shell started the browser.
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}

// Empty files, for the dialog to find.
void makeFiles(const std::string& folder, std::initializer_list<const char*> names) {
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const char* name : names) {
        const std::string path = folder + (folder.back() == '\\' ? "" : "\\") + name;
        CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    }
}

std::string tempFolder(const char* name) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    return std::string(temp) + name;
}

class RolloutCommands : public LoadedModule {
  protected:
    void SetUp() override {
        LoadedModule::SetUp();
        editor = CreateWindowExA(0, "STATIC", "material editor", WS_OVERLAPPEDWINDOW, 0, 0, 640,
                                 480, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(editor, nullptr);
        ClassDesc* cd = classDesc();
        ASSERT_NE(cd, nullptr);
        map = static_cast<Texmap*>(cd->Create(FALSE));
        ASSERT_NE(map, nullptr);
        dialog = static_cast<IAutoMParamDlg*>(map->CreateParamDlg(editor, nullptr));
        ASSERT_NE(dialog, nullptr);
        ASSERT_EQ(dialog->NumDlgs(), 1);
        rollout = dialog->GetMap(0)->GetHWnd();
        ASSERT_NE(rollout, nullptr) << "the rollout window was not made";
        ASSERT_EQ(GetParent(rollout), editor);
    }
    void TearDown() override {
        if (dialog) {
            dialog->DeleteThis();
        }
        if (map) {
            map->DeleteMe();
        }
        if (editor) {
            DestroyWindow(editor);
        }
        shellCalls.clear();
    }

    // A push button pressed as the user presses it: the button tells the
    // rollout through WM_COMMAND.
    void click(int id) {
        HWND button = GetDlgItem(rollout, id);
        ASSERT_NE(button, nullptr) << id;
        SendMessageA(button, BM_CLICK, 0, 0);
    }

    // Each entry of the map's table: its name and its file.
    std::vector<std::pair<std::string, std::string>> table() {
        std::vector<std::pair<std::string, std::string>> entries;
        IParamBlock2* block = map->GetParamBlock(0);
        const TimeValue t = GetCOREInterface()->GetTime();
        for (int i = 0; i < block->Count(kSubMapTable); ++i) {
            Texmap* entry = nullptr;
            Interval valid = FOREVER;
            block->GetValue(kSubMapTable, t, entry, valid, i);
            const MCHAR* file = nullptr;
            if (entry && entry->GetParamBlock(0)) {
                entry->GetParamBlock(0)->GetValue(BitmapTex::bmtex_filename, t, file, valid);
            }
            entries.emplace_back(entry ? entry->GetName().data() : "(empty)", file ? file : "");
        }
        return entries;
    }

    using Table = std::vector<std::pair<std::string, std::string>>;

    HWND editor = nullptr;
    Texmap* map = nullptr;
    IAutoMParamDlg* dialog = nullptr;
    HWND rollout = nullptr;
};

std::string fieldText(HWND rollout, int id) {
    char text[64] = "";
    GetDlgItemTextA(rollout, id, text, sizeof text);
    return text;
}

TEST_F(RolloutCommands, RolloutShowsTheBlocksValuesAndFollowsItsChanges) {
    // A new map's values: seed 12345, overall gamma 1, distribution 50 %,
    // blur 1, keyed by material ID, pyramidal filtering.
    EXPECT_EQ(fieldText(rollout, 1508), "12345");
    EXPECT_EQ(fieldText(rollout, 1490), "1");
    EXPECT_EQ(fieldText(rollout, 1502), "50");
    EXPECT_EQ(fieldText(rollout, 1510), "1");
    EXPECT_EQ(IsDlgButtonChecked(rollout, 1002), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(rollout, 1003), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(rollout, 1006), BST_CHECKED);

    // A change of the block reaches the rollout through the map's change
    // notice.
    IParamBlock2* block = map->GetParamBlock(0);
    const TimeValue t = GetCOREInterface()->GetTime();
    block->SetValue(11, t, 7); // seed
    block->SetValue(10, t, 1); // rnd_by: object
    EXPECT_EQ(fieldText(rollout, 1508), "7");
    EXPECT_EQ(IsDlgButtonChecked(rollout, 1002), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(rollout, 1003), BST_CHECKED);
    EXPECT_EQ(fieldText(rollout, 1490), "1");
}

TEST_F(RolloutCommands, OpenFilesPicksSeveralFilesInTheSystemDialog) {
    const std::string folder = tempFolder("QuiltraOpenFiles");
    makeFiles(folder, {"a.jpg", "b.jpg"});
    EXPECT_EQ(GetModuleHandleA("comdlg32.dll"), nullptr) << "loaded before its first use";

    FileDialogUser user(pickInFolder(folder, "\"a.jpg\" \"b.jpg\""));
    click(kOpenFiles);
    ASSERT_TRUE(user.done()) << "the dialog did not take every step";

    EXPECT_EQ(table(), (Table{{"a.jpg", folder + "\\a.jpg"}, {"b.jpg", folder + "\\b.jpg"}}));
    // The map's update ran: its sub-maps are the table's.
    EXPECT_EQ(map->NumSubTexmaps(), 2);
    EXPECT_NE(GetModuleHandleA("comdlg32.dll"), nullptr);

    for (const FileDialogUser::Sighting& seen : user.sightings()) {
        // A child window cannot own a dialog: its top-level window does.
        EXPECT_EQ(seen.owner, GetAncestor(rollout, GA_ROOT));
        // The library's own context, from its manifest: the runtime library
        // it names comes from the side-by-side store. (The common controls
        // it names cannot show it: the file dialog loaded them before.)
        EXPECT_NE(seen.activationContext, nullptr);
        EXPECT_NE(seen.contextManifest.find(L"Quiltra.dlt"), std::wstring::npos)
            << std::string(seen.contextManifest.begin(), seen.contextManifest.end());
        EXPECT_NE(seen.runtimeLibrary.find("winsxs"), std::string::npos) << seen.runtimeLibrary;
        EXPECT_NE(seen.runtimeLibrary.find("vc90.crt"), std::string::npos) << seen.runtimeLibrary;
    }
    HANDLE after = nullptr;
    GetCurrentActCtx(&after);
    EXPECT_EQ(after, nullptr) << "the library's context stayed active";
}

TEST_F(RolloutCommands, OpenFilesWithOneFileAndInTheRootOfADrive) {
    const std::string folder = tempFolder("QuiltraOpenOne");
    makeFiles(folder, {"a.jpg"});
    {
        FileDialogUser user(pickInFolder(folder, "a.jpg"));
        click(kOpenFiles);
        ASSERT_TRUE(user.done());
    }
    EXPECT_EQ(table(), (Table{{"a.jpg", folder + "\\a.jpg"}}));

    makeFiles("C:\\", {"quiltra-a.jpg", "quiltra-b.jpg"});
    {
        FileDialogUser user(pickInFolder("C:\\", "\"quiltra-a.jpg\" \"quiltra-b.jpg\""));
        click(kOpenFiles);
        ASSERT_TRUE(user.done());
    }
    // One backslash after the drive, and the earlier pick is gone.
    EXPECT_EQ(table(), (Table{{"quiltra-a.jpg", "C:\\quiltra-a.jpg"},
                              {"quiltra-b.jpg", "C:\\quiltra-b.jpg"}}));
    DeleteFileA("C:\\quiltra-a.jpg");
    DeleteFileA("C:\\quiltra-b.jpg");
}

TEST_F(RolloutCommands, CancellingTheDialogChangesNothing) {
    const std::string folder = tempFolder("QuiltraOpenFiles");
    makeFiles(folder, {"a.jpg", "b.jpg"});
    {
        FileDialogUser user(pickInFolder(folder, "\"a.jpg\" \"b.jpg\""));
        click(kOpenFiles);
        ASSERT_TRUE(user.done());
    }
    const Table before = table();
    ASSERT_EQ(before.size(), 2u);
    Texmap* first = map->GetSubTexmap(0);

    FileDialogUser user({{true, ""}});
    click(kOpenFiles);
    ASSERT_TRUE(user.done());
    EXPECT_EQ(table(), before);
    EXPECT_EQ(map->NumSubTexmaps(), 2);
    EXPECT_EQ(map->GetSubTexmap(0), first);
}

TEST_F(RolloutCommands, ReloadFilesReloadsEveryBitmap) {
    const std::string folder = tempFolder("QuiltraOpenFiles");
    makeFiles(folder, {"a.jpg", "b.jpg"});
    {
        FileDialogUser user(pickInFolder(folder, "\"a.jpg\" \"b.jpg\""));
        click(kOpenFiles);
        ASSERT_TRUE(user.done());
    }
    ASSERT_EQ(map->NumSubTexmaps(), 2);
    auto* a = static_cast<BitmapTex*>(map->GetSubTexmap(0));
    auto* b = static_cast<BitmapTex*>(map->GetSubTexmap(1));
    const int aLoads = a->LoadCount();
    const int bLoads = b->LoadCount();

    click(kReloadFiles);
    EXPECT_EQ(a->LoadCount(), aLoads + 1);
    EXPECT_EQ(b->LoadCount(), bLoads + 1);
    click(kReloadFiles);
    EXPECT_EQ(a->LoadCount(), aLoads + 2);
    EXPECT_EQ(b->LoadCount(), bLoads + 2);
    EXPECT_EQ(map->NumSubTexmaps(), 2);
}

TEST_F(RolloutCommands, BannerOpensTheSiteOncePerCommand) {
    ImportHook hook(module, "shell32.dll", "ShellExecuteA",
                    reinterpret_cast<void*>(&recordShellExecute));
    ASSERT_TRUE(hook.active()) << "the module does not import ShellExecuteA";
    HWND banner = GetDlgItem(rollout, kBannerControl);
    ASSERT_NE(banner, nullptr);

    // A click, then a double click: the picture reports each as a command.
    SendMessageA(banner, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageA(banner, WM_LBUTTONUP, 0, 0);
    ASSERT_EQ(shellCalls.size(), 1u);
    SendMessageA(banner, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    SendMessageA(banner, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(shellCalls.size(), 2u);
    // Whatever the notification code.
    SendMessageA(rollout, WM_COMMAND, MAKEWPARAM(kBannerControl, STN_ENABLE),
                 reinterpret_cast<LPARAM>(banner));
    EXPECT_EQ(shellCalls.size(), 3u);

    for (const ShellCall& call : shellCalls) {
        EXPECT_EQ(call.hwnd, nullptr);
        EXPECT_EQ(call.operation, std::optional<std::string>("open"));
        EXPECT_EQ(call.file, std::optional<std::string>(kHomePage));
        EXPECT_EQ(call.parameters, std::nullopt);
        EXPECT_EQ(call.directory, std::nullopt);
        EXPECT_EQ(call.showCmd, SW_SHOWNORMAL);
    }

    // A radio button's command is the parameter map's, not the banner's.
    click(kMaterialIdRadio);
    EXPECT_EQ(shellCalls.size(), 3u);
}

} // namespace
