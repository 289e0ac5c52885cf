#include "shading/SeedHash.h"

#include <gtest/gtest.h>

namespace {

TEST(SeedHash, KnownSeeds) {
    struct Case {
        std::uint32_t key, seed, expected;
    };
    const Case cases[] = {
        {1u, 12345u, 4188539432u},
        {2u, 12345u, 820519762u},
        {3u, 99999u, 3153162096u}, // the products wrap modulo 2^32
        {0u, 12345u, 0u},
        {0u, 99999u, 0u},
        {0u, 1u, 0u},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(seedHash(c.key, c.seed), c.expected) << "key " << c.key << " seed " << c.seed;
    }
    static_assert(seedHash(1u, 12345u) == 4188539432u, "usable at compile time");
}

} // namespace
