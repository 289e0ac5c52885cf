#pragma once

#include "host/Point3.h"

// An affine transform: three rows of rotation and scale, and a row of translation.
class Matrix3 {
  public:
    Matrix3() { IdentityMatrix(); }

    void IdentityMatrix() {
        rows[0] = Point3(1.0f, 0.0f, 0.0f);
        rows[1] = Point3(0.0f, 1.0f, 0.0f);
        rows[2] = Point3(0.0f, 0.0f, 1.0f);
        rows[3] = Point3(0.0f, 0.0f, 0.0f);
    }
    bool IsIdentity() const {
        return rows[0] == Point3(1.0f, 0.0f, 0.0f) && rows[1] == Point3(0.0f, 1.0f, 0.0f) &&
               rows[2] == Point3(0.0f, 0.0f, 1.0f) && rows[3] == Point3(0.0f, 0.0f, 0.0f);
    }

    Point3 GetRow(int i) const { return rows[i]; }
    void SetRow(int i, const Point3& p) { rows[i] = p; }

  private:
    Point3 rows[4];
};
