#include "platform/file_access.h"

#include <sys/stat.h>

#include <system_error>

namespace ostrevan::platform {

namespace fs = std::filesystem;

bool PathExists(const HostPath& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

bool IsDirectory(const HostPath& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

std::string FolderIdentity(const HostPath& dir) {
    struct stat st {};
    if (stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return {};
    return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
}

bool IsFile(const HostPath& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

std::vector<HostPath> DirectoryEntries(const HostPath& dir) {
    std::vector<HostPath> out;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        out.push_back(it->path());
    return out;
}

void OpenStream(std::ifstream& in, const HostPath& path) { in.open(path, std::ios::binary); }

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
