#include "host/ClassDesc.h"
#include "host/DllEntry.h"
#include "host/Interface.h"
#include "host/PluginLibrary.h"
#include "host/StringResources.h"
#include "host/Texmap.h"
#include "library/StringLoader.h"
#include "tests/VersionWords.h"

#include <cstring>
#include <memory>
#include <string>

#include <gtest/gtest.h>

namespace {

// The module as the host loads it, shared by the tests of one run: the host
// loads a plug-in once.
class LoadedModule : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::string error;
        library = PluginLibrary::Load(QUILTRA_MODULE, error).release();
        ASSERT_NE(library, nullptr) << error;
    }
    static void TearDownTestSuite() {
        delete library;
        library = nullptr;
    }
    void SetUp() override { ASSERT_NE(library, nullptr); }

    static PluginLibrary* library;
};
PluginLibrary* LoadedModule::library = nullptr;

TEST_F(LoadedModule, ExportsTheSixEntryPointsAndOneClass) {
    for (const char* name : {"LibDescription", "LibNumberClasses", "LibClassDesc", "LibVersion",
                             "LibInitialize", "LibShutdown"}) {
        EXPECT_NE(library->Symbol(name), nullptr) << name;
    }
    EXPECT_EQ(library->NumberClasses(), 1);
    EXPECT_NE(library->ClassDescAt(0), nullptr);
    EXPECT_EQ(library->ClassDescAt(1), nullptr);
    EXPECT_EQ(library->ClassDescAt(-1), nullptr);
    EXPECT_EQ(library->Version(), expectedVersionWord(QUILTRA_HOST_RELEASE));
    // Called again and again, they answer the same and change nothing.
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(library->Initialize(), 1);
        EXPECT_EQ(library->Shutdown(), 1);
    }
    EXPECT_EQ(library->ClassDescAt(0)->ClassID(), Class_ID(0x55C6D763, 0xC637BB2E));
}

TEST_F(LoadedModule, EntryFunctionRecordedTheModuleAndTurnedOffThreadNotices) {
    EXPECT_EQ(library->ClassDescAt(0)->HInstance(), library->Module());
    EXPECT_TRUE(ThreadLibraryCallsDisabled(library->Module()));
}

TEST_F(LoadedModule, StringTableHasExactlyItsTexts) {
    struct Case {
        UINT id;
        const char* text; // null: no such string
    };
    const Case cases[] = {
        {1, nullptr}, {2, nullptr}, {3, "Varitile"},   {4, "Parameters"}, {5, nullptr},
        {7, nullptr}, {18, "Seed"}, {20, "Filtering"}, {21, nullptr},
    };
    for (const Case& c : cases) {
        char buffer[256] = "untouched";
        const int length = LoadStringA(library->Module(), c.id, buffer, sizeof buffer);
        if (c.text) {
            EXPECT_EQ(length, static_cast<int>(std::strlen(c.text))) << c.id;
            EXPECT_STREQ(buffer, c.text) << c.id;
        } else {
            EXPECT_EQ(length, 0) << c.id;
        }
    }
    // String 1 has no text, so the library has no description to give.
    EXPECT_EQ(library->Description(), nullptr);
}

TEST_F(LoadedModule, ClassDescriptorAnswers) {
    ClassDesc* cd = library->ClassDescAt(0);
    EXPECT_EQ(cd->SuperClassID(), TEXMAP_CLASS_ID);
    EXPECT_EQ(cd->IsPublic(), 1);
    EXPECT_EQ(cd->OkToCreate(nullptr), TRUE);
    EXPECT_EQ(cd->OkToCreate(GetCOREInterface()), TRUE);
    EXPECT_EQ(cd->InitialRollupPageState(), 0x7FFFFFFFu);
    EXPECT_EQ(cd->SubClassID(), Class_ID(0xFFFFFFFF, 0xFFFFFFFF));
    EXPECT_STREQ(cd->Category(), TEXMAP_CAT_COMP);
    EXPECT_EQ(cd->NumInterfaces(), 0);
    cd->ClearInterfaces();
    EXPECT_EQ(cd->NumInterfaces(), 0);
    EXPECT_EQ(cd->NumParamBlockDescs(), 1);
}

TEST_F(LoadedModule, ClassNameLivesInTheSharedStringBuffer) {
    ClassDesc* cd = library->ClassDescAt(0);
    const char* name = cd->ClassName();
    ASSERT_NE(name, nullptr);
    EXPECT_STREQ(name, "Varitile");
    const char* internalName = cd->InternalName();
    EXPECT_STREQ(internalName, "Varitile");

    // A later string load overwrites the text behind the pointer; the
    // internal name is a constant.
    auto* map = static_cast<Texmap*>(cd->Create(FALSE));
    ASSERT_NE(map, nullptr);
    EXPECT_STREQ(map->SubAnimName(0).data(), "Parameters");
    EXPECT_STREQ(name, "Parameters");
    EXPECT_STREQ(internalName, "Varitile");
    map->DeleteMe();
}

TEST(StringLoader, NothingBeforeTheEntryFunctionRecordedTheModule) {
    // This program links the library's code without loading it as a module,
    // so no entry function has run.
    ASSERT_EQ(libInstance, nullptr);
    for (int id : {3, 4, 18, 20}) {
        EXPECT_EQ(LoadResString(id), nullptr) << id;
    }
}

} // namespace
