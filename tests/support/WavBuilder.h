#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Little pieces of a RIFF file, so that each test shows its bytes.
Bytes Tag(const char (&fourChars)[5]);
Bytes U16(std::uint16_t value);
Bytes U32(std::uint32_t value);
Bytes Concat(std::initializer_list<Bytes> parts);

// A chunk: id, the stated size (the body's length unless given), the body, and a zero pad
// byte after an odd body when pad is set.
Bytes Chunk(const char (&id)[5], const Bytes& body, bool pad = false);
Bytes ChunkStating(const char (&id)[5], std::uint32_t statedSize, const Bytes& body);

// A 16-byte "fmt " body, plus any extension bytes.
Bytes FmtBody(std::uint16_t formatTag, std::uint16_t channels, std::uint16_t bitsPerSample,
              std::uint32_t sampleRate = 44100, const Bytes& extension = {});

// Interleaved 16-bit samples, little-endian.
Bytes Pcm16(const std::vector<std::int16_t>& samples);

// "RIFF", the size (counted from the chunks unless given), "WAVE", the chunks.
Bytes RiffWave(const Bytes& chunks);
Bytes RiffWaveStating(std::uint32_t riffSize, const Bytes& chunks);

// A plain 16-bit PCM file: fmt, then data holding the interleaved samples.
Bytes Pcm16Wave(std::uint16_t channels, const std::vector<std::int16_t>& interleaved,
                std::uint32_t sampleRate = 44100);

// Frames of one channel, other channels filled with otherChannels.
std::vector<std::int16_t> Interleave(const std::vector<std::int16_t>& channel0,
                                     std::uint16_t channels, std::int16_t otherChannels = 0);
