#pragma once

#include "PcmFormat.h"
#include "SpectrumConstants.h"
#include "WavRejection.h"

#include <span>
#include <string>

// The result of reading one file for its levels: accepted, or why not.
struct WaveAnalysisResult {
    WavRejection rejection;  // the reader's verdict
    PcmFormatCheck format;   // the format's verdict, once the reader accepted the file

    bool IsAccepted() const
    {
        return rejection.reason == WavRejectReason::None && format.IsAccepted();
    }
    std::string Describe() const;
};

// Opens a WAVE file, accepts only 16-bit integer PCM and computes its levels. The levels
// are written only when the file is accepted. A CFileException from reading passes through.
WaveAnalysisResult AnalyseWaveFile(const char* pathName, std::span<double, SPECTRUM_BANDS> levels);
