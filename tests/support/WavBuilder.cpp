#include "WavBuilder.h"

Bytes Tag(const char (&fourChars)[5])
{
    return Bytes(fourChars, fourChars + 4);
}

Bytes U16(std::uint16_t value)
{
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
}

Bytes U32(std::uint32_t value)
{
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes ChunkStating(const char (&id)[5], std::uint32_t statedSize, const Bytes& body)
{
    return Concat({Tag(id), U32(statedSize), body});
}

Bytes Chunk(const char (&id)[5], const Bytes& body, bool pad)
{
    Bytes chunk = ChunkStating(id, static_cast<std::uint32_t>(body.size()), body);
    if (pad && body.size() % 2 == 1)
        chunk.push_back(0);
    return chunk;
}

Bytes FmtBody(std::uint16_t formatTag, std::uint16_t channels, std::uint16_t bitsPerSample,
              std::uint32_t sampleRate, const Bytes& extension)
{
    const auto blockAlign = static_cast<std::uint16_t>(channels * bitsPerSample / 8);
    return Concat({U16(formatTag), U16(channels), U32(sampleRate), U32(sampleRate * blockAlign),
                   U16(blockAlign), U16(bitsPerSample), extension});
}

Bytes Pcm16(const std::vector<std::int16_t>& samples)
{
    Bytes bytes;
    bytes.reserve(samples.size() * 2);
    for (std::int16_t s : samples) {
        const auto u = static_cast<std::uint16_t>(s);
        bytes.push_back(static_cast<std::uint8_t>(u));
        bytes.push_back(static_cast<std::uint8_t>(u >> 8));
    }
    return bytes;
}

Bytes RiffWaveStating(std::uint32_t riffSize, const Bytes& chunks)
{
    return Concat({Tag("RIFF"), U32(riffSize), Tag("WAVE"), chunks});
}

Bytes RiffWave(const Bytes& chunks)
{
    return RiffWaveStating(static_cast<std::uint32_t>(4 + chunks.size()), chunks);
}

Bytes Pcm16Wave(std::uint16_t channels, const std::vector<std::int16_t>& interleaved,
                std::uint32_t sampleRate)
{
    return RiffWave(Concat({Chunk("fmt ", FmtBody(1, channels, 16, sampleRate)),
                            Chunk("data", Pcm16(interleaved))}));
}

std::vector<std::int16_t> Interleave(const std::vector<std::int16_t>& channel0,
                                     std::uint16_t channels, std::int16_t otherChannels)
{
    std::vector<std::int16_t> frames;
    frames.reserve(channel0.size() * channels);
    for (std::int16_t s : channel0) {
        frames.push_back(s);
        for (std::uint16_t c = 1; c < channels; ++c)
            frames.push_back(otherChannels);
    }
    return frames;
}
