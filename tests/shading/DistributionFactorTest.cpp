#include "shading/DistributionFactor.h"

#include "shading/Generator.h"
#include "tests/shading/ShadingFixtures.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace {

TEST(DistributionFactor, KnownFactors) {
    struct Case {
        float d;
        int n;
        float factor;
    };
    const Case cases[] = {
        {0.5f, 0, -1.0f},
        {0.5f, 16383, -0.000030517578125f},
        {0.5f, 16384, 0.000030517578125f},
        {0.5f, 32767, 1.0f},
        {0.25f, 24575, -0.50000507f},
        {0.25f, 24576, -0.49986267f},
        {0.75f, 8191, 0.49986267f},
        {0.75f, 8192, 0.50000513f},
        {0.0f, 0, -1.0f},
        {0.0f, 32767, -1.0f},
        {1.0f, 0, 1.0f},
        {1.0f, 32767, 1.0f},
        // Just beyond the ends: 0.0005 % and 99.9995 % as fractions.
        {0.000005f, 32767, -1.0f},
        {0.999995f, 0, 1.0f},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(distributionFactor(c.d, c.n), c.factor) << "d " << c.d << " n " << c.n;
    }
}

TEST(DistributionFactor, RisesFromMinusOneToOneWithTheKneeAtTheDistribution) {
    for (float d : {0.01f, 0.1f, 0.25f, 0.5f, 0.75f, 0.9f, 0.99f}) {
        float previous = -2.0f;
        for (int n = 0; n <= kGeneratorMax; ++n) {
            const float f = distributionFactor(d, n);
            ASSERT_GE(f, previous - 1e-6f) << "d " << d << " n " << n;
            ASSERT_GE(f, -1.0f);
            ASSERT_LE(f, 1.0f + 1e-6f);
            previous = f;
        }
        EXPECT_EQ(distributionFactor(d, 0), -1.0f);
        EXPECT_NEAR(distributionFactor(d, kGeneratorMax), 1.0f, 1e-6f);
        // At the knee, u = 1 - d, the factor is 2d - 1.
        const int knee = static_cast<int>(std::lround((1.0f - d) * 32767.0f));
        EXPECT_NEAR(distributionFactor(d, knee), 2.0f * d - 1.0f, 1e-3f) << "d " << d;
    }
}

TEST(DistributionFactor, MakesExactlyOneDrawWhateverTheDistribution) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (float d : {0.0f, 1.0f, 0.5f, -3.0f, 7.0f, nan}) {
        seedGenerator(77u);
        distributionFactor(d);
        EXPECT_EQ(drawGenerator(), referenceDraws(77u, 2)[1]) << "d " << d;
    }
    seedGenerator(77u);
    EXPECT_EQ(distributionFactor(0.5f), distributionFactor(0.5f, referenceDraws(77u, 1)[0]));
}

} // namespace
