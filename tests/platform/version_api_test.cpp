// The portable version reader over the fixture programs and over blocks built byte by byte.
#include "platform/version_api.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "platform/program_file.h"
#include "support/program_builder.h"
#include "support/test_support.h"

using namespace ostrevan;
using namespace ostrevan::testing;
namespace pv = ostrevan::version::portable;

namespace {

std::vector<uint8_t> LoadBlock(const std::string& path) {
    const uint32_t size = pv::GetFileVersionInfoSizeA(path);
    std::vector<uint8_t> block(size + 2u, 0);
    if (size == 0 || !pv::GetFileVersionInfoA(path, size, block)) return {0, 0};
    return block;
}

struct Answer {
    bool found = false;
    uint32_t length = 0;
    std::string bytes;  // the value's bytes (length of them)
    bool operator==(const Answer&) const = default;
};

Answer Query(std::vector<uint8_t>& block, const std::string& sub) {
    const uint8_t* p = nullptr;
    Answer a;
    a.found = pv::VerQueryValueA(block, sub, &p, &a.length);
    if (a.found && a.length) a.bytes.assign(reinterpret_cast<const char*>(p), a.length);
    return a;
}

std::vector<uint8_t> BlockOfFile(const Bytes& file) {
    TempDir dir;
    WriteFileBytes(dir / "p.exe", std::string(file.begin(), file.end()));
    return LoadBlock((dir / "p.exe").string());
}

// A text with its terminating zero, as the value's bytes are counted.
template <size_t N>
std::string WithZero(const char (&text)[N]) {
    return std::string(text, N);
}

}  // namespace

TEST(VersionApi, AnswersRootTranslationAndTextAsThePlatformDoes) {
    auto block = LoadBlock(FixturePath("basic"));
    ASSERT_GT(block.size(), 2u);
    auto root = Query(block, "\\");
    ASSERT_TRUE(root.found);
    EXPECT_EQ(root.length, 52u);
    uint32_t signature = 0;
    std::memcpy(&signature, root.bytes.data(), 4);
    EXPECT_EQ(signature, 0xFEEF04BDu);

    // Bytes of one language/code page pair; a text value's characters including the terminating
    // zero, in Windows-1252 (the version reader's tests check the texts themselves).
    EXPECT_EQ(Query(block, "\\VarFileInfo\\Translation"), (Answer{true, 4, std::string("\x09\x04\xE4\x04", 4)}));
}

TEST(VersionApi, MatchesSubBlockNamesWholeWithoutRegardToCase) {
    auto block = LoadBlock(FixturePath("basic"));
    struct Case { const char* path; bool found; uint32_t length; } cases[] = {
        {"\\StringFileInfo\\040904E4\\ProductName", true, 17},
        {"\\stringfileinfo\\040904e4\\PRODUCTNAME", true, 17},
        {"StringFileInfo\\040904E4\\ProductName", true, 17},      // leading backslash optional
        {"\\\\StringFileInfo\\\\040904E4\\ProductName\\", true, 17},  // empty parts skipped
        {"\\StringFileInfo\\040904E4\\Produ", false, 0},           // no prefix matches
        {"\\StringFileInfo\\040904E4\\ProductNameX", false, 0},
        {"\\StringFileInfo\\040904E4", true, 0},                   // an inner node, no value
        {"\\StringFileInfo\\040704E4\\ProductName", false, 0}, {"\\VarFileInfo\\Translation\\More", false, 0},
        {"\\StringFileInfo\\VarFileInfo", false, 0},  // the sibling right after a block is no child of it
    };
    for (const auto& c : cases) {
        const Answer a = Query(block, c.path);
        EXPECT_EQ(std::make_pair(a.found, a.length), std::make_pair(c.found, c.length)) << c.path;
    }
}

TEST(VersionApi, BuiltBlocksAnswerTheirExactLengths) {
    const Bytes block32 = BuildVersionBlock32(VersionRoot({
        Block("StringFileInfo", {Block("040904E4", {Str("Open", u"abc", false), Str("Empty", u"", false),
                                                    Str("Az\xC0\xDE", u"edges", false)})}),
        Block("VarFileInfo", {Translation({{0x407, 1252}, {0x409, 1252}})}),
    }));
    auto block = BlockOfFile(PeWithVersion(block32));
    ASSERT_GT(block.size(), block32.size());
    EXPECT_EQ(Query(block, "\\StringFileInfo\\040904E4\\Open"), (Answer{true, 3, "abc"}));  // no zero stored, none counted
    EXPECT_EQ(Query(block, "\\StringFileInfo\\040904E4\\Empty"), (Answer{true, 0, ""}));
    EXPECT_EQ(Query(block, "\\VarFileInfo\\Translation").length, 8u);
    EXPECT_FALSE(Query(block, "\\StringFileInfo\\VarFileInfo").found);
    // The first and last capitals of each range fold (A, Z, \xC0, \xDE).
    EXPECT_EQ(Query(block, "\\StringFileInfo\\040904E4\\aZ\xE0\xFE").bytes, "edges");
}

TEST(VersionApi, ReadsA16BitProgramsBlockInPlace) {
    const Bytes block16 = BuildVersionBlock16(VersionRoot({Block("StringFileInfo", {Block("040904E4",
        {Str("ProductName", u"Old Writer")})}), Block("VarFileInfo", {Translation({{0x409, 1252}})})}));
    TempDir dir;
    const Bytes ne = BuildNe({NeResource{3, 1, Bytes(40, 7)}, NeResource{16, 1, block16}});
    WriteFileBytes(dir / "old.exe", std::string(ne.begin(), ne.end()));
    const std::string path = (dir / "old.exe").string();
    auto file = ProgramFile::Open(path);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->format(), ImageFormat::kNe);
    auto items = file->Resources(kResVersion, 1);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(pv::GetFileVersionInfoSizeA(path), (items[0].size - 52) * 4);
    auto block = LoadBlock(path);
    EXPECT_EQ(Query(block, "\\stringfileinfo\\040904e4\\productname"), (Answer{true, 11, WithZero("Old Writer")}));
    EXPECT_EQ(Query(block, "\\VarFileInfo\\Translation").length, 4u);
    EXPECT_EQ(Query(block, "\\").length, 52u);
}

