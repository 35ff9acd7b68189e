#pragma once

#include <cstddef>
#include <cstdint>

// One instruction set's version of the transform's inner work. Every version gives the same
// bits; they differ only in speed and in the processors that can run them.
struct CosineKernels {
    // sums[k] for kBegin <= k < kEnd: the sum over n = 0..4409, in that order, of
    // cos(((n + 0.5) * k) * ANGLE_STEP) * samples[n], each product rounded before it is added.
    void (*directSums)(const double* samples, double* sums, std::size_t kBegin, std::size_t kEnd);
    // cosines[i] = cos(angles[i]) for 0 <= |angles[i]| <= 25000.
    void (*cosines)(const double* angles, double* cosines, std::size_t count);
    // Evaluates the cosine of every angle of the direct sums for kBegin <= k < kEnd and returns
    // the exclusive or of their bit patterns: the cosines alone, without the sums.
    std::uint64_t (*transformCosineBits)(std::size_t kBegin, std::size_t kEnd);
};

// Every kernel takes this many coefficients at a time or fewer, so that ranges of whole
// groups of it never make two threads compute the same lane.
inline constexpr std::size_t kCoefficientGroup = 32;

// Plain vector code that any processor runs (SSE2 on x86-64).
extern const CosineKernels kPortableCosineKernels;

#ifdef TARVELIN_X86_KERNELS
extern const CosineKernels kAvx2CosineKernels;
extern const CosineKernels kAvx512CosineKernels;
#endif
