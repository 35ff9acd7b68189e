#pragma once

#include "CosineKernels.h"
#include "SpectrumConstants.h"
#include "VectorCosine.h"

// The loops around VectorCosine, instantiated once per instruction set with its vector width.
// Each lane owns one coefficient k and runs through n in increasing order, so the lanes and
// their grouping change no sum. Internal linkage, like VectorCosine.
namespace {

// Lanes of `Lanes` doubles, `Unroll` vectors at a time so that the processor overlaps their
// independent chains. Lanes past kEnd take k = 0 and are not stored.
template <std::size_t Lanes, std::size_t Unroll>
struct LaneBlock {
    static constexpr std::size_t kWidth = Lanes * Unroll;
    static_assert(kCoefficientGroup % kWidth == 0);
    using Values = typename DoubleVector<Lanes>::Values;

    Values k[Unroll] = {};
    // (n + 0.5) * k, kept exactly by adding k once per n: every value is a multiple of 0.5
    // below 2^25.
    Values m[Unroll] = {};

    LaneBlock(std::size_t kFirst, std::size_t kEnd)
    {
        for (std::size_t u = 0; u < Unroll; ++u) {
            double lanes[Lanes];
            for (std::size_t i = 0; i < Lanes; ++i) {
                const std::size_t lane = kFirst + u * Lanes + i;
                lanes[i] = lane < kEnd ? static_cast<double>(lane) : 0.0;
            }
            __builtin_memcpy(&k[u], lanes, sizeof lanes);
            m[u] = k[u] * 0.5;
        }
    }

    [[gnu::always_inline]] Values NextCosine(std::size_t u)
    {
        const Values cosine = VectorCosine<Lanes>(m[u] * ANGLE_STEP);
        m[u] = m[u] + k[u];
        return cosine;
    }
};

template <std::size_t Lanes, std::size_t Unroll>
void DirectSums(const double* samples, double* sums, std::size_t kBegin, std::size_t kEnd)
{
    using Block = LaneBlock<Lanes, Unroll>;
    for (std::size_t kFirst = kBegin; kFirst < kEnd; kFirst += Block::kWidth) {
        Block block(kFirst, kEnd);
        typename Block::Values sum[Unroll] = {};
        for (std::size_t n = 0; n < ANALYSIS_LENGTH; ++n) {
            // Unrolled, so that the sums and angles stay in registers.
#pragma GCC unroll 8
            for (std::size_t u = 0; u < Unroll; ++u)
                sum[u] = sum[u] + block.NextCosine(u) * samples[n];
        }
        for (std::size_t j = 0; j < Block::kWidth && kFirst + j < kEnd; ++j)
            sums[kFirst + j] = sum[j / Lanes][j % Lanes];
    }
}

template <std::size_t Lanes, std::size_t Unroll>
std::uint64_t TransformCosineBits(std::size_t kBegin, std::size_t kEnd)
{
    using Block = LaneBlock<Lanes, Unroll>;
    using Bits = typename DoubleVector<Lanes>::Bits;
    std::uint64_t folded = 0;
    for (std::size_t kFirst = kBegin; kFirst < kEnd; kFirst += Block::kWidth) {
        Block block(kFirst, kEnd);
        Bits fold[Unroll] = {};
        for (std::size_t n = 0; n < ANALYSIS_LENGTH; ++n) {
            // Unrolled, so that the sums and angles stay in registers.
#pragma GCC unroll 8
            for (std::size_t u = 0; u < Unroll; ++u)
                fold[u] = fold[u] ^ __builtin_bit_cast(Bits, block.NextCosine(u));
        }
        for (std::size_t j = 0; j < Block::kWidth && kFirst + j < kEnd; ++j)
            folded ^= fold[j / Lanes][j % Lanes];
    }
    return folded;
}

template <std::size_t Lanes>
void CosinesOfAngles(const double* angles, double* cosines, std::size_t count)
{
    using Values = typename DoubleVector<Lanes>::Values;
    for (std::size_t first = 0; first < count; first += Lanes) {
        Values angle{};
        for (std::size_t i = 0; i < Lanes && first + i < count; ++i)
            angle[i] = angles[first + i];
        const Values cosine = VectorCosine<Lanes>(angle);
        for (std::size_t i = 0; i < Lanes && first + i < count; ++i)
            cosines[first + i] = cosine[i];
    }
}

template <std::size_t Lanes, std::size_t Unroll>
constexpr CosineKernels MakeCosineKernels()
{
    return {&DirectSums<Lanes, Unroll>, &CosinesOfAngles<Lanes>, &TransformCosineBits<Lanes, Unroll>};
}

}  // namespace
