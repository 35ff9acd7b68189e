#include "LibmvecCosines.h"
#include "ParallelParts.h"
#include "SpectrumConstants.h"

#include <benchmark/benchmark.h>

#include <array>
#include <atomic>
#include <cmath>

// glibc's vector cosines on the transform's angles, to set beside BM_TransformCosines and
// BM_ComputeSpectrum of spectrum_bench. Arguments: lanes (4 AVX2, 8 AVX-512), threads.

namespace {

constexpr std::int64_t kCosinesPerTransform = ANALYSIS_LENGTH * ANALYSIS_LENGTH;

void LanesAndThreads(benchmark::internal::Benchmark* bench)
{
    bench->ArgNames({"lanes", "threads"});
    for (int lanes : {4, 8})
        for (int threads = 1; threads <= 2; ++threads)
            bench->Args({lanes, threads});
    bench->Unit(benchmark::kMillisecond)->UseRealTime();
}

void BM_LibmvecTransformCosines(benchmark::State& state)
{
    const auto lanes = static_cast<int>(state.range(0));
    if (!HasLibmvecCosine(lanes)) {
        state.SkipWithError("this processor has no such version");
        return;
    }
    for (auto _ : state) {
        std::atomic<std::uint64_t> folded{0};
        RunInParts(ANALYSIS_LENGTH, 32, static_cast<unsigned>(state.range(1)),
                   [&](std::size_t kBegin, std::size_t kEnd) { folded ^= LibmvecTransformCosineBits(lanes, kBegin, kEnd); });
        benchmark::DoNotOptimize(folded.load());
    }
    state.SetItemsProcessed(state.iterations() * kCosinesPerTransform);
}
BENCHMARK(BM_LibmvecTransformCosines)->Apply(LanesAndThreads);

// The direct sums with libmvec's cosine, on one thread.
void BM_LibmvecDirectSums(benchmark::State& state)
{
    const auto lanes = static_cast<int>(state.range(0));
    if (!HasLibmvecCosine(lanes)) {
        state.SkipWithError("this processor has no such version");
        return;
    }
    std::array<double, ANALYSIS_LENGTH> x{};
    for (std::size_t n = 0; n < ANALYSIS_LENGTH; ++n)
        x[n] = std::nearbyint(20000.0 * std::sin(0.1425 * static_cast<double>(n)));
    std::array<double, ANALYSIS_LENGTH> sums{};
    for (auto _ : state) {
        LibmvecDirectSums(lanes, x.data(), sums.data());
        benchmark::DoNotOptimize(sums);
    }
}
BENCHMARK(BM_LibmvecDirectSums)->Arg(4)->Arg(8)->ArgName("lanes")->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
