#include "Spectrum.h"

#include <array>

void ComputeSpectrum(CWavReader& reader, std::uint16_t nChannels,
                     std::span<double, SPECTRUM_BANDS> levels)
{
    std::array<double, ANALYSIS_LENGTH> samples{};
    ReadAnalysisSamples(reader, nChannels, samples);

    std::array<double, ANALYSIS_LENGTH> magnitudes{};
    CosineTransformMagnitudes(samples, magnitudes);
    BandLevels(magnitudes, levels);
}
