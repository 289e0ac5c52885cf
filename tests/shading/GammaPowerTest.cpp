#include "shading/GammaPower.h"

#include "shading/ColorVariation.h"
#include "shading/Generator.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

#include <gtest/gtest.h>

namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();
constexpr float kSmallestDenormal = 0x1p-149f;

std::uint32_t bitsOf(float f) {
    std::uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

float floatOf(std::uint32_t bits) {
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

// How far a float result lies from the exact power, in units in the last
// place of the float binade that holds the exact power (2^-149 below the
// normal range). From halfway past the largest float on, the nearest float
// is infinity; any other result there is infinitely far off.
long double ulpDistance(float result, long double exact) {
    if (exact >= 0x1.ffffffp127L) {
        return std::isinf(result) ? 0.0L : std::numeric_limits<long double>::infinity();
    }
    if (!std::isfinite(result)) {
        return std::numeric_limits<long double>::infinity();
    }
    int exponent = 0;
    std::frexp(exact, &exponent); // exact = m * 2^exponent, m in [0.5, 1)
    const int ulpExponent = exact < 0x1p-126L ? -149 : exponent - 24;
    return std::fabs(static_cast<long double>(result) - exact) / std::ldexp(1.0L, ulpExponent);
}

// The contract is 1 ulp. The method itself is off by less than 2^-19 ulp
// from the exact power, so a result more than 2^-16 ulp past halfway is a
// fault even while the contract still holds.
constexpr long double kBound = 0.5L + 0x1p-16L;

// Double pow screens every result: it is off by less than one double ulp,
// below 2^-28 of a float ulp. Results it puts within 2^-20 ulp of halfway, or
// past it, are measured again against long double powl.
struct Tally {
    void check(float x, float p) {
        const float result = gammaPower(x, p);
        long double distance = ulpDistance(result, std::pow(static_cast<double>(x), p));
        if (distance > 0.5L - 0x1p-20L) {
            ++remeasured;
            distance = ulpDistance(result, std::pow(static_cast<long double>(x), p));
        }
        ++count;
        if (distance > 0.5L) {
            ++notNearest;
        }
        if (!(distance <= worst)) {
            worst = distance;
            worstX = x;
            worstP = p;
            worstResult = result;
        }
    }

    void expectWithinBound() const {
        EXPECT_LE(worst, kBound) << "worst at x = " << worstX << ", p = " << worstP << ": gave "
                                 << worstResult;
        std::printf("%llu powers, worst %.9Lf ulp, %llu not the nearest float, %llu remeasured "
                    "with powl\n",
                    static_cast<unsigned long long>(count), worst,
                    static_cast<unsigned long long>(notNearest),
                    static_cast<unsigned long long>(remeasured));
    }

    std::uint64_t count = 0;
    std::uint64_t notNearest = 0;
    std::uint64_t remeasured = 0;
    long double worst = 0.0L;
    float worstX = 0.0f;
    float worstP = 0.0f;
    float worstResult = 0.0f;
};

TEST(GammaPower, PowersThatAreFloatsComeOutExact) {
    struct Case {
        float x, p, expected;
    };
    const Case cases[] = {
        {0.25f, 0.5f, 0.5f},
        {0.0625f, 0.25f, 0.5f},
        {0.5625f, 0.5f, 0.75f},
        {0.390625f, 0.5f, 0.625f},
        {9.0f, 0.5f, 3.0f},
        {100.0f, 0.5f, 10.0f},
        {4.0f, 1.5f, 8.0f},
        {0.5f, 2.0f, 0.25f},
        {0.75f, 2.0f, 0.5625f},
        {0.75f, 3.0f, 0.421875f},
        {1.5f, 2.0f, 2.25f},
        {1.0f + 0x1p-11f, 2.0f, 1.0f + 0x1p-10f + 0x1p-22f},
        {2.0f, 10.0f, 1024.0f},
        {0.5f, -127.0f, 0x1p127f},
        {0x1p-140f, 0.5f, 0x1p-70f}, // a denormal channel
        {0.5f, 149.0f, kSmallestDenormal},
        {0x1p-74f, 2.0f, 0x1p-148f}, // a denormal power
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gammaPower(c.x, c.p), c.expected) << c.x << " ^ " << c.p;
    }
}

TEST(GammaPower, RoundsAtTheEndsOfTheFloatRange) {
    struct Case {
        float x, p, expected;
    };
    const Case cases[] = {
        {2.0f, 128.0f, kInfinity},
        {0.5f, -128.0f, kInfinity},
        {2.0f, 127.99f, 0x1.fc766ep127f}, // 2^127.98999786, below the largest float
        {0.5f, 150.0f, 0.0f},             // 2^-150: halfway, to the even zero
        {0.5f, 149.5f, kSmallestDenormal},
        {0.5f, 151.0f, 0.0f},
        {kSmallestDenormal, 2.0f, 0.0f},
        {0.5f, kSmallestDenormal, 1.0f},
        {3.0e38f, 200.0f, kInfinity},
        {1.0e-30f, 200.0f, 0.0f},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gammaPower(c.x, c.p), c.expected) << c.x << " ^ " << c.p;
    }
}

