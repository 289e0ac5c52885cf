#include "host/BitmapTex.h"

#include "host/IParamBlock2.h"
#include "host/UVGen.h"
#include "tests/host/HostFixtures.h"
#include "tests/host/ImageFixtures.h"

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Half a step of an 8-bit file: the most a texel read back can be off.
constexpr float kByte = 0.5f / 255.0f;

// A bitmap texture on a file, brought up to date as the renderer does before
// shading.
class Bitmap {
  public:
    explicit Bitmap(const std::string& file, int filtering = 0, float blur = 1.0f)
        : tex(new BitmapTex()) {
        tex->GetParamBlock(0)->SetValue(BitmapTex::bmtex_filename, 0, file.c_str());
        setFilter(filtering, blur);
    }
    ~Bitmap() { tex->DeleteMe(); }
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    // As the texture map pushes them; shading sees them after the update.
    void setFilter(int filtering, float blur) {
        tex->GetParamBlock(0)->SetValue(BitmapTex::bmtex_filtering, 0, filtering);
        static_cast<StdUVGen*>(tex->GetTheUVGen())->SetBlur(blur, 0);
        update();
    }
    void update() {
        Interval valid = FOREVER;
        tex->Update(0, valid);
    }

    // The colour at (u, v) over a footprint of du by dv.
    AColor at(float u, float v, float du = 0.0f, float dv = 0.0f) {
        sc.at(u, v, du, dv);
        return tex->EvalColor(sc);
    }

    BitmapTex* tex;
    TexelContext sc;
};

::testing::AssertionResult near(const AColor& got, const AColor& want, float tolerance) {
    const float d[4] = {got.r - want.r, got.g - want.g, got.b - want.b, got.a - want.a};
    for (float component : d) {
        if (!(std::fabs(component) <= tolerance)) {
            return ::testing::AssertionFailure()
                   << "got (" << got.r << ", " << got.g << ", " << got.b << ", " << got.a
                   << "), want (" << want.r << ", " << want.g << ", " << want.b << ", " << want.a
                   << ") within " << tolerance;
        }
    }
    return ::testing::AssertionSuccess();
}

AColor grey(float v) {
    return AColor(v, v, v, 1.0f);
}

float checker(int x, int y, int size) {
    return ((x / size) + (y / size)) % 2 == 0 ? 0.0f : 1.0f;
}

int countLines(const std::string& text) {
    int lines = 0;
    for (char c : text) {
        lines += c == '\n';
    }
    return lines;
}

// Filtering selectors of the bitmap texture.
constexpr int kPyramidal = 0;
constexpr int kSummedArea = 1;
constexpr int kNone = 2;

// A 4 by 4 image whose red tells the column and green the row from the top.
TEST(BitmapTex, WithoutFilteringShowsTheClosestTexelExactly) {
    TempFolder folder;
    const std::string file = folder.path("columns-rows.png");
    ASSERT_TRUE(writeImage(file, 4, 4, 3, [](int x, int y, int c) {
        return c == 0 ? x / 3.0f : c == 1 ? y / 3.0f : 1.0f;
    }));
    Bitmap bitmap(file, kNone);

    struct Case {
        float u, v, footprint;
        int column, rowFromTop;
    };
    const Case cases[] = {
        {0.125f, 0.875f, 0.0f, 0, 0},  // v runs up: the top row is at v near 1
        {0.375f, 0.125f, 0.0f, 1, 3},  // and the bottom row at v near 0
        {0.9f, 0.6f, 0.0f, 3, 1},      //
        {0.26f, 0.01f, 0.0f, 1, 3},    // just inside a texel's edge
        {1.125f, -0.125f, 0.0f, 0, 0}, // tiles in both directions
        {-0.3f, 2.3f, 0.0f, 2, 2},     //
        {0.625f, 0.375f, 0.5f, 2, 2},  // a wide footprint changes nothing
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(near(bitmap.at(c.u, c.v, c.footprint, c.footprint),
                         AColor(c.column / 3.0f, c.rowFromTop / 3.0f, 1.0f, 1.0f), kByte))
            << "at (" << c.u << ", " << c.v << ")";
    }
}

TEST(BitmapTex, PyramidalIsSharpOnATexelAndAveragesAWideFootprint) {
    TempFolder folder;
    const std::string file = folder.path("checker.png");
    ASSERT_TRUE(writeImage(file, 64, 64, 1, [](int x, int y, int) { return checker(x, y, 1); }));
    Bitmap bitmap(file, kPyramidal);

    for (int x : {0, 5, 31, 62}) {
        for (int y : {0, 7, 40}) {
            const float u = (x + 0.5f) / 64.0f;
            const float v = 1.0f - (y + 0.5f) / 64.0f;
            EXPECT_TRUE(near(bitmap.at(u, v), grey(checker(x, y, 1)), kByte))
                << "texel " << x << ", " << y << " without a footprint";
            // Eight texels across: a fine checker averages to mid grey.
            EXPECT_TRUE(near(bitmap.at(u, v, 8.0f / 64, 8.0f / 64), grey(0.5f), 0.02f))
                << "texel " << x << ", " << y << " with a wide footprint";
        }
    }
}

