#pragma once

#include "host/WindowsTypes.h"

// The library's own module handle, recorded when the process attaches the
// library; null before that.
extern HINSTANCE libInstance;

// The text of string id of the library, or null when the library has none
// or the module handle is not recorded yet. Every load goes into one shared
// 256-character buffer, overwriting the text an earlier call returned; two
// threads must not load strings at once.
const char* LoadResString(int id);