TEST(GammaPower, PowerOfOneGivesTheChannelBitForBit) {
    const float channels[] = {
        0.0f,  -0.0f,     kSmallestDenormal, 0x1p-127f,           0.3f, 1.0f, 16.5f,
        -0.7f, kInfinity, -kInfinity,        floatOf(0x7FC12345u)};
    for (float x : channels) {
        EXPECT_EQ(bitsOf(gammaPower(x, 1.0f)), bitsOf(x)) << x;
    }
    for (std::uint32_t bits = 1; bits < 0x7F800000u; bits += 65521) {
        EXPECT_EQ(bitsOf(gammaPower(floatOf(bits), 1.0f)), bits);
    }
}

TEST(GammaPower, ZeroAndOneStayForEveryExponent) {
    const float exponents[] = {kSmallestDenormal, 1e-7f,    0.2f, 0.8f,   0.9999999f,
                               1.0000001f,        1.2f,     2.2f, 100.0f, 200.0f,
                               3.4e38f,           kInfinity};
    for (float p : exponents) {
        EXPECT_EQ(bitsOf(gammaPower(0.0f, p)), bitsOf(0.0f)) << p;
        EXPECT_EQ(bitsOf(gammaPower(-0.0f, p)), bitsOf(-0.0f)) << p;
        EXPECT_EQ(gammaPower(1.0f, p), 1.0f) << p;
        EXPECT_EQ(gammaPower(1.0f, -p), 1.0f) << -p;
    }
}

TEST(GammaPower, LimitsAndSpecialInputs) {
    struct Case {
        float x, p, expected;
    };
    const Case cases[] = {
        {0.0f, 0.0f, 1.0f},
        {kInfinity, 0.0f, 1.0f},
        {0.7f, -0.0f, 1.0f},
        {0.0f, -2.0f, kInfinity},
        {0.0f, -kInfinity, kInfinity},
        {kInfinity, 0.5f, kInfinity},
        {kInfinity, -0.5f, 0.0f},
        {0.5f, kInfinity, 0.0f},
        {0.5f, -kInfinity, kInfinity},
        {2.0f, kInfinity, kInfinity},
        {2.0f, -kInfinity, 0.0f},
        {kInfinity, kInfinity, kInfinity},
        // Odd in x, zeros and infinities included, even for whole p.
        {-0.25f, 0.5f, -0.5f},
        {-8.0f, 2.0f, -64.0f},
        {-3.0f, 0.0f, -1.0f},
        {-1.0f, kInfinity, -1.0f},
        {-0.0f, -2.0f, -kInfinity},
        {-kInfinity, 0.5f, -kInfinity},
        {-kInfinity, -0.5f, -0.0f},
        {-0.5f, -kInfinity, -kInfinity},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(bitsOf(gammaPower(c.x, c.p)), bitsOf(c.expected)) << c.x << " ^ " << c.p;
    }
}

