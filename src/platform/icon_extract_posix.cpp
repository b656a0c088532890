#include "platform/icon_image.h"

// Without the system's shell the portable reader extracts the icon.
namespace ostrevan::icons::platform {

std::optional<RgbaImage> ExtractFirstIcon(const std::string& path) { return portable::ExtractFirstIcon(path); }

}  // namespace ostrevan::icons::platform
