#pragma once
// Reading icons out of program files: the group directory, the platform's choice of image
// for a size, and decoding of the image (1, 4, 8, 24 and 32 bits per pixel with their mask,
// and PNG-compressed images).
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/byte_reader.h"
#include "platform/icon_image.h"

namespace ostrevan::icons {

struct GroupEntry {
    int width = 0;   // 0 in the directory means 256
    int height = 0;
    int bitCount = 0;
    uint16_t id = 0;  // the image's name among the icon resources
};

// The entries of an icon group directory; empty when it is not one. Never more entries than
// the directory's bytes hold.
std::vector<GroupEntry> ParseGroup(ByteView group);

// The entry the platform takes for a width x height icon on a display of `depth` bits: the
// smallest distance in width plus height, then among the entries with that same width and
// height distance the smallest distance in depth; the first wins ties. nullopt when empty.
std::optional<size_t> ChooseImage(const std::vector<GroupEntry>& entries, int width, int height, int depth);

// Decodes one icon image (a device-independent bitmap with its AND mask, or a PNG).
std::optional<RgbaImage> DecodeIconImage(ByteView image);

// Scales to width x height, each target pixel taking the source pixel that covers its centre.
RgbaImage ScaleNearest(const RgbaImage& image, int width, int height);

}  // namespace ostrevan::icons
