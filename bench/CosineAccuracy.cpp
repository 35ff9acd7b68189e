// Measures how far each cosine strays from the true one over every angle of the transform,
// ((n + 0.5) * k) * ANGLE_STEP for n, k = 0..4409: the largest error in ulps (units in the last
// place of the true value), where it occurs, and how many angles are off by one ulp or more.
// The reference is libquadmath's cosq, 113 bits. Takes a few seconds per core.

#include "CosineDispatch.h"
#include "LibmvecCosines.h"
#include "ParallelParts.h"
#include "SpectrumConstants.h"

#include <quadmath.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using CosineFunction = std::function<void(const double* angles, double* cosines, std::size_t count)>;

struct Candidate {
    std::string name;
    CosineFunction cosines;
    double worst = 0.0;
    double worstAngle = 0.0;
    std::uint64_t atLeastOneUlp = 0;
};

double UlpError(double value, __float128 exact)
{
    int exponent = 0;
    std::frexp(static_cast<double>(exact), &exponent);
    const double ulp = std::ldexp(1.0, exponent - 53);
    return static_cast<double>(fabsq(static_cast<__float128>(value) - exact)) / ulp;
}

std::vector<Candidate> Candidates()
{
    std::vector<Candidate> candidates;
    for (CosinePath path : SupportedCosinePaths())
        candidates.push_back({std::string("kernel ") + CosinePathName(path), KernelsOf(path).cosines});
    for (int lanes : {4, 8})
        if (HasLibmvecCosine(lanes))
            candidates.push_back({"libmvec " + std::to_string(lanes) + " lanes",
                                  [lanes](const double* a, double* c, std::size_t count) {
                                      LibmvecCosines(lanes, a, c, count);
                                  }});
    candidates.push_back({"C library cos", [](const double* a, double* c, std::size_t count) {
                              for (std::size_t i = 0; i < count; ++i)
                                  c[i] = std::cos(a[i]);
                          }});
    return candidates;
}

}  // namespace

int main()
{
    std::vector<Candidate> candidates = Candidates();
    std::mutex mutex;
    RunInParts(ANALYSIS_LENGTH, 1, std::thread::hardware_concurrency(), [&](std::size_t kBegin, std::size_t kEnd) {
        std::vector<Candidate> mine = candidates;
        std::vector<double> angles(ANALYSIS_LENGTH);
        std::vector<double> cosines(ANALYSIS_LENGTH);
        std::vector<__float128> exact(ANALYSIS_LENGTH);
        for (std::size_t k = kBegin; k < kEnd; ++k) {
            for (std::size_t n = 0; n < ANALYSIS_LENGTH; ++n) {
                angles[n] = ((static_cast<double>(n) + 0.5) * static_cast<double>(k)) * ANGLE_STEP;
                exact[n] = cosq(static_cast<__float128>(angles[n]));
            }
            for (Candidate& candidate : mine) {
                candidate.cosines(angles.data(), cosines.data(), ANALYSIS_LENGTH);
                for (std::size_t n = 0; n < ANALYSIS_LENGTH; ++n) {
                    const double error = UlpError(cosines[n], exact[n]);
                    if (error >= 1.0)
                        ++candidate.atLeastOneUlp;
                    if (error > candidate.worst) {
                        candidate.worst = error;
                        candidate.worstAngle = angles[n];
                    }
                }
            }
        }
        const std::lock_guard lock(mutex);
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            candidates[i].atLeastOneUlp += mine[i].atLeastOneUlp;
            if (mine[i].worst > candidates[i].worst) {
                candidates[i].worst = mine[i].worst;
                candidates[i].worstAngle = mine[i].worstAngle;
            }
        }
    });
    std::printf("%-20s %10s  %-24s %s\n", "cosine", "max ulp", "at angle", "angles >= 1 ulp");
    for (const Candidate& c : candidates)
        std::printf("%-20s %10.4f  %-24.17g %llu\n", c.name.c_str(), c.worst, c.worstAngle,
                    static_cast<unsigned long long>(c.atLeastOneUlp));
    return 0;
}
