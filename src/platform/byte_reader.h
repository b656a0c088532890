#pragma once
// Bounds-checked reading of untrusted bytes: a view over bytes in memory and a file that is
// read piece by piece. Every access checks offset and length against the end without
// overflowing; a read that does not fit fails instead of reading past the end.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ostrevan {

// True when [offset, offset + length) lies within [0, size).
constexpr bool FitsWithin(uint64_t offset, uint64_t length, uint64_t size) {
    return offset <= size && length <= size - offset;
}

// Rounds up to a multiple of 4; nullopt when that would overflow.
constexpr std::optional<uint64_t> AlignUp4(uint64_t v) {
    if (v > UINT64_MAX - 3) return std::nullopt;
    return (v + 3) & ~uint64_t{3};
}

// A read-only window of bytes owned elsewhere. Multi-byte values are little-endian.
class ByteView {
public:
    ByteView() = default;
    ByteView(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    explicit ByteView(const std::vector<uint8_t>& bytes) : data_(bytes.data()), size_(bytes.size()) {}

    size_t size() const { return size_; }
    const uint8_t* data() const { return data_; }
    bool Has(uint64_t offset, uint64_t length) const { return FitsWithin(offset, length, size_); }

    std::optional<uint8_t> U8(uint64_t offset) const;
    std::optional<uint16_t> U16(uint64_t offset) const;
    std::optional<uint32_t> U32(uint64_t offset) const;
    // The bytes [offset, offset + length), or nullopt when they do not all lie in the view.
    std::optional<ByteView> Sub(uint64_t offset, uint64_t length) const;

private:
    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
};

// Where a file's bytes come from: a file of the machine, or one inside a volume read without
// mounting it.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Fills `out` with the `length` bytes from `offset`; false when they cannot all be read.
    virtual bool ReadAt(uint64_t offset, uint8_t* out, size_t length) const = 0;
};

// A file opened for reading pieces of it. Reads are checked against the file's size, so no
// read allocates more than the file holds, and no single read takes more than kMaxRead bytes:
// a sparse file may claim gigabytes while taking a few kilobytes of disk.
class FileBytes {
public:
    // The largest piece one read hands out. Nothing the reader needs comes near it: a version
    // block is at most 64 KiB, a 256 x 256 icon image about 256 KiB, a table of 65,535
    // sections 2.6 MB.
    static constexpr uint64_t kMaxRead = uint64_t{4} << 20;

    // nullopt when the file cannot be opened, is no regular file (a pipe, a device) or its
    // size cannot be told. Opening never waits for a writer.
    static std::optional<FileBytes> Open(const std::string& path);
    // The file whose `size` bytes `source` reads; nullopt when its first bytes cannot be read.
    static std::optional<FileBytes> FromSource(std::shared_ptr<const ByteSource> source, uint64_t size);

    uint64_t size() const { return size_; }
    // The bytes [offset, offset + length), or nullopt when they do not all lie in the file,
    // are more than kMaxRead or cannot be read.
    std::optional<std::vector<uint8_t>> Read(uint64_t offset, uint64_t length) const;

private:
    // The open file, closed with the last copy.
    std::shared_ptr<const ByteSource> file_;
    uint64_t size_ = 0;
    // The first bytes of the file, read at once: the headers, and in small programs more, are
    // read from here without another system call.
    std::shared_ptr<const std::vector<uint8_t>> head_;
};

}  // namespace ostrevan
