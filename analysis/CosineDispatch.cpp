#include "CosineDispatch.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace {

// -1: automatic.
std::atomic<int> g_forcedPath{-1};
std::atomic<unsigned> g_forcedThreads{0};

bool CanRun(CosinePath path)
{
    switch (path) {
    case CosinePath::Portable:
        return true;
#ifdef TARVELIN_X86_KERNELS
    // The compiler's run-time check looks at the processor and at the registers that the
    // operating system saves, so a system without AVX-512 state gets AVX2 instead.
    case CosinePath::Avx2:
        return __builtin_cpu_supports("avx2");
    case CosinePath::Avx512:
        return __builtin_cpu_supports("avx512f");
#endif
    default:
        return false;
    }
}

}  // namespace

const char* CosinePathName(CosinePath path)
{
    switch (path) {
    case CosinePath::Portable:
        return "portable";
    case CosinePath::Avx2:
        return "avx2";
    case CosinePath::Avx512:
        return "avx512";
    }
    return "unknown";
}

std::vector<CosinePath> SupportedCosinePaths()
{
    std::vector<CosinePath> paths;
    for (CosinePath path : {CosinePath::Portable, CosinePath::Avx2, CosinePath::Avx512})
        if (CanRun(path))
            paths.push_back(path);
    return paths;
}

CosinePath ActiveCosinePath()
{
    const int forced = g_forcedPath.load(std::memory_order_relaxed);
    if (forced >= 0)
        return static_cast<CosinePath>(forced);
    static const CosinePath fastest = SupportedCosinePaths().back();
    return fastest;
}

const CosineKernels& KernelsOf(CosinePath path)
{
    switch (path) {
#ifdef TARVELIN_X86_KERNELS
    case CosinePath::Avx2:
        return kAvx2CosineKernels;
    case CosinePath::Avx512:
        return kAvx512CosineKernels;
#endif
    default:
        return kPortableCosineKernels;
    }
}

bool ForceCosinePath(std::optional<CosinePath> path)
{
    if (path && !CanRun(*path))
        return false;
    g_forcedPath.store(path ? static_cast<int>(*path) : -1, std::memory_order_relaxed);
    return true;
}

unsigned TransformThreadCount()
{
    const unsigned forced = g_forcedThreads.load(std::memory_order_relaxed);
    if (forced != 0)
        return forced;
    static const unsigned automatic = std::clamp(std::thread::hardware_concurrency(), 1u, kMaxTransformThreads);
    return automatic;
}

void ForceTransformThreads(unsigned count)
{
    g_forcedThreads.store(std::min(count, kMaxTransformThreads), std::memory_order_relaxed);
}
