#include "scan/scan_page.h"

namespace ostrevan {
namespace {

template <typename K, size_t N>
size_t IndexOf(const std::array<K, N>& keys, K key) {
    for (size_t i = 0; i < N; ++i)
        if (keys[i] == key) return i;
    return N;
}

}  // namespace

Rgb LineColour(IndicatorLine line) {
    for (const LegendRow& r : kLegend)
        if (r.line == line) return r.colour;
    return kBlack;
}

const std::string& ScanView::Counter(ReadinessCounter c) const {
    static const std::string kNone;
    const size_t i = IndexOf(kPageCounters, c);
    return i < counters.size() ? counters[i] : kNone;
}

IndicatorLine ScanView::VisibleLine() const {
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i]) return kPageLines[i];
    return IndicatorLine::None;
}

ScanPage::ScanPage(Rgb background, ScanRenderer renderer, std::chrono::milliseconds interval, Clock clock)
    : background_(background), renderer_(std::move(renderer)), interval_(interval), clock_(std::move(clock)) {
    view_.flash = background;
}

void ScanPage::SetCounter(ReadinessCounter counter, const std::string& text) {
    const size_t i = IndexOf(kPageCounters, counter);
    if (i < view_.counters.size()) Set(view_.counters[i], text);
}

void ScanPage::SetLineVisible(IndicatorLine line, bool visible) {
    const size_t i = IndexOf(kPageLines, line);
    if (i < view_.lines.size()) Set(view_.lines[i], visible);
}

void ScanPage::ShowIfDue() {
    if (!due_ || !renderer_) return;
    if (interval_.count() > 0) {
        const auto now = clock_();
        if (shown_ && now - shownAt_ < interval_) return;
        shownAt_ = now;
    }
    Flush();
}

void ScanPage::Flush() {
    if (!due_ || !renderer_) return;
    due_ = false;
    if (shown_ && *shown_ == view_) return;
    renderer_(view_, shown_ ? &*shown_ : nullptr);
    shown_ = view_;
}

}  // namespace ostrevan
