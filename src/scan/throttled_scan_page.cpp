#include "scan/throttled_scan_page.h"

namespace ostrevan {
namespace {

template <typename K, size_t N>
size_t IndexOf(const K (&keys)[N], K key) {
    for (size_t i = 0; i < N; ++i)
        if (keys[i] == key) return i;
    return N;
}

}  // namespace

ThrottledScanPage::ThrottledScanPage(ScanPage& page, std::chrono::milliseconds interval, Clock clock)
    : page_(page), interval_(interval), clock_(std::move(clock)) {}

template <typename T>
void ThrottledScanPage::Set(Slot<T>& slot, const T& value) {
    slot.wanted = value;
    slot.due = true;
    anyDue_ = true;
    ShowIfDue();
}

void ThrottledScanPage::SetFileLabel(const std::string& text) { Set(file_, text); }
void ThrottledScanPage::SetStatus(const std::string& text) { Set(status_, text); }
void ThrottledScanPage::SetProgress(const std::string& text) { Set(progress_, text); }

void ThrottledScanPage::SetCounter(ReadinessCounter counter, const std::string& text) {
    const size_t i = IndexOf(kPageCounters, counter);
    if (i < counters_.size()) Set(counters_[i], text);
}

void ThrottledScanPage::SetLineVisible(IndicatorLine line, bool visible) {
    const size_t i = IndexOf(kPageLines, line);
    if (i < lines_.size()) Set(lines_[i], visible);
}

void ThrottledScanPage::SetFlashColour(Rgb colour) { Set(flash_, colour); }

void ThrottledScanPage::ClearIcon() { Set(icon_, std::optional<platform::HostPath>()); }

void ThrottledScanPage::DrawIcon(const platform::HostPath& program) {
    Set(icon_, std::optional<platform::HostPath>(program));
}

void ThrottledScanPage::ShowIfDue() {
    if (!anyDue_) return;
    const auto now = clock_();
    if (now - shown_ < interval_) return;
    Flush();
    shown_ = now;
}

void ThrottledScanPage::Flush() {
    if (!anyDue_) return;
    anyDue_ = false;
    auto take = [](auto& slot) {
        const bool due = slot.due;
        slot.due = false;
        return due;
    };
    if (take(file_)) page_.SetFileLabel(*file_.wanted);
    if (take(status_)) page_.SetStatus(*status_.wanted);
    if (take(progress_)) page_.SetProgress(*progress_.wanted);
    for (size_t i = 0; i < counters_.size(); ++i)
        if (take(counters_[i])) page_.SetCounter(kPageCounters[i], *counters_[i].wanted);
    for (size_t i = 0; i < lines_.size(); ++i)
        if (take(lines_[i])) page_.SetLineVisible(kPageLines[i], *lines_[i].wanted);
    if (take(flash_)) page_.SetFlashColour(*flash_.wanted);
    if (take(icon_)) {
        page_.ClearIcon();
        if (*icon_.wanted) page_.DrawIcon(**icon_.wanted);
    }
}

}  // namespace ostrevan
