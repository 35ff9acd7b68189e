#include "CosineDispatch.h"
#include "ParallelParts.h"
#include "Spectrum.h"
#include "SpectrumOracle.h"
#include "TempFile.h"
#include "WavReader.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cmath>
#include <cstdint>
#include <string>

// The direct sums against the literal oracle, in the same run. Arguments of the analysis
// benchmarks: the kernel path (0 portable, 1 AVX2, 2 AVX-512) and the number of threads.

namespace {

constexpr std::int64_t kCosinesPerTransform = ANALYSIS_LENGTH * ANALYSIS_LENGTH;

Samples Tone()
{
    Samples x{};
    for (std::size_t n = 0; n < ANALYSIS_LENGTH; ++n)
        x[n] = std::nearbyint(20000.0 * std::sin(0.1425 * static_cast<double>(n)));
    return x;
}

// A mono file whose analysed stretch holds the tone, written once for the whole run.
const std::string& ToneFile()
{
    static const TempDir dir;
    static const std::string path = [] {
        const Samples x = Tone();
        std::vector<std::int16_t> frames(SKIP_FRAMES + ANALYSIS_LENGTH);
        for (std::size_t i = 0; i < ANALYSIS_LENGTH; ++i)
            frames[SKIP_FRAMES + i] = static_cast<std::int16_t>(x[i]);
        return dir.Write("tone.wav", Pcm16Wave(1, frames));
    }();
    return path;
}

// Forces the path and thread count of the arguments for as long as it lives.
class ForcedRun {
public:
    explicit ForcedRun(benchmark::State& state)
    {
        const auto path = static_cast<CosinePath>(state.range(0));
        m_bSupported = ForceCosinePath(path);
        ForceTransformThreads(static_cast<unsigned>(state.range(1)));
        if (!m_bSupported)
            state.SkipWithError("this processor cannot run the path");
        state.SetLabel(CosinePathName(path));
    }
    ~ForcedRun()
    {
        ForceCosinePath(std::nullopt);
        ForceTransformThreads(0);
    }
    ForcedRun(const ForcedRun&) = delete;
    ForcedRun& operator=(const ForcedRun&) = delete;

    bool Supported() const { return m_bSupported; }

private:
    bool m_bSupported = false;
};

void PathsAndThreads(benchmark::internal::Benchmark* bench)
{
    bench->ArgNames({"path", "threads"});
    for (int path = 0; path <= 2; ++path)
        for (int threads = 1; threads <= 2; ++threads)
            bench->Args({path, threads});
    bench->Unit(benchmark::kMillisecond)->UseRealTime();
}

void BM_OracleLevels(benchmark::State& state)
{
    const Samples x = Tone();
    for (auto _ : state)
        benchmark::DoNotOptimize(OracleLevels(x));
}
BENCHMARK(BM_OracleLevels)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole analysis of one file: open, read, transform, bands.
void BM_ComputeSpectrum(benchmark::State& state)
{
    const ForcedRun forced(state);
    const std::string& path = ToneFile();
    Levels levels{};
    for (auto _ : state) {
        if (!forced.Supported())
            break;
        CWavReader reader;
        if (!reader.Open(path.c_str())) {
            state.SkipWithError("cannot open the tone file");
            break;
        }
        ComputeSpectrum(reader, 1, levels);
        benchmark::DoNotOptimize(levels);
    }
}
BENCHMARK(BM_ComputeSpectrum)->Apply(PathsAndThreads);

// The kernel alone: the cosine of every angle of the transform, no sum.
void BM_TransformCosines(benchmark::State& state)
{
    const ForcedRun forced(state);
    const CosineKernels& kernels = KernelsOf(ActiveCosinePath());
    for (auto _ : state) {
        if (!forced.Supported())
            break;
        std::atomic<std::uint64_t> folded{0};
        RunInParts(ANALYSIS_LENGTH, kCoefficientGroup, TransformThreadCount(), [&](std::size_t kBegin, std::size_t kEnd) {
            folded ^= kernels.transformCosineBits(kBegin, kEnd);
        });
        benchmark::DoNotOptimize(folded.load());
    }
    state.SetItemsProcessed(state.iterations() * kCosinesPerTransform);
}
BENCHMARK(BM_TransformCosines)->Apply(PathsAndThreads);

}  // namespace
