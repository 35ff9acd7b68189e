#pragma once

#include <cstddef>
#include <cstdint>

// glibc's vector cosines (libmvec), called through the vector function ABI, for comparison
// with our kernel: 4 lanes is the AVX2 version, 8 lanes the AVX-512 one.

// False when this build or this processor has no such version.
bool HasLibmvecCosine(int lanes);

void LibmvecCosines(int lanes, const double* angles, double* cosines, std::size_t count);

// As CosineKernels::transformCosineBits and directSums, with libmvec's cosine.
std::uint64_t LibmvecTransformCosineBits(int lanes, std::size_t kBegin, std::size_t kEnd);
void LibmvecDirectSums(int lanes, const double* samples, double* sums);
