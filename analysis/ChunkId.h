#pragma once

#include <cstdint>

// A chunk id is four printable ASCII characters; anything else is not where a header starts.
inline bool IsPlausibleChunkId(const std::uint8_t* id)
{
    for (int i = 0; i < 4; ++i) {
        if (id[i] < 0x20 || id[i] > 0x7E)
            return false;
    }
    return true;
}
