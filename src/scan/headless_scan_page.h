#pragma once
// A scanning page without a window: it keeps what is currently shown and, optionally, a log of
// every change, so that tests and the command-line scanner can follow the scan.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "scan/scan_page.h"

namespace ostrevan {

class HeadlessScanPage : public ScanPage {
public:
    // What the page shows at one moment.
    struct View {
        std::string file, status, progress;
        std::map<ReadinessCounter, std::string> counters;
        std::map<IndicatorLine, bool> lines;
        Rgb flash{};
        std::string icon;  // host path (UTF-8 / generic form) of the drawn icon, "" when blank
        bool operator==(const View&) const = default;
        // The visible line, or IndicatorLine::None.
        IndicatorLine VisibleLine() const;
    };

    explicit HeadlessScanPage(Rgb background = Rgb{192, 192, 192});

    void SetFileLabel(const std::string& text) override;
    void SetStatus(const std::string& text) override;
    void SetProgress(const std::string& text) override;
    void SetCounter(ReadinessCounter counter, const std::string& text) override;
    void SetLineVisible(IndicatorLine line, bool visible) override;
    void SetFlashColour(Rgb colour) override;
    Rgb BackgroundColour() const override { return background_; }
    void ClearIcon() override;
    void DrawIcon(const platform::HostPath& program) override;

    const View& view() const { return view_; }
    // Called after every change (a terminal progress display, for example).
    std::function<void(const View&)> on_change;

private:
    void Changed();
    Rgb background_;
    View view_;
};

}  // namespace ostrevan
