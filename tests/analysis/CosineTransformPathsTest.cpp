#include "CosineDispatch.h"
#include "LevelsMatch.h"
#include "ParallelParts.h"
#include "Spectrum.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <mutex>
#include <numbers>
#include <random>

namespace {

// Every test leaves the automatic path and thread count behind it.
class CosineTransformPathsTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        ForceCosinePath(std::nullopt);
        ForceTransformThreads(0);
    }
};

Samples Noise(unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> sample(-32768, 32767);
    Samples x{};
    for (double& s : x)
        s = sample(random);
    return x;
}

std::array<double, ANALYSIS_LENGTH> Magnitudes(const Samples& x)
{
    std::array<double, ANALYSIS_LENGTH> magnitudes{};
    CosineTransformMagnitudes(x, magnitudes);
    return magnitudes;
}

TEST_F(CosineTransformPathsTest, ThePortablePathIsAlwaysThereAndTheActiveOneIsSupported)
{
    const std::vector<CosinePath> paths = SupportedCosinePaths();
    ASSERT_FALSE(paths.empty());
    EXPECT_EQ(paths.front(), CosinePath::Portable);
    EXPECT_EQ(ActiveCosinePath(), paths.back());
    for (CosinePath path : paths) {
        ASSERT_TRUE(ForceCosinePath(path));
        EXPECT_EQ(ActiveCosinePath(), path);
    }
    ForceTransformThreads(1000);
    EXPECT_EQ(TransformThreadCount(), kMaxTransformThreads);
}

TEST_F(CosineTransformPathsTest, EveryPathGivesTheSameCosineOfEveryAngleOfTheTransform)
{
    const std::uint64_t portable = KernelsOf(CosinePath::Portable).transformCosineBits(0, ANALYSIS_LENGTH);
    // Angles off the transform's grid too: both signs, the ends of the domain, odd counts.
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> angle(-25000.0, 25000.0);
    std::vector<double> angles{0.0, -0.0, 25000.0, -25000.0, std::numbers::pi / 2, std::numbers::pi / 4, 1e-300};
    for (int i = 0; i < 10001; ++i)
        angles.push_back(angle(random));
    std::vector<double> expected(angles.size());
    KernelsOf(CosinePath::Portable).cosines(angles.data(), expected.data(), angles.size());

    for (CosinePath path : SupportedCosinePaths()) {
        SCOPED_TRACE(CosinePathName(path));
        EXPECT_EQ(KernelsOf(path).transformCosineBits(0, ANALYSIS_LENGTH), portable);
        // A range that starts and ends inside a lane block folds the same as the pieces.
        EXPECT_EQ(KernelsOf(path).transformCosineBits(0, 1237) ^ KernelsOf(path).transformCosineBits(1237, 4410),
                  portable);
        std::vector<double> cosines(angles.size());
        KernelsOf(path).cosines(angles.data(), cosines.data(), angles.size());
        for (std::size_t i = 0; i < angles.size(); ++i)
            ASSERT_EQ(std::bit_cast<std::uint64_t>(cosines[i]), std::bit_cast<std::uint64_t>(expected[i]))
                << "angle " << angles[i];
    }
}

// Within one ulp of a long double cosine on a sample of the transform's angles, among them
// those that the shortened pi puts within 4e-9 of a multiple of pi/2: at the odd ones the cosine
// is tiny and any loss in the reduction would show at once.
TEST_F(CosineTransformPathsTest, CosineIsWithinOneUlpOfALongDoubleCosine)
{
    if (LDBL_MANT_DIG < 64)
        GTEST_SKIP() << "long double is no wider than double here";
    std::vector<double> angles;
    for (std::size_t k = 0; k < ANALYSIS_LENGTH; ++k)
        for (std::size_t n = 0; n < ANALYSIS_LENGTH; ++n) {
            const std::size_t odd = 2 * n + 1;
            if ((odd * k) % ANALYSIS_LENGTH == 0 || (k * ANALYSIS_LENGTH + n) % 211 == 0)
                angles.push_back(((static_cast<double>(n) + 0.5) * static_cast<double>(k)) * ANGLE_STEP);
        }
    std::vector<double> cosines(angles.size());
    KernelsOf(ActiveCosinePath()).cosines(angles.data(), cosines.data(), angles.size());
    double worst = 0.0;
    for (std::size_t i = 0; i < angles.size(); ++i) {
        const long double exact = std::cos(static_cast<long double>(angles[i]));
        int exponent = 0;
        std::frexp(static_cast<double>(exact), &exponent);
        const double ulps = static_cast<double>(std::fabs(cosines[i] - exact)) / std::ldexp(1.0, exponent - 53);
        worst = std::max(worst, ulps);
        ASSERT_LE(ulps, 1.0) << "angle " << angles[i];
    }
    EXPECT_GT(worst, 0.0);
}

TEST_F(CosineTransformPathsTest, MagnitudesAreTheSameOnEveryPathAndThreadCount)
{
    const Samples x = Noise(5);
    ASSERT_TRUE(ForceCosinePath(CosinePath::Portable));
    ForceTransformThreads(1);
    const auto expected = Magnitudes(x);
    for (CosinePath path : SupportedCosinePaths()) {
        ASSERT_TRUE(ForceCosinePath(path));
        for (unsigned threads : {1u, 2u, 3u, kMaxTransformThreads}) {
            ForceTransformThreads(threads);
            EXPECT_EQ(Magnitudes(x), expected) << CosinePathName(path) << " on " << threads << " threads";
        }
    }
}

// Signals whose levels lean on the structured angles: a constant (every band but the first is
// rounding residue), a cosine on one coefficient, and the highest frequency.
TEST_F(CosineTransformPathsTest, LevelsFollowTheOracle)
{
    const Samples constant = ConstantSamples(-32768.0);
    const Samples onCoefficient = NearestInteger([](std::size_t n) {
        return 32767.0 * std::cos(std::numbers::pi * 1234.0 * (static_cast<double>(n) + 0.5) / 4410.0);
    });
    Samples alternatingValues{};
    for (std::size_t n = 0; n < ANALYSIS_LENGTH; ++n)
        alternatingValues[n] = n % 2 == 0 ? 32767.0 : -32767.0;
    const Samples alternating = alternatingValues;
    for (const Samples* x : {&constant, &onCoefficient, &alternating}) {
        Levels levels{};
        BandLevels(Magnitudes(*x), levels);
        EXPECT_TRUE(LevelsMatchOracle(levels, OracleLevels(*x)));
    }
}

TEST(RunInPartsTest, CoversEveryIndexOnceInWholeGranules)
{
    const struct {
        std::size_t count;
        std::size_t granule;
        unsigned parts;
    } cases[] = {{4410, 16, 1}, {4410, 16, 2}, {4410, 16, 8}, {33, 16, 8}, {5, 16, 3}, {0, 16, 2}, {64, 16, 4}};
    for (const auto& c : cases) {
        std::mutex mutex;
        std::vector<int> visits(c.count);
        std::size_t ranges = 0;
        RunInParts(c.count, c.granule, c.parts, [&](std::size_t begin, std::size_t end) {
            const std::lock_guard lock(mutex);
            ++ranges;
            EXPECT_TRUE(begin % c.granule == 0 && begin <= end && end <= c.count);
            for (std::size_t i = begin; i < end; ++i)
                ++visits[i];
        });
        EXPECT_EQ(visits, std::vector<int>(c.count, 1)) << c.count << " in " << c.parts;
        EXPECT_LE(ranges, c.parts);
    }
}

}  // namespace
