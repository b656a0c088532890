#include "platform/folder_anchor.h"

#if !defined(_WIN32)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace ostrevan::platform {

#if defined(_WIN32)
struct ListedFolder {};
FolderAnchor::FolderAnchor(std::shared_ptr<const ListedFolder> folder) : folder_(std::move(folder)), previous_(nullptr) {}
FolderAnchor::~FolderAnchor() = default;
#else
struct ListedFolder {
    ListedFolder(int descriptor, HostPath at) : fd(descriptor), path(std::move(at)) {}
    ListedFolder(const ListedFolder&) = delete;
    ListedFolder& operator=(const ListedFolder&) = delete;
    ~ListedFolder() { close(fd); }
    int fd;
    HostPath path;
};

namespace {
const ListedFolder* g_anchor = nullptr;  // the scan reads one folder at a time, on one thread
}  // namespace

std::shared_ptr<const ListedFolder> HoldListedFolder(int fd, const HostPath& path) {
    return std::make_shared<const ListedFolder>(fd, path);
}

FolderAnchor::FolderAnchor(std::shared_ptr<const ListedFolder> folder)
    : folder_(std::move(folder)), previous_(g_anchor) {
    if (folder_) g_anchor = folder_.get();
}

FolderAnchor::~FolderAnchor() { g_anchor = previous_; }

int OpenInAnchoredFolder(const std::string& path, int flags) {
    if (!g_anchor) return kNotAnchored;
    const HostPath file(path);
    if (file.parent_path() != g_anchor->path) return kNotAnchored;
    return openat(g_anchor->fd, file.filename().c_str(), flags | O_NOFOLLOW);
}
#endif

}  // namespace ostrevan::platform
