#include "SpectrumOracle.h"

#include <cmath>

Levels OracleLevelsFromBlock(const std::vector<std::uint8_t>& block, std::uint16_t nChannels)
{
    Samples x{};
    for (std::size_t i = 0; i < ANALYSIS_LENGTH; ++i) {
        const std::size_t at = (SKIP_FRAMES + i) * nChannels * 2;
        x[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(block[at] | block[at + 1] << 8));
    }
    return OracleLevels(x);
}

Levels OracleLevels(const Samples& x)
{
    std::vector<double> X(ANALYSIS_LENGTH);
    for (std::size_t k = 0; k < ANALYSIS_LENGTH; ++k) {
        double s = 0.0;
        for (std::size_t n = 0; n < ANALYSIS_LENGTH; ++n) {
            const double angle = ((static_cast<double>(n) + 0.5) * static_cast<double>(k)) * ANGLE_STEP;
            s = s + std::cos(angle) * x[n];
        }
        if (k == 0)
            s = s * 0.5;
        X[k] = std::fabs(s * COEFF_SCALE);
    }
    Levels levels{};
    for (std::size_t b = 0; b < SPECTRUM_BANDS; ++b) {
        double m = 0.0;
        for (std::size_t j = 0; j < BINS_PER_BAND; ++j)
            m = m + X[8 * b + j];
        const double mean = m * 0.125;
        levels[b] = (LOG10_2 * std::log2(mean * 3.0517578125e-5)) * 20.0;
    }
    return levels;
}

Samples ConstantSamples(double value)
{
    Samples x;
    x.fill(value);
    return x;
}

Samples NearestInteger(double (*f)(std::size_t n))
{
    Samples x{};
    for (std::size_t n = 0; n < ANALYSIS_LENGTH; ++n)
        x[n] = std::nearbyint(f(n));
    return x;
}