TEST(GammaPower, NaNComesBackQuietWithItsPayload) {
    const float quietX = floatOf(0x7FC01234u);
    const float signallingX = floatOf(0xFF801234u);
    const float quietP = floatOf(0x7FC05678u);
    struct Case {
        float x, p;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {quietX, 2.2f, 0x7FC01234u},   {signallingX, 0.8f, 0xFFC01234u},
        {quietX, 0.0f, 0x7FC01234u},   {0.5f, quietP, 0x7FC05678u},
        {1.0f, quietP, 0x7FC05678u},   {-0.5f, quietP, 0x7FC05678u},
        {quietX, quietP, 0x7FC01234u}, {signallingX, quietP, 0xFFC01234u},
        {0.0f, quietP, 0x7FC05678u},   {kInfinity, quietP, 0x7FC05678u},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(bitsOf(gammaPower(c.x, c.p)), c.expected)
            << std::hex << bitsOf(c.x) << " ^ " << bitsOf(c.p);
    }
}

// What the gamma step meets most: 8-bit image channels, at every exponent
// that the default random span (1 +/- 0.2) draws.
TEST(GammaPowerSweep, EveryEightBitChannelAtEveryDefaultExponent) {
    ColorVariation v{};
    v.allGamma = 1.0f;
    v.rndGamma = 0.2f;
    v.occGamma = 0.5f;
    Tally tally;
    for (int draw = 0; draw <= kGeneratorMax; ++draw) {
        const float p = gammaExponent(v, draw);
        for (int level = 0; level <= 255; ++level) {
            tally.check(static_cast<float>(level) / 255.0f, p);
        }
    }
    tally.expectWithinBound();
}

// Every float of the binades just below and just above 1, at a display
// gamma and at its inverse.
TEST(GammaPowerSweep, EveryFloatFromHalfToTwo) {
    Tally tally;
    for (std::uint32_t bits = 0x3F000000u; bits < 0x40000000u; ++bits) {
        tally.check(floatOf(bits), bits < 0x3F800000u ? 2.2f : 1.0f / 2.2f);
    }
    tally.expectWithinBound();
}

// The whole positive range, denormals and overflow included, at exponents
// from the smallest to the largest the gamma step can draw, and negative
// ones; every channel's mirror image gives the mirrored power.
TEST(GammaPowerSweep, StridedOverEveryPositiveFloat) {
    const float exponents[] = {1e-6f, 0.1f,   0.8f,  1.2f,  2.2f,   7.3f,
                               50.0f, 200.0f, -0.8f, -2.2f, -200.0f};
    Tally tally;
    for (std::uint32_t bits = 1; bits < 0x7F800000u; bits += 4093) {
        const float x = floatOf(bits);
        for (float p : exponents) {
            tally.check(x, p);
            ASSERT_EQ(bitsOf(gammaPower(-x, p)), bitsOf(gammaPower(x, p)) | 0x80000000u)
                << x << " ^ " << p;
        }
    }
    tally.expectWithinBound();
}

// Random pairs over the gamma step's domain: channels from 0 to 16 (bright
// images reach past 1), exponents from 2^-10 to 200, both drawn uniformly
// over their bit patterns so that every binade gets its share.
TEST(GammaPowerSweep, RandomChannelsAndExponents) {
    std::mt19937 random(20261211u);
    std::uniform_int_distribution<std::uint32_t> channel(1u, bitsOf(16.0f));
    std::uniform_int_distribution<std::uint32_t> exponent(bitsOf(0x1p-10f), bitsOf(200.0f));
    Tally tally;
    for (int i = 0; i < 4000000; ++i) {
        const float x = floatOf(channel(random));
        tally.check(x, floatOf(exponent(random)));
    }
    tally.expectWithinBound();
}

} // namespace
