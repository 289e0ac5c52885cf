#pragma once

#include "shading/ColorVariation.h"

#include <memory>

// One factor of the variation (the exponent, the hue shift or the saturation)
// as shading looks it up for a draw: from a table of all 32768 draws, as one
// value when the factor does not depend on the draw, or, when neither is
// set, worked out from the variation's values.
struct FactorLookup {
    const float* table = nullptr;
    bool isConstant = false;
    float constant = 0.0f;
};

struct VariationLookups {
    FactorLookup exponent;
    FactorLookup turns;
    FactorLookup saturation;
};

// The tables of one map, kept by its update. A factor costs a table of
// 32768 floats (128 KiB) only while its random span is non-zero, and is only
// worked out again when one of its three values changed.
class VariationTables {
  public:
    static constexpr int kDraws = 32768;

    // Brings the tables in line with v. Where a table cannot be allocated
    // its factor is left to be worked out per sample: the results are the
    // same, only slower.
    void Rebuild(const ColorVariation& v);
    VariationLookups Lookups() const;
    // Bytes held by the tables now.
    std::size_t MemoryUsed() const;

  private:
    struct Factor {
        std::unique_ptr<float[]> table;
        bool isConstant = false;
        float constant = 0.0f;
        bool built = false;
        float occ = 0.0f, rnd = 0.0f, all = 0.0f; // what it was built from
    };
    template <typename FactorOfDraw>
    static void rebuild(Factor& f, float occ, float rnd, float all, FactorOfDraw factorOfDraw);
    static FactorLookup lookup(const Factor& f);

    Factor exponent, turns, saturation;
};
