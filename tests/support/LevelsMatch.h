#pragma once

#include "SpectrumOracle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <span>

// How closely a faster analysis must follow the literal one: within 1e-9 dB wherever the
// oracle is above -150 dB, negative infinity exactly where the oracle has it, and at most
// -140 dB wherever the oracle is at or below -150 dB (there only rounding residue lives).
inline ::testing::AssertionResult LevelsMatchOracle(std::span<const double, SPECTRUM_BANDS> levels,
                                                    const Levels& oracle)
{
    for (std::size_t b = 0; b < SPECTRUM_BANDS; ++b) {
        const double got = levels[b];
        const double want = oracle[b];
        bool ok;
        if (std::isinf(want))
            ok = got == want;
        else if (want > -150.0)
            ok = std::fabs(got - want) <= 1e-9;
        else
            ok = got <= -140.0;
        if (!ok)
            return ::testing::AssertionFailure()
                   << "band " << b << ": " << got << " dB, the oracle has " << want << " dB";
    }
    return ::testing::AssertionSuccess();
}
