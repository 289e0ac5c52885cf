#pragma once

#include "host/HostApi.h"
#include "host/WindowsTypes.h"

#if !defined(_WIN32)
// The loader's side of a library's entry function: after this call the
// library gets no thread attach and detach notices.
HOST_API BOOL DisableThreadLibraryCalls(HINSTANCE module);
// Whether module asked for that.
HOST_API BOOL ThreadLibraryCallsDisabled(HINSTANCE module);
#endif
