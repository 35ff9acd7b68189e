#pragma once

#include "File.h"
#include "WavRejection.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

// Reads a RIFF/WAVE file: checks the RIFF header, loads a copy of the "fmt " chunk and
// leaves the file at the first byte of the "data" chunk that follows it. It interprets
// neither the format nor the samples.
class CWavReader {
public:
    CWavReader() = default;
    ~CWavReader();
    CWavReader(const CWavReader&) = delete;
    CWavReader& operator=(const CWavReader&) = delete;

    // True when the file is RIFF/WAVE with a "fmt " chunk followed by a "data" chunk; the
    // position is then the first byte of the data body. Throws CFileException when the
    // operating system reports an error while reading.
    bool Open(const char* pathName);
    void Close();

    // The "fmt " body exactly as stated in its header, or null; valid until Close or Open.
    const std::uint8_t* GetFormat() const { return m_pFormat.get(); }
    std::uint32_t GetFormatSize() const { return m_nFormatSize; }
    std::uint32_t GetDataSize() const { return m_nDataSize; }

    // Up to count bytes from the current position, not stopping at the end of the data
    // chunk; 0 with no file open.
    std::uint32_t Read(void* buffer, std::uint32_t count);

    // Moves the position forward by count bytes, also beyond the end of the file.
    void Skip(std::uint64_t count);

    const WavRejection& GetRejection() const { return m_rejection; }

private:
    struct FreeDeleter {
        void operator()(std::uint8_t* block) const { std::free(block); }
    };
    struct ChunkHeader {
        char id[4];
        std::uint32_t size;
    };

    bool Reject(WavRejectReason reason, std::uint64_t offset, std::uint64_t detail = 0);
    bool ReadChunkHeader(ChunkHeader& header);
    bool FindChunk(const char (&id)[5], ChunkHeader& header, WavRejectReason notFound);
    bool LoadFormat(const ChunkHeader& header);

    std::unique_ptr<CFile> m_pFile;
    std::unique_ptr<std::uint8_t, FreeDeleter> m_pFormat;
    std::uint32_t m_nDataSize = 0;
    std::uint32_t m_nFormatSize = 0;
    std::uint64_t m_nPosition = 0;       // file position, kept here to spare system calls
    std::uint64_t m_nFileLength = 0;
    bool m_bOddBodyBefore = false;       // the chunk just passed had an odd size
    WavRejection m_rejection;
};
