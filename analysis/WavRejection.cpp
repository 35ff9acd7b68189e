#include "WavRejection.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

std::string Hex(std::uint64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

// The four bytes of a tag, printable ones as they are and the rest as \xNN.
std::string Quoted(const char (&tag)[4])
{
    std::string text = "\"";
    for (char c : tag) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte <= 0x7E && c != '"' && c != '\\') {
            text += c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            text += escaped;
        }
    }
    return text + "\"";
}

std::string WalkEnd(const WavRejection& r)
{
    return "(the chunk walk reached offset " + Hex(r.offset) + ", the file ends at " +
           Hex(r.detail) + ")";
}

}  // namespace

std::string DescribeRejection(const WavRejection& r)
{
    switch (r.reason) {
    case WavRejectReason::None:
        return "accepted";
    case WavRejectReason::CannotOpen:
        if (r.osError == EWOULDBLOCK)
            return "cannot open: the file is in use by another program";
        return std::string("cannot open: ") + std::strerror(r.osError);
    case WavRejectReason::TooShort:
        return "not a WAVE file: " + std::to_string(r.detail) +
               " bytes, too short for a RIFF header";
    case WavRejectReason::NotRiff:
        return "not a RIFF file (it starts with " + Quoted(r.tag) + ")";
    case WavRejectReason::NotWave:
        return "not a WAVE file (RIFF form type " + Quoted(r.tag) + " at offset 0x8)";
    case WavRejectReason::NoFormatChunk:
        return "no \"fmt \" chunk " + WalkEnd(r);
    case WavRejectReason::FormatTooLarge:
        return "the \"fmt \" chunk at offset " + Hex(r.offset) + " states " +
               std::to_string(r.detail) + " bytes, more than the file holds";
    case WavRejectReason::FormatNoMemory:
        return "no memory for the " + std::to_string(r.detail) + "-byte \"fmt \" chunk at offset " +
               Hex(r.offset);
    case WavRejectReason::FormatCutShort:
        return "the \"fmt \" chunk at offset " + Hex(r.offset) + " is cut short by the end of the file";
    case WavRejectReason::NoDataChunk:
        return "no \"data\" chunk after the \"fmt \" chunk " + WalkEnd(r);
    }
    return "rejected";
}
