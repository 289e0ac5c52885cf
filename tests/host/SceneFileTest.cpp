#include "host/SceneFile.h"

#include "host/BitmapTex.h"
#include "host/IParamBlock2.h"
#include "host/UVGen.h"

#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

class SceneFile : public ::testing::Test {
  protected:
    // CTest runs every test in a process of its own, side by side: each
    // gets a file of its own.
    SceneFile()
        : path(::testing::TempDir() + "scene-file-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".json") {
        bitmap = new BitmapTex();
        bitmap->SetName("wall.png");
        bitmap->GetParamBlock(0)->SetValue(BitmapTex::bmtex_filename, 0, "/maps/wall.png");
        bitmap->GetParamBlock(0)->SetValue(BitmapTex::bmtex_filtering, 0, 2);
        static_cast<StdUVGen*>(bitmap->GetTheUVGen())->SetBlur(0.37f, 0);
    }
    ~SceneFile() override {
        bitmap->DeleteMe();
        std::remove(path.c_str());
    }

    std::string path;
    BitmapTex* bitmap;
};

TEST_F(SceneFile, RoundTripKeepsEveryValue) {
    std::string error;
    ASSERT_TRUE(SaveScene(path, bitmap, error)) << error;
    auto* loaded = dynamic_cast<BitmapTex*>(LoadScene(path, error));
    ASSERT_NE(loaded, nullptr) << error;

    EXPECT_STREQ(loaded->GetName(), "wall.png");
    Interval valid = FOREVER;
    const MCHAR* file = nullptr;
    int filtering = -1;
    loaded->GetParamBlock(0)->GetValue(BitmapTex::bmtex_filename, 0, file, valid);
    loaded->GetParamBlock(0)->GetValue(BitmapTex::bmtex_filtering, 0, filtering, valid);
    EXPECT_STREQ(file, "/maps/wall.png");
    EXPECT_EQ(filtering, 2);
    EXPECT_EQ(static_cast<StdUVGen*>(loaded->GetTheUVGen())->GetBlur(0), 0.37f) << "bit for bit";
    EXPECT_NE(loaded->GetParamBlock(0), bitmap->GetParamBlock(0));
    loaded->DeleteMe();
}

TEST_F(SceneFile, DamagedFilesGiveAClearErrorAndNothing) {
    std::string error;
    ASSERT_TRUE(SaveScene(path, bitmap, error)) << error;
    const std::string good = readFile(path);
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? text : text.replace(at, from.size(), to);
    };

    struct Case {
        const char* what;
        std::string text;
        const char* message;
    };
    const Case cases[] = {
        {"truncated", good.substr(0, good.size() / 2), "truncated or not JSON"},
        {"empty", "", "truncated or not JSON"},
        {"not a scene", "{\"objects\": []}", "is not a scene file"},
        {"another version", replaced("\"version\": 1", "\"version\": 2"), "version 2"},
        {"unknown class", replaced("576", "577"), "class this host does not know"},
        {"reference past the end", replaced("\"refs\": [", "\"refs\": [99,"),
         "reference to no object"},
        {"cycle", replaced("\"refs\": [", "\"refs\": [0,"), "references itself"},
        {"bad value type", replaced("\"/maps/wall.png\"", "12"), "damaged data"},
    };
    for (const Case& c : cases) {
        writeFile(path, c.text);
        error.clear();
        ReferenceTarget* loaded = LoadScene(path, error);
        EXPECT_EQ(loaded, nullptr) << c.what;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.what << ": " << error;
        if (loaded) {
            loaded->DeleteMe();
        }
    }
    EXPECT_STREQ(bitmap->GetName(), "wall.png") << "the open scene is untouched";
}

TEST_F(SceneFile, SavingIntoAMissingFolderFailsWithoutAFile) {
    std::string error;
    EXPECT_FALSE(SaveScene(::testing::TempDir() + "no/such/folder/scene.json", bitmap, error));
    EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
    EXPECT_EQ(LoadScene(::testing::TempDir() + "no-such-scene.json", error), nullptr);
    EXPECT_NE(error.find("cannot open"), std::string::npos) << error;
}

} // namespace
