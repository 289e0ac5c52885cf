#include "shading/GammaPower.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

// The power is 2^(p * log2(x)), worked out in double precision from additions,
// multiplications and moves of bits alone, and rounded once to float. The
// runtimes' power functions differ in their last bits; these operations are
// rounded alike by every build that rounds each one on its own.
//
// log2: x = 2^k * z with z in [0.7109375, 1.421875). The top five bits of z's
// mantissa pick one of 32 sub-intervals and with it a float invc near the
// inverse of the sub-interval's centre, so that r = z * invc - 1 is exact in
// double (24 + 24 significant bits) with |r| < 2^-6, and
// log2(x) = k + log2(1 / invc) + log2(1 + r), the last from a degree 8
// polynomial (relative error 2^-55.9). The sub-interval that holds 1 has
// invc = 1: log2 of a power of two, and of 1 above all, comes out exact.
//
// exp2: y = n / 64 + f with n a whole number and |f| <= 1/128, exactly.
// 2^(n / 64) is a table entry 2^(j / 64) with the rest of n added to its
// exponent bits, 2^f a degree 5 polynomial (relative error 2^-58.6).
//
// The error of the double y is a few units of 2^-53 times |y|, and only
// |y| <= 160 gives a power between float zero and infinity, so the double
// power is off by less than 2^-43 relative, against half a float ulp of at
// least 2^-25. Rounded to float, it is the nearest float to the exact power
// unless that lies within 2^-43 of a point halfway between two floats, and
// within 1 ulp always. A power that is a float itself comes out exact:
// 0.25^0.5, 0.5^2, 9^0.5, 2^10.
//
// Tables and coefficients: scripts/gamma-power-tables.py.

