#pragma once

#include "FileException.h"

#include <cstdint>
#include <string>

// A file on disk, through a POSIX descriptor.
//
// Opening never blocks: a named pipe, a device or a socket named as the file is refused at
// once. Sharing is an advisory lock (flock) taken without waiting: exclusive for
// shareCompat and shareExclusive, shared for shareDenyWrite, none for shareDenyNone. A
// second opener that asks for exclusive access to a file held this way is refused.
class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
    };
    enum SeekPosition : unsigned { begin = 0, current = 1, end = 2 };

    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // False, raising nothing, when the file cannot be opened or is held by another opener;
    // the reason goes into *pError when one is given.
    bool Open(const char* pathName, unsigned openFlags, CFileException* pError = nullptr);

    // Reads up to count bytes; fewer only at the end of the file. Throws CFileException
    // when the operating system reports an error.
    std::uint32_t Read(void* buffer, std::uint32_t count);

    // Writes all count bytes or throws CFileException.
    void Write(const void* buffer, std::uint32_t count);

    // Moves the position; a position beyond the end is allowed. Returns the new position.
    std::uint64_t Seek(std::int64_t offset, SeekPosition from);

    std::uint64_t GetPosition() const;
    std::uint64_t GetLength() const;

    // Forces written data to the disk; throws CFileException on failure.
    void Flush();

    void Close();

    bool IsOpen() const { return m_hFile >= 0; }
    const std::string& GetFilePath() const { return m_strFileName; }

private:
    [[noreturn]] void ThrowOsError(int osError) const;

    int m_hFile = -1;
    std::string m_strFileName;
};
