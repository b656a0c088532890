#include "platform/program_file.h"

#include <algorithm>
#include <set>

namespace ostrevan {
namespace {

constexpr uint32_t kHighBit = 0x80000000u;

std::optional<uint16_t> U16At(const std::vector<uint8_t>& b, uint64_t off) { return ByteView(b).U16(off); }
std::optional<uint32_t> U32At(const std::vector<uint8_t>& b, uint64_t off) { return ByteView(b).U32(off); }

}  // namespace

std::optional<ProgramFile> ProgramFile::Open(const std::string& path) {
    auto file = FileBytes::Open(path);
    if (!file) return std::nullopt;
    ProgramFile pf;
    pf.file_ = *file;
    auto dos = pf.file_.Read(0, 64);
    if (!dos || (*dos)[0] != 'M' || (*dos)[1] != 'Z') return std::nullopt;
    const uint32_t lfanew = *U32At(*dos, 0x3C);
    auto sig = pf.file_.Read(lfanew, 2);
    if (!sig) return std::nullopt;
    if ((*sig)[0] == 'P' && (*sig)[1] == 'E') {
        pf.format_ = ImageFormat::kPe;
        if (!pf.ParsePe(lfanew)) return std::nullopt;
    } else if ((*sig)[0] == 'N' && (*sig)[1] == 'E') {
        pf.format_ = ImageFormat::kNe;
        if (!pf.ParseNe(lfanew)) return std::nullopt;
    } else {
        return std::nullopt;
    }
    return pf;
}

bool ProgramFile::ParsePe(uint64_t at) {
    auto coff = file_.Read(at, 24);
    if (!coff || (*coff)[2] != 0 || (*coff)[3] != 0) return false;
    const uint16_t sectionCount = *U16At(*coff, 6);
    const uint16_t optionalSize = *U16At(*coff, 20);
    auto opt = file_.Read(at + 24, optionalSize);
    if (!opt) return false;
    const auto magic = U16At(*opt, 0);
    uint64_t countOffset = 0;
    if (magic == 0x10B) {
        countOffset = 92;
    } else if (magic == 0x20B) {
        countOffset = 108;
    } else {
        return false;
    }
    sizeOfHeaders_ = U32At(*opt, 60).value_or(0);
    const auto dirCount = U32At(*opt, countOffset);
    // The resource directory is the third entry of the data directories.
    if (dirCount && *dirCount > 2) {
        resourceRva_ = U32At(*opt, countOffset + 4 + 2 * 8).value_or(0);
        resourceSize_ = U32At(*opt, countOffset + 8 + 2 * 8).value_or(0);
    }
    // A table the file cannot hold makes no program; of a longer one, only the first sections
    // are looked at.
    if (!FitsWithin(at + 24 + optionalSize, uint64_t{sectionCount} * 40, file_.size())) return false;
    const uint32_t used = std::min<uint32_t>(sectionCount, kMaxSections);
    auto table = file_.Read(at + 24 + optionalSize, uint64_t{used} * 40);
    if (!table) return false;
    sections_.reserve(used);
    for (uint32_t i = 0; i < used; ++i) {
        const uint64_t s = uint64_t{i} * 40;
        sections_.push_back(Section{*U32At(*table, s + 12), *U32At(*table, s + 8), *U32At(*table, s + 20),
                                    *U32At(*table, s + 16)});
    }
    return true;
}

bool ProgramFile::ParseNe(uint64_t at) {
    auto header = file_.Read(at, 64);
    if (!header) return false;
    const uint16_t tableOffset = *U16At(*header, 0x24);
    const uint16_t namesOffset = *U16At(*header, 0x26);
    if (tableOffset == namesOffset) return true;  // no resources
    // The resource table ends where the resident-name table begins; when that lies before it,
    // read as far as the file allows (at most 64 KB) and rely on the table's end mark.
    uint64_t length = namesOffset > tableOffset ? uint64_t{namesOffset} - tableOffset : 0x10000;
    const uint64_t start = at + tableOffset;
    if (start >= file_.size()) return true;
    length = std::min<uint64_t>(length, file_.size() - start);
    if (auto t = file_.Read(start, length)) neTable_ = std::move(*t);
    return true;
}

std::optional<uint64_t> ProgramFile::RvaToOffset(uint64_t rva, uint64_t length) const {
    for (const auto& s : sections_) {
        if (rva < s.virtualAddress) continue;
        const uint64_t rel = rva - s.virtualAddress;
        if (!FitsWithin(rel, length, s.rawSize)) continue;
        const uint64_t off = uint64_t{s.rawPointer} + rel;
        if (FitsWithin(off, length, file_.size())) return off;
    }
    if (FitsWithin(rva, length, sizeOfHeaders_) && FitsWithin(rva, length, file_.size())) return rva;
    return std::nullopt;
}

std::optional<std::vector<uint8_t>> ProgramFile::ReadRva(uint64_t rva, uint64_t length) const {
    auto off = RvaToOffset(rva, length);
    if (!off) return std::nullopt;
    return file_.Read(*off, length);
}

std::vector<ResourceItem> ProgramFile::Resources(uint16_t type, std::optional<uint16_t> id) const {
    return format_ == ImageFormat::kPe ? PeResources(type, id) : NeResources(type, id);
}

std::vector<ResourceItem> ProgramFile::PeResources(uint16_t type, std::optional<uint16_t> id) const {
    std::vector<ResourceItem> items;
    if (resourceRva_ == 0) return items;
    std::set<uint32_t> visited;
    uint32_t budget = kMaxEntriesVisited;
    struct Entry {
        uint32_t name, target;
    };
    // The entries of the directory at `offset` (relative to the resource directory's start);
    // empty when it was seen before or does not lie in the file.
    auto readDirectory = [&](uint32_t offset) {
        std::vector<Entry> entries;
        if (!visited.insert(offset).second) return entries;
        auto head = ReadRva(uint64_t{resourceRva_} + offset, 16);
        if (!head) return entries;
        const uint32_t count = std::min<uint32_t>(
            {uint32_t{*U16At(*head, 12)} + *U16At(*head, 14), kMaxEntriesPerDirectory, budget});
        budget -= count;
        auto raw = ReadRva(uint64_t{resourceRva_} + offset + 16, uint64_t{count} * 8);
        if (!raw) return entries;
        entries.reserve(count);
        for (uint32_t i = 0; i < count; ++i) entries.push_back({*U32At(*raw, i * 8), *U32At(*raw, i * 8 + 4)});
        return entries;
    };
    const auto isSubdirectory = [](const Entry& e) { return (e.target & kHighBit) != 0; };

    for (const Entry& t : readDirectory(0)) {
        if ((t.name & kHighBit) || t.name != type || !isSubdirectory(t)) continue;
        for (const Entry& n : readDirectory(t.target & ~kHighBit)) {
            const bool named = (n.name & kHighBit) != 0;
            if (id && (named || n.name != *id)) continue;
            if (!isSubdirectory(n)) continue;
            for (const Entry& l : readDirectory(n.target & ~kHighBit)) {
                if (isSubdirectory(l) || (l.name & kHighBit) || l.name > 0xFFFF) continue;
                auto data = ReadRva(uint64_t{resourceRva_} + l.target, 16);
                if (!data) continue;
                const uint32_t rva = *U32At(*data, 0);
                const uint32_t size = *U32At(*data, 4);
                auto off = RvaToOffset(rva, size);
                if (!off) continue;
                items.push_back(ResourceItem{named, static_cast<uint16_t>(named ? 0 : n.name),
                                             static_cast<uint16_t>(l.name), *off, size});
                if (items.size() >= kMaxItems) return items;
            }
        }
        break;  // only the first directory entry of the type counts
    }
    return items;
}

std::vector<ResourceItem> ProgramFile::NeResources(uint16_t type, std::optional<uint16_t> id) const {
    std::vector<ResourceItem> items;
    const ByteView t(neTable_);
    const auto shift = t.U16(0);
    if (!shift || *shift > 24) return items;
    uint64_t pos = 2;
    for (uint32_t blocks = 0; blocks < kMaxEntriesPerDirectory; ++blocks) {
        const auto typeId = t.U16(pos);
        const auto count = t.U16(pos + 2);
        if (!typeId || *typeId == 0 || !count) break;
        pos += 8;
        const bool wanted = *typeId == (0x8000u | type);
        for (uint32_t i = 0; i < *count; ++i, pos += 12) {
            if (!t.Has(pos, 12)) return items;
            if (!wanted) continue;
            const uint16_t rnOffset = *t.U16(pos), rnLength = *t.U16(pos + 2), rnId = *t.U16(pos + 6);
            const bool named = (rnId & 0x8000u) == 0;
            const uint16_t number = static_cast<uint16_t>(rnId & 0x7FFFu);
            if (id && (named || number != *id)) continue;
            const uint64_t off = uint64_t{rnOffset} << *shift;
            const uint64_t size = uint64_t{rnLength} << *shift;
            if (!FitsWithin(off, size, file_.size()) || size > UINT32_MAX) continue;
            items.push_back(ResourceItem{named, named ? uint16_t{0} : number, 0, off, static_cast<uint32_t>(size)});
        }
        if (wanted) break;
    }
    return items;
}

std::optional<std::vector<uint8_t>> ProgramFile::Read(const ResourceItem& item) const {
    return file_.Read(item.offset, item.size);
}

}  // namespace ostrevan
