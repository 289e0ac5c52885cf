#include "host/ShadeContext.h"

#include <cstdint>

#include <gtest/gtest.h>

namespace {

class PlainContext : public ShadeContext {
  public:
    INode* Node() override { return nullptr; }
    int FaceNumber() override { return 0; }
};

// Map identities only: the cache never looks behind the pointer.
Texmap* mapAt(int i) {
    return reinterpret_cast<Texmap*>(static_cast<std::uintptr_t>(16 * (i + 1)));
}

TEST(ShadeContext, CacheKeepsOneValuePerMapAndKind) {
    PlainContext sc;
    AColor c(9.0f, 9.0f, 9.0f, 9.0f);
    EXPECT_FALSE(sc.GetCache(mapAt(0), c));
    EXPECT_EQ(c, AColor(9.0f, 9.0f, 9.0f, 9.0f)) << "a miss leaves the value alone";

    sc.PutCache(mapAt(0), AColor(0.1f, 0.2f, 0.3f, 0.4f));
    sc.PutCache(mapAt(1), AColor(0.5f, 0.6f, 0.7f, 0.8f));
    sc.PutCache(mapAt(0), AColor(1.0f, 0.0f, 0.0f, 1.0f));
    ASSERT_TRUE(sc.GetCache(mapAt(0), c));
    EXPECT_EQ(c, AColor(1.0f, 0.0f, 0.0f, 1.0f));
    ASSERT_TRUE(sc.GetCache(mapAt(1), c));
    EXPECT_EQ(c, AColor(0.5f, 0.6f, 0.7f, 0.8f));

    Point3 p;
    EXPECT_FALSE(sc.GetCache(mapAt(0), p)) << "colours and vectors are kept apart";
    sc.PutCache(mapAt(0), Point3(1.0f, 2.0f, 3.0f));
    ASSERT_TRUE(sc.GetCache(mapAt(0), p));
    EXPECT_EQ(p, Point3(1.0f, 2.0f, 3.0f));

    sc.ResetCache();
    EXPECT_FALSE(sc.GetCache(mapAt(0), c));
    EXPECT_FALSE(sc.GetCache(mapAt(0), p));
}

TEST(ShadeContext, FullCacheReplacesTheOldestEntry) {
    PlainContext sc;
    for (int i = 0; i < 9; ++i) {
        sc.PutCache(mapAt(i), static_cast<float>(i));
    }
    float f = -1.0f;
    EXPECT_FALSE(sc.GetCache(mapAt(0), f));
    for (int i = 1; i < 9; ++i) {
        ASSERT_TRUE(sc.GetCache(mapAt(i), f));
        EXPECT_EQ(f, static_cast<float>(i));
    }
}

} // namespace
