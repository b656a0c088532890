#include "app/scanning_page.h"

#include <exception>

namespace ostrevan {
namespace {

template <typename T, size_t N, typename K>
T* Pick(const std::array<T*, N>& controls, const K (&keys)[N], K key) {
    for (size_t i = 0; i < N; ++i)
        if (keys[i] == key) return controls[i];
    return nullptr;
}

}  // namespace

void ScanningPage::SetCounter(ReadinessCounter counter, const std::string& text) {
    if (ui::Label* l = Pick(c_.counters, kPageCounters, counter)) l->SetCaption(text);
}

void ScanningPage::SetLineVisible(IndicatorLine line, bool visible) {
    if (ui::Line* l = Pick(c_.lines, kPageLines, line)) l->SetVisible(visible);
}

void ScanningPage::SetFlashColour(Rgb colour) {
    c_.ShapeFlash->SetFillColor(colour);
}

Rgb ScanningPage::BackgroundColour() const { return c_.page->BackColor(); }

void ScanningPage::DrawIcon(const platform::HostPath& program) {
    c_.pic->Clear();
    if (!firstIcon_) return;
    std::optional<ui::Image> icon;
    try {
        icon = firstIcon_(program);
    } catch (const std::exception&) {
        return;  // an unreadable program shows no icon
    }
    if (icon) c_.pic->DrawImage(0, 0, *icon);
}

}  // namespace ostrevan
