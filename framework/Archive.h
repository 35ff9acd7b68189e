#pragma once

#include <cstdint>

class CFile;

// A stream of a document's stored form over an open file, in one direction.
class CArchive {
public:
    enum Mode { load = 1, store = 0 };

    CArchive(CFile* pFile, Mode nMode) : m_pFile(pFile), m_nMode(nMode) {}
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsLoading() const { return m_nMode == load; }
    bool IsStoring() const { return m_nMode == store; }
    CFile* GetFile() const { return m_pFile; }

    std::uint32_t Read(void* buffer, std::uint32_t count);
    void Write(const void* buffer, std::uint32_t count);
    // Nothing is buffered here: every write has gone to the file already.
    void Close() {}

private:
    CFile* m_pFile;
    Mode m_nMode;
};
