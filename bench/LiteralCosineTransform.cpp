// The transform written out literally, one scalar cosine after another, linked into
// tarvelin-cli-oracle in place of the analysis library's direct sums: the same tool with the
// reference arithmetic, for timing whole runs against it. Never part of tarvelin-cli.

#include "Spectrum.h"

#include <cmath>

void CosineTransformMagnitudes(std::span<const double, ANALYSIS_LENGTH> samples,
                               std::span<double, ANALYSIS_LENGTH> magnitudes)
{
    for (std::size_t k = 0; k < ANALYSIS_LENGTH; ++k) {
        const auto kd = static_cast<double>(k);
        double sum = 0.0;
        for (std::size_t n = 0; n < ANALYSIS_LENGTH; ++n) {
            const double angle = ((static_cast<double>(n) + 0.5) * kd) * ANGLE_STEP;
            sum = sum + std::cos(angle) * samples[n];
        }
        if (k == 0)
            sum = sum * DC_FACTOR;
        magnitudes[k] = std::fabs(sum * COEFF_SCALE);
    }
}
