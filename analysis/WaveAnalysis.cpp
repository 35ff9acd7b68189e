#include "WaveAnalysis.h"

#include "Spectrum.h"
#include "WavReader.h"

std::string WaveAnalysisResult::Describe() const
{
    if (rejection.reason != WavRejectReason::None)
        return DescribeRejection(rejection);
    return DescribeFormatCheck(format);
}

WaveAnalysisResult AnalyseWaveFile(const char* pathName, std::span<double, SPECTRUM_BANDS> levels)
{
    WaveAnalysisResult result;
    CWavReader reader;
    if (!reader.Open(pathName)) {
        result.rejection = reader.GetRejection();
        return result;
    }
    result.format = CheckPcmFormat(reader.GetFormat(), reader.GetFormatSize());
    if (!result.format.IsAccepted())
        return result;
    ComputeSpectrum(reader, result.format.channels, levels);
    return result;
}
