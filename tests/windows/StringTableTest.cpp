// The library's string table as a real string resource, read through the
// system's LoadStringA: directly, through the library's loader and through
// the host.
#include "host/ClassDesc.h"
#include "host/Texmap.h"
#include "library/StringLoader.h"
#include "tests/windows/LoadedModule.h"

#include <cstring>

namespace {

struct StringCase {
    UINT id;
    const char* text; // null: no such string
};
const StringCase kStringTable[] = {
    {0, nullptr},
    {1, nullptr},
    {2, nullptr},
    {3, "Varitile"},
    {4, "Parameters"},
    {5, nullptr},
    {6, "Submaps"},
    {7, nullptr},
    {8, "General Gamma"},
    {9, "General Hue"},
    {10, "General Saturation"},
    {11, "Random Gamma"},
    {12, "Random Hue"},
    {13, "Random Saturation"},
    {14, "Occurance Gamma"},
    {15, "Occurance Hue"},
    {16, "Occurance Saturation"},
    {17, "Randomize by"},
    {18, "Seed"},
    {19, "Blur"},
    {20, "Filtering"},
    {21, nullptr},
    {32, nullptr},
    {101, nullptr},
};

class StringTable : public LoadedModule {};

TEST_F(StringTable, HoldsExactlyItsTextsInUnitedStatesEnglish) {
    for (const StringCase& c : kStringTable) {
        char buffer[256] = "untouched";
        const int length = LoadStringA(module, c.id, buffer, sizeof buffer);
        if (c.text) {
            EXPECT_EQ(length, static_cast<int>(std::strlen(c.text))) << c.id;
            EXPECT_STREQ(buffer, c.text) << c.id;
        } else {
            EXPECT_EQ(length, 0) << c.id;
        }
    }
    // Strings live in blocks of sixteen: ids 0 to 15 in block 1, 16 to 31
    // in block 2.
    const WORD english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    for (WORD block : {1, 2}) {
        EXPECT_NE(FindResourceExA(module, RT_STRING, MAKEINTRESOURCEA(block), english), nullptr)
            << "block " << block;
    }
}

TEST_F(StringTable, LibraryLoaderReadsTheModuleIntoOneSharedBuffer) {
    // The library's own loader, given the loaded module's handle.
    libInstance = module;
    for (const StringCase& c : kStringTable) {
        const char* text = LoadResString(static_cast<int>(c.id));
        if (c.text) {
            EXPECT_STREQ(text, c.text) << c.id;
        } else {
            EXPECT_EQ(text, nullptr) << c.id;
        }
    }
    const char* first = LoadResString(4);
    const char* second = LoadResString(18);
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, "Seed");
    libInstance = nullptr;
}

TEST_F(StringTable, ModuleAndHostShareTheTextsAsTheHostReadsThem) {
    ClassDesc* cd = classDesc();
    ASSERT_NE(cd, nullptr);
    const char* name = cd->ClassName();
    ASSERT_NE(name, nullptr);
    EXPECT_STREQ(name, "Varitile");

    // The module's one buffer: the map's track name overwrites the class name.
    auto* map = static_cast<Texmap*>(cd->Create(FALSE));
    ASSERT_NE(map, nullptr);
    MSTR className;
    map->GetClassName(className);
    EXPECT_STREQ(className.data(), "Varitile");
    EXPECT_STREQ(map->SubAnimName(0).data(), "Parameters");
    EXPECT_STREQ(name, "Parameters");
    map->DeleteMe();

    // The host reads the parameter names from the module by number.
    EXPECT_STREQ(cd->GetRsrcString(18), "Seed");
    EXPECT_STREQ(cd->GetRsrcString(20), "Filtering");
    EXPECT_EQ(cd->GetRsrcString(21), nullptr);
}

} // namespace
