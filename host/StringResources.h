#pragma once

#include "host/HostApi.h"
#include "host/WindowsTypes.h"

#if !defined(_WIN32)
// A module's string resources, as the platform's resource compiler lays them
// into the module: one table under a fixed symbol name.
struct HostStringResource {
    UINT id;
    const char* text;
};
struct HostResourceTable {
    const HostStringResource* strings;
    int count;
};
#define HOST_RESOURCE_TABLE_SYMBOL "HostResources"
#define HOST_MODULE_RESOURCES                                                                      \
    extern "C" __attribute__((visibility("default"))) const HostResourceTable HostResources

// Copies string id of module into buffer, cut to bufferMax - 1 characters and
// terminated; answers the number of characters copied, 0 when the module has
// no such string or it is empty.
HOST_API int LoadStringA(HINSTANCE module, UINT id, char* buffer, int bufferMax);
#endif
