#include "platform/byte_reader.h"

#include "platform/file_system.h"
#include "platform/folder_anchor.h"

#include <algorithm>
#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include "platform/host_api_win32.h"
#include "platform/scoped_win.h"
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

namespace {

#if defined(_WIN32)
// Windows: the runtime's descriptor under the stream, read without the stream's buffer: one
// seek and one read per piece, and no piece read twice.
class SystemFile final : public ByteSource {
public:
    explicit SystemFile(std::FILE* stream) : f_(stream) {}
    SystemFile(const SystemFile&) = delete;
    SystemFile& operator=(const SystemFile&) = delete;
    ~SystemFile() override { std::fclose(f_); }
    int fd() const { return _fileno(f_); }

    bool ReadAt(uint64_t offset, uint8_t* out, size_t length) const override {
        const int fd = _fileno(f_);
        if (_lseeki64(fd, static_cast<long long>(offset), SEEK_SET) < 0) return false;
        for (size_t done = 0; done < length;) {
            const int n = _read(fd, out + done, static_cast<unsigned>(length - done));
            if (n <= 0) return false;
            done += static_cast<size_t>(n);
        }
        return true;
    }

private:
    std::FILE* f_;
};
#else
// Elsewhere: pieces are read with pread on the descriptor, one system call each, with no
// seek and no buffer filled beyond the piece.
class SystemFile final : public ByteSource {
public:
    explicit SystemFile(int descriptor) : fd_(descriptor) {}
    SystemFile(const SystemFile&) = delete;
    SystemFile& operator=(const SystemFile&) = delete;
    ~SystemFile() override { close(fd_); }
    int fd() const { return fd_; }

    bool ReadAt(uint64_t offset, uint8_t* out, size_t length) const override {
        for (size_t done = 0; done < length;) {
            const ssize_t n = pread(fd_, out + done, length - done, static_cast<off_t>(offset + done));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            done += static_cast<size_t>(n);
        }
        return true;
    }

private:
    int fd_;
};
#endif

}  // namespace

std::optional<FileBytes> platform::system_fs::OpenBytes(const std::string& path) {
#if defined(_WIN32)
    // On Windows NT a link (a reparse point) is opened as itself and refused: the file it leads
    // to may lie outside the drive. Windows 95, 98 and ME know no links to files.
    const bool nt = !platform::host::AnsiOnly();
    win::ScopedFile h(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, nt ? FILE_FLAG_OPEN_REPARSE_POINT : 0, nullptr));
    if (!h) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info;
    if (nt && (!GetFileInformationByHandle(h.get(), &info) || (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)))
        return std::nullopt;
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h.get()), _O_RDONLY | _O_BINARY);
    if (fd < 0) return std::nullopt;
    h.release();  // the descriptor owns the handle now
    std::FILE* raw = _fdopen(fd, "rb");
    if (!raw) {
        _close(fd);
        return std::nullopt;
    }
    auto file = std::make_shared<const SystemFile>(raw);
    struct _stat64 st {};
    if (_fstat64(file->fd(), &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG) return std::nullopt;
    const long long end = _filelengthi64(file->fd());
    if (end < 0) return std::nullopt;
    return FileBytes::FromSource(std::move(file), static_cast<uint64_t>(end));
#else
    // Without O_NONBLOCK, opening a named pipe would wait for a writer that never comes. A
    // program of the folder the walk is reading is opened through that folder.
    constexpr int kFlags = O_RDONLY | O_NONBLOCK | O_CLOEXEC;
    int fd = platform::OpenInAnchoredFolder(path, kFlags);
    if (fd == platform::kNotAnchored) fd = open(path.c_str(), kFlags);
    if (fd < 0) return std::nullopt;
    auto file = std::make_shared<const SystemFile>(fd);
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) return std::nullopt;
    return FileBytes::FromSource(std::move(file), static_cast<uint64_t>(st.st_size));
#endif
}

std::optional<FileBytes> FileBytes::FromSource(std::shared_ptr<const ByteSource> source, uint64_t size) {
    FileBytes f;
    f.file_ = std::move(source);
    f.size_ = size;
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
    if (head_ && FitsWithin(offset, length, head_->size())) {
        const auto from = head_->begin() + static_cast<std::ptrdiff_t>(offset);
        return std::vector<uint8_t>(from, from + static_cast<std::ptrdiff_t>(length));
    }
    std::vector<uint8_t> out(static_cast<size_t>(length));
    if (!file_->ReadAt(offset, out.data(), out.size())) return std::nullopt;
    return out;
}

}  // namespace ostrevan
