#pragma once

#include <climits>

// Time on the host's time line, in ticks.
using TimeValue = int;

constexpr TimeValue TIME_NegInfinity = INT_MIN;
constexpr TimeValue TIME_PosInfinity = INT_MAX;

// The time line runs at 4800 ticks a second and shows 30 frames a second.
constexpr TimeValue TIME_TICKSPERSEC = 4800;
inline int GetTicksPerFrame() {
    return TIME_TICKSPERSEC / 30;
}
