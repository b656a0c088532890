#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "platform/program_files.h"

namespace ostrevan::platform {
namespace {

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() {
        int f = fd_;
        fd_ = -1;
        return f;
    }

private:
    int fd_;
};

bool WriteAll(int fd, const char* p, size_t n) {
    while (n > 0) {
        ssize_t w = write(fd, p, n);
        if (w < 0) return false;
        p += w;
        n -= static_cast<size_t>(w);
    }
    return true;
}

}  // namespace

HostPath ProgramDirectory() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path(ec);
    return exe.parent_path();
}

bool CopyWholeFile(const HostPath& from, const HostPath& to) {
    Fd in(open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0) return false;
    struct stat st;
    if (fstat(in.get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    // Written beside the target, then renamed over it.
    HostPath tmp = to;
    tmp += ".ostrevan-copy";
    Fd out(open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (out.get() < 0) return false;
    std::vector<char> buf(1 << 16);
    bool ok = true;
    for (;;) {
        ssize_t r = read(in.get(), buf.data(), buf.size());
        if (r < 0) ok = false;
        if (r <= 0) break;
        if (!WriteAll(out.get(), buf.data(), static_cast<size_t>(r))) {
            ok = false;
            break;
        }
    }
    if (close(out.release()) != 0) ok = false;
    if (ok && std::rename(tmp.c_str(), to.c_str()) == 0) return true;
    unlink(tmp.c_str());
    return false;
}

}  // namespace ostrevan::platform
