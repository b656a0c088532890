#pragma once
// What the scan shows while it runs. The scan updates one value, the view of the scanning page;
// a renderer shows it: the wizard's page with its controls, the command line's progress line,
// or nothing (the view alone, for the tests). The renderer is handed the view at most once an
// interval: the scan can examine hundreds of programs in the time a screen shows one picture,
// and showing each costs more than examining it.
#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "platform/host_path.h"
#include "rules/readiness.h"

namespace ostrevan {

// The page's counters and lines, in the legend's order.
inline constexpr size_t kPageRows = kLegend.size();
inline constexpr std::array<ReadinessCounter, kPageRows> kPageCounters = [] {
    std::array<ReadinessCounter, kPageRows> a{};
    for (size_t i = 0; i < kPageRows; ++i) a[i] = kLegend[i].counter;
    return a;
}();
inline constexpr std::array<IndicatorLine, kPageRows> kPageLines = [] {
    std::array<IndicatorLine, kPageRows> a{};
    for (size_t i = 0; i < kPageRows; ++i) a[i] = kLegend[i].line;
    return a;
}();

// The colour of an indicator line, which the flash shape copies.
Rgb LineColour(IndicatorLine line);

// What the scanning page shows at one moment.
struct ScanView {
    std::string file;      // the program being examined
    std::string status;    // the status line
    std::string progress;  // "12% Complete"
    std::array<std::string, kPageRows> counters = [] {  // in kPageCounters' order
        std::array<std::string, kPageRows> zeros;
        zeros.fill("0");
        return zeros;
    }();
    std::array<bool, kPageRows> lines{};  // in kPageLines' order: shown
    Rgb flash{};
    std::optional<platform::HostPath> icon;  // the program whose first icon is shown; none: blank
    bool operator==(const ScanView&) const = default;

    const std::string& Counter(ReadinessCounter c) const;
    // The visible line, or IndicatorLine::None.
    IndicatorLine VisibleLine() const;
};

// Shows a view; `shown` is the view it showed last, or nullptr the first time (show it all).
using ScanRenderer = std::function<void(const ScanView& view, const ScanView* shown)>;

class ScanPage {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    // `background` is the page's colour, which the flash shape takes to disappear. Without an
    // interval the renderer sees every change.
    explicit ScanPage(Rgb background = Rgb{192, 192, 192}, ScanRenderer renderer = nullptr,
                      std::chrono::milliseconds interval = {}, Clock clock = std::chrono::steady_clock::now);

    void SetFileLabel(const std::string& text) { Set(view_.file, text); }
    void SetStatus(const std::string& text) { Set(view_.status, text); }
    void SetProgress(const std::string& text) { Set(view_.progress, text); }
    // One of the page's class counters (never ReadinessCounter::None).
    void SetCounter(ReadinessCounter counter, const std::string& text);
    // One of the page's indicator lines (never IndicatorLine::None).
    void SetLineVisible(IndicatorLine line, bool visible);
    void SetFlashColour(Rgb colour) { Set(view_.flash, colour); }
    Rgb BackgroundColour() const { return background_; }
    void ClearIcon() { Set(view_.icon, std::optional<platform::HostPath>()); }
    // The icon box shows the first icon of the program file, or stays blank.
    void DrawIcon(const platform::HostPath& program) { Set(view_.icon, std::optional(program)); }

    const ScanView& view() const { return view_; }
    // Hands the view to the renderer when it changed and the interval has passed.
    void ShowIfDue();
    // Hands the view to the renderer now, if it changed since it was last shown.
    void Flush();

private:
    template <typename T>
    void Set(T& field, const T& value) {
        field = value;
        due_ = true;
        ShowIfDue();
    }

    Rgb background_;
    ScanRenderer renderer_;
    std::chrono::milliseconds interval_;
    Clock clock_;
    ScanView view_;
    std::optional<ScanView> shown_;
    std::chrono::steady_clock::time_point shownAt_{};
    bool due_ = false;
};

}  // namespace ostrevan
