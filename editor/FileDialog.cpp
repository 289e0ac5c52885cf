#include "editor/FileDialog.h"

#if defined(_WIN32)
#include "library/StringLoader.h"
#include "resources/ResourceIds.h"

namespace {

using GetOpenFileNameProc = BOOL(WINAPI*)(LPOPENFILENAMEA);
using CreateActCtxProc = HANDLE(WINAPI*)(PCACTCTXA);
using ActivateActCtxProc = BOOL(WINAPI*)(HANDLE, ULONG_PTR*);
using DeactivateActCtxProc = BOOL(WINAPI*)(DWORD, ULONG_PTR);

// A function of module looked up by name; null when either is missing.
template <typename Proc>
Proc bind(HMODULE module, const char* name) {
    if (!module) {
        return nullptr;
    }
    // Through the generic function type, the one conversion between
    // function types that the compiler accepts without a warning.
    return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The dialog function is bound at its first use, so that loading the
// library does not load the dialog's.
GetOpenFileNameProc dialogFunction() {
    static GetOpenFileNameProc bound = nullptr;
    if (!bound) {
        bound = bind<GetOpenFileNameProc>(LoadLibraryA("Comdlg32.dll"), "GetOpenFileNameA");
    }
    return bound;
}

struct Activation {
    CreateActCtxProc create;
    ActivateActCtxProc activate;
    DeactivateActCtxProc deactivate;

    bool available() const { return create && activate && deactivate; }
};

// Systems older than activation contexts lack these functions.
const Activation& activationFunctions() {
    static const Activation functions = [] {
        const HMODULE kernel = GetModuleHandleA("kernel32.dll");
        return Activation{bind<CreateActCtxProc>(kernel, "CreateActCtxA"),
                          bind<ActivateActCtxProc>(kernel, "ActivateActCtx"),
                          bind<DeactivateActCtxProc>(kernel, "DeactivateActCtx")};
    }();
    return functions;
}

// The context of the library's own manifest, which asks for version 6 of
// the common controls; made at first use, tried again after a failure.
HANDLE libraryContext(const Activation& activation) {
    static HANDLE context = INVALID_HANDLE_VALUE;
    if (context == INVALID_HANDLE_VALUE) {
        ACTCTXA request = {};
        request.cbSize = sizeof request;
        request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.hModule = libInstance;
        request.lpResourceName = MAKEINTRESOURCEA(IDR_MANIFEST);
        context = activation.create(&request);
    }
    return context;
}

} // namespace

BOOL ShowOpenFileDialog(OPENFILENAMEA& request) {
    const GetOpenFileNameProc dialog = dialogFunction();
    if (!dialog) {
        return FALSE;
    }
    const Activation& activation = activationFunctions();
    if (!activation.available()) {
        return dialog(&request);
    }
    const HANDLE context = libraryContext(activation);
    ULONG_PTR cookie = 0;
    if (context == INVALID_HANDLE_VALUE || !activation.activate(context, &cookie)) {
        return FALSE;
    }
    const BOOL picked = dialog(&request);
    activation.deactivate(0, cookie);
    return picked;
}
#else
BOOL ShowOpenFileDialog(OPENFILENAMEA& request) {
    return GetOpenFileNameA(&request);
}
#endif
