#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <memory>

#include "platform/dir_listing.h"
#include "platform/file_system.h"
#include "platform/vb_error.h"

namespace ostrevan::platform {
namespace {

constexpr uint32_t kAttrHidden = 0x2;
constexpr uint32_t kAttrSystem = 0x4;
constexpr long kFuseMagic = 0x65735546;
constexpr long kNtfsMagic = 0x5346544e;  // ntfs and ntfs3

// An open directory stream, closed (with its descriptor) when it goes out of scope.
using DirHandle = std::unique_ptr<DIR, int (*)(DIR*)>;

// Where the file system keeps DOS attributes, and how to read them. Best effort: a file
// system that does not answer is treated as having none.
class DosAttributes {
public:
    explicit DosAttributes(int dirfd) {
        struct statfs fs;
        if (fstatfs(dirfd, &fs) != 0) return;
        if (fs.f_type == MSDOS_SUPER_MAGIC) source_ = Source::kFatIoctl;
        else if (fs.f_type == kNtfsMagic || fs.f_type == kFuseMagic) source_ = Source::kXattr;
    }

    // The DOS attribute bits of the entry `name` in `dirfd`, or 0 when unknown.
    uint32_t Read(int dirfd, const char* name) {
        if (source_ == Source::kFatIoctl) {
            int fd = openat(dirfd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
            if (fd < 0) return 0;
            uint32_t attrs = 0;
            if (ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &attrs) != 0) attrs = 0;
            close(fd);
            return attrs;
        }
        if (source_ == Source::kXattr) {
            // The xattr calls take a path; /proc/self/fd gives one relative to the open
            // directory without following a link in the last component.
            std::string path = "/proc/self/fd/" + std::to_string(dirfd) + "/" + name;
            uint32_t attrs = 0;
            ssize_t n = lgetxattr(path.c_str(), "system.ntfs_attrib", &attrs, sizeof attrs);
            if (n == static_cast<ssize_t>(sizeof attrs)) return attrs;
            uint8_t dos = 0;
            n = lgetxattr(path.c_str(), "system.dos_attrib", &dos, sizeof dos);
            if (n == 1) return dos;
            if (n < 0 && (errno == ENOTSUP || errno == EOPNOTSUPP)) source_ = Source::kNone;
        }
        return 0;
    }

private:
    enum class Source { kNone, kFatIoctl, kXattr };
    Source source_ = Source::kNone;
};

EntryKind KindOf(unsigned char d_type) {
    switch (d_type) {
        case DT_REG: return EntryKind::kFile;
        case DT_DIR: return EntryKind::kDirectory;
        case DT_LNK: return EntryKind::kLink;
        default: return EntryKind::kOther;
    }
}

// Lists the open directory `fd` (named `dir`), reading it through a descriptor of its own.
// False when it cannot be read.
bool ListOpenDirectory(int fd, const HostPath& dir, ListPattern pattern, std::vector<DirEntry>& out) {
    const int own = dup(fd);
    DirHandle d(own >= 0 ? fdopendir(own) : nullptr, &closedir);
    if (!d.get()) {
        if (own >= 0) close(own);
        return false;
    }
    const int dfd = dirfd(d.get());
    DosAttributes dos(dfd);
    while (struct dirent* e = readdir(d.get())) {
        const char* name = e->d_name;
        // Names beginning with a dot are hidden here; this also drops "." and "..".
        if (name[0] == '.') continue;
        std::string host_name(name);
        if (pattern == ListPattern::kPrograms && !HasProgramExtension(host_name)) continue;
        // The entry's type as the directory gives it; only file systems that do not say ask
        // the entry itself.
        EntryKind kind = KindOf(e->d_type);
        if (e->d_type == DT_UNKNOWN) {
            struct stat st;
            if (fstatat(dfd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;  // vanished meanwhile
            kind = S_ISREG(st.st_mode)   ? EntryKind::kFile
                   : S_ISDIR(st.st_mode) ? EntryKind::kDirectory
                   : S_ISLNK(st.st_mode) ? EntryKind::kLink
                                         : EntryKind::kOther;
        }
        if (pattern == ListPattern::kPrograms && kind != EntryKind::kFile) continue;
        if (kind == EntryKind::kFile || kind == EntryKind::kDirectory) {
            if (dos.Read(dfd, name) & (kAttrHidden | kAttrSystem)) continue;
        }
        out.push_back(DirEntry{StoredName(host_name), dir / host_name, kind});
    }
    return true;
}

}  // namespace


namespace system_fs {
std::vector<DirEntry> ListDirectory(const HostPath& dir, ListPattern pattern) {
    const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) throw VbError(kErrPathNotFound, "Path not found");
    const auto folder = HoldListedFolder(fd, dir);
    std::vector<DirEntry> out;
    if (!ListOpenDirectory(fd, dir, pattern, out)) throw VbError(kErrPathNotFound, "Path not found");
    return out;
}

// "*.exe" is a plain suffix test here, which one listing answers for both lists.
ProgramsAndAll ListProgramsAndAll(const HostPath& dir, const FolderKey& parent) {
    ProgramsAndAll out;
    out.listed = false;
    // A directory inside a listed folder is opened without following a link, and must still
    // have that folder above it.
    const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC | (parent.known() ? O_NOFOLLOW : 0));
    if (fd < 0) return out;
    auto folder = HoldListedFolder(fd, dir);
    struct stat st {}, up {};
    if (fstat(fd, &st) != 0) return out;
    if (parent.known() && (fstatat(fd, "..", &up, 0) != 0 ||
                           !(FolderKey{static_cast<uint64_t>(up.st_dev), static_cast<uint64_t>(up.st_ino)} == parent)))
        return out;
    if (!ListOpenDirectory(fd, dir, ListPattern::kAll, out.all)) return out;
    for (const DirEntry& e : out.all)
        if (e.kind == EntryKind::kFile && HasProgramExtension(e.host.filename().native())) out.programs.push_back(e);
    out.listed = true;
    out.key = {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
    out.folder = std::move(folder);
    return out;
}
}  // namespace system_fs

}  // namespace ostrevan::platform
