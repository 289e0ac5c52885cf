// The library's outer shell: its entry function and the six entry points the
// host looks up by name.
#include "host/ClassDesc.h"
#include "library/QuiltraClassDesc.h"
#include "library/StringLoader.h"
#include "library/Version.h"
#include "resources/ResourceIds.h"

#if defined(_WIN32)
#include <windows.h>
// Exported by the module definition file, with their ordinals.
#define QUILTRA_ENTRY_POINT extern "C"
#else
#include "host/DllEntry.h"
#define QUILTRA_ENTRY_POINT extern "C" __attribute__((visibility("default")))
#endif

QUILTRA_ENTRY_POINT BOOL WINAPI DllMain(HINSTANCE hinstDLL, DWORD fdwReason, LPVOID) {
    if (fdwReason == DLL_PROCESS_ATTACH) {
        libInstance = hinstDLL;
        DisableThreadLibraryCalls(hinstDLL);
    }
    return TRUE;
}

QUILTRA_ENTRY_POINT const char* LibDescription() {
    return LoadResString(IDS_LIB_DESCRIPTION);
}

QUILTRA_ENTRY_POINT int LibNumberClasses() {
    return 1;
}

QUILTRA_ENTRY_POINT ClassDesc* LibClassDesc(int i) {
    return i == 0 ? &quiltraDesc : nullptr;
}

QUILTRA_ENTRY_POINT ULONG LibVersion() {
    return kLibraryVersion;
}

// Everything the library needs exists from load to unload.
QUILTRA_ENTRY_POINT int LibInitialize() {
    return 1;
}

QUILTRA_ENTRY_POINT int LibShutdown() {
    return 1;
}
