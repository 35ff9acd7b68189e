#include "CosineDispatch.h"
#include "ParallelParts.h"
#include "Spectrum.h"

#include <array>
#include <cmath>

void CosineTransformMagnitudes(std::span<const double, ANALYSIS_LENGTH> samples,
                               std::span<double, ANALYSIS_LENGTH> magnitudes)
{
    const CosineKernels& kernels = KernelsOf(ActiveCosinePath());
    std::array<double, ANALYSIS_LENGTH> sums{};
    // Every coefficient is summed by one thread alone, over n in order, so the number of
    // threads changes no bit of the result.
    RunInParts(ANALYSIS_LENGTH, kCoefficientGroup, TransformThreadCount(),
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
