#pragma once

#include "host/Color.h"

// A colour with alpha: four single-precision components.
class AColor {
  public:
    float r, g, b, a;

    constexpr AColor() : r(0.0f), g(0.0f), b(0.0f), a(0.0f) {}
    constexpr AColor(float rr, float gg, float bb, float aa = 1.0f) : r(rr), g(gg), b(bb), a(aa) {}
    constexpr AColor(const Color& c, float aa = 1.0f) : r(c.r), g(c.g), b(c.b), a(aa) {}

    // Brings every component into 0 to 1. A component that is not a number
    // becomes 0, so that the result is always a valid colour.
    void ClampMinMax() {
        r = clampUnit(r);
        g = clampUnit(g);
        b = clampUnit(b);
        a = clampUnit(a);
    }

    constexpr bool operator==(const AColor& c) const {
        return r == c.r && g == c.g && b == c.b && a == c.a;
    }
    constexpr bool operator!=(const AColor& c) const { return !(*this == c); }

  private:
    static constexpr float clampUnit(float v) { return v > 0.0f ? (v < 1.0f ? v : 1.0f) : 0.0f; }
};
