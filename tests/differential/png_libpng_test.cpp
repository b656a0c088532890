// The PNG decoder of the icon reader against libpng: images that libpng writes in every colour
// type and bit depth the decoder reads, with palettes, transparency chunks, every row filter and
// the data split over many IDAT chunks, must decode to the same pixels; cut or damaged copies
// must be refused by both or decoded alike; what the decoder does not read (16 bits, interlaced,
// sides beyond its bound) it refuses.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <optional>

#include "differential/differential.h"
#include "platform/png_decoder.h"
#include "platform/ui/bitmap.h"

namespace ostrevan::testing {
namespace {

using Bytes = std::vector<uint8_t>;

struct Image {
    int width = 0, height = 0, colour = 0, depth = 8;
    bool interlaced = false;
    std::vector<Bytes> rows;  // packed samples as PNG stores them
    std::vector<png_color> palette;
    Bytes paletteAlpha;
    std::optional<png_color_16> key;  // tRNS of a grey or RGB image
};

void WriteToVector(png_structp png, png_bytep data, png_size_t n) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + n);
}

Bytes Encode(const Image& img, int compression, size_t idatSize) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        ADD_FAILURE() << "libpng could not write the image";
        return {};
    }
    png_set_write_fn(png, &out, WriteToVector, nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(img.width), static_cast<png_uint_32>(img.height), img.depth,
                 img.colour, img.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!img.palette.empty()) png_set_PLTE(png, info, img.palette.data(), static_cast<int>(img.palette.size()));
    if (!img.paletteAlpha.empty() || img.key) {
        png_color_16 key = img.key.value_or(png_color_16{});
        png_set_tRNS(png, info, img.paletteAlpha.empty() ? nullptr : const_cast<png_bytep>(img.paletteAlpha.data()),
                     static_cast<int>(img.paletteAlpha.size()), img.key ? &key : nullptr);
    }
    png_set_filter(png, 0, PNG_ALL_FILTERS);
    png_set_compression_level(png, compression);
    png_set_compression_buffer_size(png, idatSize);
    png_write_info(png, info);
    std::vector<png_bytep> rows;
    for (const auto& r : img.rows) rows.push_back(const_cast<png_bytep>(r.data()));
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

struct Reader {
    const Bytes* in;
    size_t at = 0;
};

void ReadFromVector(png_structp png, png_bytep data, png_size_t n) {
    auto* r = static_cast<Reader*>(png_get_io_ptr(png));
    if (n > r->in->size() - r->at) png_error(png, "read past the end");
    std::memcpy(data, r->in->data() + r->at, n);
    r->at += n;
}

// libpng's reading, expanded to 8-bit RGBA as the icon shows it (tRNS becomes alpha). Benign
// errors are errors; CRCs are checked only when asked, as the decoder does not check them.
std::optional<RgbaImage> LibpngReference(const Bytes& bytes, bool checkCrc = false) {
    Reader reader{&bytes};
    png_structp png = png_create_read_struct(
        PNG_LIBPNG_VER_STRING, nullptr, [](png_structp p, png_const_charp) { png_longjmp(p, 1); },
        [](png_structp, png_const_charp) {});
    png_infop info = png_create_info_struct(png);
    std::optional<RgbaImage> result;
    RgbaImage img;
    std::vector<png_bytep> rows;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return std::nullopt;
    }
    png_set_read_fn(png, &reader, ReadFromVector);
    png_set_benign_errors(png, 0);
    if (!checkCrc) png_set_crc_action(png, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
    else png_set_crc_action(png, PNG_CRC_ERROR_QUIT, PNG_CRC_ERROR_QUIT);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    img.width = static_cast<int>(png_get_image_width(png, info));
    img.height = static_cast<int>(png_get_image_height(png, info));
    if (png_get_rowbytes(png, info) != size_t(img.width) * 4) png_error(png, "not 8-bit RGBA");
    img.pixels.resize(size_t(img.width) * img.height * 4);
    for (int y = 0; y < img.height; ++y) rows.push_back(&img.pixels[size_t(y) * img.width * 4]);
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    result = img;
    png_destroy_read_struct(&png, &info, nullptr);
    return result;
}

