#include "Spectrum.h"
#include "SpectrumOracle.h"
#include "TempFile.h"
#include "WavReader.h"

#include <gtest/gtest.h>

namespace {

constexpr std::size_t kFullFrames = SKIP_FRAMES + ANALYSIS_LENGTH;

// Channel 0 of frame t: a ramp that wraps, so every frame's value is told apart.
std::int16_t Ramp(std::size_t t)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(t * 37u + 11u));
}

std::vector<std::int16_t> RampFrames(std::size_t frames)
{
    std::vector<std::int16_t> channel0(frames);
    for (std::size_t t = 0; t < frames; ++t)
        channel0[t] = Ramp(t);
    return channel0;
}

Samples SamplesOf(const std::string& path)
{
    CWavReader reader;
    EXPECT_TRUE(reader.Open(path.c_str())) << DescribeRejection(reader.GetRejection());
    const std::uint16_t channels = static_cast<std::uint16_t>(reader.GetFormat()[2] | reader.GetFormat()[3] << 8);
    Samples x{};
    ReadAnalysisSamples(reader, channels, x);
    EXPECT_EQ(reader.GetFormat(), nullptr) << "the reader is closed afterwards";
    return x;
}

// The analysed samples: channel 0 of frames 50 to 4459 while the data chunk lasts, then 0.
Samples ExpectedRamp(std::size_t framesInData)
{
    Samples x{};
    for (std::size_t i = 0; i < ANALYSIS_LENGTH; ++i)
        x[i] = SKIP_FRAMES + i < framesInData ? Ramp(SKIP_FRAMES + i) : 0.0;
    return x;
}

struct ChannelsCase {
    std::uint16_t channels;
    std::size_t frames;
};

// Other channels hold a loud pattern that must never leak into channel 0.
TEST(SpectrumSamplesTest, TakesChannelZeroOfFrames50To4459WhateverTheChannelCount)
{
    TempDir dir;
    const ChannelsCase cases[] = {{1, kFullFrames}, {2, kFullFrames}, {7, kFullFrames + 3},
                                  {300, kFullFrames}, {20000, 60}, {65535, 53}};
    for (const ChannelsCase& c : cases) {
        const std::string path =
            dir.Write("c.wav", Pcm16Wave(c.channels, Interleave(RampFrames(c.frames), c.channels, -12345)));
        EXPECT_EQ(SamplesOf(path), ExpectedRamp(c.frames)) << c.channels << " channels";
    }
}

TEST(SpectrumSamplesTest, OnlyBytesOfTheDataChunkAreSamples)
{
    TempDir dir;
    const Bytes fmt = Chunk("fmt ", FmtBody(1, 1, 16));
    const Bytes loudTail = Chunk("LIST", Pcm16(std::vector<std::int16_t>(kFullFrames, 30000)));
    const Bytes ramp1000 = Pcm16(RampFrames(1000));
    struct Case {
        const char* name;
        Bytes file;
        std::size_t frames;
    } cases[] = {
        {"data chunk ends early, another chunk follows", RiffWave(Concat({fmt, Chunk("data", ramp1000), loudTail})), 1000},
        {"size unknown, the file ends", RiffWave(Concat({fmt, ChunkStating("data", 0xFFFFFFFF, ramp1000)})), 1000},
        {"size beyond the end of the file", RiffWave(Concat({fmt, ChunkStating("data", 50000, ramp1000)})), 1000},
        {"odd size: the half sample is silent",
         RiffWave(Concat({fmt, ChunkStating("data", 1001 * 2 + 1, Pcm16(RampFrames(1002)))})), 1001},
        {"data chunk empty", RiffWave(Concat({fmt, Chunk("data", {}), loudTail})), 0},
        {"full block, more beyond", RiffWave(Concat({fmt, Chunk("data", Pcm16(RampFrames(kFullFrames + 9))), loudTail})),
         kFullFrames + 9},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SamplesOf(dir.Write("d.wav", c.file)), ExpectedRamp(c.frames)) << c.name;
}

TEST(SpectrumSamplesTest, FramesOutsideTheStretchAndOtherChannelsChangeNothing)
{
    TempDir dir;
    std::vector<std::int16_t> stereo = Interleave(RampFrames(kFullFrames + 20), 2, 0);
    const Samples before = SamplesOf(dir.Write("a.wav", Pcm16Wave(2, stereo)));
    for (std::size_t t : {std::size_t{0}, std::size_t{49}, kFullFrames, kFullFrames + 19})
        stereo[2 * t] = 32767;
    for (std::size_t t = 0; t < kFullFrames; ++t)
        stereo[2 * t + 1] = -32768;
    EXPECT_EQ(SamplesOf(dir.Write("b.wav", Pcm16Wave(2, stereo, 8000))), before);
}

}  // namespace
