#pragma once
// The scanning page of the main window as the drive scan sees it: the labels, counters,
// indicator lines, flashing shape and icon box of the page.
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
    std::array<ui::Label*, 5> counters{};
    std::array<ui::Line*, 5> lines{};
    ui::Shape* ShapeFlash = nullptr;
    ui::PictureBox* pic = nullptr;
};

using IconReader = std::function<std::optional<ui::Image>(const platform::HostPath&)>;

class ScanningPage : public ScanPage {
public:
    ScanningPage(const ScanningPageControls& c, IconReader firstIcon)
        : c_(c), firstIcon_(std::move(firstIcon)) {}

    void SetFileLabel(const std::string& text) override { c_.lblFile->SetCaption(text); }
    void SetStatus(const std::string& text) override { c_.lblStatus->SetCaption(text); }
    void SetProgress(const std::string& text) override { c_.lblCount->SetCaption(text); }
    void SetCounter(ReadinessCounter counter, const std::string& text) override;
    void SetLineVisible(IndicatorLine line, bool visible) override;
    void SetFlashColour(Rgb colour) override;
    Rgb BackgroundColour() const override;
    void ClearIcon() override { c_.pic->Clear(); }
    // Draws the program's first icon at the box's top-left corner, at its natural size; a
    // program without an icon (or one that cannot be read) leaves the box blank.
    void DrawIcon(const platform::HostPath& program) override;

private:
    ScanningPageControls c_;
    IconReader firstIcon_;
};

}  // namespace ostrevan
