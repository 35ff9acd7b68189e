#include "CosineDispatch.h"
#include "ParallelParts.h"
#include "Spectrum.h"

#include <array>
#include <cmath>

namespace {

// Each thread takes whole groups of this many coefficients: the widest lane block of any
// kernel, so that no lane is computed twice.
constexpr std::size_t kCoefficientsPerGroup = 16;

}  // namespace

void CosineTransformMagnitudes(std::span<const double, ANALYSIS_LENGTH> samples,
                               std::span<double, ANALYSIS_LENGTH> magnitudes)
{
    const CosineKernels& kernels = KernelsOf(ActiveCosinePath());
    std::array<double, ANALYSIS_LENGTH> sums{};
    // Every coefficient is summed by one thread alone, over n in order, so the number of
    // threads changes no bit of the result.
    RunInParts(ANALYSIS_LENGTH, kCoefficientsPerGroup, TransformThreadCount(),
               [&](std::size_t kBegin, std::size_t kEnd) {
                   kernels.directSums(samples.data(), sums.data(), kBegin, kEnd);
               });
    for (std::size_t k = 0; k < ANALYSIS_LENGTH; ++k) {
        double sum = sums[k];
        if (k == 0)
            sum = sum * DC_FACTOR;
        magnitudes[k] = std::fabs(sum * COEFF_SCALE);
    }
}