namespace {

std::uint32_t bitsOf(float f) {
    std::uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

std::uint64_t bitsOf(double d) {
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return bits;
}

float floatOf(std::uint32_t bits) {
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

double doubleOf(std::uint64_t bits) {
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

template <std::size_t N>
double polynomial(const double (&constantTermFirst)[N], double t) {
    double sum = constantTermFirst[N - 1];
    for (std::size_t i = N - 1; i-- > 0;) {
        sum = sum * t + constantTermFirst[i];
    }
    return sum;
}

struct Log2Entry {
    double invc;
    double log2OfInverse; // log2(1 / invc)
};

constexpr int kLog2IndexBits = 5;
constexpr std::uint64_t kLog2Offset = 0x3FE6C00000000000; // 0.7109375
constexpr Log2Entry kLog2Table[1 << kLog2IndexBits] = {
    {0x1.642c86p+0, -0x1.e7df61b2e23edp-2},
    {0x1.5c9884p+0, -0x1.c819e19642b77p-2},
    {0x1.555556p+0, -0x1.a8ff99fab991dp-2},
    {0x1.4e5e0cp+0, -0x1.8a8987864d012p-2},
    {0x1.47ae16p+0, -0x1.6cb0fd60adbc9p-2},
    {0x1.414142p+0, -0x1.4f6fbe9a14f18p-2},
    {0x1.3b13b2p+0, -0x1.32bff1d2620d3p-2},
    {0x1.3521dp+0, -0x1.169c06a7938bbp-2},
    {0x1.2f684cp+0, -0x1.f5fd8c01b8598p-3},
    {0x1.29e414p+0, -0x1.bfc68834a1a8bp-3},
    {0x1.24924ap+0, -0x1.8a898953f695dp-3},
    {0x1.1f7048p+0, -0x1.563dc4114f416p-3},
    {0x1.1a7b96p+0, -0x1.22dadb72090e4p-3},
    {0x1.15b1e6p+0, -0x1.e0b1af47da109p-4},
    {0x1.111112p+0, -0x1.7d605d9f9a247p-4},
    {0x1.0c9716p+0, -0x1.1bb340bca269p-4},
    {0x1.084212p+0, -0x1.77398efac2a08p-5},
    {0x1.041042p+0, -0x1.743f41d467d22p-6},
    {0x1p+0, 0x0p+0},
    {0x1.f07c2p-1, 0x1.6bad2043a8791p-5},
    {0x1.e1e1e4p-1, 0x1.663f55b4a0ee3p-4},
    {0x1.d41d44p-1, 0x1.08c57b1905425p-3},
    {0x1.c71c74p-1, 0x1.5c01953270d24p-3},
    {0x1.bacf92p-1, 0x1.acf5de2afc49ap-3},
    {0x1.af286ep-1, 0x1.fbc15c6a2fb03p-3},
    {0x1.a41a42p-1, 0x1.2440796db68c3p-2},
    {0x1.99999ap-1, 0x1.49a7834b7d429p-2},
    {0x1.8f9c1ap-1, 0x1.6e22191053189p-2},
    {0x1.861862p-1, 0x1.91bba6c447dcfp-2},
    {0x1.7d05f6p-1, 0x1.b47eb80eb7506p-2},
    {0x1.745d18p-1, 0x1.d6753b2085b5p-2},
    {0x1.6c16c2p-1, 0x1.f7a85434872d2p-2},
};
// log2(1 + r) / r
constexpr double kLog2Polynomial[] = {
    0x1.71547652b82fep+0, -0x1.71547652b83p-1,   0x1.ec709dc3a2922p-2, -0x1.715476528ba44p-2,
    0x1.2776c44f249fbp-2, -0x1.ec70aad9e2897p-3, 0x1.a63f0ca8ee4fbp-3, -0x1.70d93a1d72711p-3,
};

constexpr int kExp2IndexBits = 6;
// 2^(j / 64)
constexpr double kExp2Table[1 << kExp2IndexBits] = {
    0x1p+0,
    0x1.02c9a3e778061p+0,
    0x1.059b0d3158574p+0,
    0x1.0874518759bc8p+0,
    0x1.0b5586cf9890fp+0,
    0x1.0e3ec32d3d1a2p+0,
    0x1.11301d0125b51p+0,
    0x1.1429aaea92dep+0,
    0x1.172b83c7d517bp+0,
    0x1.1a35beb6fcb75p+0,
    0x1.1d4873168b9aap+0,
    0x1.2063b88628cd6p+0,
    0x1.2387a6e756238p+0,
    0x1.26b4565e27cddp+0,
    0x1.29e9df51fdee1p+0,
    0x1.2d285a6e4030bp+0,
    0x1.306fe0a31b715p+0,
    0x1.33c08b26416ffp+0,
    0x1.371a7373aa9cbp+0,
    0x1.3a7db34e59ff7p+0,
    0x1.3dea64c123422p+0,
    0x1.4160a21f72e2ap+0,
    0x1.44e086061892dp+0,
    0x1.486a2b5c13cdp+0,
    0x1.4bfdad5362a27p+0,
    0x1.4f9b2769d2ca7p+0,
    0x1.5342b569d4f82p+0,
    0x1.56f4736b527dap+0,
    0x1.5ab07dd485429p+0,
    0x1.5e76f15ad2148p+0,
    0x1.6247eb03a5585p+0,
    0x1.6623882552225p+0,
    0x1.6a09e667f3bcdp+0,
    0x1.6dfb23c651a2fp+0,
    0x1.71f75e8ec5f74p+0,
    0x1.75feb564267c9p+0,
    0x1.7a11473eb0187p+0,
    0x1.7e2f336cf4e62p+0,
    0x1.82589994cce13p+0,
    0x1.868d99b4492edp+0,
    0x1.8ace5422aa0dbp+0,
    0x1.8f1ae99157736p+0,
    0x1.93737b0cdc5e5p+0,
    0x1.97d829fde4e5p+0,
    0x1.9c49182a3f09p+0,
    0x1.a0c667b5de565p+0,
    0x1.a5503b23e255dp+0,
    0x1.a9e6b5579fdbfp+0,
    0x1.ae89f995ad3adp+0,
    0x1.b33a2b84f15fbp+0,
    0x1.b7f76f2fb5e47p+0,
    0x1.bcc1e904bc1d2p+0,
    0x1.c199bdd85529cp+0,
    0x1.c67f12e57d14bp+0,
    0x1.cb720dcef9069p+0,
    0x1.d072d4a07897cp+0,
    0x1.d5818dcfba487p+0,
    0x1.da9e603db3285p+0,
    0x1.dfc97337b9b5fp+0,
    0x1.e502ee78b3ff6p+0,
    0x1.ea4afa2a490dap+0,
    0x1.efa1bee615a27p+0,
    0x1.f50765b6e454p+0,
    0x1.fa7c1819e90d8p+0,
};
// (2^f - 1) / f
constexpr double kExp2Polynomial[] = {
    0x1.62e42fefa39efp-1, 0x1.ebfbdff82ac52p-3,  0x1.c6b08d70496c1p-5,
    0x1.3b2ad0385b409p-7, 0x1.5d8812769ed72p-10,
};
// Its unit in the last place is 1/64: adding it rounds y to a multiple of
// 1/64, whose number of 64ths lands in the low bits, two's complement.
constexpr double kExp2Shift = 0x1.8p46;

// x positive and finite; denormals too.
double log2OfPositive(float x) {
    // Widening to double is exact and makes a denormal a normal number.
    const std::uint64_t bits = bitsOf(static_cast<double>(x));
    const std::uint64_t fromOffset = bits - kLog2Offset; // modulo 2^64
    // The top 12 bits hold k as a 12-bit two's complement number.
    const int k = static_cast<int>((fromOffset >> 52) ^ 0x800) - 0x800;
    const std::uint64_t index = (fromOffset >> (52 - kLog2IndexBits)) & ((1 << kLog2IndexBits) - 1);
    const Log2Entry& entry = kLog2Table[index];
    const double z = doubleOf(bits - (fromOffset & 0xFFF0000000000000));
    const double r = z * entry.invc - 1.0;
    return (static_cast<double>(k) + entry.log2OfInverse) + r * polynomial(kLog2Polynomial, r);
}

// 2^y for y finite.
double twoToThe(double y) {
    // Below 2^-160 every power rounds to float zero and above 2^140 to
    // infinity; the bounds keep the exponent built below in range.
    y = y < -160.0 ? -160.0 : y;
    y = y > 140.0 ? 140.0 : y;
    const double shifted = y + kExp2Shift;
    const std::uint64_t steps = bitsOf(shifted);
    const double f = y - (shifted - kExp2Shift);
    // Past the index bits, the number of 64ths is the whole power of two to
    // add to the table entry's exponent. Both shifts drop kExp2Shift's own
    // bits, which are zero below bit 18.
    const std::uint64_t wholePower = (steps >> kExp2IndexBits) << 52;
    const double scale =
        doubleOf(bitsOf(kExp2Table[steps & ((1 << kExp2IndexBits) - 1)]) + wholePower);
    return scale + scale * (f * polynomial(kExp2Polynomial, f));
}

// A double beyond the float range has no float value in the language's
// terms; IEEE rounding sends it to infinity from halfway past the largest
// float on, and so does this.
float roundedToFloat(double power) {
    if (power >= 0x1.ffffffp127) {
        return std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(power);
}

// m positive and finite, p finite and not zero.
float magnitudePower(float m, float p) {
    return roundedToFloat(twoToThe(static_cast<double>(p) * log2OfPositive(m)));
}

// m zero or infinite, or p zero or infinite; neither a NaN: the limits.
float limitPower(float m, float p) {
    if (p == 0.0f || m == 1.0f) {
        return 1.0f;
    }
    // Zero counts as below 1 and infinity as above: 0^p and infinity^p for
    // finite p behave as m^infinity does for m below and above 1.
    return (m > 1.0f) == (p > 0.0f) ? std::numeric_limits<float>::infinity() : 0.0f;
}

// A NaN comes back quieted with its payload, whatever order a compiler
// would give an arithmetic operation on two of them.
float quieted(std::uint32_t nanBits) {
    return floatOf(nanBits | 0x400000);
}

bool isOrdinary(std::uint32_t magnitudeBits) {
    // Zero wraps round to the top: true for (0, infinity) alone.
    return magnitudeBits - 1u < 0x7F7FFFFFu;
}

} // namespace

void gammaPower3(float& r, float& g, float& b, float p) {
    if (p == 1.0f) {
        return;
    }
    if (!isOrdinary(bitsOf(p) & 0x7FFFFFFFu)) {
        r = gammaPower(r, p);
        g = gammaPower(g, p);
        b = gammaPower(b, p);
        return;
    }
    // Stage by stage over the three channels, so that their independent
    // chains of operations overlap; a channel that is zero, infinite or not
    // a number goes its own way, by the same rules, while its lane works on
    // a stand-in of 1.
    float* channels[3] = {&r, &g, &b};
    std::uint32_t bits[3];
    bool ordinary[3];
    double logs[3];
    for (int i = 0; i < 3; ++i) {
        bits[i] = bitsOf(*channels[i]);
        ordinary[i] = isOrdinary(bits[i] & 0x7FFFFFFFu);
    }
    for (int i = 0; i < 3; ++i) {
        logs[i] = log2OfPositive(ordinary[i] ? floatOf(bits[i] & 0x7FFFFFFFu) : 1.0f);
    }
    const double wideP = static_cast<double>(p);
    for (int i = 0; i < 3; ++i) {
        const float power = roundedToFloat(twoToThe(wideP * logs[i]));
        *channels[i] = ordinary[i] ? floatOf(bitsOf(power) | (bits[i] & 0x80000000u))
                                   : gammaPower(*channels[i], p);
    }
}

float gammaPower(float x, float p) {
    // The channel itself, bit for bit, and at once: a new map (overall gamma
    // 1, no random span) raises to exactly 1.
    if (p == 1.0f) {
        return x;
    }
    const std::uint32_t xBits = bitsOf(x);
    const std::uint32_t sign = xBits & 0x80000000u;
    const std::uint32_t mBits = xBits & 0x7FFFFFFFu;
    const std::uint32_t pBits = bitsOf(p) & 0x7FFFFFFFu;
    float power;
    // Zero wraps round to the top: both in (0, infinity) on the way in.
    if (mBits - 1u < 0x7F7FFFFFu && pBits - 1u < 0x7F7FFFFFu) {
        power = magnitudePower(floatOf(mBits), p);
    } else if (mBits > 0x7F800000u) {
        return quieted(xBits);
    } else if (pBits > 0x7F800000u) {
        return quieted(bitsOf(p));
    } else {
        power = limitPower(floatOf(mBits), p);
    }
    // Odd in x: a channel below zero keeps its sign rather than turning into
    // a NaN, which the colour conversions would pass on or mistake for red.
    return floatOf(bitsOf(power) | sign);
}
