#!/usr/bin/env python3
"""Prints the tables and polynomial coefficients of shading/GammaPower.cpp.

Run by hand when the method changes; the build never runs it. Needs mpmath
(Debian: python3-mpmath). Every constant is worked out at 200 bits and rounded
once to the nearest double (invc to the nearest float, see below), and the
error bounds printed beside the polynomials are measured on the rounded
coefficients.
"""
import struct

import mpmath as mp

mp.mp.prec = 200

LOG2_INDEX_BITS = 5  # 32 sub-intervals of the reduced mantissa
LOG2_OFFSET = 0x3F360000  # 0.7109375: reduced mantissas lie in [0.7109375, 1.421875)
LOG2_DEGREE = 8
EXP2_INDEX_BITS = 6  # 64 steps of 1/64
EXP2_DEGREE = 5


def float_of_bits(bits):
    return mp.mpf(struct.unpack("<f", struct.pack("<I", bits))[0])


def nearest_float(x):
    return mp.mpf(struct.unpack("<f", struct.pack("<f", float(x)))[0])


def hex_double(x):
    """C++ hexadecimal literal of the double nearest x, without trailing zeros."""
    mantissa, exponent = float(x).hex().split("p")
    return "%sp%s" % (mantissa.rstrip("0").rstrip("."), exponent)


def fit(g, lo, hi, terms):
    """Near-minimax (Chebyshev interpolation) coefficients of g, highest first, as doubles."""
    return [mp.mpf(float(c)) for c in mp.chebyfit(g, [lo, hi], terms)]


def worst_error(approx, exact, lo, hi, relative_to, samples=20000):
    worst = mp.mpf(0)
    for k in range(samples + 1):
        t = lo + (hi - lo) * k / samples
        if t == 0:
            continue
        worst = max(worst, abs(approx(t) - exact(t)) / abs(relative_to(t)))
    return worst


def log2_table():
    step = 1 << (23 - LOG2_INDEX_BITS)
    entries, r_lo, r_hi = [], mp.mpf(0), mp.mpf(0)
    for i in range(1 << LOG2_INDEX_BITS):
        lo = float_of_bits(LOG2_OFFSET + i * step)
        hi = float_of_bits(LOG2_OFFSET + (i + 1) * step - 1)
        # A float invc makes z * invc exact in double (24 + 24 bits). The
        # sub-interval holding 1 takes invc = 1, so that log2 of a power of
        # two comes out exact.
        invc = mp.mpf(1) if lo <= 1 <= hi else nearest_float(2 / (lo + hi))
        entries.append((invc, -mp.log(invc, 2)))
        r_lo, r_hi = min(r_lo, lo * invc - 1), max(r_hi, hi * invc - 1)
    return entries, r_lo, r_hi


def main():
    entries, r_lo, r_hi = log2_table()
    log2_over_r = lambda r: mp.log(1 + r, 2) / r if r != 0 else 1 / mp.log(2)
    a = fit(log2_over_r, r_lo, r_hi, LOG2_DEGREE)
    log_err = worst_error(
        lambda r: r * mp.polyval(a, r),
        lambda r: mp.log(1 + r, 2),
        r_lo,
        r_hi,
        lambda r: mp.log(1 + r, 2),
    )
    print("// log2 table: {invc, log2(1 / invc)}")
    for invc, logc in entries:
        print("    {%s, %s}," % (hex_double(invc), hex_double(logc)))
    print("// r in [%s, %s]; relative error of r * P(r): %.3g (2^%.1f)"
          % (mp.nstr(r_lo, 8), mp.nstr(r_hi, 8), float(log_err), float(mp.log(log_err, 2))))
    print("// log2(1 + r) / r, constant term first:")
    for c in reversed(a):
        print("    %s," % hex_double(c))

    steps = 1 << EXP2_INDEX_BITS
    half = mp.mpf(1) / (2 * steps)
    print("// exp2 table: 2^(j / %d)" % steps)
    for j in range(steps):
        print("    %s," % hex_double(mp.power(2, mp.mpf(j) / steps)))
    exp2m1_over_f = lambda f: (mp.power(2, f) - 1) / f if f != 0 else mp.log(2)
    b = fit(exp2m1_over_f, -half, half, EXP2_DEGREE)
    exp_err = worst_error(
        lambda f: 1 + f * mp.polyval(b, f),
        lambda f: mp.power(2, f),
        -half,
        half,
        lambda f: mp.power(2, f),
    )
    print("// f in [-1/%d, 1/%d]; relative error of 1 + f * Q(f): %.3g (2^%.1f)"
          % (2 * steps, 2 * steps, float(exp_err), float(mp.log(exp_err, 2))))
    print("// (2^f - 1) / f, constant term first:")
    for c in reversed(b):
        print("    %s," % hex_double(c))


if __name__ == "__main__":
    main()
