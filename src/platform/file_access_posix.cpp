#include "platform/file_access.h"
#include "platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include <system_error>

namespace ostrevan::platform {

namespace fs = std::filesystem;

std::string FolderIdentity(const HostPath& dir) {
    struct stat st {};
    if (stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return {};
    return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
}

// The machine's own answers, following links; a path that cannot be examined is none of these.
namespace system_fs {
bool PathExists(const HostPath& path) { std::error_code ec; return fs::exists(path, ec); }
bool IsDirectory(const HostPath& path) { std::error_code ec; return fs::is_directory(path, ec); }
bool IsFile(const HostPath& path) { std::error_code ec; return fs::is_regular_file(path, ec); }

std::vector<HostPath> DirectoryEntries(const HostPath& dir) {
    std::vector<HostPath> out;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        out.push_back(it->path());
    return out;
}
}  // namespace system_fs

// Opened first, checked after: a name that becomes a named pipe or a device between a check by
// name and the opening would block the reader for ever, so the name is opened without waiting
// and read only when what was opened is a plain file, through that descriptor's own entry (the
// same file even when the name is replaced meanwhile).
void OpenStream(std::ifstream& in, const HostPath& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd >= 0 && fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        in.open("/proc/self/fd/" + std::to_string(fd), std::ios::binary);
        // Without /proc the name is opened again: it was a plain file a moment ago.
        if (!in.is_open() && errno == ENOENT) in.open(path, std::ios::binary);
    }
    if (fd >= 0) close(fd);
    if (!in.is_open()) in.setstate(std::ios::failbit);
}

void OpenStream(std::ofstream& out, const HostPath& path) {
    out.open(path, std::ios::binary | std::ios::trunc);
}

bool MoveFileOver(const HostPath& from, const HostPath& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    return !ec;
}

bool RemoveFile(const HostPath& path) {
    std::error_code ec;
    return fs::remove(path, ec);
}

}  // namespace ostrevan::platform
