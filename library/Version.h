#pragma once

#include "host/WindowsTypes.h"

// The host release the library is built for; the build sets it.
#ifndef QUILTRA_HOST_RELEASE
#define QUILTRA_HOST_RELEASE 11000
#endif

// The version word the host reads from LibVersion: the host release in bits
// 31 to 16, the API number in bits 15 to 8, the SDK revision in bits 7 to 0.
constexpr ULONG versionWord(ULONG release, ULONG api, ULONG revision) {
    return (release << 16) | (api << 8) | revision;
}

constexpr ULONG apiOfRelease(ULONG release) {
    return release == 9000 ? 21 : release == 11000 ? 25 : release == 12000 ? 33 : 0;
}

static_assert(apiOfRelease(QUILTRA_HOST_RELEASE) != 0, "host release must be 9000, 11000 or 12000");

constexpr ULONG kLibraryVersion =
    versionWord(QUILTRA_HOST_RELEASE, apiOfRelease(QUILTRA_HOST_RELEASE), 0);
