#pragma once
// A decoded icon: 32-bit pixels, rows top to bottom, each pixel red, green, blue and alpha
// (not premultiplied; alpha 0 is transparent).
#include <cstdint>
#include <optional>
#include <string>
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

namespace icons {

// The size the platform draws a program's icon at.
inline constexpr int kIconSize = 32;

// The first icon of a program file, as the platform's ExtractIconA picks it (index 0) and
// DrawIcon draws it: 32 x 32. nullopt when the file holds no icon or is no program.
namespace platform {
std::optional<RgbaImage> ExtractFirstIcon(const std::string& path);
}
namespace portable {
std::optional<RgbaImage> ExtractFirstIcon(const std::string& path);
}

}  // namespace icons
}  // namespace ostrevan
