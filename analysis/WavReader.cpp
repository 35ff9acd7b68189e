#include "WavReader.h"

#include "ChunkId.h"

#include <cstring>

namespace {

constexpr std::uint32_t kRiffHeaderSize = 12;
constexpr std::uint32_t kChunkHeaderSize = 8;

std::uint32_t LittleEndian32(const std::uint8_t* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

}  // namespace

CWavReader::~CWavReader()
{
    Close();
}

bool CWavReader::Open(const char* pathName)
{
    Close();
    m_rejection = {};
    m_nDataSize = 0;
    m_nPosition = 0;
    m_bOddBodyBefore = false;

    m_pFile = std::make_unique<CFile>();
    CFileException error;
    if (!m_pFile->Open(pathName, CFile::modeRead | CFile::shareCompat, &error)) {
        m_pFile.reset();
        m_rejection.osError = error.m_lOsError;
        return Reject(WavRejectReason::CannotOpen, 0);
    }
    m_nFileLength = m_pFile->GetLength();

    std::uint8_t riff[kRiffHeaderSize];
    const std::uint32_t got = Read(riff, kRiffHeaderSize);
    if (got < kRiffHeaderSize)
        return Reject(WavRejectReason::TooShort, 0, got);
    if (std::memcmp(riff, "RIFF", 4) != 0) {
        std::memcpy(m_rejection.tag, riff, 4);
        return Reject(WavRejectReason::NotRiff, 0);
    }
    if (std::memcmp(riff + 8, "WAVE", 4) != 0) {
        std::memcpy(m_rejection.tag, riff + 8, 4);
        return Reject(WavRejectReason::NotWave, 8);
    }

    ChunkHeader header{};
    if (!FindChunk("fmt ", header, WavRejectReason::NoFormatChunk) || !LoadFormat(header))
        return false;
    if (!FindChunk("data", header, WavRejectReason::NoDataChunk))
        return false;
    m_nDataSize = header.size;
    return true;
}

void CWavReader::Close()
{
    if (m_pFile) {
        m_pFile->Close();
        m_pFile.reset();
    }
    m_pFormat.reset();
    m_nFormatSize = 0;
}

std::uint32_t CWavReader::Read(void* buffer, std::uint32_t count)
{
    if (!m_pFile)
        return 0;
    const std::uint32_t got = m_pFile->Read(buffer, count);
    m_nPosition += got;
    return got;
}

void CWavReader::Skip(std::uint64_t count)
{
    if (!m_pFile || count == 0)
        return;
    m_nPosition = m_pFile->Seek(static_cast<std::int64_t>(count), CFile::current);
}

bool CWavReader::Reject(WavRejectReason reason, std::uint64_t offset, std::uint64_t detail)
{
    m_rejection.reason = reason;
    m_rejection.offset = offset;
    m_rejection.detail = detail;
    return false;
}

// Reads the 8-byte header at the position. RIFF writers pad an odd-sized body to an even
// length; when the bytes right after such a body do not look like a chunk id but the bytes
// one further do, the byte between is that pad and is skipped.
bool CWavReader::ReadChunkHeader(ChunkHeader& header)
{
    std::uint8_t bytes[kChunkHeaderSize + 1];
    if (Read(bytes, kChunkHeaderSize) < kChunkHeaderSize)
        return false;
    const std::uint8_t* start = bytes;
    if (m_bOddBodyBefore && !IsPlausibleChunkId(bytes) && IsPlausibleChunkId(bytes + 1)) {
        if (Read(bytes + kChunkHeaderSize, 1) < 1)
            return false;
        start = bytes + 1;
    }
    m_bOddBodyBefore = false;
    std::memcpy(header.id, start, 4);
    header.size = LittleEndian32(start + 4);
    return true;
}

bool CWavReader::FindChunk(const char (&id)[5], ChunkHeader& header, WavRejectReason notFound)
{
    for (;;) {
        const std::uint64_t headerOffset = m_nPosition;
        if (!ReadChunkHeader(header))
            return Reject(notFound, headerOffset, m_nFileLength);
        if (std::memcmp(header.id, id, 4) == 0)
            return true;
        // Sizes are unsigned, so every skip moves forward and the walk ends.
        Skip(header.size);
        m_bOddBodyBefore = (header.size & 1u) != 0;
    }
}

bool CWavReader::LoadFormat(const ChunkHeader& header)
{
    const std::uint64_t bodyOffset = m_nPosition;
    const std::uint64_t bytesLeft = m_nFileLength > bodyOffset ? m_nFileLength - bodyOffset : 0;
    // A stated size the file cannot hold is refused before anything is allocated.
    if (header.size > bytesLeft)
        return Reject(WavRejectReason::FormatTooLarge, bodyOffset - kChunkHeaderSize, header.size);

    // A block of one byte stands for an empty body, so that a loaded format is never null.
    auto* block = static_cast<std::uint8_t*>(std::malloc(header.size == 0 ? 1 : header.size));
    if (block == nullptr)
        return Reject(WavRejectReason::FormatNoMemory, bodyOffset - kChunkHeaderSize, header.size);
    m_pFormat.reset(block);
    m_nFormatSize = header.size;
    if (Read(block, header.size) < header.size)
        return Reject(WavRejectReason::FormatCutShort, bodyOffset - kChunkHeaderSize, header.size);
    m_bOddBodyBefore = (header.size & 1u) != 0;
    return true;
}
