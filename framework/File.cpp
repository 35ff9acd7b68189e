#include "File.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int AccessMode(unsigned flags)
{
    switch (flags & 0x3u) {
    case CFile::modeWrite:
        return O_WRONLY;
    case CFile::modeReadWrite:
        return O_RDWR;
    default:
        return O_RDONLY;
    }
}

// The flock operation for the sharing asked for, or 0 for none.
int LockOperation(unsigned flags)
{
    switch (flags & 0x70u) {
    case CFile::shareDenyNone:
        return 0;
    case CFile::shareDenyWrite:
        return LOCK_SH | LOCK_NB;
    default:
        return LOCK_EX | LOCK_NB;
    }
}

// Only plain files and folders are opened; anything else could block or never end.
bool IsOpenableKind(mode_t mode)
{
    return S_ISREG(mode) || S_ISDIR(mode);
}

}  // namespace

CFile::~CFile()
{
    Close();
}

bool CFile::Open(const char* pathName, unsigned openFlags, CFileException* pError)
{
    Close();
    auto fail = [&](int cause, int osError) {
        if (pError != nullptr)
            *pError = CFileException(cause, osError, pathName);
        return false;
    };

    int flags = AccessMode(openFlags) | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    const bool truncate = (openFlags & modeCreate) != 0u && (openFlags & modeNoTruncate) == 0u;
    if ((openFlags & modeCreate) != 0u)
        flags |= O_CREAT;
    const int fd = ::open(pathName, flags, 0666);
    if (fd < 0)
        return fail(CFileException::OsErrorToCause(errno), errno);

    struct stat info {};
    if (::fstat(fd, &info) != 0 || !IsOpenableKind(info.st_mode)) {
        const int osError = errno != 0 ? errno : EACCES;
        ::close(fd);
        return fail(CFileException::accessDenied, osError);
    }
    // The descriptor stays blocking-free only for the open; reads of a plain file never wait.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);

    const int lockOp = LockOperation(openFlags);
    if (lockOp != 0 && ::flock(fd, lockOp) != 0) {
        const int osError = errno;
        ::close(fd);
        return fail(osError == EWOULDBLOCK ? CFileException::sharingViolation
                                           : CFileException::lockViolation,
                    osError);
    }
    // Truncate only once the file is ours, so a file held by another opener stays whole.
    if (truncate && ::ftruncate(fd, 0) != 0) {
        const int osError = errno;
        ::close(fd);
        return fail(CFileException::OsErrorToCause(osError), osError);
    }
    m_hFile = fd;
    m_strFileName = pathName;
    return true;
}

std::uint32_t CFile::Read(void* buffer, std::uint32_t count)
{
    if (m_hFile < 0)
        ThrowOsError(EBADF);
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::uint32_t done = 0;
    while (done < count) {
        const ssize_t got = ::read(m_hFile, bytes + done, count - done);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ThrowOsError(errno);
        }
        if (got == 0)
            break;
        done += static_cast<std::uint32_t>(got);
    }
    return done;
}

void CFile::Write(const void* buffer, std::uint32_t count)
{
    if (m_hFile < 0)
        ThrowOsError(EBADF);
    const auto* bytes = static_cast<const unsigned char*>(buffer);
    std::uint32_t done = 0;
    while (done < count) {
        const ssize_t put = ::write(m_hFile, bytes + done, count - done);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            ThrowOsError(errno);
        }
        done += static_cast<std::uint32_t>(put);
    }
}

std::uint64_t CFile::Seek(std::int64_t offset, SeekPosition from)
{
    if (m_hFile < 0)
        ThrowOsError(EBADF);
    const int whence = from == begin ? SEEK_SET : from == end ? SEEK_END : SEEK_CUR;
    const off_t pos = ::lseek(m_hFile, static_cast<off_t>(offset), whence);
    if (pos < 0)
        throw CFileException(CFileException::badSeek, errno, m_strFileName);
    return static_cast<std::uint64_t>(pos);
}

std::uint64_t CFile::GetPosition() const
{
    const off_t pos = m_hFile < 0 ? -1 : ::lseek(m_hFile, 0, SEEK_CUR);
    if (pos < 0)
        throw CFileException(CFileException::badSeek, errno, m_strFileName);
    return static_cast<std::uint64_t>(pos);
}

std::uint64_t CFile::GetLength() const
{
    struct stat info {};
    if (m_hFile < 0 || ::fstat(m_hFile, &info) != 0)
        ThrowOsError(m_hFile < 0 ? EBADF : errno);
    return static_cast<std::uint64_t>(info.st_size);
}

void CFile::Flush()
{
    if (m_hFile < 0 || ::fsync(m_hFile) != 0)
        ThrowOsError(m_hFile < 0 ? EBADF : errno);
}

void CFile::Close()
{
    if (m_hFile >= 0) {
        ::close(m_hFile);  // closing also drops the lock
        m_hFile = -1;
    }
    m_strFileName.clear();
}

void CFile::ThrowOsError(int osError) const
{
    throw CFileException(CFileException::OsErrorToCause(osError), osError, m_strFileName);
}
