#include "scan/ModIconz.h"

#include "platform/ansi_path.h"
#include "platform/icon_image.h"

namespace ostrevan::ModIconz {

std::optional<ui::Image> FirstIcon(const platform::HostPath& program) {
    auto icon = icons::platform::ExtractFirstIcon(platform::AnsiOpenablePath(program));
    if (!icon) return std::nullopt;
    return ui::Image{icon->width, icon->height, std::move(icon->pixels)};
}

void DrawFileIcon(const platform::HostPath& program, ui::PictureBox& box) {
    box.Clear();
    if (auto icon = FirstIcon(program)) box.DrawImage(0, 0, *icon);
}

}  // namespace ostrevan::ModIconz
