#include "platform/byte_reader.h"

#include <algorithm>
#if defined(_WIN32)
#include <windows.h>

#include "platform/host_api_win32.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
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

#if defined(_WIN32)
// Windows: the system's own file functions, with no runtime buffer between them and the
// reader. On NT a piece is read at its offset by the read itself (one call, like pread);
// Windows 95/98/ME cannot read a disk file at an offset, so there the file pointer is set first.
struct FileBytes::Handle {
    explicit Handle(HANDLE handle) : h(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { CloseHandle(h); }
    HANDLE h;
};

std::optional<FileBytes> FileBytes::Open(const std::string& path) {
    const HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return std::nullopt;
    FileBytes f;
    f.file_ = std::make_shared<const Handle>(h);
    // A pipe, a console or another device is no program file.
    if (GetFileType(h) != FILE_TYPE_DISK) return std::nullopt;
    DWORD high = 0;
    const DWORD low = GetFileSize(h, &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return std::nullopt;
    f.size_ = (uint64_t{high} << 32) | low;
#else
// Elsewhere: pieces are read with pread on the descriptor, one system call each, with no
// seek and no buffer filled beyond the piece.
struct FileBytes::Handle {
    explicit Handle(int descriptor) : fd(descriptor) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { close(fd); }
    int fd;
};

std::optional<FileBytes> FileBytes::Open(const std::string& path) {
    // Without O_NONBLOCK, opening a named pipe would wait for a writer that never comes.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    FileBytes f;
    f.file_ = std::make_shared<const Handle>(fd);
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) return std::nullopt;
    f.size_ = static_cast<uint64_t>(st.st_size);
#endif
    // The first bytes of the file are read at once: the headers, and in small programs more,
    // are then read from here without another system call.
    constexpr uint64_t kHead = 4096;
    auto head = f.Read(0, std::min(f.size_, kHead));
    if (!head) return std::nullopt;
    f.head_ = std::make_shared<const std::vector<uint8_t>>(std::move(*head));
    return f;
}

std::optional<std::vector<uint8_t>> FileBytes::Read(uint64_t offset, uint64_t length) const {
    if (!file_ || !FitsWithin(offset, length, size_) || length > kMaxRead) return std::nullopt;
    if (offset > static_cast<uint64_t>(INT64_MAX)) return std::nullopt;
    if (head_ && FitsWithin(offset, length, head_->size())) {
        const auto from = head_->begin() + static_cast<std::ptrdiff_t>(offset);
        return std::vector<uint8_t>(from, from + static_cast<std::ptrdiff_t>(length));
    }
    std::vector<uint8_t> out(static_cast<size_t>(length));
#if defined(_WIN32)
    const HANDLE h = file_->h;
    for (size_t done = 0; done < out.size();) {
        const uint64_t at = offset + done;
        const DWORD want = static_cast<DWORD>(out.size() - done);
        DWORD got = 0;
        BOOL ok;
        if (platform::host::AnsiOnly()) {
            LONG high = static_cast<LONG>(at >> 32);
            if (SetFilePointer(h, static_cast<LONG>(at & 0xFFFFFFFFu), &high, FILE_BEGIN) == INVALID_SET_FILE_POINTER &&
                GetLastError() != NO_ERROR)
                return std::nullopt;
            ok = ReadFile(h, out.data() + done, want, &got, nullptr);
        } else {
            OVERLAPPED where{};
            where.Offset = static_cast<DWORD>(at & 0xFFFFFFFFu);
            where.OffsetHigh = static_cast<DWORD>(at >> 32);
            ok = ReadFile(h, out.data() + done, want, &got, &where);
        }
        if (!ok || got == 0) return std::nullopt;
        done += got;
    }
#else
    const int fd = file_->fd;
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
