#include "host/Interval.h"

#include <gtest/gtest.h>

namespace {

TEST(Interval, EmptyContainsNoTime) {
    EXPECT_TRUE(NEVER.Empty());
    EXPECT_FALSE(NEVER.InInterval(TIME_NegInfinity));
    EXPECT_FALSE(NEVER.InInterval(0));
    EXPECT_TRUE(Interval().Empty());
}

TEST(Interval, ForeverContainsEveryTime) {
    EXPECT_FALSE(FOREVER.Empty());
    EXPECT_TRUE(FOREVER.InInterval(TIME_NegInfinity));
    EXPECT_TRUE(FOREVER.InInterval(0));
    EXPECT_TRUE(FOREVER.InInterval(TIME_PosInfinity));
}

TEST(Interval, IntersectionIsTheCommonPart) {
    struct Case {
        Interval a, b, expected;
    };
    const Case cases[] = {
        {FOREVER, Interval(10, 20), Interval(10, 20)},
        {Interval(0, 15), Interval(10, 20), Interval(10, 15)},
        {Interval(0, 9), Interval(10, 20), NEVER},
        {Interval(5, 5), Interval(0, 10), Interval(5, 5)},
        {NEVER, FOREVER, NEVER},
        {FOREVER, NEVER, NEVER},
        {FOREVER, FOREVER, FOREVER},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.a & c.b, c.expected);
        Interval narrowed = c.a;
        narrowed &= c.b;
        EXPECT_EQ(narrowed, c.expected);
    }
}

TEST(Interval, InstantHoldsOneTime) {
    Interval i;
    i.SetInstant(160);
    EXPECT_TRUE(i.InInterval(160));
    EXPECT_FALSE(i.InInterval(159));
    EXPECT_FALSE(i.InInterval(161));
}

} // namespace
