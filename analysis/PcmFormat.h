#pragma once

#include <cstdint>
#include <string>

// The fields of a "fmt " body that the program looks at, and whether it can analyse them.
struct PcmFormatCheck {
    enum Verdict { Accepted, TooShort, NotPcm16, NoChannels };

    Verdict verdict = TooShort;
    std::uint32_t bodySize = 0;
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint16_t bitsPerSample = 0;

    bool IsAccepted() const { return verdict == Accepted; }
};

// Only 16-bit integer PCM (format tag 1) with at least one channel is analysed. A body
// shorter than the 16 bytes that hold these fields is refused without reading past it.
PcmFormatCheck CheckPcmFormat(const std::uint8_t* format, std::uint32_t size);

// Plain words for a refused format, e.g. "not 16-bit integer PCM (format tag 3, 32 bits per
// sample)".
std::string DescribeFormatCheck(const PcmFormatCheck& check);