// Stripes one texel wide under a footprint 16 texels long and a quarter of
// a texel thin, across the stripes or along them.
TEST(BitmapTex, SummedAreaFollowsTheFootprintsShapeWherePyramidalBlursIt) {
    TempFolder folder;
    const std::string rows = folder.path("rows.png");
    const std::string columns = folder.path("columns.png");
    ASSERT_TRUE(writeImage(rows, 64, 64, 1, [](int, int y, int) { return y % 2 * 1.0f; }));
    ASSERT_TRUE(writeImage(columns, 64, 64, 1, [](int x, int, int) { return x % 2 * 1.0f; }));
    const float longSide = 16.0f / 64;
    const float thinSide = 0.25f / 64;

    struct Case {
        const std::string* file;
        int filtering;
        bool alongRows; // the footprint's long side runs along u
        int texel;      // the stripe under the sample, counted along the short side
        float want;
        float tolerance;
    };
    const Case cases[] = {
        {&rows, kSummedArea, true, 10, 0.0f, 0.05f},
        {&rows, kSummedArea, true, 11, 1.0f, 0.05f},
        {&columns, kSummedArea, false, 20, 0.0f, 0.05f},
        {&columns, kSummedArea, false, 21, 1.0f, 0.05f},
        {&rows, kPyramidal, true, 10, 0.5f, 0.05f},
        {&rows, kPyramidal, true, 11, 0.5f, 0.05f},
        {&columns, kPyramidal, false, 21, 0.5f, 0.05f},
    };
    for (const Case& c : cases) {
        Bitmap bitmap(*c.file, c.filtering);
        const float across = (c.texel + 0.5f) / 64.0f;
        bitmap.sc.uvw =
            c.alongRows ? Point3(0.5f, 1.0f - across, 0.0f) : Point3(across, 0.5f, 0.0f);
        bitmap.sc.dx = c.alongRows ? Point3(longSide, 0.0f, 0.0f) : Point3(thinSide, 0.0f, 0.0f);
        bitmap.sc.dy = c.alongRows ? Point3(0.0f, thinSide, 0.0f) : Point3(0.0f, longSide, 0.0f);
        bitmap.sc.ResetCache();
        EXPECT_TRUE(near(bitmap.tex->EvalColor(bitmap.sc), grey(c.want), c.tolerance))
            << *c.file << " filtering " << c.filtering << " stripe " << c.texel;
    }
}

// Squares four texels wide, sampled at a square's centre with a footprint of
// one texel: sharp at blur 1, grey once blur 16 widens the filter to 16 texels.
TEST(BitmapTex, BlurWidensTheFilterAtTheNextUpdate) {
    TempFolder folder;
    const std::string file = folder.path("squares.png");
    ASSERT_TRUE(writeImage(file, 64, 64, 1, [](int x, int y, int) { return checker(x, y, 4); }));
    const float u = 6.0f / 64; // centre of the square in columns 4 to 7, rows 0 to 3
    const float v = 1.0f - 2.0f / 64;
    const float texel = 1.0f / 64;

    struct Case {
        int filtering;
        float blur;
        float want;
        float tolerance;
    };
    const Case cases[] = {
        {kPyramidal, 1.0f, 1.0f, 0.1f},  {kPyramidal, 16.0f, 0.5f, 0.05f},
        {kSummedArea, 1.0f, 1.0f, 0.1f}, {kSummedArea, 16.0f, 0.5f, 0.05f},
        {kNone, 16.0f, 1.0f, kByte}, // no filter to widen
    };
    for (const Case& c : cases) {
        Bitmap bitmap(file, c.filtering, 1.0f);
        static_cast<StdUVGen*>(bitmap.tex->GetTheUVGen())->SetBlur(c.blur, 0);
        EXPECT_TRUE(near(bitmap.at(u, v, texel, texel), grey(1.0f), 0.1f))
            << "filtering " << c.filtering << ": shading keeps the blur of the last update";
        bitmap.update();
        EXPECT_TRUE(near(bitmap.at(u, v, texel, texel), grey(c.want), c.tolerance))
            << "filtering " << c.filtering << " blur " << c.blur;
    }
}

