#pragma once
// The resources of a program file (32- and 64-bit Portable Executables and 16-bit New
// Executables), read as untrusted input: only the headers, the resource directory and the
// resources asked for are read, every offset and size is checked against the file, and the
// directory is walked with fixed depth, bounded entry counts and a visited set. A damaged file
// simply has fewer (or no) resources.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/byte_reader.h"

namespace ostrevan {

enum class ImageFormat { kPe, kNe };

// Resource types used here.
inline constexpr uint16_t kResIcon = 3;
inline constexpr uint16_t kResGroupIcon = 14;
inline constexpr uint16_t kResVersion = 16;

// One resource as listed in the directory: its name (a number, or a text name whose text is
// not needed here), its language (0 in 16-bit files) and where its bytes lie in the file.
struct ResourceItem {
    bool named = false;
    uint16_t id = 0;
    uint16_t language = 0;
    uint64_t offset = 0;
    uint32_t size = 0;
};

class ProgramFile {
public:
    // nullopt when the file cannot be read or is neither format.
    static std::optional<ProgramFile> Open(const std::string& path);

    ImageFormat format() const { return format_; }
    uint64_t fileSize() const { return file_.size(); }

    // The resources of a numeric type in directory order: names as stored (text names before
    // numbers in 32-bit files), and for each name its languages in order. With `id`, only that
    // numeric name. Resources whose bytes do not lie within the file are left out.
    std::vector<ResourceItem> Resources(uint16_t type, std::optional<uint16_t> id = std::nullopt) const;
    // The bytes of a resource; nullopt when they cannot be read.
    std::optional<std::vector<uint8_t>> Read(const ResourceItem& item) const;

    // Caps that keep a hostile directory cheap to walk. Directories at distinct offsets may
    // still overlap, so besides the visited set one listing reads at most kMaxEntriesVisited
    // entries in all, whatever their nesting. Only the first kMaxSections sections are used,
    // the most the loaders of the systems this checker judges accept.
    static constexpr uint32_t kMaxEntriesPerDirectory = 4096;
    static constexpr uint32_t kMaxEntriesVisited = 65536;
    static constexpr uint32_t kMaxItems = 65536;
    static constexpr uint32_t kMaxSections = 96;

private:
    struct Section {
        uint32_t virtualAddress = 0, virtualSize = 0, rawPointer = 0, rawSize = 0;
    };

    bool ParsePe(uint64_t headerOffset);
    bool ParseNe(uint64_t headerOffset);
    std::vector<ResourceItem> PeResources(uint16_t type, std::optional<uint16_t> id) const;
    std::vector<ResourceItem> NeResources(uint16_t type, std::optional<uint16_t> id) const;
    // File offset of [rva, rva + length) when the range lies within one section's stored
    // bytes (or within the headers).
    std::optional<uint64_t> RvaToOffset(uint64_t rva, uint64_t length) const;
    std::optional<std::vector<uint8_t>> ReadRva(uint64_t rva, uint64_t length) const;

    FileBytes file_;
    ImageFormat format_ = ImageFormat::kPe;
    std::vector<Section> sections_;
    uint32_t sizeOfHeaders_ = 0;
    uint32_t resourceRva_ = 0;
    uint32_t resourceSize_ = 0;
    std::vector<uint8_t> neTable_;  // the 16-bit resource table, read whole (at most 64 KB)
};

}  // namespace ostrevan
