#include <algorithm>
#include <cstring>
#include <optional>

#include "platform/codepage.h"
#include "platform/program_file.h"
#include "platform/version_api.h"
#include "platform/version_block.h"

namespace ostrevan::version::portable {
namespace {

constexpr uint32_t kFixedInfoSize = 52;  // VS_FIXEDFILEINFO

// The version resource the platform loads: name 1, and among its languages the neutral one,
// then US English, then English, then the first listed.
std::optional<ResourceItem> FindVersionResource(const ProgramFile& file) {
    const auto items = file.Resources(kResVersion, 1);
    if (items.empty()) return std::nullopt;
    ResourceItem chosen = items.front();
    bool found = false;
    for (uint16_t lang : {uint16_t{0x0000}, uint16_t{0x0409}, uint16_t{0x0009}}) {
        for (const auto& item : items)
            if (!found && item.language == lang) {
                chosen = item;
                found = true;
            }
    }
    chosen.size = std::min(chosen.size, kMaxVersionResource);
    return chosen;
}

uint32_t BufferSize(const ProgramFile& file, const ResourceItem& item) {
    if (item.size == 0) return 0;
    const uint64_t size = item.size;
    uint64_t needed = 0;
    if (file.format() == ImageFormat::kNe) {
        needed = (std::max<uint64_t>(size, kFixedInfoSize) - kFixedInfoSize) * 4;
    } else {
        needed = size * 2 + 4;
    }
    return static_cast<uint32_t>(needed);
}

bool CopyBlock(const ProgramFile& file, const ResourceItem& item, uint32_t length, std::vector<uint8_t>& block) {
    const uint64_t count = std::min<uint64_t>({item.size, length, block.size()});
    auto bytes = file.Read(ResourceItem{item.named, item.id, item.language, item.offset, static_cast<uint32_t>(count)});
    if (!bytes) return false;
    std::copy(bytes->begin(), bytes->end(), block.begin());
    return true;
}

}  // namespace

uint32_t GetFileVersionInfoSizeA(const std::string& path) {
    auto file = ProgramFile::Open(path);
    if (!file) return 0;
    auto item = FindVersionResource(*file);
    return item ? BufferSize(*file, *item) : 0;
}

bool GetFileVersionInfoA(const std::string& path, uint32_t length, std::vector<uint8_t>& block) {
    auto file = ProgramFile::Open(path);
    if (!file) return false;
    auto item = FindVersionResource(*file);
    return item && CopyBlock(*file, *item, length, block);
}

bool LoadVersionInfo(const std::string& path, std::vector<uint8_t>& block) {
    block.clear();
    auto file = ProgramFile::Open(path);
    if (!file) return false;
    auto item = FindVersionResource(*file);
    if (!item) return false;
    const uint32_t size = BufferSize(*file, *item);
    block.assign(uint64_t{size} + 2, 0);
    if (CopyBlock(*file, *item, size, block)) return true;
    block.clear();
    return false;
}

bool VerQueryValueA(std::vector<uint8_t>& block, const std::string& subBlock, const uint8_t** value,
                    uint32_t* length) {
    *value = nullptr;
    *length = 0;
    const ByteView view(block);
    auto node = verblock::Find(view, subBlock);
    if (!node) return false;
    if (verblock::IsSixteenBit(view) || !node->text) {
        *value = block.data() + std::min<uint64_t>(node->valueOffset, block.size());
        *length = static_cast<uint32_t>(std::min<uint64_t>(node->valueLength, node->valueBytes));
        return true;
    }
    // A text value is converted into the spare room behind the block, at the same distance
    // from the room's start as the value has from the block's start.
    const uint64_t rootLength = *view.U16(0);
    const uint64_t units = node->valueBytes / 2;
    const uint64_t target = rootLength + 4 + node->valueOffset;
    if (units == 0 || units > rootLength - std::min(rootLength, node->valueOffset)) {
        *value = block.data() + std::min<uint64_t>(target, block.size());
        return true;  // nothing converted: the platform answers length 0 here
    }
    if (!FitsWithin(target, units, block.size())) return false;
    for (uint64_t i = 0; i < units; ++i) {
        const auto unit = *view.U16(node->valueOffset + 2 * i);
        block[target + i] = codepage::Utf16UnitToWindows1252(static_cast<char16_t>(unit));
    }
    *value = block.data() + target;
    *length = static_cast<uint32_t>(units);
    return true;
}

}  // namespace ostrevan::version::portable
