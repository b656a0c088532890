#include "platform/ui/bitmap.h"

#include <algorithm>
#include <array>

namespace ostrevan::ui {

Bitmap::Bitmap(int width, int height, Color fill)
    : w_(std::max(0, width)), h_(std::max(0, height)), px_(static_cast<size_t>(w_) * h_ * 4) {
    Fill(fill);
}

Color Bitmap::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return kBlack;
    const size_t i = (static_cast<size_t>(y) * w_ + x) * 4;
    return Color{px_[i], px_[i + 1], px_[i + 2]};
}

uint8_t Bitmap::AlphaAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return 0;
    return px_[(static_cast<size_t>(y) * w_ + x) * 4 + 3];
}

void Bitmap::Set(int x, int y, Color c) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    const size_t i = (static_cast<size_t>(y) * w_ + x) * 4;
    px_[i] = c.r;
    px_[i + 1] = c.g;
    px_[i + 2] = c.b;
    px_[i + 3] = 255;
}

void Bitmap::Fill(Color c) { FillRect(0, 0, w_, h_, c); }

void Bitmap::FillRect(int x, int y, int w, int h, Color c) {
    const int x0 = std::max(0, x), y0 = std::max(0, y);
    const int x1 = std::min(w_, x + std::max(0, w)), y1 = std::min(h_, y + std::max(0, h));
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx) Set(xx, yy, c);
}

void Bitmap::Blend(int x, int y, const RgbaImage& img) {
    if (img.width <= 0 || img.height <= 0 ||
        img.pixels.size() < static_cast<size_t>(img.width) * img.height * 4)
        return;
    for (int j = 0; j < img.height; ++j) {
        for (int i = 0; i < img.width; ++i) {
            const uint8_t* s = &img.pixels[(static_cast<size_t>(j) * img.width + i) * 4];
            if (s[3] == 0) continue;
            const Color under = At(x + i, y + j);
            auto mix = [&](uint8_t top, uint8_t bottom) {
                return static_cast<uint8_t>((top * s[3] + bottom * (255 - s[3]) + 127) / 255);
            };
            Set(x + i, y + j, Color{mix(s[0], under.r), mix(s[1], under.g), mix(s[2], under.b)});
        }
    }
}

int Bitmap::DrawString(int x, int top, std::string_view text, int cellWidth, int cellHeight,
                       Color c, bool bold) {
    if (cellWidth <= 0 || cellHeight <= 0) return x;
    for (unsigned char ch : text) {
        const uint8_t* rows = GlyphRows(ch);
        for (int py = 0; py < cellHeight; ++py) {
            const uint8_t bits = rows[py * kGlyphRows / cellHeight];
            for (int px = 0; px < cellWidth; ++px) {
                if (bits & (0x20 >> (px * kGlyphColumns / cellWidth))) {
                    Set(x + px, top + py, c);
                    if (bold) Set(x + px + 1, top + py, c);
                }
            }
        }
        x += cellWidth;
    }
    return x;
}

int Bitmap::Count(Color c) const {
    int n = 0;
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) n += AlphaAt(x, y) && At(x, y) == c;
    return n;
}

namespace {

uint32_t Crc32(const uint8_t* p, size_t n, uint32_t crc = 0) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (size_t i = 0; i < n; ++i) crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void Put32(std::string& s, uint32_t v) {
    for (int sh = 24; sh >= 0; sh -= 8) s += static_cast<char>((v >> sh) & 0xFF);
}

void Chunk(std::string& png, const char* type, const std::string& data) {
    Put32(png, static_cast<uint32_t>(data.size()));
    std::string body = std::string(type, 4) + data;
    png += body;
    Put32(png, Crc32(reinterpret_cast<const uint8_t*>(body.data()), body.size()));
}

}  // namespace

std::string Bitmap::ToPng() const {
    std::string png = "\x89PNG\r\n\x1a\n";
    std::string ihdr;
    Put32(ihdr, static_cast<uint32_t>(w_));
    Put32(ihdr, static_cast<uint32_t>(h_));
    ihdr += std::string("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA, deflate, no filter, no interlace
    Chunk(png, "IHDR", ihdr);

    // Scanlines, each with filter byte 0.
    std::string raw;
    for (int y = 0; y < h_; ++y) {
        raw += '\0';
        raw.append(reinterpret_cast<const char*>(&px_[static_cast<size_t>(y) * w_ * 4]),
                   static_cast<size_t>(w_) * 4);
    }
    // zlib stream of stored deflate blocks (at most 65535 bytes each).
    std::string z = "\x78\x01";
    size_t pos = 0;
    do {
        const size_t n = std::min<size_t>(65535, raw.size() - pos);
        const bool last = pos + n == raw.size();
        z += static_cast<char>(last ? 1 : 0);
        z += static_cast<char>(n & 0xFF);
        z += static_cast<char>(n >> 8);
        z += static_cast<char>(~n & 0xFF);
        z += static_cast<char>((~n >> 8) & 0xFF);
        z.append(raw, pos, n);
        pos += n;
    } while (pos < raw.size());
    uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    Put32(z, (b << 16) | a);
    Chunk(png, "IDAT", z);
    Chunk(png, "IEND", "");
    return png;
}

}  // namespace ostrevan::ui
