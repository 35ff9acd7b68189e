#include "AtomicFile.h"

#include "PathUtil.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool WriteAll(int fd, const std::string& text, const WriteFunction& writeBytes)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = writeBytes(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// Makes the rename itself durable; a failure here no longer endangers the content.
void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

std::string AtomicTempPrefix(const std::string& path)
{
    return AfxGetFolder(path) + "/." + AfxGetFileTitle(path) + ".tmp-";
}

bool ReplaceFileAtomically(const std::string& path, const std::string& text,
                           const WriteFunction& writeBytes)
{
    std::string tempPath = AtomicTempPrefix(path) + "XXXXXX";
    const int fd = ::mkostemp(tempPath.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = WriteAll(fd, text, writeBytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(tempPath.c_str(), path.c_str()) != 0) {
        ::unlink(tempPath.c_str());
        return false;
    }
    SyncFolder(AfxGetFolder(path));
    return true;
}
