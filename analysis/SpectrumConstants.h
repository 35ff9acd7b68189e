#pragma once

#include <cstddef>

// Frames at the start of the data body that are read past and not analysed.
inline constexpr std::size_t SKIP_FRAMES = 50;
// Samples analysed, and the number of transform coefficients.
inline constexpr std::size_t ANALYSIS_LENGTH = 4410;
// Coefficients averaged into one band.
inline constexpr std::size_t BINS_PER_BAND = 8;
// Bands delivered; together they cover coefficients 0 to 3999.
inline constexpr std::size_t SPECTRUM_BANDS = 500;

// Angle increment of the transform: the double nearest to 3.141592653589 / 4410 (pi taken to
// twelve decimals), bit pattern 0x3F4757DEDE7653EF. Not pi / 4410, which ends in ...5A6A.
inline constexpr double ANGLE_STEP = 7.123792865281179e-4;
// The double nearest to 1 / 4410, bit pattern 0x3F2DB8B6F9266DD5.
inline constexpr double COEFF_SCALE = 2.2675736961451248e-4;
// Coefficient 0 is halved, so a constant signal reads like a tone of the same amplitude.
inline constexpr double DC_FACTOR = 0.5;
inline constexpr double BAND_FACTOR = 0.125;  // 1 / BINS_PER_BAND
// 2^-15: levels are relative to 32768, the magnitude of the most negative 16-bit sample.
inline constexpr double REFERENCE_FACTOR = 3.0517578125e-5;
// log10(2), the double nearest to it, bit pattern 0x3FD34413509F79FF.
inline constexpr double LOG10_2 = 0.30102999566398119521;
inline constexpr double LEVEL_FACTOR = 20.0;
