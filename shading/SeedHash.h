#pragma once

#include <cstdint>

// The generator's seed for one sample: the key scaled by the user's seed, then
// mixed by a cubic hash. Unsigned 32-bit arithmetic throughout, so every
// product keeps its low 32 bits on every platform.
constexpr std::uint32_t seedHash(std::uint32_t key, std::uint32_t seed) {
    const std::uint32_t d = key * seed;
    return d * (d * d * 15731u + 789221u);
}