TEST(BitmapTex, ChannelsOfTheFileBecomeColourAndAlpha) {
    TempFolder folder;
    struct Case {
        const char* name;
        int channels;
        std::vector<float> texel; // premultiplied
        OIIO::TypeDesc type;
        AColor want;
        float tolerance;
    };
    const Case cases[] = {
        {"grey.png", 1, {0.6f}, OIIO::TypeDesc::UINT8, grey(0.6f), kByte},
        {"grey-alpha.png",
         2,
         {0.3f, 0.5f},
         OIIO::TypeDesc::UINT8,
         AColor(0.3f, 0.3f, 0.3f, 0.5f),
         2 * kByte},
        {"rgb.png",
         3,
         {0.2f, 0.4f, 0.6f},
         OIIO::TypeDesc::UINT8,
         AColor(0.2f, 0.4f, 0.6f, 1.0f),
         kByte},
        {"rgba.png",
         4,
         {0.5f, 0.25f, 0.0f, 0.5f},
         OIIO::TypeDesc::UINT8,
         AColor(0.5f, 0.25f, 0.0f, 0.5f),
         2 * kByte},
        {"rgb.tif",
         3,
         {0.2f, 0.4f, 0.6f},
         OIIO::TypeDesc::UINT16,
         AColor(0.2f, 0.4f, 0.6f, 1.0f),
         1e-4f},
        {"rgba.exr",
         4,
         {0.25f, 0.5f, 2.0f, 0.75f},
         OIIO::TypeDesc::FLOAT,
         AColor(0.25f, 0.5f, 2.0f, 0.75f),
         1e-6f}, // values above 1 stay as they are
        {"rgb.jpg",
         3,
         {0.2f, 0.4f, 0.6f},
         OIIO::TypeDesc::UINT8,
         AColor(0.2f, 0.4f, 0.6f, 1.0f),
         3.0f / 255}, // lossy, but a flat colour comes back close
    };
    for (const Case& c : cases) {
        const std::string file = folder.path(c.name);
        const std::vector<float>& texel = c.texel;
        ASSERT_TRUE(writeImage(
            file, 8, 8, c.channels,
            [&texel](int, int, int ch) { return texel[static_cast<std::size_t>(ch)]; }, c.type))
            << c.name;
        Bitmap bitmap(file);
        EXPECT_TRUE(near(bitmap.at(0.3f, 0.7f, 0.1f, 0.1f), c.want, c.tolerance)) << c.name;
    }
}

TEST(BitmapTex, UnreadableFileShowsAsBlackWithOneWarningNamingIt) {
    TempFolder folder;
    const std::string garbage = folder.path("garbage.png");
    const std::string empty = folder.path("empty.jpg");
    ASSERT_TRUE(writeBytes(garbage, "not an image at all"));
    ASSERT_TRUE(writeBytes(empty, ""));
    const std::string files[] = {folder.path("missing.png"), garbage, empty, folder.path("")};

    for (const std::string& file : files) {
        ::testing::internal::CaptureStderr();
        {
            // Two textures on the file, each updated and shaded many times.
            Bitmap first(file);
            Bitmap second(file, kSummedArea);
            for (int i = 0; i < 3; ++i) {
                first.update();
                second.update();
                for (int s = 0; s < 50; ++s) {
                    EXPECT_EQ(first.at(s / 50.0f, 0.5f, 0.01f, 0.01f), AColor(0, 0, 0, 0)) << file;
                    EXPECT_EQ(second.at(0.5f, s / 50.0f), AColor(0, 0, 0, 0)) << file;
                }
            }
        }
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(countLines(err), 1) << file << ": " << err;
        EXPECT_NE(err.find("\"" + file + "\""), std::string::npos) << err;
        EXPECT_NE(err.find("cannot be read"), std::string::npos) << err;
    }
}

