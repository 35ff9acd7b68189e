#pragma once

#include <cstddef>
#include <cstdint>

// The cosine of every lane of a vector of doubles, for the transform's direct sums.
//
// Written once over the compiler's generic vector types and compiled separately for each
// instruction set (CosineKernelsAvx512.cpp, CosineKernelsAvx2.cpp, CosineKernelsPortable.cpp).
// It uses only additions, subtractions, multiplications and bit operations, each rounded as
// written, never a fused multiply-add: so every instruction set, and the scalar code of any
// other processor, gives the same bits for the same angle.
//
// Accuracy: below 0.8 ulp against a quadruple-precision cosine over all 19,448,100 angles of
// the transform (bench/CosineAccuracy.cpp measures it); the C library's scalar cos is below
// 0.52 ulp there. glibc's vector cosines (libmvec) are faster per call, but reach 3.5 ulp and
// are one ulp or more off on 30% of these angles, and a processor without them would fall back
// to other bits. The hard angles are many: with pi shortened to 3.141592653589, every angle
// with (2n + 1) * k a multiple of 4410 lies within 4e-9 of a multiple of pi/2 (the closest
// within 4e-13); at the odd multiples the cosine is that small, and the reduction must keep
// every bit of it.
//
// Domain: 0 <= |angle| <= 25000 (the transform needs 0 to 13,850). Beyond it the exact
// products of the reduction are no longer exact.
//
// Method: q is the nearest multiple of pi/2, r = angle - q * pi/2 in [-pi/4, pi/4] is carried
// as rHigh + rLow (pi/2 in three parts, the first two short enough that q times them is exact),
// and cos(angle) is +-cos r or +-sin r by q mod 4. Both are minimax polynomials in r^2 on
// [-pi/4, pi/4] (relative error 2^-57 for sin, 2^-62 for cos); each lane evaluates only the one
// that it needs, by picking its coefficients lane by lane in a single Horner chain.

// Every function here has internal linkage, so that each instruction set's file keeps its own
// copy and the linker can never hand one file's code to another.
namespace {

template <std::size_t Lanes>
struct DoubleVector {
    typedef double Values __attribute__((vector_size(8 * Lanes)));
    typedef std::uint64_t Bits __attribute__((vector_size(8 * Lanes)));
};

// Derived by bench/cosine_coefficients.py.
namespace cosine_constants {

constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
// 1.5 * 2^52 + 1: added to angle * 2/pi it rounds to an integer, q + 1, kept in the low bits.
constexpr double kQuarterTurnShifter = 0x1.8p52 + 1.0;
// pi/2 = kHalfPi1 + kHalfPi2 + kHalfPi3 to about 2^-130. The first has 39 significant bits and
// the second 37, so that q * kHalfPi1 and q * kHalfPi2 are exact for |q| < 2^14.
constexpr double kHalfPi1 = 0x1.921fb54444000p+0;
constexpr double kHalfPi2 = -0x1.2e7b967670000p-40;
constexpr double kHalfPi3 = -0x1.9d747f23e32edp-79;
// sin r = r + r^3 * S(r^2), cos r = 1 - r^2/2 + r^4 * C(r^2); coefficient i multiplies r^2i.
constexpr double kSine[6] = {-0x1.555555555554cp-3, 0x1.111111110fb4ap-7,  -0x1.a01a019c2fea4p-13,
                             0x1.71de356eb0de6p-19, -0x1.ae5e4bb84bc9dp-26, 0x1.5d87440c807b4p-33};
constexpr double kCosine[6] = {0x1.5555555555553p-5,  -0x1.6c16c16c16131p-10, 0x1.a01a019e24894p-16,
                               -0x1.27e4f903ab84cp-22, 0x1.1eea890e2e204p-29, -0x1.8ff9ad8c46497p-37};
constexpr std::uint64_t kSignBit = 0x8000000000000000u;

}  // namespace cosine_constants

template <std::size_t Lanes>
[[gnu::always_inline]] inline typename DoubleVector<Lanes>::Values Splat(double value)
{
    return typename DoubleVector<Lanes>::Values{} + value;
}

template <std::size_t Lanes>
[[gnu::always_inline]] inline typename DoubleVector<Lanes>::Values VectorCosine(
    typename DoubleVector<Lanes>::Values angle)
{
    using namespace cosine_constants;
    using Values = typename DoubleVector<Lanes>::Values;
    using Bits = typename DoubleVector<Lanes>::Bits;

    const Values shifted = angle * kTwoOverPi + kQuarterTurnShifter;
    const Values q = shifted - kQuarterTurnShifter;
    const Bits qPlusOne = __builtin_bit_cast(Bits, shifted);

    // angle - q * kHalfPi1 is exact: both lie within a factor of two of each other, or q is 0.
    // The rounding error of the second difference is recovered exactly (Fast2Sum: either the
    // difference is exact or |s| >= |q * kHalfPi2|).
    const Values s = angle - q * kHalfPi1;
    const Values qHalfPi2 = q * kHalfPi2;
    const Values rHigh = s - qHalfPi2;
    const Values rLow = ((s - rHigh) - qHalfPi2) - q * kHalfPi3;

    const Values z = rHigh * rHigh;
    const Values halfZ = z * 0.5;
    const Values w = 1.0 - halfZ;

    // Odd q needs the sine of r, even q the cosine.
    const auto sine = (qPlusOne & 1u) == 0u;
    Values c = sine ? Splat<Lanes>(kSine[5]) : Splat<Lanes>(kCosine[5]);
    for (int i = 4; i >= 0; --i)
        c = c * z + (sine ? Splat<Lanes>(kSine[i]) : Splat<Lanes>(kCosine[i]));

    // sin(rHigh + rLow) = rHigh + (rHigh * z * S(z) + rLow * (1 - z/2)),
    // cos(rHigh + rLow) = w + (z * z * C(z) + ((1 - w) - z/2) - rHigh * rLow),
    // where (1 - w) - z/2 is the rounding error of w.
    const Values base = sine ? rHigh : w;
    const Values factor = (sine ? rHigh : z) * z;
    const Values tail = sine ? rLow * w : ((1.0 - w) - halfZ) - rHigh * rLow;
    const Values magnitude = base + (factor * c + tail);

    // q mod 4 = 1 or 2 is negative: bit 1 of q + 1.
    const Bits negative = (qPlusOne << 62) & kSignBit;
    return __builtin_bit_cast(Values, __builtin_bit_cast(Bits, magnitude) ^ negative);
}

}  // namespace
