#pragma once

#include <cstdint>

// The random generator that picks sub-maps and tints: the host platform's
// runtime srand and rand, whose sequence fixes which image and which tint
// every key gets. Its state belongs to the calling thread, and every map of
// this class on a thread shares it, so that nested maps draw in the order the
// host's own runtime would.
//
// Windows builds call the runtime itself. Elsewhere the same linear
// congruential sequence is reproduced: state * 214013 + 2531011 modulo 2^32,
// each draw bits 16 to 30 of the new state (0 to 32767).

constexpr int kGeneratorMax = 32767;

#if defined(_WIN32)
#include <cstdlib>

inline void seedGenerator(std::uint32_t seed) {
    std::srand(seed);
}
inline int drawGenerator() {
    return std::rand();
}
#else

// A new thread starts as if seeded with 1, as the runtime's threads do.
inline thread_local std::uint32_t generatorState = 1;

inline void seedGenerator(std::uint32_t seed) {
    generatorState = seed;
}
inline int drawGenerator() {
    generatorState = generatorState * 214013u + 2531011u;
    return static_cast<int>((generatorState >> 16) & 0x7FFFu);
}
#endif
