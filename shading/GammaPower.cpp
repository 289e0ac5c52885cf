#include "shading/GammaPower.h"

#include <cmath>

float gammaPower(float x, float p) {
    return std::pow(x, p);
}
