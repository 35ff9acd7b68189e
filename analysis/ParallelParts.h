#pragma once

#include <cstddef>
#include <functional>

// Cuts [0, count) into `parts` consecutive ranges whose bounds are multiples of `granule`
// (fewer parts when there are fewer granules) and runs work(begin, end) on each: the first on
// the calling thread, the others on threads of their own. Returns when every range is done.
// If a thread cannot be started, its range runs on the calling thread instead. work must not
// throw.
void RunInParts(std::size_t count, std::size_t granule, unsigned parts,
                const std::function<void(std::size_t begin, std::size_t end)>& work);
