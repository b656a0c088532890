#include "platform/version_block.h"

#include <algorithm>

#include "platform/codepage.h"

namespace ostrevan::verblock {
namespace {

char16_t FoldCase(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
    switch (c) {
        case 0x0160: return 0x0161;
        case 0x0152: return 0x0153;
        case 0x017D: return 0x017E;
        case 0x0178: return 0x00FF;
        default: return c;
    }
}

// Rounds a position up to a multiple of 4 counted from `base` (the node's start).
std::optional<uint64_t> AlignFrom(uint64_t base, uint64_t pos) {
    auto rel = AlignUp4(pos - base);
    if (!rel) return std::nullopt;
    return base + *rel;
}

}  // namespace

bool KeyEquals(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    return true;
}

bool IsSixteenBit(ByteView block) {
    auto b = block.U8(4);
    return b && *b >= ' ';
}

ByteView WalkArea(ByteView block) {
    auto length = block.U16(0);
    if (!length) return {};
    return ByteView(block.data(), std::min<size_t>(*length, block.size()));
}

std::optional<Node> ParseNode(ByteView area, uint64_t offset, bool sixteen) {
    Node n;
    n.offset = offset;
    auto length = area.U16(offset);
    auto valueLength = area.U16(offset + 2);
    if (!length || !valueLength) return std::nullopt;
    n.length = *length;
    n.valueLength = *valueLength;
    uint64_t pos = offset + 4;
    if (sixteen) {
        for (;; ++pos) {
            auto c = area.U8(pos);
            if (!c) return std::nullopt;
            if (*c == 0) break;
            n.key.push_back(codepage::Windows1252ToUtf16Unit(*c));
        }
        pos += 1;
    } else {
        auto type = area.U16(offset + 4);
        if (!type) return std::nullopt;
        n.text = *type != 0;
        for (pos = offset + 6;; pos += 2) {
            auto c = area.U16(pos);
            if (!c) return std::nullopt;
            if (*c == 0) break;
            n.key.push_back(static_cast<char16_t>(*c));
        }
        pos += 2;
    }
    auto value = AlignFrom(offset, pos);
    if (!value) return std::nullopt;
    n.valueOffset = *value;
    const uint64_t stored = n.text ? uint64_t{n.valueLength} * 2 : n.valueLength;
    const uint64_t available = n.valueOffset < area.size() ? area.size() - n.valueOffset : 0;
    n.valueBytes = std::min(stored, available);
    auto children = AlignFrom(offset, n.valueOffset + stored);
    if (!children) return std::nullopt;
    n.childrenOffset = *children;
    return n;
}

namespace {

// Calls `visit` with each child of `parent` in order, as the walk sees them, until it returns true.
template <typename Visit>
void ForEachChild(ByteView area, const Node& parent, bool sixteen, Visit visit) {
    const uint64_t end = std::min<uint64_t>(parent.offset + parent.length, area.size());
    uint64_t pos = parent.childrenOffset;
    while (pos < end) {
        auto child = ParseNode(area, pos, sixteen);
        if (!child) return;
        const uint16_t length = child->length;
        if (visit(std::move(*child)) || length == 0) return;
        pos += *AlignUp4(uint64_t{length});
    }
}

}  // namespace

std::vector<Node> Children(ByteView area, const Node& parent, bool sixteen) {
    std::vector<Node> out;
    ForEachChild(area, parent, sixteen, [&](Node&& child) {
        out.push_back(std::move(child));
        return false;
    });
    return out;
}

std::optional<Node> Find(ByteView block, std::string_view path) {
    const ByteView area = WalkArea(block);
    if (area.size() == 0) return std::nullopt;
    const bool sixteen = IsSixteenBit(block);
    auto node = ParseNode(area, 0, sixteen);
    if (!node) return std::nullopt;
    size_t i = 0;
    while (i < path.size()) {
        if (path[i] == '\\') {
            ++i;
            continue;
        }
        size_t j = path.find('\\', i);
        if (j == std::string_view::npos) j = path.size();
        const std::u16string part = codepage::Windows1252ToUtf16(path.substr(i, j - i));
        // The first child whose key matches; the children after it are not read.
        std::optional<Node> found;
        ForEachChild(area, *node, sixteen, [&](Node&& child) {
            if (!KeyEquals(child.key, part)) return false;
            found = std::move(child);
            return true;
        });
        if (!found) return std::nullopt;
        node = std::move(found);
        i = j;
    }
    return node;
}

}  // namespace ostrevan::verblock
