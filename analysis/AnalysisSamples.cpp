#include "Spectrum.h"
#include "WavReader.h"

#include <algorithm>
#include <vector>

namespace {

// The most bytes held at once while picking channel 0 out of the frames.
constexpr std::uint64_t kWindowBytes = 64 * 1024;
constexpr std::uint64_t kSampleBytes = 2;

double DecodeSample(const std::uint8_t* bytes)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8));
}

}  // namespace

void ReadAnalysisSamples(CWavReader& reader, std::uint16_t nChannels,
                         std::span<double, ANALYSIS_LENGTH> samples)
{
    std::fill(samples.begin(), samples.end(), 0.0);
    const std::uint64_t frameBytes = kSampleBytes * nChannels;
    const std::uint64_t usable =
        std::min<std::uint64_t>(reader.GetDataSize(), (SKIP_FRAMES + ANALYSIS_LENGTH) * frameBytes);

    // A window holds as many consecutive channel-0 samples as fit, and no byte after the last.
    const std::uint64_t samplesPerWindow =
        frameBytes == 0 ? 0 : (kWindowBytes - kSampleBytes) / frameBytes + 1;
    std::vector<std::uint8_t> window(
        static_cast<std::size_t>(std::min(usable, (samplesPerWindow - 1) * frameBytes + kSampleBytes)));

    std::uint64_t position = 0;  // relative to the first byte of the data body
    std::uint64_t windowStart = 0;
    std::uint64_t windowLength = 0;
    for (std::size_t i = 0; i < ANALYSIS_LENGTH && frameBytes != 0; ++i) {
        const std::uint64_t offset = (SKIP_FRAMES + i) * frameBytes;
        if (offset + kSampleBytes > usable)
            break;
        if (offset + kSampleBytes > windowStart + windowLength) {
            reader.Skip(offset - position);
            const auto want = static_cast<std::uint32_t>(std::min<std::uint64_t>(window.size(), usable - offset));
            windowStart = offset;
            windowLength = reader.Read(window.data(), want);
            position = offset + windowLength;
            if (windowLength < kSampleBytes)
                break;  // the file ends here; the rest stays silent
        }
        samples[i] = DecodeSample(window.data() + (offset - windowStart));
    }
    reader.Close();
}
