#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/file_write.h"

namespace ostrevan::platform {
namespace {

std::string Reason(int err) {
    switch (err) {
        case ENOENT:
        case ENOTDIR: return "The folder does not exist.";
        case EROFS: return "The disk is write-protected.";
        case EACCES:
        case EPERM: return "Access is denied: the file or its folder is read-only or protected.";
        case EISDIR: return "A folder of that name is in the way.";
        case ETXTBSY:
        case EBUSY: return "The file is in use by another program.";
        case ENOSPC:
        case EDQUOT: return "The disk is full.";
        case ENAMETOOLONG: return "The name is too long.";
        case EINVAL: return "The name is not valid.";
        default: break;
    }
    std::string s = std::strerror(err);
    return s + ".";
}

}  // namespace

std::string WriteWholeFile(const HostPath& path, std::string_view bytes) {
    if (path.empty()) return Reason(ENOENT);
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return Reason(errno);
    const char* p = bytes.data();
    size_t n = bytes.size();
    int err = 0;
    while (n > 0) {
        const ssize_t w = write(fd, p, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            err = errno;
            break;
        }
        p += w;
        n -= static_cast<size_t>(w);
    }
    if (close(fd) != 0 && err == 0) err = errno;
    if (err != 0) {
        unlink(path.c_str());
        return Reason(err);
    }
    return {};
}

}  // namespace ostrevan::platform
