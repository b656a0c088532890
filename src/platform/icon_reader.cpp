#include "platform/icon_reader.h"

#include <algorithm>
#include <cstdlib>

#include "platform/png_decoder.h"
#include "platform/program_file.h"

namespace ostrevan::icons {
namespace {

constexpr int kMaxSide = 256;

}  // namespace

std::vector<GroupEntry> ParseGroup(ByteView group) {
    std::vector<GroupEntry> entries;
    auto reserved = group.U16(0), type = group.U16(2), count = group.U16(4);
    if (!reserved || *reserved != 0 || !type || (*type & 3) == 0 || !count) return entries;
    const size_t fits = (group.size() - 6) / 14;
    const size_t n = std::min<size_t>(*count, fits);
    for (size_t i = 0; i < n; ++i) {
        const uint64_t at = 6 + 14 * i;
        GroupEntry e;
        e.width = *group.U8(at);
        e.height = *group.U8(at + 1);
        if (e.width == 0) e.width = 256;  // 256 does not fit the byte
        if (e.height == 0) e.height = 256;
        e.bitCount = *group.U16(at + 6);
        e.id = *group.U16(at + 12);
        entries.push_back(e);
    }
    return entries;
}

std::optional<size_t> ChooseImage(const std::vector<GroupEntry>& entries, int width, int height, int depth) {
    if (entries.empty()) return std::nullopt;
    int bestX = 0, bestY = 0;
    unsigned bestTotal = UINT32_MAX;
    for (const auto& e : entries) {
        const int dx = std::abs(width - e.width), dy = std::abs(height - e.height);
        if (static_cast<unsigned>(dx + dy) < bestTotal) {
            bestTotal = static_cast<unsigned>(dx + dy);
            bestX = dx, bestY = dy;
        }
    }
    std::optional<size_t> best;
    unsigned bestColour = UINT32_MAX;
    for (size_t i = 0; i < entries.size(); ++i) {
        const auto& e = entries[i];
        if (std::abs(width - e.width) != bestX || std::abs(height - e.height) != bestY) continue;
        const unsigned dc = static_cast<unsigned>(std::abs(depth - e.bitCount));
        if (dc < bestColour) {
            bestColour = dc;
            best = i;
        }
    }
    return best;
}

std::optional<RgbaImage> DecodeIconImage(ByteView image) {
    if (IsPng(image)) return DecodePng(image, kMaxSide);
    auto headerSize = image.U32(0), rawWidth = image.U32(4), rawHeight = image.U32(8);
    auto planes = image.U16(12), bitCount = image.U16(14);
    auto compression = image.U32(16), used = image.U32(32);
    if (!headerSize || *headerSize < 40 || !used || *compression != 0) return std::nullopt;
    const int32_t w = static_cast<int32_t>(*rawWidth), h2 = static_cast<int32_t>(*rawHeight);
    if (w <= 0 || w > kMaxSide || h2 <= 0 || h2 > 2 * kMaxSide || *planes != 1) return std::nullopt;
    const int h = h2 / 2;
    if (h == 0) return std::nullopt;
    const unsigned bits = *bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return std::nullopt;
    size_t colours = 0;
    if (bits <= 8) {
        colours = size_t{1} << bits;
        if (*used != 0 && *used < colours) colours = *used;
    }
    const uint64_t table = *headerSize;
    const uint64_t xorStride = (uint64_t{static_cast<uint32_t>(w)} * bits + 31) / 32 * 4;
    const uint64_t andStride = (uint64_t{static_cast<uint32_t>(w)} + 31) / 32 * 4;
    const uint64_t xorAt = table + 4 * uint64_t{colours};
    const uint64_t andAt = xorAt + xorStride * h;
    if (!image.Has(xorAt, xorStride * h)) return std::nullopt;
    // A missing mask (some writers leave it out of 32-bit images) counts as all opaque.
    const bool hasMask = image.Has(andAt, andStride * h);

    RgbaImage img;
    img.width = w;
    img.height = h;
    img.pixels.resize(size_t(w) * h * 4);
    bool anyAlpha = false;
    for (int y = 0; y < h; ++y) {
        const uint64_t row = xorAt + xorStride * static_cast<uint64_t>(h - 1 - y);  // rows are stored bottom-up
        const uint64_t maskRow = andAt + andStride * static_cast<uint64_t>(h - 1 - y);
        for (int x = 0; x < w; ++x) {
            uint8_t* out = &img.pixels[(size_t(y) * w + x) * 4];
            const uint8_t* d = image.data();
            if (bits <= 8) {
                const unsigned shift = 8 - bits - (static_cast<unsigned>(x) * bits) % 8;
                const unsigned index = (d[row + static_cast<uint64_t>(x) * bits / 8] >> shift) & ((1u << bits) - 1);
                if (index < colours) {
                    const uint8_t* c = d + table + 4 * uint64_t{index};
                    out[0] = c[2], out[1] = c[1], out[2] = c[0];
                }
                out[3] = 255;
            } else {
                const uint8_t* p = d + row + static_cast<uint64_t>(x) * (bits / 8);
                out[0] = p[2], out[1] = p[1], out[2] = p[0];
                out[3] = bits == 32 ? p[3] : 255;
                anyAlpha = anyAlpha || (bits == 32 && p[3] != 0);
            }
            if (hasMask && (d[maskRow + static_cast<uint64_t>(x) / 8] >> (7 - x % 8)) & 1) {
                if (bits != 32) out[3] = 0;
            }
        }
    }
    if (bits == 32 && !anyAlpha) {
        // A 32-bit image without any alpha is drawn through its mask, as the others.
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const uint64_t maskRow = andAt + andStride * static_cast<uint64_t>(h - 1 - y);
                const bool clear = hasMask && ((image.data()[maskRow + static_cast<uint64_t>(x) / 8] >> (7 - x % 8)) & 1);
                img.pixels[(size_t(y) * w + x) * 4 + 3] = clear ? 0 : 255;
            }
    }
    return img;
}

