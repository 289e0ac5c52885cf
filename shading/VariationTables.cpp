#include "shading/VariationTables.h"

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <new>

namespace {

bool sameBits(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

template <typename FactorOfDraw>
void VariationTables::rebuild(Factor& f, float occ, float rnd, float all,
                              FactorOfDraw factorOfDraw) {
    if (f.built && sameBits(f.occ, occ) && sameBits(f.rnd, rnd) && sameBits(f.all, all)) {
        return;
    }
    f.built = true;
    f.occ = occ;
    f.rnd = rnd;
    f.all = all;
    // With a zero span every draw gives factor * 0 + all: a signed zero
    // plus all, which is all itself unless all is -0 (then the zero's sign
    // would show through). The distribution factor is always finite.
    if (rnd == 0.0f && !(all == 0.0f && std::signbit(all))) {
        f.table.reset();
        f.isConstant = true;
        f.constant = factorOfDraw(0);
        return;
    }
    f.isConstant = false;
    if (!f.table) {
        f.table.reset(new (std::nothrow) float[kDraws]);
    }
    if (!f.table) {
        f.built = false; // try again at the next update
        return;
    }
    for (int draw = 0; draw < kDraws; ++draw) {
        f.table[draw] = factorOfDraw(draw);
    }
}

void VariationTables::Rebuild(const ColorVariation& v) {
    rebuild(exponent, v.occGamma, v.rndGamma, v.allGamma,
            [&v](int draw) { return gammaExponent(v, draw); });
    rebuild(turns, v.occHue, v.rndHue, v.allHue, [&v](int draw) { return hueShift(v, draw); });
    rebuild(saturation, v.occSat, v.rndSat, v.allSat,
            [&v](int draw) { return saturationScale(v, draw); });
}

FactorLookup VariationTables::lookup(const Factor& f) {
    FactorLookup l;
    if (!f.built) {
        return l;
    }
    l.table = f.isConstant ? nullptr : f.table.get();
    l.isConstant = f.isConstant;
    l.constant = f.constant;
    return l;
}

VariationLookups VariationTables::Lookups() const {
    return VariationLookups{lookup(exponent), lookup(turns), lookup(saturation)};
}

std::size_t VariationTables::MemoryUsed() const {
    std::size_t bytes = 0;
    for (const Factor* f : {&exponent, &turns, &saturation}) {
        if (f->table) {
            bytes += kDraws * sizeof(float);
        }
    }
    return bytes;
}
