#include "LevelsMatch.h"
#include "Spectrum.h"
#include "TempFile.h"
#include "WaveAnalysis.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <numbers>
#include <random>

namespace {

constexpr std::size_t kFullFrames = SKIP_FRAMES + ANALYSIS_LENGTH;

Levels LevelsOfFile(const Bytes& file)
{
    TempDir dir;
    Levels levels{};
    const WaveAnalysisResult result = AnalyseWaveFile(dir.Write("s.wav", file).c_str(), levels);
    EXPECT_TRUE(result.IsAccepted()) << result.Describe();
    return levels;
}

// A mono file whose analysed stretch holds x; the 50 frames before it hold a loud square.
Bytes MonoFileOf(const Samples& x)
{
    std::vector<std::int16_t> frames(kFullFrames);
    for (std::size_t t = 0; t < SKIP_FRAMES; ++t)
        frames[t] = t % 2 == 0 ? 20000 : -20000;
    for (std::size_t i = 0; i < ANALYSIS_LENGTH; ++i)
        frames[SKIP_FRAMES + i] = static_cast<std::int16_t>(x[i]);
    return Pcm16Wave(1, frames);
}

double HighestExcept(const Levels& levels, std::size_t band)
{
    double highest = -INFINITY;
    for (std::size_t b = 0; b < SPECTRUM_BANDS; ++b)
        if (b != band)
            highest = std::max(highest, levels[b]);
    return highest;
}

std::size_t LargestCoefficient(const Samples& x)
{
    std::array<double, ANALYSIS_LENGTH> magnitudes{};
    CosineTransformMagnitudes(x, magnitudes);
    return static_cast<std::size_t>(std::max_element(magnitudes.begin(), magnitudes.end()) - magnitudes.begin());
}

TEST(SpectrumConstantsTest, HaveTheirBitPatterns)
{
    EXPECT_EQ(std::bit_cast<std::uint64_t>(ANGLE_STEP), 0x3F4757DEDE7653EFu);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(COEFF_SCALE), 0x3F2DB8B6F9266DD5u);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(LOG10_2), 0x3FD34413509F79FFu);
    EXPECT_EQ(REFERENCE_FACTOR, std::ldexp(1.0, -15));
}

TEST(SpectrumEdgeCasesTest, SilenceIsNegativeInfinityEverywhere)
{
    for (double level : LevelsOfFile(MonoFileOf(ConstantSamples(0.0))))
        EXPECT_EQ(level, -INFINITY);
}

TEST(SpectrumEdgeCasesTest, ConstantSignalsReadInBandZero)
{
    const struct {
        double value;
        double band0;
    } cases[] = {{16384, -30.10}, {32767, -24.08}, {-32768, -24.08}};
    for (const auto& c : cases) {
        const Levels levels = LevelsOfFile(MonoFileOf(ConstantSamples(c.value)));
        EXPECT_NEAR(levels[0], c.band0, 0.005) << c.value;
        if (c.value == 16384) {
            EXPECT_LT(HighestExcept(levels, 0), -200.0);
        }
    }
}

TEST(SpectrumEdgeCasesTest, CosineOnCoefficient400ReadsInBand50)
{
    const Samples x = NearestInteger(
        [](std::size_t n) { return 32767.0 * std::cos(std::numbers::pi * 400.0 * (static_cast<double>(n) + 0.5) / 4410.0); });
    EXPECT_EQ(LargestCoefficient(x), 400u);
    const Levels levels = LevelsOfFile(MonoFileOf(x));
    EXPECT_NEAR(levels[50], -24.08, 0.005);
    EXPECT_LT(HighestExcept(levels, 50), -130.0);
}

std::vector<std::int16_t> Sine1000(std::size_t frames)
{
    std::vector<std::int16_t> channel0(frames);
    for (std::size_t t = 0; t < frames; ++t)
        channel0[t] = static_cast<std::int16_t>(
            std::nearbyint(32767.0 * std::sin(2.0 * std::numbers::pi * 1000.0 * static_cast<double>(t) / 44100.0)));
    return channel0;
}

TEST(SpectrumEdgeCasesTest, FullScale1000HzSineAt44100)
{
    const Levels levels = LevelsOfFile(Pcm16Wave(1, Sine1000(44100)));
    EXPECT_NEAR(levels[25], -20.81, 0.005);
    EXPECT_NEAR(levels[24], -26.34, 0.005);
    EXPECT_NEAR(levels[23], -39.85, 0.005);
    EXPECT_NEAR(levels[26], -40.36, 0.005);
    EXPECT_EQ(std::max_element(levels.begin(), levels.end()) - levels.begin(), 25);

    // The same samples in channel 0 of a stereo file, under another rate, read the same.
    const Levels stereo = LevelsOfFile(Pcm16Wave(2, Interleave(Sine1000(kFullFrames), 2, 32767), 8000));
    EXPECT_EQ(stereo, levels);
}

TEST(SpectrumEdgeCasesTest, AlternatingFramesPeakBeyondTheLastBand)
{
    Samples x{};
    for (std::size_t n = 0; n < ANALYSIS_LENGTH; ++n)
        x[n] = n % 2 == 0 ? 32767 : -32767;
    EXPECT_EQ(LargestCoefficient(x), 4409u);
    const Levels levels = LevelsOfFile(MonoFileOf(x));
    EXPECT_EQ(std::max_element(levels.begin(), levels.end()) - levels.begin(), 499);
    EXPECT_NEAR(levels[499], -62.25, 0.005);
}

TEST(SpectrumEdgeCasesTest, StereoWithSilentFirstChannelIsSilent)
{
    std::vector<std::int16_t> frames = Interleave(std::vector<std::int16_t>(kFullFrames, 0), 2);
    std::mt19937 noise(7);
    for (std::size_t t = 0; t < kFullFrames; ++t)
        frames[2 * t + 1] = static_cast<std::int16_t>(noise());
    for (double level : LevelsOfFile(Pcm16Wave(2, frames)))
        EXPECT_EQ(level, -INFINITY);
}

// Signals of every character against the literal oracle.
TEST(SpectrumOracleTest, ToneNoiseImpulseAndSilenceFollowTheOracle)
{
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> sample(-32768, 32767);
    Samples noise{};
    for (double& s : noise)
        s = sample(random);
    Samples impulse{};
    impulse[1234] = -32768;
    const Samples tone = NearestInteger(
        [](std::size_t n) { return 12000.0 * std::sin(0.0713 * static_cast<double>(n)) + 3.0 * std::cos(1.9 * static_cast<double>(n)); });
    const Samples silence{};
    for (const Samples* x : std::initializer_list<const Samples*>{&tone, &noise, &impulse, &silence}) {
        const Levels oracle = OracleLevels(*x);
        EXPECT_TRUE(LevelsMatchOracle(LevelsOfFile(MonoFileOf(*x)), oracle));
    }
}

}  // namespace
