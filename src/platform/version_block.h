#pragma once
// Walking a version block (the VS_VERSIONINFO tree) as the platform's version library walks
// it, but never outside the block: a node is a length, a value length, (in 32-bit blocks) a
// type, a zero-terminated key, a value aligned to 4 bytes and children aligned to 4 bytes;
// siblings follow at the node's length rounded up to 4, and a node of length 0 ends the walk.
// 16-bit blocks (from 16-bit program files) have 8-bit keys and no type word.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/byte_reader.h"

namespace ostrevan::verblock {

struct Node {
    uint64_t offset = 0;          // where the node starts in the block
    uint16_t length = 0;          // the node's stored length in bytes
    uint16_t valueLength = 0;     // as stored: characters for text values, else bytes
    bool text = false;            // a 32-bit node whose value is UTF-16 text
    std::u16string key;           // 16-bit keys widened byte by byte (Windows-1252)
    uint64_t valueOffset = 0;     // where the value starts
    uint64_t valueBytes = 0;      // the value's size in bytes, cut to what lies in the block
    uint64_t childrenOffset = 0;  // where the first child would start
};

// A 16-bit block has a key character (not a type word) at byte 4.
bool IsSixteenBit(ByteView block);

// The bytes a walk may look at: the block up to the root's stored length (never past the
// buffer). Empty when the block is too short to hold a root node.
ByteView WalkArea(ByteView block);

// The node at `offset`, or nullopt when its header or key does not lie in `area`.
std::optional<Node> ParseNode(ByteView area, uint64_t offset, bool sixteen);

// The children of a node, in order, as the walk sees them.
std::vector<Node> Children(ByteView area, const Node& parent, bool sixteen);

// The node a sub-block path names: parts separated by backslashes, empty parts skipped, each
// part matched against the children's keys whole and without regard to case; the first child
// that matches is taken. An empty path (or "\") names the root.
std::optional<Node> Find(ByteView block, std::string_view path);

// Whole-key comparison without regard to case, as the platform's key matching does it.
bool KeyEquals(std::u16string_view a, std::u16string_view b);

}  // namespace ostrevan::verblock
