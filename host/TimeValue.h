#pragma once

#include <climits>

// Time on the host's time line, in ticks.
using TimeValue = int;

constexpr TimeValue TIME_NegInfinity = INT_MIN;
constexpr TimeValue TIME_PosInfinity = INT_MAX;
