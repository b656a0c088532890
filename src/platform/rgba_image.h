#pragma once
// The one image type of the system: 32-bit pixels, rows top to bottom, each pixel red, green,
// blue and alpha (straight, not premultiplied; alpha 0 is transparent). Program icons arrive in
// this form and picture boxes draw it.
#include <cstdint>
#include <vector>

namespace ostrevan {

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;  // width * height * 4 bytes

    uint32_t At(int x, int y) const {  // 0xRRGGBBAA
        const uint8_t* p = &pixels[(static_cast<size_t>(y) * width + x) * 4];
        return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
    }
};

}  // namespace ostrevan
