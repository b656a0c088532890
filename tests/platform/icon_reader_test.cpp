// Icons as the portable reader extracts them. The fixture icons come from
// tests/fixtures/make_icons.py, whose pixel rules are repeated here to predict every pixel.
#include "platform/icon_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "support/program_builder.h"
#include "support/test_support.h"

using namespace ostrevan;
using namespace ostrevan::icons;
using namespace ostrevan::testing;

namespace {

const uint32_t kPalette16[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                                 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

bool Transparent(int x, int y) { return x < 4 && y < 4; }
unsigned IndexAt(int x, int y, unsigned colours) { return static_cast<unsigned>(x / 4 + (y / 4) * 3) % colours; }
uint32_t RgbAt(int x, int y) {
    return (uint32_t((x * 8) & 255) << 16) | (uint32_t((y * 8) & 255) << 8) | uint32_t(((x + y) * 4) & 255);
}
uint32_t Palette8(unsigned i) {
    if (i < 16) return kPalette16[i];
    return (uint32_t((i * 7) & 255) << 16) | (uint32_t((i * 13) & 255) << 8) | uint32_t((i * 29) & 255);
}

// Expected 0xRRGGBBAA of each fixture's icon; colour is not checked where alpha is 0.
using PixelRule = std::function<uint32_t(int, int)>;

std::string IcoPath(const std::string& name) {
    return (std::filesystem::path(OSTREVAN_SOURCE_DIR) / "tests" / "fixtures" / name).string();
}

void ExpectPixels(const RgbaImage& img, const PixelRule& rule, const std::string& what) {
    ASSERT_EQ(img.width, 32) << what;
    ASSERT_EQ(img.height, 32) << what;
    int wrong = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const uint32_t want = rule(x, y), got = img.At(x, y);
            const bool same = (want & 0xFF) == 0 ? (got & 0xFF) == 0 : got == want;
            if (!same && wrong++ < 3)
                ADD_FAILURE() << what << " (" << x << "," << y << "): " << std::hex << got << " want " << want;
        }
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

TEST(IconExtraction, DecodesEveryDepthOfTheFixtures) {
    struct Case { const char* fixture; PixelRule rule; } cases[] = {
        // basic: first group is first.ico, whose 32 x 32 image has 4 bits per pixel.
        {"basic", [](int x, int y) { return Transparent(x, y) ? 0u : (kPalette16[IndexAt(x, y, 16)] << 8) | 0xFF; }},
        {"depth1", [](int x, int y) { return Transparent(x, y) ? 0u : (IndexAt(x, y, 2) ? 0xFFFFFFFFu : 0x000000FFu); }},
        // icon_only: the text-named group comes first; its image has 8 bits per pixel.
        {"icon_only", [](int x, int y) { return Transparent(x, y) ? 0u : (Palette8(IndexAt(x, y, 256)) << 8) | 0xFF; }},
        {"depth24", [](int x, int y) { return Transparent(x, y) ? 0u : (RgbAt(x, y) << 8) | 0xFF; }},
        {"depth32", [](int x, int y) { return Transparent(x, y) ? 0u : (RgbAt(x, y) << 8) | (x < 16 ? 0xFF : 0x80); }},
        {"png", [](int x, int y) { return Transparent(x, y) ? 0u : (RgbAt(x, y) << 8) | 0xFF; }},
        {"choice", [](int x, int y) { return Transparent(x, y) ? 0u : (RgbAt(x, y) << 8) | (x < 16 ? 0xFF : 0x80); }},
    };
    for (const auto& c : cases) {
        auto icon = portable::ExtractFirstIcon(FixturePath(c.fixture));
        ASSERT_TRUE(icon) << c.fixture;
        ExpectPixels(*icon, c.rule, c.fixture);
    }
    // A program file that is an icon file: its 32 x 32 image, as in basic.
    auto icon = portable::ExtractFirstIcon(IcoPath("first.ico"));
    ASSERT_TRUE(icon);
    ExpectPixels(*icon, cases[0].rule, "first.ico");
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
    auto icon = portable::ExtractFirstIcon((dir / "small.exe").string());
    ASSERT_TRUE(icon);
    ExpectPixels(*icon, [](int x, int y) {
        return Transparent(x / 2, y / 2) ? 0u : (kPalette16[IndexAt(x / 2, y / 2, 16)] << 8) | 0xFF;
    }, "16 x 16 scaled");
    // As wide as the icon but only half as high: scaled too.
    RgbaImage wide{32, 16, std::vector<uint8_t>(32 * 16 * 4)};
    wide.pixels[15 * 32 * 4] = 7;
    const RgbaImage tall = ScaleNearest(wide, 32, 32);
    EXPECT_EQ(std::make_pair(tall.height, int(tall.pixels.at(31 * 32 * 4))), std::make_pair(32, 7));
}
