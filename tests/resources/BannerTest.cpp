#include "tests/resources/ResourceFiles.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include <gtest/gtest.h>

namespace {

std::uint32_t le32(const std::string& b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
std::uint16_t le16(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}

TEST(Banner, IsAnUncompressed318By56PictureOf24Bits) {
    const std::string bmp = readSourceFile("resources/Banner.bmp");
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    const std::uint32_t rowSize = (318 * 3 + 3) / 4 * 4;
    EXPECT_EQ(le32(bmp, 2), bmp.size());
    EXPECT_EQ(le32(bmp, 10), 54u) << "pixels right after the headers";
    EXPECT_EQ(le32(bmp, 14), 40u) << "the plain information header";
    EXPECT_EQ(static_cast<std::int32_t>(le32(bmp, 18)), 318);
    EXPECT_EQ(static_cast<std::int32_t>(le32(bmp, 22)), 56) << "bottom-up rows";
    EXPECT_EQ(le16(bmp, 26), 1);
    EXPECT_EQ(le16(bmp, 28), 24);
    EXPECT_EQ(le32(bmp, 30), 0u) << "uncompressed";
    EXPECT_EQ(bmp.size(), 54 + rowSize * 56);

    // The tiles on the right are many colours, the name on the left is light.
    std::set<std::uint32_t> tileColours;
    for (std::uint32_t y = 8; y < 48; ++y) {
        for (std::uint32_t x = 190; x < 310; ++x) {
            tileColours.insert(le32(bmp, 54 + y * rowSize + x * 3) & 0xFFFFFF);
        }
    }
    EXPECT_GT(tileColours.size(), 24u);
}

TEST(Banner, TheScriptRebuildsItByteForByte) {
    const std::string out = ::testing::TempDir() + "banner-rebuilt.bmp";
    const std::string command = std::string("\"") + QUILTRA_PYTHON + "\" \"" + QUILTRA_SOURCE_DIR +
                                "/resources/draw_banner.py\" \"" + out + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream in(out, std::ios::binary);
    std::stringstream rebuilt;
    rebuilt << in.rdbuf();
    std::remove(out.c_str());
    EXPECT_TRUE(rebuilt.str() == readSourceFile("resources/Banner.bmp"))
        << "resources/Banner.bmp is not what resources/draw_banner.py draws: run the script";
}

} // namespace
