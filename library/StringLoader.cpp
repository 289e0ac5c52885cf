#include "library/StringLoader.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include "host/StringResources.h"
#endif

HINSTANCE libInstance = nullptr;

namespace {
char stringBuffer[256];
}

const char* LoadResString(int id) {
    if (!libInstance) {
        return nullptr;
    }
    if (LoadStringA(libInstance, static_cast<UINT>(id), stringBuffer, sizeof stringBuffer) == 0) {
        return nullptr;
    }
    return stringBuffer;
}
