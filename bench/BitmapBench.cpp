#include "bench/BenchFixtures.h"
#include "bench/PairedTiming.h"
#include "host/BitmapTex.h"
#include "host/IParamBlock2.h"
#include "host/ShadeContext.h"

#include <filesystem>
#include <string>

#include <OpenImageIO/imagebuf.h>
#include <OpenImageIO/imagebufalgo.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

namespace {

// A 512 by 512 photo-like image, written once for the whole run.
class NoiseImage {
  public:
    NoiseImage()
        : dir(std::filesystem::temp_directory_path() /
              ("quiltra-bench-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(dir);
        OIIO::ImageBuf image(OIIO::ImageSpec(512, 512, 3, OIIO::TypeDesc::UINT8));
        OIIO::ImageBufAlgo::noise(image, "uniform", 0.0f, 1.0f, false, 1);
        written = image.write(path());
    }
    ~NoiseImage() {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    std::string path() const { return (dir / "noise.png").string(); }

    std::filesystem::path dir;
    bool written = false;
};

const NoiseImage& noiseImage() {
    static const NoiseImage image;
    return image;
}

// Samples of a 256 by 256 pixel view of one tile of the image, row by row:
// each pixel covers two texels, so the filters have work to do.
class ViewContext : public ShadeContext {
  public:
    INode* Node() override { return nullptr; }
    int FaceNumber() override { return 0; }
    Point3 UVW(int) override { return uvw; }
    Point3 DUVW(int) override { return Point3(kStep, kStep, 0.0f); }

    void next() {
        pixel = (pixel + 1) % (kSide * kSide);
        uvw = Point3((pixel % kSide + 0.5f) * kStep, (pixel / kSide + 0.5f) * kStep, 0.0f);
        ResetCache();
    }

    static constexpr int kSide = 256;
    static constexpr float kStep = 1.0f / kSide;
    int pixel = 0;
    Point3 uvw;
};

// One sample of a bitmap texture; the argument is its filtering selector.
// The reference that the maps built on bitmap textures are measured against.
void BM_BitmapSample(benchmark::State& state) {
    static BitmapTex* bitmap = nullptr;
    if (state.thread_index() == 0) {
        if (!noiseImage().written) {
            state.SkipWithError("cannot write the benchmark's image");
        }
        bitmap = new BitmapTex();
        bitmap->GetParamBlock(0)->SetValue(BitmapTex::bmtex_filename, 0,
                                           noiseImage().path().c_str());
        bitmap->GetParamBlock(0)->SetValue(BitmapTex::bmtex_filtering, 0,
                                           static_cast<int>(state.range(0)));
        Interval valid = FOREVER;
        bitmap->Update(0, valid);
    }
    ViewContext sc;
    sc.pixel = state.thread_index() * 1000;
    for (auto _ : state) {
        sc.next();
        benchmark::DoNotOptimize(bitmap->EvalColor(sc));
    }
    state.SetItemsProcessed(state.iterations());
    if (state.thread_index() == 0) {
        bitmap->DeleteMe();
        bitmap = nullptr;
    }
}
BENCHMARK(BM_BitmapSample)->ArgName("filtering")->Arg(0)->Arg(1)->Arg(2)->ThreadRange(1, 2);

// The map's sample on one bitmap sub-map against the bitmap's own sample,
// over the same view (target: ratio at most 1.15). The argument is the
// filtering the map pushes to the bitmap.
void BM_MapOverBitmap(benchmark::State& state) {
    if (!noiseImage().written) {
        state.SkipWithError("cannot write the benchmark's image");
        return;
    }
    auto* bitmap = new BitmapTex();
    bitmap->GetParamBlock(0)->SetValue(BitmapTex::bmtex_filename, 0, noiseImage().path().c_str());
    Quiltra* map = static_cast<Quiltra*>(quiltraDesc.Create(FALSE));
    IParamBlock2* block = map->GetParamBlock(0);
    Texmap* entry = bitmap;
    block->Append(submaps, 1, &entry);
    block->SetValue(filtering, 0, static_cast<int>(state.range(0)));
    block->SetValue(rnd_gamma, 0, 0.2f);
    block->SetValue(rnd_hue, 0, 15.0f);
    block->SetValue(rnd_sat, 0, 10.0f);
    Interval valid = FOREVER;
    map->Update(0, valid);
    map->Update(0, valid); // settles the change the push reported
    map->RenderBegin(0, 0);

    constexpr int kBatch = 4096;
    ViewContext sc;
    auto sampleWith = [&](Texmap& m) {
        for (int i = 0; i < kBatch; ++i) {
            sc.next();
            sc.mtlNum = sc.pixel;
            benchmark::DoNotOptimize(m.EvalColor(sc));
        }
    };
    timeAgainst(
        state, "map", [&] { sampleWith(*map); }, "bitmap", [&] { sampleWith(*bitmap); }, kBatch);
    map->RenderEnd(0);
    map->DeleteMe();
}
BENCHMARK(BM_MapOverBitmap)->ArgName("filtering")->Arg(0)->Arg(1)->Arg(2)->UseManualTime();

} // namespace
