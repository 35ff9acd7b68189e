#include "PcmFormat.h"

namespace {

constexpr std::uint32_t kFieldsSize = 16;
constexpr std::uint16_t kFormatTagPcm = 1;
constexpr std::uint16_t kBitsPerSample = 16;

std::uint16_t LittleEndian16(const std::uint8_t* bytes)
{
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

}  // namespace

PcmFormatCheck CheckPcmFormat(const std::uint8_t* format, std::uint32_t size)
{
    PcmFormatCheck check;
    check.bodySize = size;
    if (format == nullptr || size < kFieldsSize)
        return check;
    check.formatTag = LittleEndian16(format);
    check.channels = LittleEndian16(format + 2);
    check.bitsPerSample = LittleEndian16(format + 14);
    if (check.formatTag != kFormatTagPcm || check.bitsPerSample != kBitsPerSample)
        check.verdict = PcmFormatCheck::NotPcm16;
    else if (check.channels == 0)
        check.verdict = PcmFormatCheck::NoChannels;
    else
        check.verdict = PcmFormatCheck::Accepted;
    return check;
}

std::string DescribeFormatCheck(const PcmFormatCheck& check)
{
    switch (check.verdict) {
    case PcmFormatCheck::Accepted:
        return "16-bit integer PCM, " + std::to_string(check.channels) + " channel(s)";
    case PcmFormatCheck::TooShort:
        return "the \"fmt \" chunk holds " + std::to_string(check.bodySize) +
               " bytes, fewer than the 16 that describe the samples";
    case PcmFormatCheck::NotPcm16:
        return "not 16-bit integer PCM (format tag " + std::to_string(check.formatTag) + ", " +
               std::to_string(check.bitsPerSample) + " bits per sample)";
    case PcmFormatCheck::NoChannels:
        return "the format states 0 channels";
    }
    return "unknown format";
}
