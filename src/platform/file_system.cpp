#include "platform/file_system.h"

#include <algorithm>
#include <utility>

#include "platform/file_access.h"
#include "platform/vb_error.h"

namespace ostrevan::platform {
namespace {

class SystemVolume final : public FileSystem {
public:
    ProgramsAndAll ListProgramsAndAll(const HostPath& dir, const FolderKey& parent) const override {
        return system_fs::ListProgramsAndAll(dir, parent);
    }
    std::vector<HostPath> DirectoryEntries(const HostPath& dir) const override {
        return system_fs::DirectoryEntries(dir);
    }
    PathKind KindOf(const HostPath& path) const override {
        if (system_fs::IsDirectory(path)) return PathKind::kDirectory;
        if (system_fs::IsFile(path)) return PathKind::kFile;
        return system_fs::PathExists(path) ? PathKind::kOther : PathKind::kMissing;
    }
    std::optional<FileBytes> OpenBytes(const HostPath& path) const override {
        return system_fs::OpenBytes(path.string());
    }
};

struct Attached {
    HostPath root;
    std::shared_ptr<const FileSystem> volume;
};
std::vector<Attached>& Volumes() {
    static std::vector<Attached> volumes;
    return volumes;
}

// True when `path` is `root` or lies below it.
bool Within(const HostPath::string_type& path, const HostPath::string_type& root) {
    if (path.size() < root.size() || path.compare(0, root.size(), root) != 0) return false;
    return path.size() == root.size() || path[root.size()] == HostPath::preferred_separator ||
           (!root.empty() && root.back() == HostPath::preferred_separator);
}

const FileSystem* AttachedOf(const HostPath& path) {
    const auto& all = Volumes();
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        if (Within(path.native(), it->root.native())) return it->volume.get();
    return nullptr;
}

}  // namespace

const FileSystem& SystemFileSystem() {
    static const SystemVolume system;
    return system;
}

const FileSystem& FileSystemOf(const HostPath& path) {
    if (Volumes().empty()) return SystemFileSystem();
    const FileSystem* v = AttachedOf(path);
    return v ? *v : SystemFileSystem();
}

AttachedVolume::AttachedVolume(HostPath root, std::shared_ptr<const FileSystem> volume) : root_(std::move(root)) {
    Volumes().push_back({root_, std::move(volume)});
}

AttachedVolume::~AttachedVolume() {
    auto& all = Volumes();
    const auto it = std::find_if(all.rbegin(), all.rend(), [&](const Attached& a) { return a.root == root_; });
    if (it != all.rend()) all.erase(std::next(it).base());
}

// The functions the rest of the program calls: each asks the volume that holds the path.

std::vector<DirEntry> ListDirectory(const HostPath& dir, ListPattern pattern) {
    if (Volumes().empty() || !AttachedOf(dir)) return system_fs::ListDirectory(dir, pattern);
    ProgramsAndAll listing = AttachedOf(dir)->ListProgramsAndAll(dir, {});
    if (!listing.listed) throw VbError(kErrPathNotFound, "Path not found");
    return pattern == ListPattern::kPrograms ? std::move(listing.programs) : std::move(listing.all);
}

ProgramsAndAll ListProgramsAndAll(const HostPath& dir, const FolderKey& parent) {
    return FileSystemOf(dir).ListProgramsAndAll(dir, parent);
}

std::vector<HostPath> DirectoryEntries(const HostPath& dir) { return FileSystemOf(dir).DirectoryEntries(dir); }

bool PathExists(const HostPath& path) {
    const FileSystem* v = Volumes().empty() ? nullptr : AttachedOf(path);
    return v ? v->KindOf(path) != PathKind::kMissing : system_fs::PathExists(path);
}
bool IsDirectory(const HostPath& path) {
    const FileSystem* v = Volumes().empty() ? nullptr : AttachedOf(path);
    return v ? v->KindOf(path) == PathKind::kDirectory : system_fs::IsDirectory(path);
}
bool IsFile(const HostPath& path) {
    const FileSystem* v = Volumes().empty() ? nullptr : AttachedOf(path);
    return v ? v->KindOf(path) == PathKind::kFile : system_fs::IsFile(path);
}

}  // namespace ostrevan::platform

namespace ostrevan {

std::optional<FileBytes> FileBytes::Open(const std::string& path) {
    if (platform::Volumes().empty()) return platform::system_fs::OpenBytes(path);
    return platform::FileSystemOf(platform::HostPath(path)).OpenBytes(platform::HostPath(path));
}

}  // namespace ostrevan