size_t RowBytes(const Image& img) {
    const int channels = img.colour == 2 ? 3 : img.colour == 4 ? 2 : img.colour == 6 ? 4 : 1;
    return (size_t(img.width) * channels * img.depth + 7) / 8;
}

Image RandomImage(std::mt19937& rng) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    static constexpr int kColours[] = {0, 2, 3, 4, 6};
    Image img;
    img.colour = kColours[pick(0, 4)];
    if (img.colour == 0 || img.colour == 3) img.depth = 1 << pick(0, 3);
    img.width = pick(0, 9) == 0 ? pick(100, 256) : pick(1, 40);
    img.height = pick(0, 9) == 0 ? pick(100, 256) : pick(1, 40);
    const int channels = img.colour == 2 ? 3 : img.colour == 4 ? 2 : img.colour == 6 ? 4 : 1;
    const int maxSample = (1 << img.depth) - 1;
    int maxIndex = 0;
    std::vector<std::vector<int>> samples(size_t(img.height));
    for (auto& row : samples) {
        row.resize(size_t(img.width) * channels);
        // Few distinct values make runs and colour-key hits likely.
        const int spread = pick(0, 1) ? maxSample : std::min(maxSample, 3);
        for (auto& s : row) s = pick(0, spread), maxIndex = std::max(maxIndex, s);
    }
    for (const auto& row : samples) {
        Bytes packed((row.size() * img.depth + 7) / 8);
        for (size_t i = 0; i < row.size(); ++i) packed[i * img.depth / 8] |= static_cast<uint8_t>(row[i] << (8 - img.depth - (i * img.depth) % 8));
        img.rows.push_back(packed);
    }
    if (img.colour == 3) {
        img.palette.resize(size_t(pick(maxIndex + 1, 1 << img.depth)));
        for (auto& c : img.palette) c = {static_cast<png_byte>(pick(0, 255)), static_cast<png_byte>(pick(0, 255)), static_cast<png_byte>(pick(0, 255))};
        if (pick(0, 1)) {
            img.paletteAlpha.resize(size_t(pick(1, static_cast<int>(img.palette.size()))));
            for (auto& a : img.paletteAlpha) a = static_cast<uint8_t>(pick(0, 255));
        }
    } else if ((img.colour == 0 || img.colour == 2) && pick(0, 1)) {
        // The colour key of one of the image's own pixels, so that some pixels are clear.
        const auto& row = samples[size_t(pick(0, img.height - 1))];
        const size_t x = size_t(pick(0, img.width - 1)) * channels;
        png_color_16 key{};
        if (img.colour == 0) key.gray = static_cast<png_uint_16>(row[x]);
        else key.red = static_cast<png_uint_16>(row[x]), key.green = static_cast<png_uint_16>(row[x + 1]), key.blue = static_cast<png_uint_16>(row[x + 2]);
        img.key = key;
    }
    return img;
}

std::string Describe(const Image& img) {
    return "colour type " + std::to_string(img.colour) + ", depth " + std::to_string(img.depth) + ", " +
           std::to_string(img.width) + "x" + std::to_string(img.height) + (img.key ? ", colour key" : "") +
           (img.paletteAlpha.empty() ? "" : ", palette alpha");
}

void ExpectSame(const Bytes& png, const std::string& what, int& accepted) {
    const auto theirs = LibpngReference(png);
    const auto ours = icons::DecodePng(ByteView(png), 256);
    ASSERT_EQ(ours.has_value(), theirs.has_value()) << what << ": libpng " << (theirs ? "accepts" : "rejects");
    if (!theirs) return;
    ++accepted;
    ASSERT_EQ(ours->width, theirs->width) << what;
    ASSERT_EQ(ours->height, theirs->height) << what;
    for (int y = 0; y < theirs->height; ++y)
        for (int x = 0; x < theirs->width; ++x)
            ASSERT_EQ(ours->At(x, y), theirs->At(x, y)) << what << " at " << x << "," << y;
}

