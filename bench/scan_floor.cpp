// The floor of a drive scan: what any scan of the drive must do and nothing more. It walks the
// tree once, opens every "*.exe" file and reads the bytes a version reader needs -- the
// headers, the resource directory down to the version resource, and that resource -- parsing
// only what finding them takes. It prints the counts so the work cannot be left out.
//   ostrevan_scan_floor DIR
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Totals {
    uint64_t programs = 0, versions = 0, bytes = 0;
};

class File {
public:
    explicit File(int fd, Totals& t) : fd_(fd), t_(t) {}
    // Reads `n` bytes at `off` into buf_; false when the file is shorter.
    bool Read(uint64_t off, uint32_t n) {
        buf_.resize(n);
        const ssize_t got = pread(fd_, buf_.data(), n, static_cast<off_t>(off));
        if (got > 0) t_.bytes += static_cast<uint64_t>(got);
        return got == static_cast<ssize_t>(n);
    }
    uint32_t U16(size_t at) const { return at + 2 <= buf_.size() ? buf_[at] | buf_[at + 1] << 8 : 0; }
    uint32_t U32(size_t at) const { return at + 4 <= buf_.size() ? U16(at) | U16(at + 2) << 16 : 0; }
    std::vector<uint8_t> buf_;

private:
    int fd_;
    Totals& t_;
};

struct ResourceArea {
    uint64_t fileBase = 0;  // the file offset of the resource section's start
};

// Follows the resource directory from the entry `id` of the top level (then the first entry of
// each level below) to a data entry; true with its address and size when there is one.
bool DescendTo(File& f, const ResourceArea& area, uint32_t dir, uint32_t id, int depth, uint32_t& size,
               uint32_t& dataRva) {
    for (; depth > 0; --depth) {
        if (!f.Read(area.fileBase + dir, 16)) return false;
        const uint32_t count = f.U16(12) + f.U16(14);
        if (count == 0 || count > 4096) return false;
        if (!f.Read(area.fileBase + dir + 16, count * 8)) return false;
        uint32_t next = 0;
        bool found = false;
        for (uint32_t i = 0; i < count && !found; ++i) {
            if (id == 0 || f.U32(i * 8) == id) {
                next = f.U32(i * 8 + 4);
                found = true;
            }
        }
        if (!found) return false;
        id = 0;
        if (next & 0x80000000u) {
            dir = next & 0x7FFFFFFFu;
        } else {
            if (!f.Read(area.fileBase + next, 16)) return false;
            dataRva = f.U32(0);
            size = f.U32(4);
            return true;
        }
    }
    return false;
}

void ReadProgram(int dirfd, const char* name, Totals& t) {
    const int fd = openat(dirfd, name, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    ++t.programs;
    File f(fd, t);
    f.Read(0, 4096);
    if (f.U16(0) == 0x5A4D) {
        const uint32_t pe = f.U32(0x3C);
        if (pe + 24 < 4096 && f.U32(pe) == 0x4550) {
            const uint32_t sections = f.U16(pe + 6), optional = f.U16(pe + 20);
            const uint32_t magic = f.U16(pe + 24);
            const uint32_t dirs = pe + 24 + (magic == 0x20B ? 112 : 96);
            const uint32_t resRva = f.U32(dirs + 2 * 8);
            ResourceArea area;
            for (uint32_t s = 0; s < sections && resRva; ++s) {
                const size_t at = pe + 24 + optional + s * 40;
                const uint32_t va = f.U32(at + 12), vsize = std::max(f.U32(at + 8), f.U32(at + 16));
                if (resRva >= va && resRva < va + vsize) {
                    area.fileBase = f.U32(at + 20) + (resRva - va);
                    // The version data lies in the same section.
                    uint32_t size = 0, dataRva = 0;
                    if (DescendTo(f, area, 0, 16, 3, size, dataRva) && dataRva >= va && size < (1u << 20)) {
                        if (f.Read(f.U32(at + 20) + (dataRva - va), size)) ++t.versions;
                    }
                    break;
                }
            }
        }
    }
    close(fd);
}

bool IsProgramName(const char* name) {
    const size_t n = std::strlen(name);
    return n >= 4 && name[n - 4] == '.' && (name[n - 3] | 0x20) == 'e' && (name[n - 2] | 0x20) == 'x' &&
           (name[n - 1] | 0x20) == 'e';
}

void Walk(int dirfd, Totals& t) {
    DIR* d = fdopendir(dirfd);
    if (!d) {
        close(dirfd);
        return;
    }
    std::vector<std::string> subdirs;
    while (dirent* e = readdir(d)) {
        if (e->d_name[0] == '.') continue;
        if (e->d_type == DT_DIR) subdirs.emplace_back(e->d_name);
        else if (e->d_type == DT_REG && IsProgramName(e->d_name)) ReadProgram(dirfd, e->d_name, t);
    }
    for (const std::string& s : subdirs) {
        const int sub = openat(dirfd, s.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (sub >= 0) Walk(sub, t);
    }
    closedir(d);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ostrevan_scan_floor DIR\n");
        return 2;
    }
    const int root = open(argv[1], O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (root < 0) {
        std::perror(argv[1]);
        return 1;
    }
    Totals t;
    Walk(root, t);
    std::printf("%llu programs, %llu version resources, %llu bytes read\n",
                static_cast<unsigned long long>(t.programs), static_cast<unsigned long long>(t.versions),
                static_cast<unsigned long long>(t.bytes));
    return 0;
}
