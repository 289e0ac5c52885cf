#include "host/ColorConversion.h"

#include <cfloat>
#include <cmath>

Color RGBtoHSV(Color rgb) {
    float maxc = rgb.r;
    if (rgb.g > maxc) {
        maxc = rgb.g;
    }
    if (rgb.b > maxc) {
        maxc = rgb.b;
    }
    float minc = rgb.r;
    if (rgb.g < minc) {
        minc = rgb.g;
    }
    if (rgb.b < minc) {
        minc = rgb.b;
    }
    const float delta = maxc - minc;

    // A colour without a positive component has no chroma in this model:
    // it is a grey of its value.
    float saturation = 0.0f;
    if (maxc > 0.0f && delta > 0.0f) {
        saturation = delta / maxc;
        // A negative component can push the ratio past any float.
        if (saturation > FLT_MAX) {
            saturation = FLT_MAX;
        }
    }

    float hue = 0.0f;
    if (saturation > 0.0f && delta < INFINITY) {
        if (rgb.r == maxc) {
            hue = (rgb.g - rgb.b) / delta;
        } else if (rgb.g == maxc) {
            hue = 2.0f + (rgb.b - rgb.r) / delta;
        } else {
            hue = 4.0f + (rgb.r - rgb.g) / delta;
        }
        hue = hue / 6.0f;
        if (hue < 0.0f) {
            hue = hue + 1.0f;
        }
        if (std::isnan(hue)) { // a component that is not a number
            hue = 0.0f;
        }
    }
    return Color(hue, saturation, maxc);
}

Color HSVtoRGB(Color hsv) {
    const float hue = hsv.r;
    const float saturation = hsv.g;
    const float value = hsv.b;
    if (!(saturation > 0.0f)) {
        return Color(value, value, value);
    }

    // Sector 0 to 6 around the wheel; any hue outside one turn is brought back
    // into it, and a hue that is not a number counts as red.
    float sector = hue * 6.0f;
    if (!(sector >= 0.0f && sector < 6.0f)) {
        sector = sector - 6.0f * std::floor(sector / 6.0f);
        if (!(sector >= 0.0f && sector < 6.0f)) {
            sector = 0.0f;
        }
    }
    const int index = static_cast<int>(sector);
    const float fraction = sector - static_cast<float>(index);

    const float p = value * (1.0f - saturation);
    const float q = value * (1.0f - saturation * fraction);
    const float t = value * (1.0f - saturation * (1.0f - fraction));
    // Which of value, t, p and q each channel takes in each sector: picked
    // by index rather than by a branch, since shifted hues land in any
    // sector at random.
    static constexpr unsigned char kPick[6][3] = {
        {0, 1, 2}, {3, 0, 2}, {2, 0, 1}, {2, 3, 0}, {1, 2, 0}, {0, 2, 3},
    };
    const float candidates[4] = {value, t, p, q};
    const unsigned char* pick = kPick[index];
    return Color(candidates[pick[0]], candidates[pick[1]], candidates[pick[2]]);
}
