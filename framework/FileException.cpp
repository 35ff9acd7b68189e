#include "FileException.h"

#include <cerrno>
#include <cstring>

CFileException::CFileException(int cause, int osError, std::string fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(std::move(fileName))
{
    m_strWhat = m_strFileName + ": " + (osError != 0 ? std::strerror(osError) : "file error");
}

int CFileException::OsErrorToCause(int osError)
{
    switch (osError) {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case EBUSY:
    case EWOULDBLOCK:
        return sharingViolation;
    case ENOLCK:
    case EDEADLK:
        return lockViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return diskFull;
    case ESPIPE:
    case EOVERFLOW:
        return badSeek;
    case EIO:
    case ENXIO:
        return hardIO;
    default:
        return generic;
    }
}

const char* CFileException::what() const noexcept
{
    return m_strWhat.c_str();
}