RgbaImage ScaleNearest(const RgbaImage& image, int width, int height) {
    if (image.width == width && image.height == height) return image;
    RgbaImage out;
    out.width = width;
    out.height = height;
    out.pixels.resize(size_t(width) * height * 4);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int sx = static_cast<int>((static_cast<long long>(2 * x + 1) * image.width) / (2 * width));
            const int sy = static_cast<int>((static_cast<long long>(2 * y + 1) * image.height) / (2 * height));
            std::copy_n(&image.pixels[(size_t(sy) * image.width + sx) * 4], 4, &out.pixels[(size_t(y) * width + x) * 4]);
        }
    return out;
}

namespace portable {
namespace {

// An icon file (.ico) is its own single group: a directory of 16-byte entries, each giving the
// image's size in bytes and its offset in the file.
std::optional<RgbaImage> IconFromIconFile(const std::string& path) {
    auto file = FileBytes::Open(path);
    if (!file) return std::nullopt;
    auto head = file->Read(0, 6);
    if (!head) return std::nullopt;
    const ByteView h(*head);
    if (*h.U16(0) != 0 || *h.U16(2) != 1 || *h.U16(4) == 0) return std::nullopt;
    const uint64_t count = std::min<uint64_t>(*h.U16(4), (file->size() - 6) / 16);
    auto dir = file->Read(6, count * 16);
    if (!dir || count == 0) return std::nullopt;
    const ByteView d(*dir);
    std::vector<GroupEntry> entries;
    for (uint64_t i = 0; i < count; ++i) {
        GroupEntry e;
        e.width = *d.U8(16 * i);
        e.height = *d.U8(16 * i + 1);
        if (e.width == 0) e.width = 256;  // 256 does not fit the byte
        if (e.height == 0) e.height = 256;
        e.bitCount = *d.U16(16 * i + 6);
        entries.push_back(e);
    }
    auto chosen = ChooseImage(entries, kIconSize, kIconSize, 32);
    if (!chosen) return std::nullopt;
    auto image = file->Read(*d.U32(16 * *chosen + 12), *d.U32(16 * *chosen + 8));
    if (!image) return std::nullopt;
    auto decoded = DecodeIconImage(ByteView(*image));
    if (!decoded) return std::nullopt;
    return ScaleNearest(*decoded, kIconSize, kIconSize);
}

}  // namespace

std::optional<RgbaImage> ExtractFirstIcon(const std::string& path) {
    auto file = ProgramFile::Open(path);
    if (!file) return IconFromIconFile(path);
    const auto groups = file->Resources(kResGroupIcon);
    if (groups.empty()) return std::nullopt;
    auto groupBytes = file->Read(groups.front());
    if (!groupBytes) return std::nullopt;
    const auto entries = ParseGroup(ByteView(*groupBytes));
    // The display this is drawn on has 32 bits per pixel.
    auto chosen = ChooseImage(entries, kIconSize, kIconSize, 32);
    if (!chosen) return std::nullopt;
    const auto images = file->Resources(kResIcon, entries[*chosen].id);
    if (images.empty()) return std::nullopt;
    auto imageBytes = file->Read(images.front());
    if (!imageBytes) return std::nullopt;
    auto image = DecodeIconImage(ByteView(*imageBytes));
    if (!image) return std::nullopt;
    return ScaleNearest(*image, kIconSize, kIconSize);
}

}  // namespace portable
}  // namespace ostrevan::icons
