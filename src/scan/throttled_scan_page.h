#pragma once
// A scanning page that passes on what the scan shows at most once an interval: it keeps the
// latest text of every label, the counters, lines, flash colour and the program whose icon
// is due, and hands the page only what changed since the last time it was shown. The scan can
// examine hundreds of programs in the time a screen shows one picture; showing each costs
// more than examining it. Flush() shows the latest state at once (the end of a scan).
#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "scan/scan_page.h"

namespace ostrevan {

class ThrottledScanPage : public ScanPage {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    ThrottledScanPage(ScanPage& page, std::chrono::milliseconds interval,
                      Clock clock = std::chrono::steady_clock::now);

    void SetFileLabel(const std::string& text) override;
    void SetStatus(const std::string& text) override;
    void SetProgress(const std::string& text) override;
    void SetCounter(ReadinessCounter counter, const std::string& text) override;
    void SetLineVisible(IndicatorLine line, bool visible) override;
    void SetFlashColour(Rgb colour) override;
    Rgb BackgroundColour() const override { return page_.BackgroundColour(); }
    void ClearIcon() override;
    void DrawIcon(const platform::HostPath& program) override;

    // Shows what is due when the interval has passed since it was last shown.
    void ShowIfDue();
    // Shows what is due now.
    void Flush();

private:
    // A value as last asked for and whether the page already shows it.
    template <typename T>
    struct Slot {
        std::optional<T> wanted;
        bool due = false;
    };
    template <typename T>
    void Set(Slot<T>& slot, const T& value);

    ScanPage& page_;
    std::chrono::milliseconds interval_;
    Clock clock_;
    std::chrono::steady_clock::time_point shown_{};
    bool anyDue_ = false;
    Slot<std::string> file_, status_, progress_;
    std::array<Slot<std::string>, 5> counters_;
    std::array<Slot<bool>, 5> lines_;
    Slot<Rgb> flash_;
    // The icon box: blank (nullopt) or the icon of a program.
    Slot<std::optional<platform::HostPath>> icon_;
};

}  // namespace ostrevan
