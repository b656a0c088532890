#pragma once
// Program icons, decoded to RgbaImage.
#include <optional>
#include <string>

#include "platform/rgba_image.h"

namespace ostrevan {

namespace icons {

// The size the platform draws a program's icon at.
inline constexpr int kIconSize = 32;

// The first icon of a program file, as the platform's ExtractIconA picks it (index 0) and
// DrawIcon draws it: 32 x 32. An icon file (.ico) gives its own image. nullopt when the file
// holds no icon or is neither a program nor an icon file.
namespace platform {
std::optional<RgbaImage> ExtractFirstIcon(const std::string& path);
}
namespace portable {
std::optional<RgbaImage> ExtractFirstIcon(const std::string& path);
}

}  // namespace icons
}  // namespace ostrevan
