// The icon image decoder against Python's imaging library (Pillow, Debian's python3-pil): icon
// files holding one bitmap of 1, 4, 8, 24 or 32 bits with its AND mask, or a PNG, of every size
// up to the decoder's bound and a little past it, whole or cut short, decoded by both must give
// the same pixels, or both refuse. Where the two differ by design the test says so: a 32-bit
// bitmap whose alpha is zero everywhere is drawn through its mask, as Windows draws it, and a
// side above 256 is refused.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <filesystem>

#include "differential/differential.h"
#include "platform/icon_reader.h"
#include "support/program_builder.h"
#include "support/test_support.h"

namespace ostrevan::testing {
namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, uint32_t v) { b.push_back(static_cast<uint8_t>(v)), b.push_back(static_cast<uint8_t>(v >> 8)); }
void Put32(Bytes& b, uint32_t v) { Put16(b, v & 0xFFFF), Put16(b, v >> 16); }

struct Case {
    Bytes image;  // the bitmap or PNG as an icon resource holds it
    int bits = 0, width = 0, height = 0;
    std::string what;
};

Case RandomBitmap(std::mt19937& rng) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    static constexpr int kBits[] = {1, 4, 8, 24, 32};
    static constexpr int kSides[] = {1, 2, 7, 16, 31, 32, 33, 48, 64, 255, 256, 257};
    Case c;
    c.bits = kBits[pick(0, 4)];
    c.width = pick(0, 3) ? pick(1, 40) : kSides[pick(0, 11)];
    c.height = pick(0, 3) ? pick(1, 40) : kSides[pick(0, 11)];
    const int colours = c.bits <= 8 ? pick(c.bits == 1 ? 2 : 1, 1 << c.bits) : 0;
    Bytes& b = c.image;
    Put32(b, 40), Put32(b, static_cast<uint32_t>(c.width)), Put32(b, static_cast<uint32_t>(2 * c.height));
    Put16(b, 1), Put16(b, static_cast<uint32_t>(c.bits)), Put32(b, 0), Put32(b, 0);
    Put32(b, 0), Put32(b, 0), Put32(b, c.bits <= 8 && colours < (1 << c.bits) ? static_cast<uint32_t>(colours) : 0), Put32(b, 0);
    for (int i = 0; i < colours; ++i) b.push_back(static_cast<uint8_t>(pick(0, 255))), b.push_back(static_cast<uint8_t>(pick(0, 255))),
                                      b.push_back(static_cast<uint8_t>(pick(0, 255))), b.push_back(0);
    const size_t xorStride = (size_t(c.width) * c.bits + 31) / 32 * 4, andStride = (size_t(c.width) + 31) / 32 * 4;
    bool anyAlpha = false;
    for (int y = 0; y < c.height; ++y) {
        Bytes row(xorStride);
        for (int x = 0; x < c.width; ++x) {
            if (c.bits <= 8) {
                row[size_t(x) * c.bits / 8] |= static_cast<uint8_t>(pick(0, colours - 1) << (8 - c.bits - (x * c.bits) % 8));
            } else {
                for (int k = 0; k < c.bits / 8; ++k) row[size_t(x) * (c.bits / 8) + k] = static_cast<uint8_t>(pick(0, 255));
                if (c.bits == 32 && pick(0, 4) == 0) row[size_t(x) * 4 + 3] = 0;
                anyAlpha = anyAlpha || (c.bits == 32 && row[size_t(x) * 4 + 3] != 0);
            }
        }
        b.insert(b.end(), row.begin(), row.end());
    }
    if (c.bits == 32 && !anyAlpha) b[40 + 3] = 1;  // alpha zero everywhere is drawn another way
    for (int y = 0; y < c.height; ++y)
        for (size_t i = 0; i < andStride; ++i) b.push_back(static_cast<uint8_t>(pick(0, 2) ? 0 : pick(0, 255)));
    c.what = std::to_string(c.bits) + "-bit bitmap, " + std::to_string(colours) + " colours, " +
             std::to_string(c.width) + "x" + std::to_string(c.height);
    return c;
}

void WriteToVector(png_structp png, png_bytep data, png_size_t n) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + n);
}

Case RandomPng(std::mt19937& rng) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    Case c;
    c.bits = 32;
    c.width = pick(1, 64), c.height = pick(1, 64);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &c.image, WriteToVector, nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(c.width), static_cast<png_uint_32>(c.height), 8, PNG_COLOR_TYPE_RGBA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    Bytes row(size_t(c.width) * 4);
    for (int y = 0; y < c.height; ++y) {
        for (auto& v : row) v = static_cast<uint8_t>(pick(0, 255));
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    c.what = "PNG " + std::to_string(c.width) + "x" + std::to_string(c.height);
    return c;
}

// An icon file with the one image.
Bytes IconFile(const Case& c) {
    Bytes f;
    Put16(f, 0), Put16(f, 1), Put16(f, 1);
    f.push_back(static_cast<uint8_t>(c.width & 0xFF)), f.push_back(static_cast<uint8_t>(c.height & 0xFF));
    f.push_back(0), f.push_back(0), Put16(f, 1), Put16(f, static_cast<uint32_t>(c.bits));
    Put32(f, static_cast<uint32_t>(c.image.size())), Put32(f, 22);
    f.insert(f.end(), c.image.begin(), c.image.end());
    return f;
}

