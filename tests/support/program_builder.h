#pragma once
// Builds program files byte by byte for tests: 64- and 32-bit Portable Executables and 16-bit
// New Executables with a chosen resource tree, and version blocks with chosen (also wrong)
// lengths. Also locates the fixture programs the test build compiles from tests/fixtures.
#include <cstdint>
#include <string>
#include <vector>

namespace ostrevan::testing {

using Bytes = std::vector<uint8_t>;

// Little-endian words at a place in b, which grows to hold them.
void Put16(Bytes& b, size_t at, uint32_t v);
void Put32(Bytes& b, size_t at, uint32_t v);

// The path of a fixture program built from tests/fixtures/<name>.rc, in the form the file
// functions of this build take.
std::string FixturePath(const std::string& name);
// A host path in that same form (on Windows under Wine, Z: plus backslashes).
std::string HostPath(const std::string& path);

struct Resource {
    uint16_t type = 0;
    uint16_t id = 0;
    std::u16string name;  // a text name when not empty (listed before numbered names)
    uint16_t language = 0x0409;
    Bytes data;
};

struct PeLayout {
    uint32_t resourceFileOffset = 0;  // where the resource directory starts in the file
    uint32_t resourceRva = 0;
};

// A program with one section holding the resources (grouped by type, then name, then
// language, in the order given).
Bytes BuildPe(const std::vector<Resource>& resources, bool pe32plus = true, PeLayout* layout = nullptr);

struct NeResource {
    uint16_t type = 0;  // numeric type (without the high bit)
    uint16_t id = 0;
    Bytes data;
};
Bytes BuildNe(const std::vector<NeResource>& resources, unsigned alignShift = 4);

// A node of a version block. For 32-bit blocks a text value is stored as UTF-16 and its value
// length counts characters; `valueLength` overrides the stored value length when >= 0.
struct VerNode {
    std::string key;
    bool text = false;
    std::u16string textValue;
    Bytes binaryValue;
    int valueLength = -1;
    std::vector<VerNode> children;
};

// A text value with its terminating zero (the compilers' usual form), or without one.
VerNode Str(const std::string& key, const std::u16string& text, bool terminate = true);
VerNode Block(const std::string& key, std::vector<VerNode> children);
VerNode Translation(const std::vector<std::pair<uint16_t, uint16_t>>& pairs);
// A root VS_VERSION_INFO node with a fixed-information value around the given children.
VerNode VersionRoot(std::vector<VerNode> children);

Bytes BuildVersionBlock32(const VerNode& root);
// 16-bit blocks: 8-bit keys and values (text values are given as Windows-1252 bytes in
// textValue's low bytes); the value length counts bytes.
Bytes BuildVersionBlock16(const VerNode& root);

// The resources an icon file becomes in a program: one icon resource per image (numbered from
// `firstIconId`) and a group directory under `groupId` (or the text name `groupName`).
std::vector<Resource> IconResources(const std::string& icoFile, uint16_t groupId, uint16_t firstIconId,
                                    const std::u16string& groupName = u"");

// A program with one version resource holding `block`.
Bytes PeWithVersion(const Bytes& block);

}  // namespace ostrevan::testing
