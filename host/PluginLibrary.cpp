#include "host/PluginLibrary.h"

#include "host/ClassDesc.h"
#include "host/ClassDirectory.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

void* findSymbol(HINSTANCE module, const char* name) {
#if defined(_WIN32)
    return reinterpret_cast<void*>(GetProcAddress(module, name));
#else
    return dlsym(module, name);
#endif
}

template <typename Function>
bool bind(HINSTANCE module, const char* name, Function& function, std::string& error) {
    function = reinterpret_cast<Function>(findSymbol(module, name));
    if (!function) {
        error = std::string("the library exports no ") + name;
        return false;
    }
    return true;
}

} // namespace

std::unique_ptr<PluginLibrary> PluginLibrary::Load(const std::string& path, std::string& error) {
    std::unique_ptr<PluginLibrary> library(new PluginLibrary());
#if defined(_WIN32)
    library->module = LoadLibraryA(path.c_str());
    if (!library->module) {
        error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
        return nullptr;
    }
#else
    library->module = static_cast<HINSTANCE>(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL));
    if (!library->module) {
        const char* why = dlerror();
        error = "cannot load " + path + ": " + (why ? why : "unknown error");
        return nullptr;
    }
    // The system calls a Windows library's entry function; here the loader does.
    library->dllMain = reinterpret_cast<BOOL (*)(HINSTANCE, DWORD, LPVOID)>(
        findSymbol(library->module, "DllMain"));
    if (library->dllMain && !library->dllMain(library->module, DLL_PROCESS_ATTACH, nullptr)) {
        error = path + " refused to load";
        library->dllMain = nullptr;
        return nullptr;
    }
#endif
    PluginLibrary& lib = *library;
    if (!bind(lib.module, "LibDescription", lib.libDescription, error) ||
        !bind(lib.module, "LibNumberClasses", lib.libNumberClasses, error) ||
        !bind(lib.module, "LibClassDesc", lib.libClassDesc, error) ||
        !bind(lib.module, "LibVersion", lib.libVersion, error) ||
        !bind(lib.module, "LibInitialize", lib.libInitialize, error) ||
        !bind(lib.module, "LibShutdown", lib.libShutdown, error)) {
        error = path + ": " + error;
        return nullptr;
    }
    if (!lib.libInitialize()) {
        error = path + " failed to initialize";
        return nullptr;
    }
    for (int i = 0; i < lib.libNumberClasses(); ++i) {
        RegisterClassDesc(lib.libClassDesc(i));
    }
    return library;
}

PluginLibrary::~PluginLibrary() {
    if (!module) {
        return;
    }
    if (libShutdown) {
        for (int i = 0; i < libNumberClasses(); ++i) {
            UnregisterClassDesc(libClassDesc(i));
        }
        libShutdown();
    }
#if defined(_WIN32)
    FreeLibrary(module);
#else
    if (dllMain) {
        dllMain(module, DLL_PROCESS_DETACH, nullptr);
    }
    dlclose(module);
#endif
}

void* PluginLibrary::Symbol(const char* name) const {
    return findSymbol(module, name);
}
