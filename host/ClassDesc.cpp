#include "host/ClassDesc.h"

#include "host/StringResources.h"

const MCHAR* const TEXMAP_CAT_COMP = "Compositors";

ClassDesc::~ClassDesc() = default;

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
    return interfaces.size();
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
    interfaces.push(fpi);
}

void ClassDesc::ClearInterfaces() {
    interfaces.clear();
}
