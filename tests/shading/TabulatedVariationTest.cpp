#include "shading/ColorVariation.h"
#include "shading/GammaPower.h"
#include "shading/Generator.h"
#include "shading/VariationTables.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace {

bool sameBits(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameBits(const AColor& a, const AColor& b) {
    return sameBits(a.r, b.r) && sameBits(a.g, b.g) && sameBits(a.b, b.b) && sameBits(a.a, b.a);
}

// Parameter sets as users and scripts leave them: defaults, zero spans with
// every overall value (-0 among them, whose sign a constant would lose), the
// ends of the ranges and of the distributions.
std::vector<ColorVariation> parameterSets() {
    std::vector<ColorVariation> sets = {
        {1.0f, 0.0f, 100.0f, 0.0f, 0.0f, 0.0f, 0.5f, 0.5f, 0.5f},
        {1.0f, 0.0f, 100.0f, 0.2f, 15.0f, 10.0f, 0.5f, 0.5f, 0.5f},
        {-0.0f, -0.0f, -0.0f, 0.0f, -0.0f, 0.0f, 0.5f, 0.5f, 0.5f},
        {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.3f},
        {100.0f, 360.0f, 10000.0f, 100.0f, 360.0f, 10000.0f, 1.0f, 0.0f, 0.999995f},
        {0.0f, -360.0f, 0.0f, 100.0f, 360.0f, 10000.0f, 0.00001f, 0.25f, 0.75f},
        {2.2f, -33.3f, 140.0f, 0.35f, 41.0f, 27.0f, 0.8f, 0.8f, 0.2f},
    };
    std::mt19937 random(20261211);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (int i = 0; i < 40; ++i) {
        sets.push_back({unit(random) * 4.0f, unit(random) * 720.0f - 360.0f, unit(random) * 300.0f,
                        unit(random), unit(random) * 360.0f, unit(random) * 100.0f, unit(random),
                        unit(random), unit(random)});
    }
    return sets;
}

TEST(TabulatedVariation, GivesEveryWorkedOutResultToTheLastBit) {
    const AColor colors[] = {
        AColor(0.6f, 0.4f, 0.2f, 1.0f),     AColor(0.0f, 0.0f, 0.0f, 0.0f),
        AColor(1.0f, 1.0f, 1.0f, 1.0f),     AColor(0.0f, 0.5f, 1.0f, 0.3f),
        AColor(1e-40f, 3.0f, -0.25f, 1.0f),
    };
    VariationTables tables;
    for (const ColorVariation& v : parameterSets()) {
        tables.Rebuild(v);
        const VariationLookups lookups = tables.Lookups();
        for (std::uint32_t seed = 1; seed < 400; seed += 7) {
            for (const AColor& color : colors) {
                AColor worked = color;
                seedGenerator(seed);
                varyColor(worked, v);
                AColor looked = color;
                seedGenerator(seed);
                varyColor(looked, v, lookups);
                ASSERT_TRUE(sameBits(worked, looked))
                    << "seed " << seed << " allGamma " << v.allGamma << " rndHue " << v.rndHue;
            }
        }
    }
}

TEST(TabulatedVariation, KeepsTablesOnlyForSpansThatVary) {
    VariationTables tables;
    tables.Rebuild({1.0f, 0.0f, 100.0f, 0.0f, 0.0f, 0.0f, 0.5f, 0.5f, 0.5f});
    EXPECT_EQ(tables.MemoryUsed(), 0u) << "a new map's spans are zero";
    EXPECT_TRUE(tables.Lookups().exponent.isConstant);

    tables.Rebuild({1.0f, 0.0f, 100.0f, 0.2f, 0.0f, 10.0f, 0.5f, 0.5f, 0.5f});
    EXPECT_EQ(tables.MemoryUsed(), 2u * VariationTables::kDraws * sizeof(float));
    EXPECT_NE(tables.Lookups().exponent.table, nullptr);
    EXPECT_EQ(tables.Lookups().turns.table, nullptr);

    // -0 overall with a zero span: the factor's sign follows the draw.
    tables.Rebuild({1.0f, -0.0f, 100.0f, 0.2f, 0.0f, 10.0f, 0.5f, 0.5f, 0.5f});
    EXPECT_NE(tables.Lookups().turns.table, nullptr);
}

TEST(TabulatedVariation, WithoutTablesEachFactorIsWorkedOut) {
    const ColorVariation v{1.0f, 10.0f, 100.0f, 0.2f, 15.0f, 10.0f, 0.5f, 0.5f, 0.5f};
    AColor worked(0.3f, 0.6f, 0.9f, 1.0f), looked = worked;
    seedGenerator(99);
    varyColor(worked, v);
    seedGenerator(99);
    varyColor(looked, v, VariationLookups{});
    EXPECT_TRUE(sameBits(worked, looked));
}

TEST(GammaPower3, IsGammaPowerOnEachChannel) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::vector<float> channels = {0.0f, -0.0f, 1.0f, -1.0f, 0.5f,  1e-40f, -3.5f,
                                   inf,  -inf,  nan,  2.0f,  1e30f, 255.0f};
    std::mt19937 random(7);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (int i = 0; i < 200; ++i) {
        channels.push_back(unit(random));
    }
    const float exponents[] = {1.0f, 0.8f, 1.2f, 2.2f, 1e-6f, 200.0f, -0.5f, 0.0f, inf, nan};
    for (float p : exponents) {
        for (std::size_t i = 0; i + 2 < channels.size(); ++i) {
            float r = channels[i], g = channels[i + 1], b = channels[i + 2];
            gammaPower3(r, g, b, p);
            ASSERT_TRUE(sameBits(r, gammaPower(channels[i], p))) << channels[i] << "^" << p;
            ASSERT_TRUE(sameBits(g, gammaPower(channels[i + 1], p))) << channels[i + 1] << "^" << p;
            ASSERT_TRUE(sameBits(b, gammaPower(channels[i + 2], p))) << channels[i + 2] << "^" << p;
        }
    }
}

} // namespace
