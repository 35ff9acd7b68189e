#include "Archive.h"

#include "File.h"

std::uint32_t CArchive::Read(void* buffer, std::uint32_t count)
{
    return m_pFile->Read(buffer, count);
}

void CArchive::Write(const void* buffer, std::uint32_t count)
{
    m_pFile->Write(buffer, count);
}
