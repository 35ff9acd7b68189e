#include "ParallelParts.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

#ifdef __linux__
#include <pthread.h>
#include <sched.h>
#endif

namespace {

// A new thread waits on the processor of the thread that created it until that one is
// interrupted, some milliseconds later: as long as the whole work. So the helper is sent to the
// other processors that the process may use, before it first runs.
void KeepOffProcessor(std::jthread& helper, int processor)
{
#ifdef __linux__
    if (processor < 0 || processor >= CPU_SETSIZE)
        return;
    const auto index = static_cast<std::size_t>(processor);
    cpu_set_t allowed;
    if (sched_getaffinity(0, sizeof allowed, &allowed) != 0 || !CPU_ISSET(index, &allowed))
        return;
    CPU_CLR(index, &allowed);
    if (CPU_COUNT(&allowed) > 0)
        pthread_setaffinity_np(helper.native_handle(), sizeof allowed, &allowed);
#else
    (void)helper;
    (void)processor;
#endif
}

int CurrentProcessor()
{
#ifdef __linux__
    return sched_getcpu();
#else
    return -1;
#endif
}

}  // namespace

void RunInParts(std::size_t count, std::size_t granule, unsigned parts,
                const std::function<void(std::size_t begin, std::size_t end)>& work)
{
    const std::size_t granules = (count + granule - 1) / granule;
    const std::size_t used = std::clamp<std::size_t>(parts, 1, std::max<std::size_t>(granules, 1));
    const auto bound = [&](std::size_t part) { return std::min(count, granules * part / used * granule); };

    // Declared before the work on this thread starts, so that they are joined on every way out.
    std::vector<std::jthread> helpers;
    helpers.reserve(used - 1);
    const int processor = CurrentProcessor();
    for (std::size_t part = 1; part < used; ++part) {
        try {
            helpers.emplace_back(work, bound(part), bound(part + 1));
            KeepOffProcessor(helpers.back(), processor);
        } catch (const std::system_error&) {
            work(bound(part), bound(part + 1));
        }
    }
    work(bound(0), bound(1));
}
