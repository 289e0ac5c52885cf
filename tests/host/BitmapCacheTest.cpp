#include "host/BitmapCache.h"

#include "host/BitmapTex.h"
#include "host/IParamBlock2.h"
#include "tests/host/ImageFixtures.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Sets the cache's limit for one test and puts the previous one back.
class CacheLimit {
  public:
    explicit CacheLimit(float mb) : previous(BitmapCache::Get().MemoryLimitMB()) {
        BitmapCache::Get().SetMemoryLimitMB(mb);
    }
    ~CacheLimit() { BitmapCache::Get().SetMemoryLimitMB(previous); }

  private:
    float previous;
};

// Ten images of 4 MB each, every tile of each shaded once, under a limit of
// 32 MB: the cache drops tiles to stay within it, and reads them again when
// an image is shaded once more.
TEST(BitmapCache, TilesHeldStayWithinTheLimitWhateverTheImages) {
    constexpr float kLimitMB = 32.0f;
    constexpr int kImages = 10;
    constexpr int kSize = 1024;
    // One tile of 64 by 64 texels, four 8-bit channels: what may arrive
    // before the oldest tiles leave.
    constexpr std::size_t kTileBytes = 64 * 64 * 4;
    const CacheLimit limit(kLimitMB);

    TempFolder folder;
    std::vector<BitmapTex*> bitmaps;
    for (int i = 0; i < kImages; ++i) {
        const std::string file = folder.path("image" + std::to_string(i) + ".tif");
        const float value = static_cast<float>(i + 1) / 16.0f;
        ASSERT_TRUE(writeImage(file, kSize, kSize, 4, [value](int, int, int) { return value; }));
        auto* bitmap = new BitmapTex();
        bitmap->GetParamBlock(0)->SetValue(BitmapTex::bmtex_filename, 0, file.c_str());
        bitmap->GetParamBlock(0)->SetValue(BitmapTex::bmtex_filtering, 0, 2);
        Interval valid = FOREVER;
        bitmap->Update(0, valid);
        bitmaps.push_back(bitmap);
    }

    auto shadeEveryTile = [](BitmapTex* bitmap, float want) {
        TexelContext sc;
        int wrong = 0;
        for (int ty = 0; ty < kSize / 64; ++ty) {
            for (int tx = 0; tx < kSize / 64; ++tx) {
                sc.at((tx * 64 + 32) / static_cast<float>(kSize),
                      (ty * 64 + 32) / static_cast<float>(kSize));
                const AColor c = bitmap->EvalColor(sc);
                wrong += std::fabs(c.r - want) > 1.0f / 255 || std::fabs(c.a - want) > 1.0f / 255;
            }
        }
        return wrong;
    };
    const std::size_t limitBytes = static_cast<std::size_t>(kLimitMB * 1024 * 1024);
    for (int i = 0; i < kImages; ++i) {
        EXPECT_EQ(shadeEveryTile(bitmaps[static_cast<std::size_t>(i)], (i + 1) / 16.0f), 0)
            << "image " << i;
        EXPECT_LE(BitmapCache::Get().MemoryUsed(), limitBytes + kTileBytes) << "after image " << i;
    }
    EXPECT_EQ(shadeEveryTile(bitmaps[0], 1.0f / 16), 0) << "the first image, read again";
    EXPECT_LE(BitmapCache::Get().MemoryUsed(), limitBytes + kTileBytes);

    for (BitmapTex* bitmap : bitmaps) {
        bitmap->DeleteMe();
    }
}

} // namespace