TEST(PngAgainstLibpng, EveryColourTypeAndDepthTheDecoderReads) {
    std::mt19937 rng(DifferentialSeed("PngAgainstLibpng.EveryColourTypeAndDepthTheDecoderReads"));
    int accepted = 0;
    for (int trial = 0; trial < 400; ++trial) {
        Image img = RandomImage(rng);
        if (trial < 2) {
            // The largest sides the decoder takes, one at a time.
            (trial == 0 ? img.width : img.height) = 256;
            img.rows.assign(size_t(img.height), Bytes(RowBytes(img)));
        }
        const Bytes png = Encode(img, trial % 10, trial % 3 == 0 ? 64 : 8192);
        ASSERT_FALSE(png.empty());
        ExpectSame(png, Describe(img), accepted);
    }
    EXPECT_EQ(accepted, 400);
}

TEST(PngAgainstLibpng, CutAndDamagedImages) {
    std::mt19937 rng(DifferentialSeed("PngAgainstLibpng.CutAndDamagedImages"));
    int accepted = 0, tries = 0;
    for (int trial = 0; trial < 150; ++trial) {
        const Image img = RandomImage(rng);
        const Bytes png = Encode(img, 6, 256);
        for (int k = 0; k < 8; ++k, ++tries) {
            Bytes bad = png;
            const size_t at = std::uniform_int_distribution<size_t>(8, png.size() - 1)(rng);
            if (k % 2 == 0) bad.resize(at);
            else bad[at] ^= static_cast<uint8_t>(1u << std::uniform_int_distribution<int>(0, 7)(rng));
            ExpectSame(bad, Describe(img) + (k % 2 ? ", bit flipped at " : ", cut at ") + std::to_string(at), accepted);
        }
    }
    EXPECT_LT(accepted, tries);
}

// The pictures the headless backend writes (printed pages, screenshots) pass every checksum.
TEST(PngAgainstLibpng, WrittenPicturesPassEveryChecksum) {
    ui::Bitmap b(3, 2, ui::kWhite);
    b.Set(1, 1, ui::Color{255, 0, 0});
    const std::string png = b.ToPng();
    const auto img = LibpngReference(Bytes(png.begin(), png.end()), true);
    ASSERT_TRUE(img);
    EXPECT_EQ(img->At(1, 1), 0xFF0000FFu);
}

// A palette chunk cut to a length that holds no whole colours (the chunk's length field says so).
TEST(PngAgainstLibpng, PalettesOfBrokenLength) {
    std::mt19937 rng(DifferentialSeed("PngAgainstLibpng.PalettesOfBrokenLength"));
    int accepted = 0, tried = 0;
    for (int trial = 0; trial < 200 && tried < 40; ++trial) {
        const Image img = RandomImage(rng);
        if (img.colour != 3) continue;
        Bytes png = Encode(img, 6, 8192);
        const auto at = std::search(png.begin(), png.end(), std::begin("PLTE"), std::end("PLTE") - 1) - png.begin() - 4;
        const uint32_t length = uint32_t{png[at]} << 24 | uint32_t{png[at + 1]} << 16 | uint32_t{png[at + 2]} << 8 | png[at + 3];
        const uint32_t cut = 1 + static_cast<uint32_t>(tried % 2);
        png.erase(png.begin() + at + 8 + (length - cut), png.begin() + at + 8 + length);
        for (int k = 0; k < 4; ++k) png[at + k] = static_cast<uint8_t>((length - cut) >> (24 - 8 * k));
        ++tried;
        ExpectSame(png, Describe(img) + ", palette cut by " + std::to_string(cut), accepted);
    }
    EXPECT_EQ(accepted, 0);
    EXPECT_GT(tried, 10);
}

