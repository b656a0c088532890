#include "platform/png_decoder.h"

#include <cstdlib>
#include <cstring>

#include "platform/inflate.h"

namespace ostrevan::icons {
namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

uint32_t BigEndian32(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

int Paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return a;
    return pb <= pc ? b : c;
}

}  // namespace

bool IsPng(ByteView bytes) { return bytes.Has(0, 8) && std::memcmp(bytes.data(), kSignature, 8) == 0; }

std::optional<RgbaImage> DecodePng(ByteView bytes, int maxSide) {
    if (!IsPng(bytes)) return std::nullopt;
    uint32_t width = 0, height = 0;
    unsigned depth = 0, colour = 0;
    std::vector<uint8_t> idat, palette, paletteAlpha;
    uint64_t pos = 8;
    for (;;) {
        auto chunk = bytes.Sub(pos, 8);
        if (!chunk) return std::nullopt;
        const uint32_t length = BigEndian32(chunk->data());
        const char* type = reinterpret_cast<const char*>(chunk->data() + 4);
        auto data = bytes.Sub(pos + 8, length);
        if (!data || !bytes.Has(pos + 8 + uint64_t{length}, 4)) return std::nullopt;
        if (std::memcmp(type, "IHDR", 4) == 0) {
            if (length != 13) return std::nullopt;
            const uint8_t* d = data->data();
            width = BigEndian32(d);
            height = BigEndian32(d + 4);
            depth = d[8];
            colour = d[9];
            if (d[10] != 0 || d[11] != 0 || d[12] != 0) return std::nullopt;  // interlaced: not supported
        } else if (std::memcmp(type, "PLTE", 4) == 0) {
            if (length == 0 || length % 3 != 0 || length > 3 * 256) return std::nullopt;  // no whole colours
            palette.assign(data->data(), data->data() + length);
        } else if (std::memcmp(type, "tRNS", 4) == 0) {
            paletteAlpha.assign(data->data(), data->data() + length);
        } else if (std::memcmp(type, "IDAT", 4) == 0) {
            idat.insert(idat.end(), data->data(), data->data() + length);
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            break;
        }
        pos += 12 + uint64_t{length};
    }
    // Without an IHDR chunk the sides stay 0.
    if (width == 0 || height == 0 || width > static_cast<uint32_t>(maxSide) ||
        height > static_cast<uint32_t>(maxSide))
        return std::nullopt;
    unsigned channels = 0;
    switch (colour) {
        case 0: channels = 1; break;
        case 2: channels = 3; break;
        case 3: channels = 1; break;
        case 4: channels = 2; break;
        case 6: channels = 4; break;
        default: return std::nullopt;
    }
    const bool lowDepth = depth == 1 || depth == 2 || depth == 4;
    if (!(depth == 8 || (lowDepth && (colour == 0 || colour == 3)))) return std::nullopt;
    // A grey or RGB image's tRNS chunk names one colour (16-bit samples) that is clear.
    std::optional<uint32_t> keyGrey, keyRgb;
    if (colour == 0 && paletteAlpha.size() >= 2) keyGrey = (uint32_t{paletteAlpha[0]} << 8) | paletteAlpha[1];
    if (colour == 2 && paletteAlpha.size() >= 6) {
        const auto sample = [&](size_t i) { return (uint32_t{paletteAlpha[i]} << 8) | paletteAlpha[i + 1]; };
        if (sample(0) < 256 && sample(2) < 256 && sample(4) < 256) keyRgb = (sample(0) << 16) | (sample(2) << 8) | sample(4);
    }
    const size_t bitsPerPixel = size_t{channels} * depth;
    const size_t stride = (size_t{width} * bitsPerPixel + 7) / 8;
    const size_t bpp = (bitsPerPixel + 7) / 8;  // filter distance in bytes
    auto raw = ZlibInflate(ByteView(idat), (stride + 1) * height);
    if (!raw || raw->size() != (stride + 1) * height) return std::nullopt;

    std::vector<uint8_t> prev(stride, 0), line(stride);
    RgbaImage img;
    img.width = static_cast<int>(width);
    img.height = static_cast<int>(height);
    img.pixels.resize(size_t{width} * height * 4);
    for (uint32_t y = 0; y < height; ++y) {
        const uint8_t* src = raw->data() + y * (stride + 1);
        const uint8_t filter = src[0];
        for (size_t i = 0; i < stride; ++i) {
            const int a = i >= bpp ? line[i - bpp] : 0, b = prev[i], c = i >= bpp ? prev[i - bpp] : 0;
            int v = src[1 + i];
            switch (filter) {
                case 0: break;
                case 1: v += a; break;
                case 2: v += b; break;
                case 3: v += (a + b) / 2; break;
                case 4: v += Paeth(a, b, c); break;
                default: return std::nullopt;
            }
            line[i] = static_cast<uint8_t>(v);
        }
        for (uint32_t x = 0; x < width; ++x) {
            uint8_t* out = &img.pixels[(size_t{y} * width + x) * 4];
            if (lowDepth || colour == 3) {
                const unsigned shift = static_cast<unsigned>(8 - depth - (x * depth) % 8);
                const unsigned v = (line[x * depth / 8] >> shift) & ((1u << depth) - 1);
                if (colour == 3) {
                    if (size_t{v} * 3 + 2 >= palette.size()) return std::nullopt;
                    out[0] = palette[v * 3], out[1] = palette[v * 3 + 1], out[2] = palette[v * 3 + 2];
                    out[3] = v < paletteAlpha.size() ? paletteAlpha[v] : 255;
                } else {
                    const uint8_t g = static_cast<uint8_t>(v * 255 / ((1u << depth) - 1));
                    out[0] = out[1] = out[2] = g, out[3] = keyGrey == v ? 0 : 255;
                }
                continue;
            }
            const uint8_t* p = &line[x * channels];
            switch (colour) {
                case 0: out[0] = out[1] = out[2] = p[0], out[3] = keyGrey == p[0] ? 0 : 255; break;
                case 4: out[0] = out[1] = out[2] = p[0], out[3] = p[1]; break;
                case 2:
                    out[0] = p[0], out[1] = p[1], out[2] = p[2];
                    out[3] = keyRgb == ((uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2]) ? 0 : 255;
                    break;
                default: std::memcpy(out, p, 4); break;
            }
        }
        std::swap(prev, line);
    }
    return img;
}

}  // namespace ostrevan::icons
