#include "PathUtil.h"

#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

bool Exists(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// Unwraps a quoted path: drops the leading double quote and cuts at the last one left.
std::string Unquote(const std::string& path)
{
    std::string text = path.substr(1);
    const std::size_t lastQuote = text.rfind('"');
    if (lastQuote != std::string::npos)
        text.erase(lastQuote);
    return text;
}

std::string CurrentFolder()
{
    std::vector<char> buffer(PATH_MAX);
    if (::getcwd(buffer.data(), buffer.size()) == nullptr)
        return std::string();
    return buffer.data();
}

// Resolves "." and ".." and repeated separators by the text alone; ".." at the root stays
// at the root. The path must be absolute.
std::string NormalizeAbsolute(const std::string& path)
{
    std::vector<std::string> parts;
    std::size_t begin = 0;
    while (begin <= path.size()) {
        std::size_t end = path.find('/', begin);
        if (end == std::string::npos)
            end = path.size();
        const std::string part = path.substr(begin, end - begin);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        begin = end + 1;
    }
    std::string result;
    for (const std::string& part : parts)
        result += "/" + part;
    return result.empty() ? "/" : result;
}

// The final target of a symbolic link, when the path is one and its target exists.
std::string FollowLink(const std::string& path)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr)
        return path;  // a dangling link or a loop: the link itself is named
    std::string target = resolved;
    std::free(resolved);
    return target;
}

}  // namespace

std::string AfxFullPath(const std::string& path)
{
    const bool quoted = path.starts_with('"') && !Exists(path);
    const std::string text = quoted ? Unquote(path) : path;
    if (text.empty())
        return text;
    std::string absolute = text;
    if (text.front() != '/') {
        const std::string folder = CurrentFolder();
        if (folder.empty())
            return text;
        absolute = folder + "/" + text;
    }
    return FollowLink(NormalizeAbsolute(absolute));
}

bool AfxComparePath(const std::string& first, const std::string& second)
{
    return first == second;
}

std::string AfxGetFileTitle(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string AfxGetFolder(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return std::string();
    return slash == 0 ? "/" : path.substr(0, slash);
}
