#include "shading/DistributionFactor.h"

#include "shading/Generator.h"

float distributionFactor(float d, int n) {
    // The scaling of the draw and the two end tests are the only steps taken
    // in double precision; every other step rounds to single precision.
    const float u = static_cast<float>(n * (1.0 / 32767.0));
    const double wide = d;
    if (wide < 0.00001) {
        return -1.0f;
    }
    if (wide > 0.99999) {
        return 1.0f;
    }
    const float k = 1.0f - d;
    if (u >= k) {
        return ((((u - 1.0f) / d) * k) + 1.0f) * 2.0f - 1.0f;
    }
    return (((d / k) * u) * 2.0f) - 1.0f;
}

float distributionFactor(float d) {
    return distributionFactor(d, drawGenerator());
}
