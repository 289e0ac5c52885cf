#include "tests/windows/LoadedModule.h"

#include <string>

HMODULE LoadedModule::module = nullptr;

void LoadedModule::SetUpTestSuite() {
    char self[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
    ASSERT_TRUE(length > 0 && length < sizeof self);
    std::string path(self, length);
    path.erase(path.find_last_of('\\') + 1);
    path += "Quiltra.dlt";
    module = LoadLibraryA(path.c_str());
    ASSERT_NE(module, nullptr) << path << ": error " << GetLastError();
}

void LoadedModule::TearDownTestSuite() {
    if (module) {
        EXPECT_TRUE(FreeLibrary(module));
        module = nullptr;
    }
}

ClassDesc* LoadedModule::classDesc() {
    const auto libClassDesc = entryPoint<ClassDesc* (*)(int)>("LibClassDesc");
    return libClassDesc ? libClassDesc(0) : nullptr;
}
