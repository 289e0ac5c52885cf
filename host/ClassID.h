#pragma once

#include "host/WindowsTypes.h"

// Identifies a plug-in class: two 32-bit words, unique together.
class Class_ID {
  public:
    constexpr Class_ID() : a(0xFFFFFFFF), b(0xFFFFFFFF) {}
    constexpr Class_ID(ULONG aa, ULONG bb) : a(aa), b(bb) {}

    constexpr ULONG PartA() const { return a; }
    constexpr ULONG PartB() const { return b; }

    constexpr bool operator==(const Class_ID& other) const { return a == other.a && b == other.b; }
    constexpr bool operator!=(const Class_ID& other) const { return !(*this == other); }
    constexpr bool operator<(const Class_ID& other) const {
        return a < other.a || (a == other.a && b < other.b);
    }

  private:
    ULONG a;
    ULONG b;
};

// Identifies the family a class belongs to (texture maps, materials, ...).
using SClass_ID = ULONG;

constexpr SClass_ID TEXMAP_CLASS_ID = 0xC10;
