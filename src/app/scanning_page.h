#pragma once
// The scanning page of the main window: shows the scan's view in the page's labels, counters,
// indicator lines, flashing shape and icon box, changing only what changed.
#include <array>
#include <functional>
#include <optional>

#include "platform/ui/controls.h"
#include "platform/ui/window.h"
#include "scan/scan_page.h"

namespace ostrevan {

struct ScanningPageControls {
    ui::Frame* page = nullptr;
    ui::Label* lblFile = nullptr;
    ui::Label* lblStatus = nullptr;
    ui::Label* lblCount = nullptr;
    // Counter labels and indicator lines in the order of kPageCounters and kPageLines.
    std::array<ui::Label*, kPageRows> counters{};
    std::array<ui::Line*, kPageRows> lines{};
    ui::Shape* ShapeFlash = nullptr;
    ui::PictureBox* pic = nullptr;
};

using IconReader = std::function<std::optional<ui::Image>(const platform::HostPath&)>;

class ScanningPage {
public:
    ScanningPage(const ScanningPageControls& c, IconReader firstIcon)
        : c_(c), firstIcon_(std::move(firstIcon)) {}

    Rgb BackgroundColour() const { return c_.page->BackColor(); }
    // The icon is the program's first, at the box's top-left corner and its natural size; a
    // program without an icon (or one that cannot be read) leaves the box blank.
    void Show(const ScanView& view, const ScanView* shown);

private:
    void DrawIcon(const platform::HostPath& program);

    ScanningPageControls c_;
    IconReader firstIcon_;
};

}  // namespace ostrevan
