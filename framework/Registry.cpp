#include "Registry.h"

#include "PathUtil.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kSoftware[] = "Software";
constexpr char kFileExtension[] = ".reg";
// Settings files are a few hundred bytes; anything far larger is not one of ours, and the
// cap keeps the parse of a hostile file short.
constexpr std::size_t kMaxFileSize = 64 * 1024;

// Splits a key path at '\'. Names must be usable as one line of text, and the names that
// become a folder or a file must be usable as such.
bool SplitKey(const std::string& key, std::vector<std::string>& names)
{
    names.clear();
    std::size_t begin = 0;
    while (begin <= key.size()) {
        const std::size_t end = std::min(key.find('\\', begin), key.size());
        std::string name = key.substr(begin, end - begin);
        if (name.empty() || name.find_first_of(std::string("\n\r\0", 3)) != std::string::npos)
            return false;
        if (names.size() < 3 && (name == "." || name == ".." || name.find('/') != std::string::npos))
            return false;
        names.push_back(std::move(name));
        begin = end + 1;
    }
    return true;
}

bool IsFolder(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool ReadWholeFile(int fd, std::string& text)
{
    char buffer[4096];
    while (true) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return false;
        if (count == 0)
            return true;
        text.append(buffer, static_cast<std::size_t>(count));
        if (text.size() > kMaxFileSize)
            return true;  // too large to be ours; the parser will say so
    }
}

std::string UtcStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm parts {};
    ::gmtime_r(&now, &parts);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", &parts);
    return stamp;
}

// Moves a file that cannot be read as settings out of the way, under a name that no other
// file has, so that nothing of it is lost.
bool SetAside(const std::string& path)
{
    const std::string base = path + ".bad-" + UtcStamp();
    for (int attempt = 1; attempt < 100; ++attempt) {
        const std::string aside = attempt == 1 ? base : base + "-" + std::to_string(attempt);
        struct stat info {};
        if (::lstat(aside.c_str(), &info) == 0)
            continue;
        return std::rename(path.c_str(), aside.c_str()) == 0;
    }
    return false;
}

using EntryFilter = bool (*)(const std::filesystem::directory_entry& entry, std::string& name);

// The names of a folder's entries that the filter accepts (it may shorten them), sorted.
std::vector<std::string> SortedEntries(const std::string& folder, EntryFilter accept)
{
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name;
        if (accept(*it, name))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool AcceptAny(const std::filesystem::directory_entry& entry, std::string& name)
{
    name = entry.path().filename().string();
    return true;
}

bool AcceptFolder(const std::filesystem::directory_entry& entry, std::string& name)
{
    std::error_code error;
    name = entry.path().filename().string();
    return entry.is_directory(error);
}

bool AcceptSettingsFile(const std::filesystem::directory_entry& entry, std::string& name)
{
    std::error_code error;
    name = entry.path().filename().string();
    if (!entry.is_regular_file(error) || name.size() <= sizeof kFileExtension - 1 || !name.ends_with(kFileExtension))
        return false;
    name.resize(name.size() - (sizeof kFileExtension - 1));
    return true;
}

}  // namespace

struct CRegistry::Location {
    enum Level { Software, Company, App } level = Software;
    std::string folder;              // the company folder
    std::string appFile;             // the application key's file
    std::string rootName;            // the application key's full name
    CRegistryFile::KeyPath appPath;  // the key below the application key
};

CRegistry::CRegistry(std::string baseFolder)
    : m_strBaseFolder(std::move(baseFolder))
    , m_writeBytes([](int fd, const void* data, std::size_t size) { return ::write(fd, data, size); })
{
}

std::string CRegistry::DefaultBaseFolder()
{
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome != nullptr && configHome[0] == '/')
        return configHome;
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return std::string(home) + "/.config";
    return std::string();
}

