#include "host/ShadeContext.h"
#include "tests/texmap/CountingAllocator.h"
#include "tests/texmap/TexmapFixtures.h"

#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace {

class FaceSample : public ShadeContext {
  public:
    INode* Node() override { return nullptr; }
    int FaceNumber() override { return face; }
    int face = 0;
};

// Keys the map by face with all three random spans, updates it and begins a
// render, as a renderer shades it.
void startFaceKeyedRender(Quiltra& map) {
    IParamBlock2* block = map.GetParamBlock(0);
    block->SetValue(rnd_by, 0, 2);
    block->SetValue(rnd_gamma, 0, 0.3f);
    block->SetValue(rnd_hue, 0, 40.0f);
    block->SetValue(rnd_sat, 0, 25.0f);
    updateAt(map, 0);
    map.RenderBegin(0, 0);
}

TEST(SamplePath, NeitherAllocatesNorLocks) {
    Quiltra* map = newMap();
    for (int i = 0; i < 16; ++i) {
        appendSubMap(*map, i == 5 ? nullptr : new RecordingMap(AColor(0.05f * i, 0.5f, 0.9f, 1)));
    }
    startFaceKeyedRender(*map);

    // The check itself must see what it counts.
    std::mutex probe;
    counting = true;
    ::operator delete(::operator new(16));
    probe.lock();
    probe.unlock();
    counting = false;
    ASSERT_EQ(allocations, 1);
    ASSERT_EQ(locks, countsLocks() ? 1 : 0);
    allocations = 0;
    locks = 0;

    FaceSample sc;
    float sum = 0.0f;
    counting = true;
    for (int face = 0; face < 20000; ++face) {
        sc.ResetCache();
        sc.face = face;
        const AColor c = map->EvalColor(sc);
        sum += c.r + map->EvalMono(sc) + map->EvalNormalPerturb(sc).x;
    }
    counting = false;
    EXPECT_EQ(allocations, 0);
    EXPECT_EQ(locks, 0);
    EXPECT_GT(sum, 0.0f);
    map->RenderEnd(0);
    map->DeleteMe();
}

} // namespace

namespace {

// One map shaded by four threads at once, as a renderer does: every thread
// sees exactly the single-thread colours.
TEST(Concurrency, FourThreadsShadeOneMapAsOneThreadDoes) {
    Quiltra* map = newMap();
    for (int i = 0; i < 7; ++i) {
        appendSubMap(*map, new RecordingMap(AColor(0.1f * i, 0.9f - 0.1f * i, 0.5f, 1)));
    }
    startFaceKeyedRender(*map);

    constexpr int kFaces = 5000;
    auto shadeAll = [map](std::vector<AColor>& out) {
        FaceSample sc;
        for (int face = 0; face < kFaces; ++face) {
            sc.ResetCache();
            sc.face = face;
            out[face] = map->EvalColor(sc);
        }
    };
    std::vector<AColor> alone(kFaces);
    shadeAll(alone);
    std::vector<std::vector<AColor>> results(4, std::vector<AColor>(kFaces));
    std::vector<std::thread> threads;
    for (auto& result : results) {
        threads.emplace_back(shadeAll, std::ref(result));
    }
    for (std::thread& t : threads) {
        t.join();
    }
    for (const auto& result : results) {
        EXPECT_EQ(result, alone);
    }
    map->RenderEnd(0);
    map->DeleteMe();
}

} // namespace
