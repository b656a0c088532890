#pragma once
// The icon of the program being examined, for the scanning page's icon box.
#include <optional>

#include "platform/host_path.h"
#include "platform/ui/controls.h"

namespace ostrevan::ModIconz {

// The first icon of the program file as the platform draws it (32 x 32), or nothing when the
// file holds no icon, is no program or cannot be read.
std::optional<ui::Image> FirstIcon(const platform::HostPath& program);

// Empties the box, then draws the file's first icon at its top-left corner; a file without an
// icon leaves the box blank (not showing the previous program's icon).
void DrawFileIcon(const platform::HostPath& program, ui::PictureBox& box);

}  // namespace ostrevan::ModIconz
