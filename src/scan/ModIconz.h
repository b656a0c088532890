#pragma once
// The icon of the program being examined, for the scanning page's icon box.
#include <optional>

#include "platform/host_path.h"
#include "platform/rgba_image.h"

namespace ostrevan::ModIconz {

// The first icon of the program file as the platform draws it (32 x 32), or nothing when the
// file holds no icon, is no program or cannot be read.
std::optional<RgbaImage> FirstIcon(const platform::HostPath& program);

}  // namespace ostrevan::ModIconz
