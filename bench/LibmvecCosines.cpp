#include "LibmvecCosines.h"

#include "SpectrumConstants.h"

#include <immintrin.h>

// Compiled with -mavx512f; every function checks the processor before it touches a vector.

extern "C" __m256d _ZGVdN4v_cos(__m256d angles);
extern "C" __m512d _ZGVeN8v_cos(__m512d angles);

namespace {

template <std::size_t Lanes>
struct Libmvec;

template <>
struct Libmvec<4> {
    using Vector = __m256d;
    static Vector Cos(Vector v) { return _ZGVdN4v_cos(v); }
    static Vector Splat(double x) { return _mm256_set1_pd(x); }
    static Vector Add(Vector a, Vector b) { return _mm256_add_pd(a, b); }
    static Vector Mul(Vector a, Vector b) { return _mm256_mul_pd(a, b); }
    static Vector Load(const double* p) { return _mm256_loadu_pd(p); }
    static void Store(double* p, Vector v) { _mm256_storeu_pd(p, v); }
};

template <>
struct Libmvec<8> {
    using Vector = __m512d;
    static Vector Cos(Vector v) { return _ZGVeN8v_cos(v); }
    static Vector Splat(double x) { return _mm512_set1_pd(x); }
    static Vector Add(Vector a, Vector b) { return _mm512_add_pd(a, b); }
    static Vector Mul(Vector a, Vector b) { return _mm512_mul_pd(a, b); }
    static Vector Load(const double* p) { return _mm512_loadu_pd(p); }
    static void Store(double* p, Vector v) { _mm512_storeu_pd(p, v); }
};

// Visits cos(((n + 0.5) * k) * ANGLE_STEP) for n in order, a vector of k at a time.
template <std::size_t Lanes, class Visit>
void ForEachTransformCosine(std::size_t kBegin, std::size_t kEnd, Visit visit)
{
    using L = Libmvec<Lanes>;
    for (std::size_t kFirst = kBegin; kFirst < kEnd; kFirst += Lanes) {
        double lanes[Lanes];
        for (std::size_t i = 0; i < Lanes; ++i)
            lanes[i] = kFirst + i < kEnd ? static_cast<double>(kFirst + i) : 0.0;
        const typename L::Vector k = L::Load(lanes);
        typename L::Vector m = L::Mul(k, L::Splat(0.5));
        visit.Begin();
        for (std::size_t n = 0; n < ANALYSIS_LENGTH; ++n) {
            visit(n, L::Cos(L::Mul(m, L::Splat(ANGLE_STEP))));
            m = L::Add(m, k);
        }
        visit.End(kFirst, kEnd);
    }
}

template <std::size_t Lanes>
struct FoldBits {
    std::uint64_t* folded;
    std::uint64_t lanes[Lanes] = {};
    void Begin()
    {
        for (std::uint64_t& lane : lanes)
            lane = 0;
    }
    void operator()(std::size_t, typename Libmvec<Lanes>::Vector c)
    {
        double values[Lanes];
        Libmvec<Lanes>::Store(values, c);
        std::uint64_t bits[Lanes];
        __builtin_memcpy(bits, values, sizeof bits);
        for (std::size_t i = 0; i < Lanes; ++i)
            lanes[i] ^= bits[i];
    }
    void End(std::size_t kFirst, std::size_t kEnd)
    {
        for (std::size_t i = 0; i < Lanes && kFirst + i < kEnd; ++i)
            *folded ^= lanes[i];
    }
};

template <std::size_t Lanes>
struct Sum {
    const double* samples;
    double* sums;
    typename Libmvec<Lanes>::Vector sum{};
    void Begin() { sum = Libmvec<Lanes>::Splat(0.0); }
    void operator()(std::size_t n, typename Libmvec<Lanes>::Vector c)
    {
        sum = Libmvec<Lanes>::Add(sum, Libmvec<Lanes>::Mul(c, Libmvec<Lanes>::Splat(samples[n])));
    }
    void End(std::size_t kFirst, std::size_t kEnd)
    {
        double lanes[Lanes];
        Libmvec<Lanes>::Store(lanes, sum);
        for (std::size_t i = 0; i < Lanes && kFirst + i < kEnd; ++i)
            sums[kFirst + i] = lanes[i];
    }
};

template <std::size_t Lanes>
void Cosines(const double* angles, double* cosines, std::size_t count)
{
    for (std::size_t first = 0; first < count; first += Lanes) {
        double lanes[Lanes] = {};
        for (std::size_t i = 0; i < Lanes && first + i < count; ++i)
            lanes[i] = angles[first + i];
        Libmvec<Lanes>::Store(lanes, Libmvec<Lanes>::Cos(Libmvec<Lanes>::Load(lanes)));
        for (std::size_t i = 0; i < Lanes && first + i < count; ++i)
            cosines[first + i] = lanes[i];
    }
}

}  // namespace

bool HasLibmvecCosine(int lanes)
{
    if (lanes == 4)
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    if (lanes == 8)
        return __builtin_cpu_supports("avx512f");
    return false;
}

void LibmvecCosines(int lanes, const double* angles, double* cosines, std::size_t count)
{
    if (lanes == 4)
        Cosines<4>(angles, cosines, count);
    else
        Cosines<8>(angles, cosines, count);
}

std::uint64_t LibmvecTransformCosineBits(int lanes, std::size_t kBegin, std::size_t kEnd)
{
    std::uint64_t folded = 0;
    if (lanes == 4)
        ForEachTransformCosine<4>(kBegin, kEnd, FoldBits<4>{&folded});
    else
        ForEachTransformCosine<8>(kBegin, kEnd, FoldBits<8>{&folded});
    return folded;
}

void LibmvecDirectSums(int lanes, const double* samples, double* sums)
{
    if (lanes == 4)
        ForEachTransformCosine<4>(0, ANALYSIS_LENGTH, Sum<4>{samples, sums});
    else
        ForEachTransformCosine<8>(0, ANALYSIS_LENGTH, Sum<8>{samples, sums});
}
