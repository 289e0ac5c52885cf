// What the module offers the host's loader: the six entry points under their
// plain names and ordinals, the version word of the build, and no more.
#include "host/ClassDesc.h"
#include "tests/VersionWords.h"
#include "tests/windows/LoadedModule.h"
#include "tests/windows/PeImage.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

namespace {

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

class ModuleExports : public LoadedModule {};

const std::map<std::string, WORD> kEntryPoints = {
    {"LibDescription", 1}, {"LibNumberClasses", 2}, {"LibClassDesc", 3},
    {"LibVersion", 4},     {"LibInitialize", 6},    {"LibShutdown", 7},
};

TEST_F(ModuleExports, ExactlyTheSixEntryPointsUnderPlainNamesAndTheirOrdinals) {
    std::map<std::string, WORD> found;
    for (const ImageExport& e : imageExports(module)) {
        EXPECT_FALSE(e.name.empty()) << "export by ordinal only: " << e.ordinal;
        EXPECT_TRUE(found.emplace(e.name, e.ordinal).second) << "exported twice: " << e.name;
    }
    // A decorated alias (LibClassDesc@4, _LibVersion) would show as a name
    // of its own.
    EXPECT_EQ(found, kEntryPoints);
}

TEST_F(ModuleExports, NameAndOrdinalLeadToTheSameAddressAndNothingIsAtFive) {
    for (const auto& [name, ordinal] : kEntryPoints) {
        const FARPROC byName = GetProcAddress(module, name.c_str());
        const FARPROC byOrdinal = GetProcAddress(module, MAKEINTRESOURCEA(ordinal));
        EXPECT_NE(byName, nullptr) << name;
        EXPECT_EQ(byName, byOrdinal) << name << " @" << ordinal;
    }
    for (WORD unassigned : {0, 5, 8}) {
        SetLastError(0);
        EXPECT_EQ(GetProcAddress(module, MAKEINTRESOURCEA(unassigned)), nullptr) << unassigned;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND)) << unassigned;
    }
    // The entry function is the loader's business, not an export.
    EXPECT_EQ(GetProcAddress(module, "DllMain"), nullptr);
}

TEST_F(ModuleExports, EntryPointsAnswerForThisBuild) {
    const auto libVersion = entryPoint<ULONG (*)()>("LibVersion");
    const auto libNumberClasses = entryPoint<int (*)()>("LibNumberClasses");
    const auto libClassDesc = entryPoint<ClassDesc* (*)(int)>("LibClassDesc");
    const auto libDescription = entryPoint<const char* (*)()>("LibDescription");
    const auto libInitialize = entryPoint<int (*)()>("LibInitialize");
    const auto libShutdown = entryPoint<int (*)()>("LibShutdown");
    ASSERT_TRUE(libVersion && libNumberClasses && libClassDesc && libDescription && libInitialize &&
                libShutdown);

    EXPECT_EQ(libVersion(), expectedVersionWord(QUILTRA_HOST_RELEASE))
        << std::hex << libVersion() << " for release " << std::dec << QUILTRA_HOST_RELEASE;
    EXPECT_EQ(libNumberClasses(), 1);
    ASSERT_NE(libClassDesc(0), nullptr);
    EXPECT_EQ(libClassDesc(0)->ClassID(), Class_ID(0x55C6D763, 0xC637BB2E));
    EXPECT_EQ(libClassDesc(1), nullptr);
    EXPECT_EQ(libClassDesc(-1), nullptr);
    // String 1 has no text, so there is no description.
    EXPECT_EQ(libDescription(), nullptr);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(libInitialize(), 1);
        EXPECT_EQ(libShutdown(), 1);
    }
    EXPECT_EQ(libClassDesc(0)->ClassID(), Class_ID(0x55C6D763, 0xC637BB2E));
}

TEST_F(ModuleExports, ImportsOnlyFromTheSystemTheRuntimeAndTheHost) {
    // The file dialog and the common controls are loaded by name when first
    // used; the compiler's own runtime is linked in.
    const std::string allowed[] = {"kernel32.dll", "user32.dll", "shell32.dll", "msvcrt.dll",
                                   "host.dll"};
    const std::vector<std::string> imports = imageImports(module);
    for (const std::string& name : imports) {
        EXPECT_NE(std::find(std::begin(allowed), std::end(allowed), lowerCase(name)),
                  std::end(allowed))
            << "imports from " << name;
    }
    for (const char* needed : {"kernel32.dll", "host.dll"}) {
        EXPECT_TRUE(std::any_of(imports.begin(), imports.end(), [&](const std::string& n) {
            return lowerCase(n) == needed;
        })) << needed;
    }
}

} // namespace
