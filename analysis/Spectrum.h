#pragma once

#include "SpectrumConstants.h"

#include <cstdint>
#include <span>

class CWavReader;

// Turns the start of a file's sample data into 500 band levels in dB relative to 32768.
// The reader must have just been opened, so that it stands at the first byte of the data
// body; the call closes it. A CFileException from the read passes through before any
// level is written.
void ComputeSpectrum(CWavReader& reader, std::uint16_t nChannels,
                     std::span<double, SPECTRUM_BANDS> levels);

// Channel 0 of frames 50 to 4459 of the data body, exactly as doubles, then closes the
// reader. Only bytes of the data chunk count: samples beyond its stated size, or beyond
// the end of the file, are 0. Memory stays small whatever nChannels states.
void ReadAnalysisSamples(CWavReader& reader, std::uint16_t nChannels,
                         std::span<double, ANALYSIS_LENGTH> samples);

// X[k] = |s_k * COEFF_SCALE|, s_k = sum over n = 0..4409, in that order, of
// cos(((n + 0.5) * k) * ANGLE_STEP) * x[n], each product rounded before it is added;
// s_0 is halved first. A cosine transform (type II) summed directly.
void CosineTransformMagnitudes(std::span<const double, ANALYSIS_LENGTH> samples,
                               std::span<double, ANALYSIS_LENGTH> magnitudes);

// Band b is the mean of coefficients 8b to 8b + 7 in dB relative to 32768:
//   level = (log10(2) * log2(mean * 2^-15)) * 20,  that is 20 * log10(mean / 32768),
// negative infinity for a mean of exactly 0.
void BandLevels(std::span<const double, ANALYSIS_LENGTH> magnitudes,
                std::span<double, SPECTRUM_BANDS> levels);
