#pragma once

#include <gtest/gtest.h>
#include <windows.h>

class ClassDesc;

// Quiltra.dlt as the host loads it: from the folder of this program, through
// the system's loader, which runs its entry function. Each suite that derives
// from it loads the module before its first test and frees it after its last.
class LoadedModule : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override { ASSERT_NE(module, nullptr) << "Quiltra.dlt did not load"; }

    // The entry point exported under name, or null.
    template <typename Function>
    static Function entryPoint(const char* name) {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }
    static ClassDesc* classDesc();

    static HMODULE module;
};
