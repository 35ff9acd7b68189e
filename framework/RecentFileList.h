#pragma once

#include <string>
#include <vector>

class CProfileStore;

// The most recently opened files, most recent first, as the File menu shows them and the
// profile keeps them. An empty entry means none; entries keep their places when read, so a
// gap in the profile stays a gap (the menu stops at the first empty entry).
class CRecentFileList {
public:
    // nStart is added to an entry's position to number its menu item (0 numbers from 1).
    // The entry format names entry i's profile value, "%d" standing for i + 1 ("File%d").
    // Shown names longer than nMaxDispLen characters are shortened.
    CRecentFileList(unsigned nStart, const std::string& section, const std::string& entryFormat,
                    int nSize, int nMaxDispLen = 30);

    int GetSize() const { return static_cast<int>(m_arrNames.size()); }
    std::string& operator[](int index) { return m_arrNames.at(static_cast<std::size_t>(index)); }
    const std::string& operator[](int index) const { return m_arrNames.at(static_cast<std::size_t>(index)); }

    // Puts the absolute form of the path first. When one of the entries before the last
    // already holds it, the entries above that one move down over it; otherwise every entry
    // moves down and the last is lost. Either way no path is held twice.
    void Add(const std::string& pathName);
    // Empties the entry, moves every later one up, and empties the last.
    void Remove(int index);

    void ReadList(CProfileStore& store);
    // Replaces the profile section with the non-empty entries, each under its own number.
    void WriteList(CProfileStore& store) const;

    // The profile value name of an entry.
    std::string GetEntryName(int index) const;

    // The name an entry is shown with: the file name alone when it lies in currentDir;
    // otherwise the whole path when it fits, or else the root and first folder, "/...", as
    // many of the last folders as fit, and the file name ("/home/.../takes/first.wav"); the
    // file name alone when not even that fits. Lengths count characters (UTF-8 code points).
    // False for an empty entry.
    bool GetDisplayName(int index, std::string& name, const std::string& currentDir) const;
    // The menu text of an entry: "&", the digit of its number, a blank, and the shown name
    // with every '&' doubled so that it shows as itself. False for an empty entry.
    bool GetMenuText(int index, std::string& text, const std::string& currentDir) const;

private:
    unsigned m_nStart;
    std::string m_strSectionName;
    std::string m_strEntryFormat;
    std::size_t m_nMaxDisplayLength;
    std::vector<std::string> m_arrNames;
};
