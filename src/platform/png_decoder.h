#pragma once
// A small decoder for the PNG images stored in icons: 8-bit greyscale, grey+alpha, RGB, RGBA
// and palette images (also 1, 2, 4 bits) with the transparency of their tRNS chunk, not
// interlaced. Everything is checked; a damaged or unsupported image yields nullopt.
#include <optional>

#include "platform/byte_reader.h"
#include "platform/icon_image.h"

namespace ostrevan::icons {

bool IsPng(ByteView bytes);
// `maxSide` bounds width and height, and so the memory a hostile header can ask for.
std::optional<RgbaImage> DecodePng(ByteView bytes, int maxSide = 1024);

}  // namespace ostrevan::icons
