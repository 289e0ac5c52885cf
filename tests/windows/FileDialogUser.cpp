#include "tests/windows/FileDialogUser.h"

namespace {

// The file name field of the system's file dialog (an edit in a combo box).
constexpr int kFileNameField = 0x47C;

FileDialogUser* armed = nullptr;

std::wstring manifestOf(HANDLE context) {
    if (!context) {
        return std::wstring();
    }
    SIZE_T size = 0;
    QueryActCtxW(0, context, nullptr, ActivationContextDetailedInformation, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    if (size == 0 || !QueryActCtxW(0, context, nullptr, ActivationContextDetailedInformation,
                                   buffer.data(), size, &size)) {
        return std::wstring();
    }
    const auto* details =
        reinterpret_cast<const ACTIVATION_CONTEXT_DETAILED_INFORMATION*>(buffer.data());
    return details->lpRootManifestPath ? details->lpRootManifestPath : L"";
}

// The file the loader gives for name under the thread's active context.
std::string loadedFile(const char* name) {
    char path[MAX_PATH] = "";
    if (HMODULE module = LoadLibraryA(name)) {
        GetModuleFileNameA(module, path, sizeof path);
        FreeLibrary(module);
    }
    return path;
}

} // namespace

FileDialogUser::FileDialogUser(std::vector<Step> s) : steps(std::move(s)) {
    armed = this;
    timer = SetTimer(nullptr, 0, 50, tick);
}

FileDialogUser::~FileDialogUser() {
    KillTimer(nullptr, timer);
    armed = nullptr;
}

void CALLBACK FileDialogUser::tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!armed) {
        return;
    }
    HWND dialog = FindWindowA(nullptr, "Open file(s)");
    if (dialog && GetWindowThreadProcessId(dialog, nullptr) == GetCurrentThreadId()) {
        armed->act(dialog);
    }
}

void FileDialogUser::act(HWND dialog) {
    if (next == steps.size()) {
        return;
    }
    Sighting sighting{GetWindow(dialog, GW_OWNER), nullptr, L"", loadedFile("msvcr90.dll")};
    GetCurrentActCtx(&sighting.activationContext);
    sighting.contextManifest = manifestOf(sighting.activationContext);
    if (sighting.activationContext) {
        ReleaseActCtx(sighting.activationContext);
    }
    seen.push_back(sighting);

    const Step& step = steps[next++];
    if (step.cancel) {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    SetDlgItemTextA(dialog, kFileNameField, step.fileName.c_str());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

std::vector<FileDialogUser::Step> pickInFolder(const std::string& folder,
                                               const std::string& names) {
    std::string into = folder;
    if (into.back() != '\\') {
        into += '\\';
    }
    return {{false, into}, {false, names}};
}
