#pragma once

// x raised to the power p, single precision. The gamma step's one power
// function, the same on every build.
float gammaPower(float x, float p);
