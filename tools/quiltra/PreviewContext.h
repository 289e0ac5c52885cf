#pragma once

#include "host/INode.h"
#include "host/ShadeContext.h"
#include "tools/quiltra/PreviewScene.h"

// The shading sample of one preview pixel: its tile's object, face and
// material ID, the texture coordinates and their change across the pixel.
class PreviewContext : public ShadeContext {
  public:
    void Aim(const ScenePoint& p) {
        ResetCache();
        point = p;
        node.handle = p.objectHandle;
        mtlNum = p.materialId;
    }
    INode* Node() override { return &node; }
    int FaceNumber() override { return point.face; }
    Point3 UVW(int) override { return Point3(point.u, point.v, 0.0f); }
    Point3 DUVW(int) override { return Point3(point.dudx, point.dvdy, 0.0f); }
    void DUVWdXY(Point3& dx, Point3& dy, int) override {
        dx = Point3(point.dudx, 0.0f, 0.0f);
        dy = Point3(0.0f, -point.dvdy, 0.0f); // image y runs down, texture v up
    }

  private:
    class TileNode : public INode {
      public:
        ULONG GetHandle() override { return handle; }
        ULONG handle = 0;
    };
    ScenePoint point;
    TileNode node;
};
