#include "host/Texmap.h"

#include "host/ShadeContext.h"

#include <cstdlib>
#include <cstring>

namespace {

// A sample of the viewport's bitmap: one texel of one tile of texture space,
// with no node, face or material of its own.
class ViewportContext : public ShadeContext {
  public:
    INode* Node() override { return nullptr; }
    int FaceNumber() override { return 0; }
    Point3 UVW(int) override { return uvw; }
    Point3 DUVW(int) override { return duvw; }

    Point3 uvw;
    Point3 duvw;
};

unsigned char toByte(float v) {
    const float clamped = v > 0.0f ? (v < 1.0f ? v : 1.0f) : 0.0f;
    return static_cast<unsigned char>(clamped * 255.0f + 0.5f);
}

} // namespace

float Texmap::EvalMono(ShadeContext& sc) {
    const AColor c = EvalColor(sc);
    return (c.r + c.g + c.b) / 3.0f;
}

BITMAPINFO* Texmap::GetVPDisplayDIB(TimeValue t, TexHandleMaker& thmaker, Interval& valid,
                                    BOOL mono, int forceW, int forceH) {
    const int width = forceW > 0 ? forceW : thmaker.Size();
    const int height = forceH > 0 ? forceH : thmaker.Size();
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096) {
        return nullptr;
    }
    valid = FOREVER;
    Update(t, valid);

    // 32 bits per pixel, bottom row first, as the viewport takes it.
    const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    auto* bitmap = static_cast<BITMAPINFO*>(std::malloc(sizeof(BITMAPINFOHEADER) + 4 * pixels));
    if (!bitmap) {
        return nullptr;
    }
    std::memset(&bitmap->bmiHeader, 0, sizeof(BITMAPINFOHEADER));
    bitmap->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bitmap->bmiHeader.biWidth = width;
    bitmap->bmiHeader.biHeight = height;
    bitmap->bmiHeader.biPlanes = 1;
    bitmap->bmiHeader.biBitCount = 32;
    bitmap->bmiHeader.biCompression = BI_RGB;
    bitmap->bmiHeader.biSizeImage = static_cast<DWORD>(4 * pixels);

    auto* out = reinterpret_cast<unsigned char*>(&bitmap->bmiColors[0]);
    ViewportContext sc;
    sc.duvw = Point3(1.0f / static_cast<float>(width), 1.0f / static_cast<float>(height), 0.0f);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            sc.ResetCache();
            sc.uvw = Point3((static_cast<float>(x) + 0.5f) / static_cast<float>(width),
                            (static_cast<float>(y) + 0.5f) / static_cast<float>(height), 0.0f);
            AColor c = EvalColor(sc);
            if (mono) {
                const float m = EvalMono(sc);
                c = AColor(m, m, m, c.a);
            }
            out[0] = toByte(c.b);
            out[1] = toByte(c.g);
            out[2] = toByte(c.r);
            out[3] = toByte(c.a);
            out += 4;
        }
    }
    return bitmap;
}