bool CRegistry::Locate(Root root, const std::string& key, Location& location) const
{
    std::vector<std::string> names;
    if (root != HKEY_CURRENT_USER || m_strBaseFolder.empty() || !SplitKey(key, names) || names[0] != kSoftware)
        return false;
    location = Location();
    if (names.size() == 1)
        return true;
    location.level = Location::Company;
    location.folder = m_strBaseFolder + "/" + names[1];
    if (names.size() == 2)
        return true;
    location.level = Location::App;
    location.appFile = location.folder + "/" + names[2] + kFileExtension;
    location.rootName = "HKEY_CURRENT_USER\\" + names[0] + "\\" + names[1] + "\\" + names[2];
    location.appPath.assign(names.begin() + 3, names.end());
    return true;
}

CRegistry::LoadResult CRegistry::Load(const Location& location, CRegistryFile& file) const
{
    const int fd = ::open(location.appFile.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT ? LoadResult::Missing : LoadResult::Unusable;
    struct stat info {};
    std::string text;
    const bool readable = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ReadWholeFile(fd, text);
    ::close(fd);
    if (!readable)
        return LoadResult::Unusable;
    if (text.size() <= kMaxFileSize && file.Parse(text, location.rootName))
        return LoadResult::Loaded;
    file = CRegistryFile();
    return SetAside(location.appFile) ? LoadResult::Missing : LoadResult::Unusable;
}

bool CRegistry::Save(const Location& location, const CRegistryFile& file) const
{
    return EnsureFolder(location.folder)
        && ReplaceFileAtomically(location.appFile, file.Format(location.rootName), m_writeBytes);
}

bool CRegistry::EnsureFolder(const std::string& folder) const
{
    if (IsFolder(folder))
        return true;
    const std::string parent = AfxGetFolder(folder);
    if (parent.empty() || parent == folder || !EnsureFolder(parent))
        return false;
    return ::mkdir(folder.c_str(), 0700) == 0 || (errno == EEXIST && IsFolder(folder));
}

bool CRegistry::LoadKey(Root root, const std::string& key, Location& location, CRegistryFile& file)
{
    return Locate(root, key, location) && location.level == Location::App
        && Load(location, file) == LoadResult::Loaded && file.HasKey(location.appPath);
}

bool CRegistry::CreateKey(Root root, const std::string& key)
{
    Location location;
    if (!Locate(root, key, location))
        return false;
    if (location.level == Location::Software)
        return true;
    if (!EnsureFolder(location.folder))
        return false;
    if (location.level == Location::Company)
        return true;
    CRegistryFile file;
    if (Load(location, file) == LoadResult::Unusable)
        return false;
    return !file.AddKey(location.appPath) || Save(location, file);
}

bool CRegistry::KeyExists(Root root, const std::string& key)
{
    Location location;
    if (!Locate(root, key, location))
        return false;
    switch (location.level) {
    case Location::Software:
        return true;
    case Location::Company:
        return IsFolder(location.folder);
    case Location::App:
        break;
    }
    CRegistryFile file;
    return Load(location, file) == LoadResult::Loaded && file.HasKey(location.appPath);
}

bool CRegistry::QueryValue(Root root, const std::string& key, const std::string& name, CRegistryFile::Data& data)
{
    Location location;
    CRegistryFile file;
    if (!LoadKey(root, key, location, file))
        return false;
    const CRegistryFile::Value* found = file.FindValue(location.appPath, name);
    if (found == nullptr)
        return false;
    data = found->data;
    return true;
}

bool CRegistry::QueryString(Root root, const std::string& key, const std::string& name, std::string& value)
{
    CRegistryFile::Data data;
    if (!QueryValue(root, key, name, data))
        return false;
    if (const auto* number = std::get_if<std::uint32_t>(&data))
        value = std::to_string(*number);
    else
        value = std::get<std::string>(data);
    return true;
}

bool CRegistry::QueryDword(Root root, const std::string& key, const std::string& name, std::uint32_t& value)
{
    CRegistryFile::Data data;
    if (!QueryValue(root, key, name, data))
        return false;
    if (const auto* number = std::get_if<std::uint32_t>(&data)) {
        value = *number;
        return true;
    }
    const std::string& text = std::get<std::string>(data);
    std::uint32_t parsed = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, parsed);
    if (text.empty() || error != std::errc() || stop != end)
        return false;
    value = parsed;
    return true;
}

