#include "host/DllEntry.h"

#if !defined(_WIN32)
#include <algorithm>
#include <mutex>
#include <vector>

namespace {
std::mutex modulesLock;
std::vector<HINSTANCE> quietModules;
} // namespace

BOOL DisableThreadLibraryCalls(HINSTANCE module) {
    if (!module) {
        return FALSE;
    }
    std::lock_guard<std::mutex> hold(modulesLock);
    if (std::find(quietModules.begin(), quietModules.end(), module) == quietModules.end()) {
        quietModules.push_back(module);
    }
    return TRUE;
}

BOOL ThreadLibraryCallsDisabled(HINSTANCE module) {
    std::lock_guard<std::mutex> hold(modulesLock);
    return std::find(quietModules.begin(), quietModules.end(), module) != quietModules.end();
}
#endif