// Pillow's pixels of every icon file in `dir`, by number; nullopt where it refused the file.
std::vector<std::optional<RgbaImage>> PillowDecodes(const TempDir& dir, size_t count) {
    const std::string script = std::string(OSTREVAN_SOURCE_DIR) + "/tests/differential/pillow_decode.py";
    const std::string cmd = "/usr/bin/python3 '" + script + "' '" + dir.path().string() + "' " + std::to_string(count);
    EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
    std::vector<std::optional<RgbaImage>> out;
    for (size_t i = 0; i < count; ++i) {
        const auto file = dir / (std::to_string(i) + ".rgba");
        if (!std::filesystem::exists(file)) {
            out.emplace_back();
            continue;
        }
        const std::string bytes = ReadFileBytes(file);
        RgbaImage img;
        img.width = static_cast<uint8_t>(bytes[0]) | static_cast<uint8_t>(bytes[1]) << 8;
        img.height = static_cast<uint8_t>(bytes[2]) | static_cast<uint8_t>(bytes[3]) << 8;
        img.pixels.assign(bytes.begin() + 4, bytes.end());
        out.emplace_back(img);
    }
    return out;
}

TEST(IconsAgainstPillow, BitmapsAndPngsWholeAndCut) {
    if (std::system("/usr/bin/python3 -c 'import PIL' 2>/dev/null") != 0) GTEST_SKIP() << "python3-pil is not installed";
    std::mt19937 rng(DifferentialSeed("IconsAgainstPillow.BitmapsAndPngsWholeAndCut"));
    TempDir dir;
    std::vector<Case> cases;
    for (int i = 0; i < 500; ++i) {
        Case c = i % 10 == 9 ? RandomPng(rng) : RandomBitmap(rng);
        if (i % 4 == 3) {
            // Cut inside the colours or the pixels, a row or more short (Pillow takes a bitmap
            // whose last row lacks only its padding); a cut mask Pillow cannot read at all.
            const size_t maskBytes = (size_t(c.width) + 31) / 32 * 4 * c.height;
            const size_t rowBytes = (size_t(c.width) * c.bits + 31) / 32 * 4;
            const size_t keep = std::uniform_int_distribution<size_t>(0, c.image.size() - (i % 10 == 9 ? 12 : maskBytes + rowBytes))(rng);
            c.image.resize(keep);
            c.what += ", cut to " + std::to_string(keep) + " bytes";
        }
        const Bytes f = IconFile(c);
        WriteFileBytes(dir / (std::to_string(cases.size()) + ".ico"), std::string(f.begin(), f.end()));
        cases.push_back(std::move(c));
    }
    const auto theirs = PillowDecodes(dir, cases.size());
    int same = 0;
    for (size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        const auto ours = icons::DecodeIconImage(ByteView(c.image));
        if (c.width > 256 || c.height > 256) {
            EXPECT_FALSE(ours) << c.what << ": beyond the decoder's bound";
            continue;
        }
        ASSERT_EQ(ours.has_value(), theirs[i].has_value()) << c.what << ": Pillow " << (theirs[i] ? "accepts" : "refuses");
        if (!ours) continue;
        ASSERT_EQ(ours->width, theirs[i]->width) << c.what;
        ASSERT_EQ(ours->height, theirs[i]->height) << c.what;
        ASSERT_EQ(ours->pixels.size(), theirs[i]->pixels.size()) << c.what;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) ASSERT_EQ(ours->At(x, y), theirs[i]->At(x, y)) << c.what << " at " << x << "," << y;
        ++same;
    }
    EXPECT_GT(same, 300);
}

// Each fixture program shows the 32 x 32 image of the icon file it was built from (of several,
// the nearest size, then the nearest depth: Pillow's choice too), pixel for pixel as Pillow
// decodes it; an icon file named as a program shows its own.
TEST(IconsAgainstPillow, FixtureProgramsShowTheImageOfTheirIconFile) {
    if (std::system("/usr/bin/python3 -c 'import PIL' 2>/dev/null") != 0) GTEST_SKIP() << "python3-pil is not installed";
    const std::string icons = std::string(OSTREVAN_SOURCE_DIR) + "/tests/fixtures/";
    const std::pair<std::string, std::string> programs[] = {
        {FixturePath("basic"), "first.ico"},     {FixturePath("depth1"), "second.ico"},
        {FixturePath("icon_only"), "depth8.ico"}, {FixturePath("depth24"), "depth24.ico"},
        {FixturePath("depth32"), "depth32.ico"},  {FixturePath("png"), "png.ico"},
        {FixturePath("choice"), "choice.ico"},    {icons + "first.ico", "first.ico"}};
    TempDir dir;
    for (size_t i = 0; i < std::size(programs); ++i)
        std::filesystem::copy_file(icons + programs[i].second, dir / (std::to_string(i) + ".ico"));
    const auto theirs = PillowDecodes(dir, std::size(programs));
    for (size_t i = 0; i < std::size(programs); ++i) {
        const auto ours = icons::portable::ExtractFirstIcon(programs[i].first);
        ASSERT_TRUE(ours && theirs[i]) << programs[i].first;
        EXPECT_EQ(std::make_pair(ours->width, ours->height), std::make_pair(32, 32)) << programs[i].first;
        EXPECT_TRUE(ours->pixels == theirs[i]->pixels) << programs[i].first;
    }
}

}  // namespace
}  // namespace ostrevan::testing
