#include "shading/ColorVariation.h"

#include "host/ColorConversion.h"
#include "shading/Generator.h"
#include "tests/shading/ShadingFixtures.h"

#include <gtest/gtest.h>

namespace {

// Hue and saturation of a colour as the host converts it.
Color hsvOf(const AColor& c) {
    return RGBtoHSV(Color(c.r, c.g, c.b));
}

TEST(ColorVariation, DefaultGammaSpanRunsFromPointEightToOnePointTwo) {
    ColorVariation v = neutralVariation();
    v.rndGamma = 0.2f;
    EXPECT_FLOAT_EQ(gammaExponent(v, 0), 0.8f);
    EXPECT_FLOAT_EQ(gammaExponent(v, kGeneratorMax), 1.2f);
    EXPECT_NEAR(gammaExponent(v, 16384), 1.0f, 1e-4f);
}

TEST(ColorVariation, DistributionAtItsEndsPinsTheFactor) {
    // Gamma's fraction is reversed: a distribution of 100 % is a fraction of
    // 0 and leans the exponent down; for hue and saturation 100 % leans up.
    struct Case {
        float fraction;
        float gamma, hue, saturation;
    };
    const Case cases[] = {
        {0.0f, 2.0f - 0.5f, (10.0f - 30.0f) * 0.0027777778f, 100.0f - 40.0f},
        {1.0f, 2.0f + 0.5f, (10.0f + 30.0f) * 0.0027777778f, 100.0f + 40.0f},
        {0.000005f, 2.0f - 0.5f, (10.0f - 30.0f) * 0.0027777778f, 100.0f - 40.0f},
        {0.999995f, 2.0f + 0.5f, (10.0f + 30.0f) * 0.0027777778f, 100.0f + 40.0f},
    };
    for (const Case& c : cases) {
        ColorVariation v{2.0f,  10.0f,      100.0f,     0.5f,      30.0f,
                         40.0f, c.fraction, c.fraction, c.fraction};
        for (int draw : {0, 12345, kGeneratorMax}) {
            EXPECT_EQ(gammaExponent(v, draw), c.gamma) << c.fraction;
            EXPECT_EQ(hueShift(v, draw), c.hue) << c.fraction;
            EXPECT_EQ(saturationScale(v, draw), c.saturation) << c.fraction;
        }
    }
}

TEST(ColorVariation, ExponentOfZeroOrBelowSendsEveryNonZeroChannelToOne) {
    for (float exponent : {0.0f, -0.4f, -100.0f}) {
        AColor c(0.5f, 0.0f, 0.2f, 0.3f);
        applyVariation(c, exponent, 0.0f, 100.0f);
        EXPECT_EQ(c, AColor(1.0f, 0.0f, 1.0f, 1.0f)) << exponent;
    }
    AColor negativeZero(-0.0f, 0.25f, 0.0f, 1.0f);
    applyVariation(negativeZero, 0.0f, 0.0f, 100.0f);
    EXPECT_EQ(negativeZero, AColor(0.0f, 1.0f, 0.0f, 1.0f));
}

TEST(ColorVariation, GammaRaisesEachChannel) {
    AColor c(0.25f, 0.5f, 1.0f, 1.0f);
    applyVariation(c, 2.0f, 0.0f, 100.0f);
    EXPECT_FLOAT_EQ(c.r, 0.0625f);
    EXPECT_FLOAT_EQ(c.g, 0.25f);
    EXPECT_FLOAT_EQ(c.b, 1.0f);
}

TEST(ColorVariation, NegativeChannelKeepsItsSignThroughGamma) {
    // (-0.25, 0.25, 0.25) ^ 0.5 is (-0.5, 0.5, 0.5): value 0.5, saturation
    // 1 / 0.5 = 2, clamped to 1, hue one half. Back in RGB that is
    // (0, 0.5, 0.5); a NaN red channel would give no colour at all.
    AColor c(-0.25f, 0.25f, 0.25f, 1.0f);
    applyVariation(c, 0.5f, 0.0f, 100.0f);
    EXPECT_EQ(c, AColor(0.0f, 0.5f, 0.5f, 1.0f));
}

TEST(ColorVariation, HueShiftWrapsIntoOneTurn) {
    struct Case {
        float hue;     // of the input colour
        float degrees; // shift
        float expected;
    };
    const Case cases[] = {
        {0.9f, 90.0f, 0.15f},    // 1.15 wraps down
        {0.1f, -90.0f, 0.85f},   // -0.15 wraps up
        {0.75f, 90.0f, 0.0f},    // exactly 1 stays 1, which is red again
        {0.25f, -720.0f, 0.25f}, // two turns down, brought fully back
        {0.25f, -630.0f, 0.5f},  // -1.5 turns below -1
        {0.5f, 720.0f, 0.5f},    // two turns up
    };
    for (const Case& c : cases) {
        const Color rgb = HSVtoRGB(Color(c.hue, 1.0f, 1.0f));
        AColor color(rgb, 1.0f);
        applyVariation(color, 1.0f, c.degrees * 0.0027777778f, 100.0f);
        const Color expected = HSVtoRGB(Color(c.expected, 1.0f, 1.0f));
        EXPECT_NEAR(color.r, expected.r, 1e-5f) << c.hue << " shifted by " << c.degrees;
        EXPECT_NEAR(color.g, expected.g, 1e-5f) << c.hue << " shifted by " << c.degrees;
        EXPECT_NEAR(color.b, expected.b, 1e-5f) << c.hue << " shifted by " << c.degrees;
    }
}

TEST(ColorVariation, SaturationIsScaledAndClamped) {
    const AColor pale(1.0f, 0.6f, 0.6f, 1.0f); // saturation 0.4
    AColor full = pale;
    applyVariation(full, 1.0f, 0.0f, 300.0f);
    EXPECT_FLOAT_EQ(hsvOf(full).g, 1.0f) << "300 % saturates anything above 1/3";

    AColor grey = pale;
    applyVariation(grey, 1.0f, 0.0f, 0.0f);
    EXPECT_EQ(grey, AColor(1.0f, 1.0f, 1.0f, 1.0f)) << "0 % is grey of the same value";

    AColor below = pale;
    applyVariation(below, 1.0f, 0.0f, -50.0f);
    EXPECT_EQ(below, AColor(1.0f, 1.0f, 1.0f, 1.0f)) << "a negative scale clamps to grey";
}

TEST(ColorVariation, HundredPercentKeepsSaturationToTheLastBit) {
    // 100 x S x 0.01 in single precision: 0.123 comes back as 0.122999996.
    const Color hsv(0.3f, 0.123f, 0.8f);
    AColor c(HSVtoRGB(hsv), 1.0f);
    const Color before = hsvOf(c);
    applyVariation(c, 1.0f, 0.0f, 100.0f);
    const Color expected = HSVtoRGB(Color(before.r, (100.0f * before.g) * 0.01f, before.b));
    EXPECT_EQ(c, AColor(expected, 1.0f));
    EXPECT_EQ((100.0f * 0.123f) * 0.01f, 0.122999996f);
    EXPECT_NE(0.122999996f, 0.123f);
}

TEST(ColorVariation, AlphaLeavesAsOneAndBlackStaysBlack) {
    for (float alpha : {0.0f, 0.5f, 1.0f}) {
        AColor c(0.2f, 0.4f, 0.6f, alpha);
        applyVariation(c, 1.0f, 0.0f, 100.0f);
        EXPECT_EQ(c.a, 1.0f);
    }
    ColorVariation v{1.0f, -40.0f, 250.0f, 0.7f, 120.0f, 90.0f, 0.3f, 0.6f, 0.9f};
    for (std::uint32_t seed : {1u, 2u, 3u, 4188539432u}) {
        AColor black(0.0f, 0.0f, 0.0f, 0.0f);
        seedGenerator(seed);
        varyColor(black, v);
        EXPECT_EQ(black, AColor(0.0f, 0.0f, 0.0f, 1.0f));
    }
}

TEST(ColorVariation, DrawsGammaThenHueThenSaturation) {
    const ColorVariation v{1.0f, 0.0f, 100.0f, 0.5f, 60.0f, 80.0f, 0.5f, 0.5f, 0.5f};
    const std::vector<int> draws = referenceDraws(4188539432u, 4);
    AColor drawn(0.7f, 0.3f, 0.2f, 1.0f);
    AColor expected = drawn;

    seedGenerator(4188539432u);
    varyColor(drawn, v);
    applyVariation(expected, gammaExponent(v, draws[0]), hueShift(v, draws[1]),
                   saturationScale(v, draws[2]));
    EXPECT_EQ(drawn, expected);
    EXPECT_EQ(drawGenerator(), draws[3]) << "three draws, no more";
}

} // namespace
