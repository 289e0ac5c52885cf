#pragma once

#include "host/HostApi.h"
#include "host/TimeValue.h"
#include "host/WindowsTypes.h"

// A closed span of the time line. The empty interval has both ends at the
// smallest time value and contains no time at all.
class HOST_API Interval {
  public:
    constexpr Interval() : start(TIME_NegInfinity), end(TIME_NegInfinity) {}
    constexpr Interval(TimeValue s, TimeValue e) : start(s), end(e) {}

    constexpr TimeValue Start() const { return start; }
    constexpr TimeValue End() const { return end; }

    void Set(TimeValue s, TimeValue e) {
        start = s;
        end = e;
    }
    void SetStart(TimeValue s) { start = s; }
    void SetEnd(TimeValue e) { end = e; }
    void SetEmpty() { start = end = TIME_NegInfinity; }
    void SetInfinite() {
        start = TIME_NegInfinity;
        end = TIME_PosInfinity;
    }
    void SetInstant(TimeValue t) { start = end = t; }

    constexpr BOOL Empty() const { return start == TIME_NegInfinity && end == TIME_NegInfinity; }
    constexpr BOOL InInterval(TimeValue t) const { return !Empty() && start <= t && t <= end; }
    constexpr BOOL InInterval(const Interval& other) const {
        return !other.Empty() && InInterval(other.start) && InInterval(other.end);
    }

    // The common part of two intervals; empty when they do not overlap.
    constexpr Interval operator&(const Interval& other) const {
        if (Empty() || other.Empty()) {
            return Interval();
        }
        TimeValue s = start > other.start ? start : other.start;
        TimeValue e = end < other.end ? end : other.end;
        return s <= e ? Interval(s, e) : Interval();
    }
    Interval& operator&=(const Interval& other) { return *this = *this & other; }

    constexpr bool operator==(const Interval& other) const {
        return start == other.start && end == other.end;
    }
    constexpr bool operator!=(const Interval& other) const { return !(*this == other); }

  private:
    TimeValue start;
    TimeValue end;
};

constexpr Interval NEVER(TIME_NegInfinity, TIME_NegInfinity);
constexpr Interval FOREVER(TIME_NegInfinity, TIME_PosInfinity);
