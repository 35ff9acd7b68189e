#include "Spectrum.h"

#include <cmath>

void BandLevels(std::span<const double, ANALYSIS_LENGTH> magnitudes,
                std::span<double, SPECTRUM_BANDS> levels)
{
    for (std::size_t b = 0; b < SPECTRUM_BANDS; ++b) {
        double sum = 0.0;
        for (std::size_t j = 0; j < BINS_PER_BAND; ++j)
            sum = sum + magnitudes[BINS_PER_BAND * b + j];
        const double mean = sum * BAND_FACTOR;
        // log2(0) is negative infinity, and so is the level of a silent band.
        levels[b] = (LOG10_2 * std::log2(mean * REFERENCE_FACTOR)) * LEVEL_FACTOR;
    }
}
