#pragma once

// Leans a random draw to one side. d is the distribution as a fraction: the
// share 1 - d of the draws spreads evenly over the factors from -1 up to
// 2d - 1, the share d over those from 2d - 1 up to 1. So 0.5 gives an even
// spread over -1 to 1, and d near 0 or near 1 pins the factor to -1 or 1.

// The factor for draw n (0 to 32767) of the generator.
float distributionFactor(float d, int n);

// Makes exactly one draw of the calling thread's generator, whatever d is.
float distributionFactor(float d);
