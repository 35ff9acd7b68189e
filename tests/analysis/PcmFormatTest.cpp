#include "PcmFormat.h"
#include "WavBuilder.h"

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    Bytes body;
    PcmFormatCheck::Verdict verdict;
    const char* text;
};

TEST(PcmFormatTest, AcceptsOnly16BitIntegerPcmWithChannels)
{
    const Bytes mono = FmtBody(1, 1, 16);
    const FormatCase cases[] = {
        {FmtBody(1, 1, 16), PcmFormatCheck::Accepted, "16-bit integer PCM, 1 channel(s)"},
        {FmtBody(1, 2, 16, 8000, Bytes(24, 0)), PcmFormatCheck::Accepted, "16-bit integer PCM, 2 channel(s)"},
        {FmtBody(1, 1, 8), PcmFormatCheck::NotPcm16, "not 16-bit integer PCM (format tag 1, 8 bits per sample)"},
        {FmtBody(1, 2, 24), PcmFormatCheck::NotPcm16, "not 16-bit integer PCM (format tag 1, 24 bits per sample)"},
        {FmtBody(3, 1, 32), PcmFormatCheck::NotPcm16, "not 16-bit integer PCM (format tag 3, 32 bits per sample)"},
        {FmtBody(0xFFFE, 2, 16, 44100, Bytes(24, 0)), PcmFormatCheck::NotPcm16,
         "not 16-bit integer PCM (format tag 65534, 16 bits per sample)"},
        {FmtBody(1, 0, 16), PcmFormatCheck::NoChannels, "the format states 0 channels"},
        {Bytes(mono.begin(), mono.begin() + 14), PcmFormatCheck::TooShort,
         "the \"fmt \" chunk holds 14 bytes, fewer than the 16 that describe the samples"},
        {{}, PcmFormatCheck::TooShort, "the \"fmt \" chunk holds 0 bytes, fewer than the 16 that describe the samples"},
    };
    for (const FormatCase& c : cases) {
        // An exact-size heap copy, so that a read past the body shows under the sanitizer.
        std::unique_ptr<std::uint8_t[]> copy(new std::uint8_t[c.body.size()]);
        std::copy(c.body.begin(), c.body.end(), copy.get());
        const PcmFormatCheck check = CheckPcmFormat(copy.get(), static_cast<std::uint32_t>(c.body.size()));
        EXPECT_EQ(check.verdict, c.verdict) << c.text;
        EXPECT_EQ(DescribeFormatCheck(check), c.text);
    }
}

}  // namespace
