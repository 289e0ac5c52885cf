#include "tests/tools/ToolRunner.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <OpenImageIO/imagebuf.h>
#include <OpenImageIO/imagebufalgo.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A scratch folder with two one-colour images, red and blue.
class RenderCommand : public ::testing::Test {
  protected:
    RenderCommand() : dir(fs::temp_directory_path() / ("render-test-" + std::to_string(getpid()))) {
        fs::create_directories(dir / "images");
        writeSolid(dir / "images" / "1-red.png", 1.0f, 0.0f, 0.0f);
        writeSolid(dir / "images" / "2-blue.png", 0.0f, 0.0f, 1.0f);
    }
    ~RenderCommand() override { fs::remove_all(dir); }

    static void writeSolid(const fs::path& path, float r, float g, float b) {
        OIIO::ImageBuf image(OIIO::ImageSpec(16, 16, 3, OIIO::TypeDesc::UINT8));
        const float color[] = {r, g, b};
        OIIO::ImageBufAlgo::fill(image, color);
        ASSERT_TRUE(image.write(path.string()));
    }
    static OIIO::ImageBuf read(const fs::path& path) {
        OIIO::ImageBuf image(path.string());
        image.read(0, 0, true, OIIO::TypeDesc::FLOAT);
        return image;
    }
    // Files in the output folder: nothing but what was asked for.
    std::vector<std::string> filesIn(const fs::path& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    fs::path dir;
};

TEST_F(RenderCommand, WithoutImagesRendersTheSampleTextures) {
    const fs::path out = dir / "preview.png";
    const ToolRun run = runTool({"render", "-o", out.string(), "--size", "96x64", "--quiet"});
    ASSERT_EQ(run.status, 0) << (run.errLines.empty() ? "" : run.errLines[0]);
    EXPECT_TRUE(run.errLines.empty());
    const OIIO::ImageBuf image = read(out);
    ASSERT_FALSE(image.has_error()) << image.geterror();
    EXPECT_EQ(image.spec().width, 96);
    EXPECT_EQ(image.spec().height, 64);
    const auto stats = OIIO::ImageBufAlgo::computePixelStats(image);
    float spread = 0.0f;
    for (int c = 0; c < 3; ++c) {
        spread += stats.max[c] - stats.min[c];
    }
    EXPECT_GT(spread, 0.5f) << "tiles of several images";
}

TEST_F(RenderCommand, OneColourImagesShowThroughUntintedAndThreadsAgree) {
    const fs::path one = dir / "one.tif";
    const fs::path two = dir / "two.tif";
    const std::vector<std::string> common = {"render",  "--dir",  (dir / "images").string(),
                                             "--scene", "grid",   "--size",
                                             "120x120", "--quiet"};
    std::vector<std::string> args = common;
    args.insert(args.end(), {"-o", one.string(), "--threads", "1"});
    ASSERT_EQ(runTool(args).status, 0);
    args = common;
    args.insert(args.end(), {"-o", two.string(), "--threads", "3"});
    ASSERT_EQ(runTool(args).status, 0);

    const OIIO::ImageBuf a = read(one);
    const OIIO::ImageBuf b = read(two);
    const auto compared = OIIO::ImageBufAlgo::compare(a, b, 0.0f, 0.0f);
    EXPECT_EQ(compared.nfail, 0u) << "the same picture on any number of threads";

    // A new map has no random spans: every tile is pure red or pure blue,
    // and both appear.
    int red = 0, blue = 0;
    for (int y = 0; y < 120; y += 3) {
        for (int x = 0; x < 120; x += 3) {
            float p[3];
            a.getpixel(x, y, p);
            red += p[0] == 1.0f && p[1] == 0.0f && p[2] == 0.0f;
            blue += p[0] == 0.0f && p[1] == 0.0f && p[2] == 1.0f;
        }
    }
    EXPECT_GT(red, 50);
    EXPECT_GT(blue, 50);
}

TEST_F(RenderCommand, AnUnreadableImageIsNamedOnceAndTheRenderGoesOn) {
    const fs::path out = dir / "preview.png";
    const fs::path missing = dir / "images" / "missing.png";
    const ToolRun run =
        runTool({"render", (dir / "images" / "1-red.png").string(), missing.string(), "-o",
                 out.string(), "--size", "64x64", "--quiet"});
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.errLines.size(), 1u);
    EXPECT_NE(run.errLines[0].find(missing.string()), std::string::npos) << run.errLines[0];
    EXPECT_TRUE(fs::exists(out));
}

