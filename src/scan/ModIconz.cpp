#include "scan/ModIconz.h"

#include "platform/ansi_path.h"
#include "platform/icon_image.h"

namespace ostrevan::ModIconz {

std::optional<RgbaImage> FirstIcon(const platform::HostPath& program) {
    return icons::platform::ExtractFirstIcon(platform::AnsiOpenablePath(program));
}

}  // namespace ostrevan::ModIconz
