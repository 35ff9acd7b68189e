#pragma once

#include "CosineKernels.h"

#include <optional>
#include <vector>

// How the transform runs on this machine: which instruction set's kernels, on how many
// threads. Every choice gives the same bits; the forcing calls exist for tests and benchmarks.

enum class CosinePath { Portable, Avx2, Avx512 };

const char* CosinePathName(CosinePath path);

// The paths that this build has and this processor (and system) can run, slowest first.
std::vector<CosinePath> SupportedCosinePaths();

// The forced path if there is one, otherwise the fastest supported one.
CosinePath ActiveCosinePath();
const CosineKernels& KernelsOf(CosinePath path);

// Forces a path; refused (false, nothing changes) when this machine cannot run it.
// std::nullopt returns to the automatic choice.
bool ForceCosinePath(std::optional<CosinePath> path);

// Threads that share the coefficients of one transform: the forced count if there is one,
// otherwise one per hardware thread, at most kMaxTransformThreads.
inline constexpr unsigned kMaxTransformThreads = 8;
unsigned TransformThreadCount();
// 0 returns to the automatic count; larger counts than kMaxTransformThreads are capped.
void ForceTransformThreads(unsigned count);
