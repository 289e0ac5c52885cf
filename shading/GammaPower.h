#pragma once

// x raised to the power p, single precision: the gamma step's one power
// function, giving the same bits on every build since it calls nothing of
// the maths library.
//
// Within 1 ulp of the exact power for every x and p; in fact the nearest
// float, but where the exact power lies within 2^-43 (relative) of a point
// halfway between two floats. A power that is a float itself comes out
// exact: p = 1 gives x bit for bit, 0^p = 0 for p > 0, 1^p = 1, 0.25^0.5 =
// 0.5. Denormal x and p are ordinary numbers.
//
// The limits where x or p is zero or infinite: x^0 = 1 (0 and infinity
// included); 0^p is 0 for p > 0 and infinity for p < 0; infinity^p is
// infinity for p > 0 and 0 for p < 0; x^infinity is 1 for x = 1, and 0 or
// infinity as x lies below or above 1 (x^-infinity the other way round).
//
// Odd in x: gammaPower(-x, p) is -gammaPower(x, p), for -0 and -infinity
// too, so a channel below zero keeps its sign instead of becoming a NaN.
// A NaN in x or p gives a quiet NaN with x's payload, or else p's; but p = 1
// returns x as it is.
float gammaPower(float x, float p);

// The same power of three channels at once, each exactly as gammaPower
// gives it; faster, since the three are worked out side by side.
void gammaPower3(float& r, float& g, float& b, float p);
