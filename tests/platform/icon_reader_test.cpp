// Icons as the portable reader extracts them: the image chosen from a group, the group read, an
// image scaled to the icon's size. The pixels of the fixture programs' icons are compared with
// Python's imaging library in tests/differential.
#include "platform/icon_reader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/program_builder.h"
#include "support/test_support.h"

using namespace ostrevan;
using namespace ostrevan::icons;
using namespace ostrevan::testing;

namespace {

std::string IcoPath(const std::string& name) {
    return (std::filesystem::path(OSTREVAN_SOURCE_DIR) / "tests" / "fixtures" / name).string();
}

}  // namespace

TEST(IconChoice, TakesTheNearestSizeThenTheNearestDepth) {
    struct Case { const char* what; std::vector<GroupEntry> entries; size_t expected; } cases[] = {
        {"exact size wins", {{16, 16, 32}, {32, 32, 4}, {48, 48, 32}}, 1},
        {"nearest depth among same size", {{32, 32, 4}, {32, 32, 8}, {32, 32, 32}, {32, 32, 24}}, 2},
        {"first wins a tie", {{32, 32, 8}, {32, 32, 8}}, 0},
        {"48 is nearer than 16? no: both 16 away, the first", {{48, 48, 8}, {16, 16, 8}}, 0},
        {"256 is far from 32", {{256, 256, 32}, {64, 64, 4}}, 1},
        {"same total, other shape does not compete on depth", {{40, 24, 32}, {32, 16, 32}, {24, 40, 4}}, 0},
        {"same total, the first shape met", {{32, 16, 8}, {16, 32, 32}}, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(ChooseImage(c.entries, 32, 32, 32), c.expected) << c.what;
    EXPECT_FALSE(ChooseImage({}, 32, 32, 32));
}

TEST(IconImage, ABitmapWithoutWidthIsNoImage) {
    Bytes dib(40 + 64, 0);
    for (auto [at, v] : {std::pair{0, 40}, {8, 64}, {12, 1}, {14, 32}}) Put32(dib, at, v);  // 0 wide, 32 high
    EXPECT_FALSE(DecodeIconImage(ByteView(dib.data(), dib.size())));
}

// Each side of 0 in the directory means 256, on its own; a count beyond the bytes is cut.
TEST(IconGroup, EntriesAsTheDirectoryHoldsThem) {
    std::vector<uint8_t> g = {0, 0, 1, 0, 0xE8, 0x03};  // claims 1000 entries
    for (uint8_t i = 0; i < 2; ++i) {
        const uint8_t e[14] = {i ? uint8_t(0) : uint8_t(32), 16, 0, 0, 1, 0, uint8_t(8 + 16 * i), 0, 0, 1, 0, 0, uint8_t(i + 1), 0};
        g.insert(g.end(), e, e + 14);
    }
    const auto entries = ParseGroup(ByteView(g));
    ASSERT_EQ(entries.size(), 2u);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(std::make_tuple(entries[i].width, entries[i].height, entries[i].bitCount, entries[i].id),
                  std::make_tuple(i ? 256 : 32, 16, 8 + 16 * i, i + 1));
    g[0] = 1;  // reserved word not zero: not a group
    EXPECT_TRUE(ParseGroup(ByteView(g)).empty());
}

TEST(IconExtraction, ScalesAnImageOfAnotherSizeTo32) {
    TempDir dir;
    // Only a 16 x 16 image: every pixel is doubled.
    const std::string ico = ReadFileBytes(IcoPath("first.ico"));
    auto resources = IconResources(ico, 1, 1);
    // Keep the 16 x 16 image alone in the group.
    auto& group = resources.back().data;
    group[4] = 1;
    group.resize(6 + 14);
    const Bytes pe = BuildPe(resources);
    WriteFileBytes(dir / "small.exe", std::string(pe.begin(), pe.end()));
    const auto small = DecodeIconImage(ByteView(resources.front().data));
    auto icon = portable::ExtractFirstIcon((dir / "small.exe").string());
    ASSERT_TRUE(small && icon);
    ASSERT_EQ(std::make_pair(small->width, icon->width), std::make_pair(16, 32));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) ASSERT_EQ(icon->At(x, y), small->At(x / 2, y / 2)) << x << "," << y;
    // As wide as the icon but only half as high: scaled too.
    RgbaImage wide{32, 16, std::vector<uint8_t>(32 * 16 * 4)};
    wide.pixels[15 * 32 * 4] = 7;
    const RgbaImage tall = ScaleNearest(wide, 32, 32);
    EXPECT_EQ(std::make_pair(tall.height, int(tall.pixels.at(31 * 32 * 4))), std::make_pair(32, 7));
}
