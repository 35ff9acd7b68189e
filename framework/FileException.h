#pragma once

#include "Exception.h"

#include <string>

// An operating-system failure on a file: the framework's cause code, the errno it came
// from, and the file's name. The cause indexes the file-error texts of the string table.
class CFileException : public CException {
public:
    enum Cause : int {
        none = 0,
        generic = 1,
        fileNotFound = 2,
        badPath = 3,
        tooManyOpenFiles = 4,
        accessDenied = 5,
        invalidFile = 6,
        removeCurrentDir = 7,
        directoryFull = 8,
        badSeek = 9,
        hardIO = 10,
        sharingViolation = 11,
        lockViolation = 12,
        diskFull = 13,
        endOfFile = 14,
    };

    CFileException() = default;
    CFileException(int cause, int osError, std::string fileName);

    // The cause that an errno value stands for.
    static int OsErrorToCause(int osError);

    const char* what() const noexcept override;

    int m_cause = none;
    int m_lOsError = 0;
    std::string m_strFileName;

private:
    std::string m_strWhat;
};
