#pragma once

#include "host/ShadeContext.h"

#include <cmath>
#include <functional>
#include <string>

#include <OpenImageIO/typedesc.h>

// A folder of its own under the system's temporary folder, removed with
// everything in it.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path(const std::string& name) const { return dir + "/" + name; }

  private:
    std::string dir;
};

// The value of channel c of the texel in column x (from the left) and row y
// (from the top).
using TexelFunction = std::function<float(int x, int y, int c)>;

// Writes an image in the format its extension names; false when it fails.
// Colours with alpha are taken as premultiplied, as the image library keeps them.
bool writeImage(const std::string& path, int width, int height, int channels,
                const TexelFunction& texel, OIIO::TypeDesc type = OIIO::TypeDesc::UINT8);

bool writeBytes(const std::string& path, const std::string& bytes);

// One shading sample at given texture coordinates with a given footprint.
class TexelContext : public ShadeContext {
  public:
    INode* Node() override { return nullptr; }
    int FaceNumber() override { return 0; }
    Point3 UVW(int) override { return uvw; }
    Point3 DUVW(int) override {
        return Point3(std::abs(dx.x) + std::abs(dy.x), std::abs(dx.y) + std::abs(dy.y), 0.0f);
    }
    void DUVWdXY(Point3& x, Point3& y, int) override {
        x = dx;
        y = dy;
    }

    // At (u, v) with a footprint of du by dv, axis-aligned.
    void at(float u, float v, float du = 0.0f, float dv = 0.0f) {
        uvw = Point3(u, v, 0.0f);
        dx = Point3(du, 0.0f, 0.0f);
        dy = Point3(0.0f, dv, 0.0f);
        ResetCache();
    }

    Point3 uvw;
    Point3 dx;
    Point3 dy;
};
