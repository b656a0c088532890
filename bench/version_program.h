#pragma once
// Small 64-bit program files with a version resource, written byte by byte for the benchmarks:
// enough for the version reader and the drive scan to read them, and quick to make by the
// thousand.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace ostrevan::testing {

struct VersionFields {
    // Pairs of field name and value, as ASCII or Windows-1252 Latin-1 text.
    std::vector<std::pair<std::string, std::string>> strings;
    uint16_t language = 1033;
    uint16_t code_page = 1252;
};

namespace version_program_detail {

inline void Put16(std::string& b, size_t at, uint16_t v) {
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>(v >> 8);
}
inline void Put32(std::string& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
inline void Add16(std::string& b, uint16_t v) {
    b += static_cast<char>(v & 0xFF);
    b += static_cast<char>(v >> 8);
}
inline void Add32(std::string& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
}
inline void AddWide(std::string& b, const std::string& s) {
    for (unsigned char c : s) Add16(b, c);
    Add16(b, 0);
}
inline void Align4(std::string& b) {
    while (b.size() % 4) b += '\0';
}

// One version-resource node: header, key, value and children; lengths filled in at the end.
// Alignment is relative to the block start, which `b` begins with.
template <class Fill>
void Node(std::string& b, const std::string& key, uint16_t type, uint16_t value_length, Fill fill) {
    Align4(b);
    const size_t start = b.size();
    Add16(b, 0);
    Add16(b, value_length);
    Add16(b, type);
    AddWide(b, key);
    Align4(b);
    fill(b);
    Put16(b, start, static_cast<uint16_t>(b.size() - start));
}

}  // namespace version_program_detail

// The VS_VERSIONINFO block of the given fields.
inline std::string VersionBlock(const VersionFields& f) {
    using namespace version_program_detail;
    std::string b;
    Node(b, "VS_VERSION_INFO", 0, 52, [&](std::string& b) {
        Add32(b, 0xFEEF04BD);
        Add32(b, 0x00010000);
        for (int i = 0; i < 11; ++i) Add32(b, 0);
        Node(b, "StringFileInfo", 1, 0, [&](std::string& b) {
            char key[9];
            std::snprintf(key, sizeof key, "%04X%04X", f.language, f.code_page);
            Node(b, key, 1, 0, [&](std::string& b) {
                for (const auto& [name, value] : f.strings)
                    Node(b, name, 1, static_cast<uint16_t>(value.size() + 1),
                         [&](std::string& b) { AddWide(b, value); });
            });
        });
        Node(b, "VarFileInfo", 1, 0, [&](std::string& b) {
            Node(b, "Translation", 0, 4, [&](std::string& b) {
                Add16(b, f.language);
                Add16(b, f.code_page);
            });
        });
    });
    return b;
}

// A PE32+ program file whose only resource is the version block of `f` (or none at all when
// `f` is null).
inline std::string VersionProgram(const VersionFields* f) {
    using namespace version_program_detail;
    constexpr uint32_t kFileAlign = 0x200, kRsrcRva = 0x1000;
    std::string b(0x200, '\0');
    b[0] = 'M';
    b[1] = 'Z';
    Put32(b, 0x3C, 0x40);
    b.replace(0x40, 4, std::string("PE\0\0", 4));
    const size_t coff = 0x44;
    Put16(b, coff, 0x8664);      // machine
    Put16(b, coff + 2, 1);       // sections
    Put16(b, coff + 16, 240);    // optional header size
    Put16(b, coff + 18, 0x0022); // executable, large address aware
    const size_t opt = coff + 20;
    Put16(b, opt, 0x20B);
    Put32(b, opt + 32, 0x1000);  // section alignment
    Put32(b, opt + 36, kFileAlign);
    Put16(b, opt + 48, 4);       // subsystem version
    Put16(b, opt + 68, 2);       // GUI
    Put32(b, opt + 108, 16);     // data directories
    std::string rsrc;
    if (f) {
        const std::string block = VersionBlock(*f);
        // Root -> type 16 -> name 1 -> language -> data entry -> block.
        auto dir = [&](uint32_t id, uint32_t target_is_dir_offset, bool subdir) {
            const size_t at = rsrc.size();
            rsrc.append(16, '\0');
            Put16(rsrc, at + 14, 1);
            Add32(rsrc, id);
            Add32(rsrc, target_is_dir_offset | (subdir ? 0x80000000u : 0));
        };
        dir(16, 24, true);
        dir(1, 48, true);
        dir(f->language, 72, false);
        Add32(rsrc, kRsrcRva + 88);  // data entry at 72: RVA, size, code page, reserved
        Add32(rsrc, static_cast<uint32_t>(block.size()));
        Add32(rsrc, 0);
        Add32(rsrc, 0);
        rsrc += block;
        Put32(b, opt + 112 + 2 * 8, kRsrcRva);
        Put32(b, opt + 112 + 2 * 8 + 4, static_cast<uint32_t>(rsrc.size()));
    }
    const uint32_t raw = static_cast<uint32_t>((rsrc.size() + kFileAlign - 1) / kFileAlign * kFileAlign);
    Put32(b, opt + 56, kRsrcRva + ((raw + 0xFFF) & ~0xFFFu));  // size of image
    Put32(b, opt + 60, 0x200);                                 // size of headers
    const size_t sec = opt + 240;
    b.replace(sec, 6, ".rsrc\0", 6);
    Put32(b, sec + 8, static_cast<uint32_t>(rsrc.size()));
    Put32(b, sec + 12, kRsrcRva);
    Put32(b, sec + 16, raw);
    Put32(b, sec + 20, raw ? 0x200 : 0);
    Put32(b, sec + 36, 0x40000040);
    rsrc.resize(raw, '\0');
    return b + rsrc;
}

}  // namespace ostrevan::testing
