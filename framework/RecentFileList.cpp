#include "RecentFileList.h"

#include "PathUtil.h"
#include "ProfileStore.h"

#include <algorithm>

namespace {

std::size_t CharacterCount(const std::string& text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;  // not a continuation byte
    }));
}

// Shortens an absolute path to at most maxLength characters by leaving out the folders after
// the first one, from the front, and marking the gap with "/...".
std::string AbbreviatePath(const std::string& path, std::size_t maxLength)
{
    if (CharacterCount(path) <= maxLength)
        return path;
    const std::string title = AfxGetFileTitle(path);
    const std::size_t titleSeparator = path.size() - title.size() - 1;
    const std::size_t volumeEnd = path.find('/', path.starts_with('/') ? 1 : 0);
    if (CharacterCount(title) > maxLength || volumeEnd == std::string::npos || volumeEnd > titleSeparator)
        return title;
    const std::string volume = path.substr(0, volumeEnd) + "/...";
    const std::string folders = path.substr(volumeEnd, titleSeparator - volumeEnd);
    for (std::size_t cut = 0; cut != std::string::npos; cut = folders.find('/', cut + 1)) {
        const std::string shortened = volume + folders.substr(cut) + "/" + title;
        if (CharacterCount(shortened) <= maxLength)
            return shortened;
    }
    const std::string shortest = volume + "/" + title;
    return CharacterCount(shortest) <= maxLength ? shortest : title;
}

std::string WithoutTrailingSlash(const std::string& folder)
{
    return folder.size() > 1 && folder.ends_with('/') ? folder.substr(0, folder.size() - 1) : folder;
}

}  // namespace

CRecentFileList::CRecentFileList(unsigned nStart, const std::string& section, const std::string& entryFormat,
                                 int nSize, int nMaxDispLen)
    : m_nStart(nStart)
    , m_strSectionName(section)
    , m_strEntryFormat(entryFormat)
    , m_nMaxDisplayLength(static_cast<std::size_t>(std::max(nMaxDispLen, 0)))
    , m_arrNames(static_cast<std::size_t>(std::max(nSize, 0)))
{
}

void CRecentFileList::Add(const std::string& pathName)
{
    if (m_arrNames.empty())
        return;
    const std::string fullPath = AfxFullPath(pathName);
    std::size_t found = 0;
    while (found + 1 < m_arrNames.size() && !AfxComparePath(m_arrNames[found], fullPath))
        ++found;
    std::move_backward(m_arrNames.begin(), m_arrNames.begin() + static_cast<std::ptrdiff_t>(found),
                       m_arrNames.begin() + static_cast<std::ptrdiff_t>(found) + 1);
    m_arrNames[0] = fullPath;
}

void CRecentFileList::Remove(int index)
{
    if (index < 0 || index >= GetSize())
        return;
    m_arrNames.erase(m_arrNames.begin() + index);
    m_arrNames.emplace_back();
}

std::string CRecentFileList::GetEntryName(int index) const
{
    std::string name = m_strEntryFormat;
    const std::string number = std::to_string(index + 1);
    const std::size_t placeholder = name.find("%d");
    if (placeholder == std::string::npos)
        return name + number;
    return name.replace(placeholder, 2, number);
}

void CRecentFileList::ReadList(CProfileStore& store)
{
    for (int i = 0; i < GetSize(); ++i)
        (*this)[i] = store.GetProfileString(m_strSectionName, GetEntryName(i));
}

void CRecentFileList::WriteList(CProfileStore& store) const
{
    store.WriteProfileString(m_strSectionName, nullptr, nullptr);
    for (int i = 0; i < GetSize(); ++i) {
        if (!(*this)[i].empty())
            store.WriteProfileString(m_strSectionName, GetEntryName(i).c_str(), (*this)[i].c_str());
    }
}

bool CRecentFileList::GetDisplayName(int index, std::string& name, const std::string& currentDir) const
{
    if (index < 0 || index >= GetSize() || (*this)[index].empty())
        return false;
    const std::string& path = (*this)[index];
    if (AfxComparePath(AfxGetFolder(path), WithoutTrailingSlash(currentDir)))
        name = AfxGetFileTitle(path);
    else
        name = AbbreviatePath(path, m_nMaxDisplayLength);
    return true;
}

bool CRecentFileList::GetMenuText(int index, std::string& text, const std::string& currentDir) const
{
    std::string name;
    if (!GetDisplayName(index, name, currentDir))
        return false;
    text = "&";
    text += static_cast<char>('0' + (m_nStart + static_cast<unsigned>(index) + 1) % 10);
    text += ' ';
    for (const char c : name) {
        if (c == '&')
            text += '&';
        text += c;
    }
    return true;
}
