#pragma once

// Three single-precision components: red, green and blue, or in the HSV
// conversions hue, saturation and value.
class Color {
  public:
    float r, g, b;

    constexpr Color() : r(0.0f), g(0.0f), b(0.0f) {}
    constexpr Color(float rr, float gg, float bb) : r(rr), g(gg), b(bb) {}

    constexpr bool operator==(const Color& c) const { return r == c.r && g == c.g && b == c.b; }
    constexpr bool operator!=(const Color& c) const { return !(*this == c); }
};
