#pragma once

#include "SpectrumConstants.h"

#include <array>
#include <cstdint>
#include <vector>

using Levels = std::array<double, SPECTRUM_BANDS>;
using Samples = std::array<double, ANALYSIS_LENGTH>;

// The analysis written out literally, one scalar cosine after another, as the reference for
// every faster version: from the block of 4460 frames to the 500 levels.
Levels OracleLevelsFromBlock(const std::vector<std::uint8_t>& block, std::uint16_t nChannels);

// The same from the 4410 analysed samples.
Levels OracleLevels(const Samples& x);

// Signals for the analysed stretch, x[0] to x[4409].
Samples ConstantSamples(double value);
Samples NearestInteger(double (*f)(std::size_t n));
