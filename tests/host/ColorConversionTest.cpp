#include "host/ColorConversion.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

struct HsvCase {
    Color rgb;
    Color hsv;
};

TEST(ColorConversion, HexconeValuesOfTheWheel) {
    const HsvCase cases[] = {
        {{1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 1.0f}},
        {{1.0f, 1.0f, 0.0f}, {1.0f / 6.0f, 1.0f, 1.0f}},
        {{0.0f, 1.0f, 0.0f}, {2.0f / 6.0f, 1.0f, 1.0f}},
        {{0.0f, 1.0f, 1.0f}, {0.5f, 1.0f, 1.0f}},
        {{0.0f, 0.0f, 1.0f}, {4.0f / 6.0f, 1.0f, 1.0f}},
        {{1.0f, 0.0f, 1.0f}, {5.0f / 6.0f, 1.0f, 1.0f}},
        {{0.5f, 0.25f, 0.0f}, {1.0f / 12.0f, 1.0f, 0.5f}},
        {{0.8f, 0.4f, 0.4f}, {0.0f, 0.5f, 0.8f}},
        {{0.3f, 0.3f, 0.3f}, {0.0f, 0.0f, 0.3f}},
        {{0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}},
    };
    for (const HsvCase& c : cases) {
        const Color hsv = RGBtoHSV(c.rgb);
        // One rounding of the hue's division by 6 and of the sector offset.
        EXPECT_NEAR(hsv.r, c.hsv.r, 1e-6f) << c.rgb.r << "," << c.rgb.g << "," << c.rgb.b;
        EXPECT_NEAR(hsv.g, c.hsv.g, 1e-6f);
        EXPECT_EQ(hsv.b, c.hsv.b);
    }
}

TEST(ColorConversion, RoundTripKeepsTheColour) {
    for (int r = 0; r <= 10; ++r) {
        for (int g = 0; g <= 10; ++g) {
            for (int b = 0; b <= 10; ++b) {
                const Color rgb(r / 10.0f, g / 10.0f, b / 10.0f);
                const Color back = HSVtoRGB(RGBtoHSV(rgb));
                // A few roundings through hue and saturation.
                EXPECT_NEAR(back.r, rgb.r, 2e-6f);
                EXPECT_NEAR(back.g, rgb.g, 2e-6f);
                EXPECT_NEAR(back.b, rgb.b, 2e-6f);
            }
        }
    }
}

TEST(ColorConversion, HueOutsideOneTurnWrapsAround) {
    const Color red(1.0f, 0.0f, 0.0f);
    EXPECT_EQ(HSVtoRGB(Color(1.0f, 1.0f, 1.0f)), red);
    EXPECT_EQ(HSVtoRGB(Color(3.0f, 1.0f, 1.0f)), red);
    EXPECT_EQ(HSVtoRGB(Color(-1.0f, 1.0f, 1.0f)), red);
    const Color blue = HSVtoRGB(Color(-1.0f / 3.0f, 1.0f, 1.0f));
    EXPECT_NEAR(blue.r, 0.0f, 1e-6f);
    EXPECT_NEAR(blue.b, 1.0f, 1e-6f);
}

TEST(ColorConversion, NonFiniteInputIsSafe) {
    // Hue that is not a number or infinite counts as red; no saturation is grey.
    EXPECT_EQ(HSVtoRGB(Color(kNaN, 1.0f, 1.0f)), Color(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(HSVtoRGB(Color(kInf, 1.0f, 1.0f)), Color(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(HSVtoRGB(Color(-kInf, 1.0f, 1.0f)), Color(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(HSVtoRGB(Color(1e30f, 1.0f, 1.0f)), Color(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(HSVtoRGB(Color(0.5f, kNaN, 0.25f)), Color(0.25f, 0.25f, 0.25f));

    const float inputs[] = {kNaN, kInf, -kInf, 0.0f, -0.0f, 1.0f, -1.0f, 3e38f, 1e-45f};
    for (float r : inputs) {
        for (float g : inputs) {
            for (float b : inputs) {
                const Color hsv = RGBtoHSV(Color(r, g, b));
                const bool finite = std::isfinite(r) && std::isfinite(g) && std::isfinite(b);
                if (finite) {
                    EXPECT_TRUE(std::isfinite(hsv.r) && std::isfinite(hsv.g) &&
                                std::isfinite(hsv.b))
                        << r << "," << g << "," << b;
                    EXPECT_GE(hsv.r, 0.0f);
                    EXPECT_LE(hsv.r, 1.0f);
                }
                EXPECT_FALSE(std::isnan(hsv.r)) << "hue is always a number";
            }
        }
    }
}

TEST(ColorConversion, ColourWithoutPositiveComponentIsGrey) {
    const Color hsv = RGBtoHSV(Color(-0.5f, -1.0f, -1.0f));
    EXPECT_EQ(hsv, Color(0.0f, 0.0f, -0.5f));
}

} // namespace
