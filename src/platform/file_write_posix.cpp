#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <memory>
#include <thread>

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
        case EWOULDBLOCK: return "Another program is saving into the same folder.";
        default: break;
    }
    std::string s = std::strerror(err);
    return s + ".";
}

constexpr const char* kNotPlain = "Something that is not a plain file (a device, a link or a folder) has that name.";

HostPath FolderOf(const HostPath& path) { return path.has_parent_path() ? path.parent_path() : HostPath("."); }

// Holds the folder's lock: an exclusive lock on the folder itself, so nothing is left behind.
class FolderLock {
public:
    explicit FolderLock(const HostPath& dir) {
        fd_ = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ < 0) {
            err_ = errno;
            return;
        }
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(kFolderLockWaitSeconds);
        while (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > until) {
                err_ = errno == EINTR ? EWOULDBLOCK : errno;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    ~FolderLock() {
        if (fd_ >= 0) close(fd_);  // closing releases the lock
    }
    int error() const { return err_; }

private:
    int fd_ = -1;
    int err_ = 0;
};

// A temporary created new beside its target, removed again unless it was committed.
class Temporary {
public:
    explicit Temporary(const HostPath& target) : target_(target) {
        // The target's own name in front, unless that would make the temporary's name longer
        // than a name may be where the target's still fits.
        std::string stem = target.filename().string();
        if (stem.size() + 8 > 255) stem = "ostrevan";
        std::string name = (FolderOf(target) / ("." + stem + ".XXXXXX")).string();
        // mkstemp opens with O_CREAT | O_EXCL: an existing name, a link included, is never used.
        fd_ = mkstemp(name.data());
        if (fd_ < 0) {
            err_ = errno;
            return;
        }
        path_ = name;
        fcntl(fd_, F_SETFD, FD_CLOEXEC);
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd_, 0666 & ~mask);
    }
    ~Temporary() {
        if (fd_ >= 0) close(fd_);
        if (!path_.empty() && !committed_) unlink(path_.c_str());
    }
    // Writes the bytes and closes the file; 0 or the error.
    int Write(std::string_view bytes) {
        if (fd_ < 0) return err_;
        const char* p = bytes.data();
        size_t n = bytes.size();
        while (n > 0) {
            const ssize_t w = write(fd_, p, n);
            if (w < 0) {
                if (errno == EINTR) continue;
                return errno;
            }
            p += w;
            n -= static_cast<size_t>(w);
        }
        int err = fsync(fd_) != 0 && errno != EINVAL ? errno : 0;
        if (close(fd_) != 0 && err == 0) err = errno;
        fd_ = -1;
        return err;
    }
    int Commit() {
        if (rename(path_.c_str(), target_.c_str()) != 0) return errno;
        committed_ = true;
        return 0;
    }

private:
    HostPath target_;
    std::string path_;
    int fd_ = -1;
    int err_ = 0;
    bool committed_ = false;
};

// 0 when the target is absent or a plain file; otherwise why it may not be replaced.
// A name ending in a separator ("out/") can only name a folder: one that is there is in the way.
std::string CheckTarget(const HostPath& path) {
    if (path.empty()) return Reason(ENOENT);
    const bool folderName = path.filename().empty();
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) return errno == ENOENT && !folderName ? std::string() : Reason(errno);
    return S_ISREG(st.st_mode) && !folderName ? std::string() : kNotPlain;
}

}  // namespace

std::string WriteFilesTogether(const std::vector<FileContent>& files) {
    if (files.empty()) return {};
    for (const FileContent& f : files)
        if (std::string why = CheckTarget(f.path); !why.empty()) return why;
    FolderLock lock(FolderOf(files.front().path));
    if (lock.error()) return Reason(lock.error());
    std::vector<std::unique_ptr<Temporary>> temps;
    for (const FileContent& f : files) {
        temps.push_back(std::make_unique<Temporary>(f.path));
        if (int err = temps.back()->Write(f.bytes)) return Reason(err);
    }
    for (auto& t : temps)
        if (int err = t->Commit()) return Reason(err);
    return {};
}

std::string CheckWritable(const HostPath& path) {
    if (std::string why = CheckTarget(path); !why.empty()) return why;
    Temporary probe(path);
    const int err = probe.Write({});
    return err ? Reason(err) : std::string();
}

}  // namespace ostrevan::platform
