#include "tools/samples/SampleTextures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

#include <OpenImageIO/imagebuf.h>

namespace {

constexpr float kTwoPi = 6.2831853f;

struct Rgb {
    float r, g, b;
};

Rgb mix(Rgb a, Rgb b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb scale(Rgb c, float f) {
    return {c.r * f, c.g * f, c.b * f};
}

float hash(int x, int y, int seed) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2147483647u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<float>((h ^ (h >> 16)) & 0xFFFFFFu) / 16777216.0f;
}

int wrap(int i, int period) {
    return ((i % period) + period) % period;
}

// Value noise on a lattice of period cells across the unit square, so that
// the textures tile: 0 to 1, smooth between lattice points.
float noise(float x, float y, int period, int seed) {
    const float fx = x * static_cast<float>(period);
    const float fy = y * static_cast<float>(period);
    const int ix = static_cast<int>(std::floor(fx));
    const int iy = static_cast<int>(std::floor(fy));
    const float tx = fx - static_cast<float>(ix);
    const float ty = fy - static_cast<float>(iy);
    const float sx = tx * tx * (3.0f - 2.0f * tx);
    const float sy = ty * ty * (3.0f - 2.0f * ty);
    auto at = [&](int dx, int dy) {
        return hash(wrap(ix + dx, period), wrap(iy + dy, period), seed);
    };
    const float top = at(0, 0) + (at(1, 0) - at(0, 0)) * sx;
    const float bottom = at(0, 1) + (at(1, 1) - at(0, 1)) * sx;
    return top + (bottom - top) * sy;
}

// Octaves of noise, each twice as fine and half as strong: 0 to 1.
float fbm(float x, float y, int period, int octaves, int seed) {
    float sum = 0.0f;
    float weight = 0.5f;
    float total = 0.0f;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * noise(x, y, period << o, seed + o);
        total += weight;
        weight *= 0.5f;
    }
    return sum / total;
}

// Rings across the board, bent by noise, with a fine grain along it.
Rgb wood(float x, float y, Rgb dark, Rgb light, float rings, int seed) {
    const float t = y * rings + 2.5f * fbm(x, y, 3, 4, seed);
    const float ring = 0.5f + 0.5f * std::sin(kTwoPi * t);
    const float grain = fbm(x * 0.25f, y, 48, 2, seed + 10);
    return scale(mix(dark, light, std::pow(ring, 0.6f)), 0.8f + 0.35f * grain);
}

Rgb oak(float x, float y) {
    return wood(x, y, {0.52f, 0.34f, 0.18f}, {0.82f, 0.64f, 0.42f}, 7.0f, 11);
}

Rgb walnut(float x, float y) {
    return wood(x, y, {0.20f, 0.12f, 0.07f}, {0.46f, 0.30f, 0.18f}, 13.0f, 23);
}

Rgb slate(float x, float y) {
    const float body = fbm(x, y, 4, 6, 31);
    const float layers = 0.5f + 0.5f * std::sin(kTwoPi * (5.0f * y + 1.5f * body));
    return scale({0.30f, 0.34f, 0.40f}, 0.6f + 0.6f * body + 0.12f * layers);
}

Rgb marble(float x, float y) {
    const float turbulence = fbm(x, y, 3, 5, 47);
    const float vein = std::fabs(std::sin(kTwoPi * (x + 2.0f * y + 1.8f * turbulence)));
    return mix({0.30f, 0.31f, 0.36f}, {0.94f, 0.93f, 0.90f}, std::pow(vein, 0.22f));
}

Rgb terracotta(float x, float y) {
    const Rgb base = scale({0.74f, 0.37f, 0.22f}, 0.8f + 0.35f * fbm(x, y, 6, 4, 59));
    return noise(x, y, 96, 61) > 0.82f ? scale(base, 0.55f) : base;
}

// Four by four small tiles in blues and greens, with light grout between.
Rgb mosaic(float x, float y) {
    constexpr int kTiles = 4;
    const float cx = x * kTiles;
    const float cy = y * kTiles;
    const float ex = cx - std::floor(cx);
    const float ey = cy - std::floor(cy);
    if (std::min(std::min(ex, 1.0f - ex), std::min(ey, 1.0f - ey)) < 0.04f) {
        return {0.86f, 0.85f, 0.80f};
    }
    const int ix = static_cast<int>(cx);
    const int iy = static_cast<int>(cy);
    const Rgb tile = mix({0.10f, 0.32f, 0.62f}, {0.18f, 0.62f, 0.52f}, hash(ix, iy, 71));
    return scale(tile, 0.85f + 0.25f * fbm(x, y, 16, 3, 73));
}

struct Pattern {
    SampleTexture texture;
    std::function<Rgb(float, float)> draw;
};

const std::vector<Pattern>& patterns() {
    static const std::vector<Pattern> all = {
        {{"01-oak.png", "light wood with bent rings"}, oak},
        {{"02-walnut.png", "dark wood with tight rings"}, walnut},
        {{"03-slate.png", "blue-grey layered stone"}, slate},
        {{"04-marble.png", "white marble with grey veins"}, marble},
        {{"05-terracotta.png", "speckled fired clay"}, terracotta},
        {{"06-mosaic.png", "small blue and green tiles"}, mosaic},
    };
    return all;
}

} // namespace

const std::vector<SampleTexture>& SampleTextureSet() {
    static const std::vector<SampleTexture> set = [] {
        std::vector<SampleTexture> textures;
        for (const Pattern& p : patterns()) {
            textures.push_back(p.texture);
        }
        return textures;
    }();
    return set;
}

bool WriteSampleTextures(const std::string& folder, int size, std::string& error) {
    for (const Pattern& p : patterns()) {
        OIIO::ImageBuf image(OIIO::ImageSpec(size, size, 3, OIIO::TypeDesc::UINT8));
        for (int row = 0; row < size; ++row) {
            for (int column = 0; column < size; ++column) {
                const Rgb c = p.draw((static_cast<float>(column) + 0.5f) / static_cast<float>(size),
                                     (static_cast<float>(row) + 0.5f) / static_cast<float>(size));
                const float pixel[3] = {c.r, c.g, c.b};
                image.setpixel(column, row, pixel);
            }
        }
        const std::string path = folder + "/" + p.texture.fileName;
        if (!image.write(path)) {
            error = "cannot write " + path + ": " + image.geterror();
            return false;
        }
    }
    return true;
}
