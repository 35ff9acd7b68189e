#include "ParallelParts.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

void RunInParts(std::size_t count, std::size_t granule, unsigned parts,
                const std::function<void(std::size_t begin, std::size_t end)>& work)
{
    const std::size_t granules = (count + granule - 1) / granule;
    const std::size_t used = std::clamp<std::size_t>(parts, 1, std::max<std::size_t>(granules, 1));
    const auto bound = [&](std::size_t part) { return std::min(count, granules * part / used * granule); };

    // Declared before the work on this thread starts, so that they are joined on every way out.
    std::vector<std::jthread> helpers;
    helpers.reserve(used - 1);
    for (std::size_t part = 1; part < used; ++part) {
        try {
            helpers.emplace_back(work, bound(part), bound(part + 1));
        } catch (const std::system_error&) {
            work(bound(part), bound(part + 1));
        }
    }
    work(bound(0), bound(1));
}
