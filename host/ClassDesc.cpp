#include "host/ClassDesc.h"

#include "host/StringResources.h"

#include <cstdlib>
#include <cstring>

const MCHAR* const TEXMAP_CAT_COMP = "Compositors";

ClassDesc::~ClassDesc() {
    std::free(interfaces);
}

const MCHAR* ClassDesc::GetRsrcString(StringResID id) {
    // One buffer for every class, as the host's own string loader has.
    static char buffer[256];
    HINSTANCE module = HInstance();
    if (!module || LoadStringA(module, static_cast<UINT>(id), buffer, sizeof buffer) == 0) {
        return nullptr;
    }
    return buffer;
}

int ClassDesc::NumInterfaces() {
    return interfaceCount;
}

FPInterface* ClassDesc::GetInterfaceAt(int i) {
    return interfaces[i];
}

FPInterface* ClassDesc::GetInterface(const MCHAR*) {
    return nullptr;
}

FPInterface* ClassDesc::GetInterface(FPInterfaceID) {
    return nullptr;
}

void ClassDesc::AddInterface(FPInterface* fpi) {
    if (interfaceCount == interfaceCapacity) {
        const int capacity = interfaceCapacity ? 2 * interfaceCapacity : 4;
        void* grown = std::realloc(interfaces, sizeof(FPInterface*) * capacity);
        if (!grown) {
            return;
        }
        interfaces = static_cast<FPInterface**>(grown);
        interfaceCapacity = capacity;
    }
    interfaces[interfaceCount++] = fpi;
}

void ClassDesc::ClearInterfaces() {
    if (interfaces) {
        interfaceCount = 0;
    }
}
