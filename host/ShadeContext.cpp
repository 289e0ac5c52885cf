#include "host/ShadeContext.h"

template <typename Value>
bool ShadeContext::Cache<Value>::get(Texmap* map, Value& value) const {
    for (int i = 0; i < used; ++i) {
        if (maps[i] == map) {
            value = values[i];
            return true;
        }
    }
    return false;
}

template <typename Value>
void ShadeContext::Cache<Value>::put(Texmap* map, const Value& value) {
    for (int i = 0; i < used; ++i) {
        if (maps[i] == map) {
            values[i] = value;
            return;
        }
    }
    int slot = used;
    if (used < size) {
        ++used;
    } else {
        slot = next;
        next = (next + 1) % size;
    }
    maps[slot] = map;
    values[slot] = value;
}

Point3 ShadeContext::UVW(int) {
    return Point3();
}
Point3 ShadeContext::DUVW(int) {
    return Point3();
}
void ShadeContext::DUVWdXY(Point3& dx, Point3& dy, int channel) {
    const Point3 extent = DUVW(channel);
    dx = Point3(extent.x, 0.0f, 0.0f);
    dy = Point3(0.0f, extent.y, 0.0f);
}

BOOL ShadeContext::GetCache(Texmap* map, AColor& c) {
    return colorCache.get(map, c);
}
BOOL ShadeContext::GetCache(Texmap* map, float& f) {
    return monoCache.get(map, f);
}
BOOL ShadeContext::GetCache(Texmap* map, Point3& p) {
    return vectorCache.get(map, p);
}
void ShadeContext::PutCache(Texmap* map, const AColor& c) {
    colorCache.put(map, c);
}
void ShadeContext::PutCache(Texmap* map, const float f) {
    monoCache.put(map, f);
}
void ShadeContext::PutCache(Texmap* map, const Point3& p) {
    vectorCache.put(map, p);
}

void ShadeContext::ResetCache() {
    colorCache.reset();
    monoCache.reset();
    vectorCache.reset();
}