bool CRegistry::SetValue(Root root, const std::string& key, const std::string& name,
                         const CRegistryFile::Data& data)
{
    Location location;
    CRegistryFile file;
    if (!LoadKey(root, key, location, file))
        return false;
    return !file.SetValue(location.appPath, name, data) || Save(location, file);
}

bool CRegistry::SetString(Root root, const std::string& key, const std::string& name, const std::string& value)
{
    return SetValue(root, key, name, value);
}

bool CRegistry::SetDword(Root root, const std::string& key, const std::string& name, std::uint32_t value)
{
    return SetValue(root, key, name, value);
}

bool CRegistry::DeleteValue(Root root, const std::string& key, const std::string& name)
{
    Location location;
    CRegistryFile file;
    return LoadKey(root, key, location, file) && file.RemoveValue(location.appPath, name)
        && Save(location, file);
}

bool CRegistry::DeleteKey(Root root, const std::string& key)
{
    Location location;
    if (!Locate(root, key, location) || location.level == Location::Software)
        return false;
    if (location.level == Location::Company)
        return !HasSubkeys(root, key) && ::rmdir(location.folder.c_str()) == 0;
    CRegistryFile file;
    if (!LoadKey(root, key, location, file) || !file.Subkeys(location.appPath).empty())
        return false;
    if (location.appPath.empty())
        return RemoveAppFile(location);
    return file.RemoveTree(location.appPath) && Save(location, file);
}

bool CRegistry::DeleteTree(Root root, const std::string& key)
{
    Location location;
    if (!Locate(root, key, location) || location.level == Location::Software)
        return false;
    if (location.level == Location::Company) {
        for (const std::string& name : EnumSubkeys(root, key))
            DeleteTree(root, key + "\\" + name);
        return DeleteKey(root, key);
    }
    // The whole tree lives in one file: it goes in one replacement, or not at all.
    CRegistryFile file;
    if (!LoadKey(root, key, location, file))
        return false;
    if (location.appPath.empty())
        return RemoveAppFile(location);
    return file.RemoveTree(location.appPath) && Save(location, file);
}

void CRegistry::DeleteKeyAndEmptyParents(Root root, const std::string& key)
{
    std::string current = key;
    while (KeyExists(root, current) && !HasSubkeys(root, current) && DeleteKey(root, current)) {
        const std::size_t separator = current.rfind('\\');
        if (separator == std::string::npos)
            return;
        current.erase(separator);
    }
}

std::vector<std::string> CRegistry::EnumSubkeys(Root root, const std::string& key)
{
    Location location;
    if (!Locate(root, key, location))
        return {};
    switch (location.level) {
    case Location::Software:
        return SortedEntries(m_strBaseFolder, AcceptFolder);
    case Location::Company:
        return SortedEntries(location.folder, AcceptSettingsFile);
    case Location::App:
        break;
    }
    CRegistryFile file;
    if (!LoadKey(root, key, location, file))
        return {};
    return file.Subkeys(location.appPath);
}

// Removes the application key's file and what interrupted replacements of it left behind.
bool CRegistry::RemoveAppFile(const Location& location) const
{
    const std::string tempPrefix = AfxGetFileTitle(AtomicTempPrefix(location.appFile));
    for (const std::string& name : SortedEntries(location.folder, AcceptAny)) {
        if (name.starts_with(tempPrefix))
            ::unlink((location.folder + "/" + name).c_str());
    }
    return ::unlink(location.appFile.c_str()) == 0;
}
