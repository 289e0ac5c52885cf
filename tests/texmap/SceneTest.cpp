#include "host/INode.h"
#include "host/SceneFile.h"
#include "host/ShadeContext.h"
#include "tests/texmap/TexmapFixtures.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

class KeyedSample : public ShadeContext {
  public:
    explicit KeyedSample(int key) : node(static_cast<ULONG>(key)), face(key) { mtlNum = key; }
    INode* Node() override { return &node; }
    int FaceNumber() override { return face; }

  private:
    class Handle : public INode {
      public:
        explicit Handle(ULONG h) : handle(h) {}
        ULONG GetHandle() override { return handle; }

      private:
        ULONG handle;
    };
    Handle node;
    int face;
};

std::vector<AColor> renderSamples(Quiltra& map, int keys) {
    std::vector<AColor> samples;
    map.RenderBegin(0, 0);
    for (int key = 1; key <= keys; ++key) {
        KeyedSample sc(key);
        samples.push_back(map.EvalColor(sc));
    }
    map.RenderEnd(0);
    return samples;
}

class SceneOfAMap : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        RegisterClassDesc(&recordingDesc);
        RegisterClassDesc(&quiltraDesc);
    }
    static void TearDownTestSuite() {
        UnregisterClassDesc(&quiltraDesc);
        UnregisterClassDesc(&recordingDesc);
    }
    ~SceneOfAMap() override { std::remove(path.c_str()); }

    static RecordingMapDesc recordingDesc;
    const std::string path = ::testing::TempDir() + "texmap-scene.json";
};
RecordingMapDesc SceneOfAMap::recordingDesc;

TEST_F(SceneOfAMap, LoadedMapGivesTheSameSamples) {
    Quiltra* map = newMap();
    appendSubMap(*map, new RecordingMap(AColor(0.8f, 0.3f, 0.2f, 1.0f)));
    appendSubMap(*map, nullptr);
    appendSubMap(*map, new RecordingMap(AColor(0.3f, 0.6f, 0.8f, 1.0f)));
    IParamBlock2* block = map->GetParamBlock(0);
    block->SetValue(rnd_by, 0, 2);
    block->SetValue(seed, 0, 777);
    block->SetValue(rnd_gamma, 0, 0.3f);
    block->SetValue(rnd_hue, 0, 33.3f);
    block->SetValue(rnd_sat, 0, 21.0f);
    block->SetValue(occ_gamma, 0, 20.0f);
    block->SetValue(blur, 0, 2.5f);
    updateAt(*map, 0);
    const std::vector<AColor> before = renderSamples(*map, 500);

    std::string error;
    ASSERT_TRUE(SaveScene(path, map, error)) << error;
    map->DeleteMe();

    auto* loaded = dynamic_cast<Quiltra*>(LoadScene(path, error));
    ASSERT_NE(loaded, nullptr) << error;
    EXPECT_EQ(loaded->NumSubTexmaps(), 0) << "the first update rebuilds the copy";
    EXPECT_EQ(loaded->GetParamBlock(0)->Count(submaps), 3);
    updateAt(*loaded, 0);
    ASSERT_EQ(loaded->NumSubTexmaps(), 3);
    EXPECT_EQ(loaded->GetSubTexmap(1), nullptr);
    const std::vector<AColor> after = renderSamples(*loaded, 500);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after[i], before[i]) << "key " << i + 1;
    }
    loaded->DeleteMe();
}

} // namespace