TEST_F(RenderCommand, BadArgumentsGetOneLineAndWriteNothing) {
    fs::create_directories(dir / "empty");
    fs::create_directories(dir / "out");
    const std::string out = (dir / "out" / "p.png").string();
    struct Case {
        std::vector<std::string> args;
        std::string mentions;
    };
    const Case cases[] = {
        {{"--size", "0x10", "-o", out}, "--size"},
        {{"--size", "640", "-o", out}, "--size"},
        {{"--size", "20000x10", "-o", out}, "--size"},
        {{"-o", (dir / "out" / "p.bmp").string()}, "-o"},
        {{"-o", (dir / "nowhere" / "p.png").string()}, "nowhere"},
        {{"--dir", (dir / "nowhere").string(), "-o", out}, "--dir"},
        {{"--dir", (dir / "empty").string(), "-o", out}, "--dir"},
        {{"--scene", "castle", "-o", out}, "--scene"},
        {{"--threads", "-1", "-o", out}, "--threads"},
        {{"--rnd-hue", "400", "-o", out}, "--rnd-hue"},
        {{"--filtering", "bilinear", "-o", out}, "--filtering"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"render", "--quiet"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ToolRun run = runTool(args);
        EXPECT_EQ(run.status, 2) << c.mentions;
        ASSERT_EQ(run.errLines.size(), 1u) << c.mentions;
        EXPECT_NE(run.errLines[0].find(c.mentions), std::string::npos) << run.errLines[0];
        EXPECT_TRUE(filesIn(dir / "out").empty()) << c.mentions;
    }
}

TEST_F(RenderCommand, TheOutputIsReplacedWholeWithNothingLeftBeside) {
    fs::create_directories(dir / "out");
    const fs::path out = dir / "out" / "preview.exr";
    for (const char* size : {"32x16", "48x24"}) {
        ASSERT_EQ(runTool({"render", "-o", out.string(), "--size", size, "--quiet"}).status, 0);
    }
    EXPECT_EQ(filesIn(dir / "out"), std::vector<std::string>{"preview.exr"});
    EXPECT_EQ(read(out).spec().width, 48);
}

// Images a render farm meets: empty, cut short, with a header promising an
// enormous picture, under names with spaces and other scripts, thousands in
// one folder, and paths past the system's limit.
TEST_F(RenderCommand, HostileImagesAreNamedAndLeftOutWhileTheRenderGoesOn) {
    const fs::path bad = dir / "bad";
    fs::create_directories(bad);
    std::ofstream(bad / "empty.png", std::ios::binary);
    {
        std::ifstream good(dir / "images" / "1-red.png", std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(good)), std::istreambuf_iterator<char>());
        std::ofstream(bad / "truncated.png", std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    }
    {
        // A TIFF header claiming 2^31 by 2^31 pixels, and nothing after it.
        const unsigned char header[] = {'I', 'I', 42, 0, 8, 0, 0, 0,    2,    0, 0, 1, 4,
                                        0,   1,   0,  0, 0, 0, 0, 0,    0x80, 1, 1, 4, 0,
                                        1,   0,   0,  0, 0, 0, 0, 0x80, 0,    0, 0, 0};
        std::ofstream(bad / "enormous.tif", std::ios::binary)
            .write(reinterpret_cast<const char*>(header), sizeof header);
    }
    const fs::path out = dir / "preview.png";
    const ToolRun run = runTool(
        {"render", "--dir", bad.string(), "-o", out.string(), "--size", "64x64", "--quiet"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(fs::exists(out));
    for (const char* name : {"empty.png", "truncated.png", "enormous.tif"}) {
        int mentions = 0;
        for (const std::string& line : run.errLines) {
            mentions += line.find(name) != std::string::npos;
        }
        EXPECT_EQ(mentions, 1) << name;
    }
}

TEST_F(RenderCommand, NamesWithSpacesAndOtherScriptsAreRendered) {
    const fs::path folder = dir / "wood & stone, ünïcode 木";
    fs::create_directories(folder);
    fs::copy_file(dir / "images" / "1-red.png", folder / "red tile ñ 赤.png");
    const fs::path out = folder / "prévue.png";
    const ToolRun run = runTool({"render", "--dir", folder.string(), "--scene", "grid", "-o",
                                 out.string(), "--size", "32x32", "--quiet"});
    ASSERT_EQ(run.status, 0) << (run.errLines.empty() ? "" : run.errLines[0]);
    EXPECT_TRUE(run.errLines.empty());
    float p[3];
    read(out).getpixel(16, 16, p);
    EXPECT_EQ(p[0], 1.0f) << "the red image was read";
}

TEST_F(RenderCommand, ThousandsOfFilesInOneFolder) {
    const fs::path many = dir / "many";
    fs::create_directories(many);
    for (int i = 0; i < 3000; ++i) {
        fs::copy_file(dir / "images" / (i % 2 ? "1-red.png" : "2-blue.png"),
                      many / ("tile-" + std::to_string(10000 + i) + ".png"));
    }
    const fs::path out = dir / "many.png";
    const ToolRun run = runTool({"render", "--dir", many.string(), "--scene", "grid", "-o",
                                 out.string(), "--size", "48x48", "--quiet"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.errLines.empty());
    EXPECT_TRUE(fs::exists(out));
}

TEST_F(RenderCommand, PathsPastTheSystemsLimitAreLeftOutWithAWarning) {
    fs::path deep = dir;
    while (deep.string().size() < 300) {
        deep /= std::string(40, 'd');
    }
    fs::create_directories(deep);
    fs::copy_file(dir / "images" / "1-red.png", deep / "red.png");
    fs::copy_file(dir / "images" / "2-blue.png", deep / "blue.png");
    const fs::path out = dir / "deep.png";
    const ToolRun run = runTool(
        {"render", "--dir", deep.string(), "-o", out.string(), "--size", "32x32", "--quiet"});
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.errLines.size(), 1u);
    EXPECT_NE(run.errLines[0].find("2 of 2 files left out"), std::string::npos) << run.errLines[0];
    EXPECT_TRUE(fs::exists(out));
}

} // namespace
