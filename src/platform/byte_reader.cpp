#include "platform/byte_reader.h"

#include <sys/stat.h>
#if !defined(_WIN32)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace ostrevan {

std::optional<uint8_t> ByteView::U8(uint64_t offset) const {
    if (!Has(offset, 1)) return std::nullopt;
    return data_[offset];
}

std::optional<uint16_t> ByteView::U16(uint64_t offset) const {
    if (!Has(offset, 2)) return std::nullopt;
    return static_cast<uint16_t>(data_[offset] | (data_[offset + 1] << 8));
}

std::optional<uint32_t> ByteView::U32(uint64_t offset) const {
    if (!Has(offset, 4)) return std::nullopt;
    return static_cast<uint32_t>(data_[offset]) | (static_cast<uint32_t>(data_[offset + 1]) << 8) |
           (static_cast<uint32_t>(data_[offset + 2]) << 16) |
           (static_cast<uint32_t>(data_[offset + 3]) << 24);
}

std::optional<ByteView> ByteView::Sub(uint64_t offset, uint64_t length) const {
    if (!Has(offset, length)) return std::nullopt;
    return ByteView(data_ + offset, static_cast<size_t>(length));
}

std::optional<FileBytes> FileBytes::Open(const std::string& path) {
#if defined(_WIN32)
    std::FILE* raw = std::fopen(path.c_str(), "rb");
    if (!raw) return std::nullopt;
    struct _stat64 st {};
    if (_fstat64(_fileno(raw), &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG) {
        std::fclose(raw);
        return std::nullopt;
    }
#else
    // Without O_NONBLOCK, opening a named pipe would wait for a writer that never comes.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return std::nullopt;
    }
    std::FILE* raw = fdopen(fd, "rb");
    if (!raw) {
        close(fd);
        return std::nullopt;
    }
#endif
    FileBytes f;
    f.file_ = std::shared_ptr<std::FILE>(raw, Closer{});
#if defined(_WIN32)
    if (_fseeki64(raw, 0, SEEK_END) != 0) return std::nullopt;
    const long long end = _ftelli64(raw);
#else
    if (fseeko(raw, 0, SEEK_END) != 0) return std::nullopt;
    const long long end = ftello(raw);
#endif
    if (end < 0) return std::nullopt;
    f.size_ = static_cast<uint64_t>(end);
    return f;
}

std::optional<std::vector<uint8_t>> FileBytes::Read(uint64_t offset, uint64_t length) const {
    if (!file_ || !FitsWithin(offset, length, size_) || length > kMaxRead) return std::nullopt;
    if (offset > static_cast<uint64_t>(INT64_MAX)) return std::nullopt;
    std::FILE* f = file_.get();
#if defined(_WIN32)
    if (_fseeki64(f, static_cast<long long>(offset), SEEK_SET) != 0) return std::nullopt;
#else
    if (fseeko(f, static_cast<off_t>(offset), SEEK_SET) != 0) return std::nullopt;
#endif
    std::vector<uint8_t> out(static_cast<size_t>(length));
    if (length != 0 && std::fread(out.data(), 1, out.size(), f) != out.size()) return std::nullopt;
    return out;
}

}  // namespace ostrevan
