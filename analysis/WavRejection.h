#pragma once

#include <cstdint>
#include <string>

// Why the reader refused a file, and where: the byte offset at which the walk stopped.
enum class WavRejectReason {
    None,
    CannotOpen,         // missing, unreadable, not a plain file, or held by another program
    TooShort,           // fewer than 12 bytes for the RIFF header
    NotRiff,            // bytes 0-3 are not "RIFF"
    NotWave,            // bytes 8-11 are not "WAVE"
    NoFormatChunk,      // the chunk walk reached the end of the file before a "fmt " chunk
    FormatTooLarge,     // the "fmt " chunk states more bytes than the file has left
    FormatNoMemory,     // no memory for the "fmt " body
    FormatCutShort,     // the "fmt " body came back short
    NoDataChunk,        // the chunk walk reached the end of the file before a "data" chunk
};

struct WavRejection {
    WavRejectReason reason = WavRejectReason::None;
    std::uint64_t offset = 0;    // where the walk stopped
    std::uint64_t detail = 0;    // the file length, or the stated size that did not fit
    int osError = 0;             // errno, for CannotOpen
    char tag[4] = {};            // the RIFF id or form type that did not match
};

// Plain words for a rejection, e.g. `no "data" chunk after the "fmt " chunk (the file
// ends at offset 0x2c)`.
std::string DescribeRejection(const WavRejection& rejection);
