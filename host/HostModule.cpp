// The host library's own entry function on Windows: the custom controls
// exist as long as the library is loaded.
#include "host/CustomControls.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        // Without the classes rollouts do not open; everything else works,
        // so the library loads all the same.
        RegisterCustomControls(module);
    }
    if (reason == DLL_PROCESS_DETACH) {
        UnregisterCustomControls(module);
    }
    return TRUE;
}
