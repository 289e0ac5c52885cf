#pragma once

// A point or vector in three dimensions, single precision.
class Point3 {
  public:
    float x, y, z;

    constexpr Point3() : x(0.0f), y(0.0f), z(0.0f) {}
    constexpr Point3(float xx, float yy, float zz) : x(xx), y(yy), z(zz) {}

    constexpr float operator[](int i) const { return i == 0 ? x : (i == 1 ? y : z); }
    constexpr Point3 operator+(const Point3& p) const { return Point3(x + p.x, y + p.y, z + p.z); }
    constexpr Point3 operator-(const Point3& p) const { return Point3(x - p.x, y - p.y, z - p.z); }
    constexpr Point3 operator*(float f) const { return Point3(x * f, y * f, z * f); }
    constexpr bool operator==(const Point3& p) const { return x == p.x && y == p.y && z == p.z; }
    constexpr bool operator!=(const Point3& p) const { return !(*this == p); }
};
