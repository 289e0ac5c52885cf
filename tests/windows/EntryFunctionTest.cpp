// The library's entry function, as the system's loader runs it: it records
// the module handle and turns off the thread notices.
#include "host/ClassDesc.h"
#include "library/StringLoader.h"
#include "tests/windows/LoadedModule.h"
#include "tests/windows/PeImage.h"

#include <winternl.h>

namespace {

// The loader's record of a module, as far as its flags (the documented
// layout, the same on every Windows since NT 4 and in Wine).
struct LoaderEntry {
    LIST_ENTRY inLoadOrder;
    LIST_ENTRY inMemoryOrder;
    LIST_ENTRY inInitializationOrder;
    void* dllBase;
    void* entryPoint;
    ULONG sizeOfImage;
    UNICODE_STRING fullDllName;
    UNICODE_STRING baseDllName;
    ULONG flags;
};
// Set by DisableThreadLibraryCalls: no thread attach and detach calls.
constexpr ULONG kNoThreadCalls = 0x00040000;

ULONG loaderFlags(HMODULE module) {
    using Find = NTSTATUS(NTAPI*)(void*, LoaderEntry**);
    const auto find = reinterpret_cast<Find>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "LdrFindEntryForAddress")));
    LoaderEntry* entry = nullptr;
    if (!find || find(module, &entry) != 0 || !entry) {
        ADD_FAILURE() << "the loader has no record of module " << module;
        return 0;
    }
    EXPECT_EQ(entry->dllBase, module);
    return entry->flags;
}

class EntryFunction : public LoadedModule {};

TEST_F(EntryFunction, RecordedTheModuleHandle) {
    ClassDesc* cd = classDesc();
    ASSERT_NE(cd, nullptr);
    EXPECT_EQ(cd->HInstance(), module);
}

TEST_F(EntryFunction, TurnedOffTheThreadNotices) {
    EXPECT_NE(loaderFlags(module) & kNoThreadCalls, 0u);
    // This program's own record shows the flag can be clear.
    EXPECT_EQ(loaderFlags(GetModuleHandleA(nullptr)) & kNoThreadCalls, 0u);
}

TEST_F(EntryFunction, ModuleHasNoStaticThreadStorageThatWouldRefuseIt) {
    // The loader refuses DisableThreadLibraryCalls for a module with a
    // thread-storage directory.
    EXPECT_EQ(imageDirectory(module, IMAGE_DIRECTORY_ENTRY_TLS).VirtualAddress, 0u);
}

TEST(StringLoaderUnattached, NothingBeforeAnEntryFunctionRecordedTheModule) {
    // This program links the string loader without loading it as a module.
    ASSERT_EQ(libInstance, nullptr);
    for (int id : {1, 3, 4, 18, 20}) {
        EXPECT_EQ(LoadResString(id), nullptr) << id;
    }
}

} // namespace