TEST(PngAgainstLibpng, WhatTheDecoderDoesNotReadIsRefused) {
    std::mt19937 rng(DifferentialSeed("PngAgainstLibpng.WhatTheDecoderDoesNotReadIsRefused"));
    for (int trial = 0; trial < 40; ++trial) {
        Image img = RandomImage(rng);
        std::string what = Describe(img);
        if (trial % 3 == 0) {
            img.interlaced = true, what += ", interlaced";
        } else if (trial % 3 == 1 && img.colour != 3) {
            // 16 bits per sample: every sample byte doubled.
            img.depth = 16, img.key.reset(), what += ", 16 bits";
            for (auto& r : img.rows) {
                if (img.colour == 0) r.resize(size_t(img.width));  // one byte per sample at depth 8 first
                Bytes wide;
                for (uint8_t b : r) wide.push_back(b), wide.push_back(b);
                r = wide;
            }
            if (img.colour == 0) {
                for (auto& r : img.rows) std::fill(r.begin(), r.end(), 0x12);
            }
        } else {
            img.width = 257, what += ", 257 wide";
            img.rows.assign(size_t(img.height), Bytes(RowBytes(img)));
        }
        const Bytes png = Encode(img, 6, 8192);
        ASSERT_TRUE(LibpngReference(png)) << what << ": a valid image";
        EXPECT_FALSE(icons::DecodePng(ByteView(png), 256)) << what;
    }
}

// A colour key whose samples an 8-bit image cannot hold (libpng will not even write one) is
// ignored: no pixel turns clear, not even the one the key's bits would spill into. One in range
// clears exactly its colour, as libpng reads it.
TEST(PngAgainstLibpng, ColourKeysBeyondTheDepthAreIgnored) {
    Image img;
    img.width = 3, img.height = 1, img.colour = PNG_COLOR_TYPE_RGB;
    img.rows = {Bytes{0, 1, 0, 1, 0, 0, 0, 0, 0}};
    const Bytes plain = Encode(img, 6, 8192);
    // Green 256 would spill into red (1, 0, 0), blue 256 into green (0, 1, 0); (0, 1, 0) is in range.
    const uint16_t keys[][3] = {{0, 256, 0}, {0, 0, 256}, {0, 1, 0}};
    for (const auto& key : keys) {
        uint8_t chunk[] = {0, 0, 0, 6, 't', 'R', 'N', 'S', 0, 0, 0, 0, 0, 0};
        for (int c = 0; c < 3; ++c) chunk[8 + 2 * c] = uint8_t(key[c] >> 8), chunk[9 + 2 * c] = uint8_t(key[c]);
        Bytes png(plain.begin(), plain.begin() + 33);  // signature and IHDR
        png.insert(png.end(), std::begin(chunk), std::end(chunk));
        const uint32_t crc = static_cast<uint32_t>(crc32(0, chunk + 4, sizeof chunk - 4));
        for (int shift : {24, 16, 8, 0}) png.push_back(uint8_t(crc >> shift));
        png.insert(png.end(), plain.begin() + 33, plain.end());
        const auto ours = icons::DecodePng(ByteView(png), 256);
        ASSERT_TRUE(ours) << key[1] << "," << key[2];
        const bool inRange = key[1] == 1;
        EXPECT_EQ(ours->At(0, 0), inRange ? 0x00010000u : 0x000100FFu);
        EXPECT_EQ(ours->At(1, 0), 0x010000FFu);
        EXPECT_EQ(ours->At(2, 0), 0x000000FFu);
        if (inRange) {
            int accepted = 0;
            ExpectSame(png, "key in range", accepted);
            EXPECT_EQ(accepted, 1);
        }
    }
}

}  // namespace
}  // namespace ostrevan::testing
