#pragma once

#include "host/AColor.h"
#include "host/HostApi.h"
#include "host/Point3.h"
#include "host/WindowsTypes.h"

class INode;
class Texmap;

// What the renderer knows about one shading sample, handed to every map that
// the sample evaluates. Each context also keeps a small cache of map results,
// so that a map evaluated several times for one sample is computed once.
class HOST_API ShadeContext {
  public:
    ShadeContext() = default;
    virtual ~ShadeContext() = default;

    // The material number of the face being shaded.
    int mtlNum = 0;

    virtual INode* Node() = 0;
    virtual int FaceNumber() = 0;
    // Texture coordinates of the sample and their change across one pixel:
    // DUVW gives the extent along each axis, DUVWdXY the change from this
    // pixel to the next one along the image's x and along its y, which also
    // tells a filter the footprint's shape. Unless the renderer knows
    // better, the footprint is the box that DUVW spans.
    virtual Point3 UVW(int channel = 1);
    virtual Point3 DUVW(int channel = 1);
    virtual void DUVWdXY(Point3& dx, Point3& dy, int channel = 1);
    virtual void SetGBufferID(int gbid) { gBufferId = gbid; }
    int GBufferID() const { return gBufferId; }

    // True fills the value with what map stored for this sample.
    virtual BOOL GetCache(Texmap* map, AColor& c);
    virtual BOOL GetCache(Texmap* map, float& f);
    virtual BOOL GetCache(Texmap* map, Point3& p);
    virtual void PutCache(Texmap* map, const AColor& c);
    virtual void PutCache(Texmap* map, const float f);
    virtual void PutCache(Texmap* map, const Point3& p);

    // Forgets every cached value: the renderer calls it between samples.
    void ResetCache();

  private:
    template <typename Value>
    struct Cache {
        static constexpr int size = 8;
        Texmap* maps[size] = {};
        Value values[size] = {};
        int used = 0;
        int next = 0; // slot overwritten when the cache is full

        bool get(Texmap* map, Value& value) const;
        void put(Texmap* map, const Value& value);
        void reset() { used = next = 0; }
    };

    Cache<AColor> colorCache;
    Cache<float> monoCache;
    Cache<Point3> vectorCache;
    int gBufferId = 0;
};
