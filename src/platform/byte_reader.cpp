#include "platform/byte_reader.h"

#include <sys/stat.h>

#include <algorithm>
#if !defined(_WIN32)
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
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
    // The size is the one fstat told; pieces are read with pread on the descriptor, one system
    // call each, with no seek and no buffer filled beyond the piece.
    const long long end = st.st_size;
#endif
    if (end < 0) return std::nullopt;
    f.size_ = static_cast<uint64_t>(end);
#if !defined(_WIN32)
    constexpr uint64_t kHead = 4096;
    auto head = f.Read(0, std::min(f.size_, kHead));
    if (!head) return std::nullopt;
    f.head_ = std::make_shared<const std::vector<uint8_t>>(std::move(*head));
#endif
    return f;
}

std::optional<std::vector<uint8_t>> FileBytes::Read(uint64_t offset, uint64_t length) const {
    if (!file_ || !FitsWithin(offset, length, size_) || length > kMaxRead) return std::nullopt;
    if (offset > static_cast<uint64_t>(INT64_MAX)) return std::nullopt;
    if (head_ && FitsWithin(offset, length, head_->size())) {
        const auto from = head_->begin() + static_cast<std::ptrdiff_t>(offset);
        return std::vector<uint8_t>(from, from + static_cast<std::ptrdiff_t>(length));
    }
    std::FILE* f = file_.get();
    std::vector<uint8_t> out(static_cast<size_t>(length));
#if defined(_WIN32)
    if (_fseeki64(f, static_cast<long long>(offset), SEEK_SET) != 0) return std::nullopt;
    if (length != 0 && std::fread(out.data(), 1, out.size(), f) != out.size()) return std::nullopt;
#else
    const int fd = fileno(f);
    for (size_t done = 0; done < out.size();) {
        const ssize_t n = pread(fd, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return std::nullopt;
        done += static_cast<size_t>(n);
    }
#endif
    return out;
}

}  // namespace ostrevan