TEST(BitmapTex, NoFileNameShowsAsBlackSilently) {
    ::testing::internal::CaptureStderr();
    {
        Bitmap bitmap("");
        EXPECT_EQ(bitmap.at(0.5f, 0.5f), AColor(0, 0, 0, 0));
        auto* fresh = new BitmapTex(); // never updated
        TexelContext sc;
        sc.at(0.5f, 0.5f);
        EXPECT_EQ(fresh->EvalColor(sc), AColor(0, 0, 0, 0));
        fresh->DeleteMe();
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

TEST(BitmapTex, ReloadReadsTheChangedFileAndTellsTheDependents) {
    TempFolder folder;
    const std::string file = folder.path("swatch.png");
    ASSERT_TRUE(writeImage(file, 4, 4, 3, [](int, int, int c) { return c == 0 ? 1.0f : 0.0f; }));
    Probe dependent;
    Bitmap bitmap(file);
    dependent.ReplaceReference(0, bitmap.tex);
    ASSERT_TRUE(near(bitmap.at(0.5f, 0.5f), AColor(1, 0, 0, 1), kByte));

    // Another size and an alpha channel: the file is read anew, not patched.
    ASSERT_TRUE(writeImage(file, 8, 8, 4, [](int, int, int c) {
        return c == 2 ? 0.5f : c == 3 ? 0.5f : 0;
    }));
    bitmap.update();
    ASSERT_TRUE(near(bitmap.at(0.5f, 0.5f), AColor(1, 0, 0, 1), kByte))
        << "without a reload the cache keeps what it read";

    dependent.messages.clear();
    const int loads = bitmap.tex->LoadCount();
    bitmap.tex->ReloadBitmapAndUpdate();
    EXPECT_TRUE(near(bitmap.at(0.5f, 0.5f), AColor(0, 0, 0.5f, 0.5f), 2 * kByte));
    EXPECT_EQ(bitmap.tex->LoadCount(), loads + 1);
    ASSERT_EQ(dependent.messages.size(), 1u);
    EXPECT_EQ(dependent.messages[0].message, REFMSG_CHANGE);
}

TEST(BitmapTex, ReloadFindsAFileThatAppearedAndWarnsAgainWhileItIsMissing) {
    TempFolder folder;
    const std::string file = folder.path("later.png");
    ::testing::internal::CaptureStderr();
    Bitmap bitmap(file);
    bitmap.tex->ReloadBitmapAndUpdate();
    EXPECT_EQ(countLines(::testing::internal::GetCapturedStderr()), 2)
        << "the first read and the reload each say the file cannot be read";

    ASSERT_TRUE(writeImage(file, 4, 4, 1, [](int, int, int) { return 0.6f; }));
    bitmap.update();
    EXPECT_EQ(bitmap.at(0.5f, 0.5f), AColor(0, 0, 0, 0)) << "the host waits for a reload";
    ::testing::internal::CaptureStderr();
    bitmap.tex->ReloadBitmapAndUpdate();
    EXPECT_TRUE(near(bitmap.at(0.5f, 0.5f), grey(0.6f), kByte));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

TEST(BitmapTex, NewFileNameIsReadAtTheNextUpdate) {
    TempFolder folder;
    const std::string red = folder.path("red.png");
    const std::string green = folder.path("green.tif");
    ASSERT_TRUE(writeImage(red, 4, 4, 3, [](int, int, int c) { return c == 0 ? 1.0f : 0.0f; }));
    ASSERT_TRUE(writeImage(green, 4, 4, 3, [](int, int, int c) { return c == 1 ? 1.0f : 0.0f; }));
    Bitmap bitmap(red);
    ASSERT_TRUE(near(bitmap.at(0.5f, 0.5f), AColor(1, 0, 0, 1), kByte));

    bitmap.tex->GetParamBlock(0)->SetValue(BitmapTex::bmtex_filename, 0, green.c_str());
    EXPECT_TRUE(near(bitmap.at(0.5f, 0.5f), AColor(1, 0, 0, 1), kByte)) << "before the update";
    bitmap.update();
    EXPECT_TRUE(near(bitmap.at(0.5f, 0.5f), AColor(0, 1, 0, 1), kByte));
}

// Shading threads share the texture and the host's bitmap cache; every
// thread must see what a lone thread sees, bit for bit.
TEST(BitmapTex, ConcurrentShadingGivesWhatSerialShadingGives) {
    TempFolder folder;
    const std::string file = folder.path("noise.png");
    ASSERT_TRUE(writeImage(file, 128, 128, 3, [](int x, int y, int c) {
        const std::uint32_t h = (static_cast<std::uint32_t>(x) * 73856093u) ^
                                (static_cast<std::uint32_t>(y) * 19349663u) ^
                                (static_cast<std::uint32_t>(c) * 83492791u);
        return static_cast<float>(h % 256u) / 255.0f;
    }));

    for (int filtering : {kPyramidal, kSummedArea, kNone}) {
        Bitmap bitmap(file, filtering);
        auto shade = [&bitmap](std::vector<AColor>& out) {
            TexelContext sc;
            for (int i = 0; i < 2000; ++i) {
                sc.uvw = Point3(i * 0.0137f, i * 0.0071f, 0.0f);
                sc.dx = Point3((i % 7) / 128.0f, (i % 3) / 256.0f, 0.0f);
                sc.dy = Point3((i % 5) / 512.0f, (i % 11) / 128.0f, 0.0f);
                sc.ResetCache();
                out.push_back(bitmap.tex->EvalColor(sc));
            }
        };
        std::vector<AColor> serial;
        shade(serial);
        std::vector<std::vector<AColor>> results(4);
        std::vector<std::thread> threads;
        for (auto& result : results) {
            threads.emplace_back(shade, std::ref(result));
        }
        for (auto& thread : threads) {
            thread.join();
        }
        for (const auto& result : results) {
            EXPECT_EQ(result, serial) << "filtering " << filtering;
        }
    }
}

} // namespace
