#include "app/scanning_page.h"

#include <exception>

namespace ostrevan {

void ScanningPage::Show(const ScanView& v, const ScanView* shown) {
    auto changed = [&](auto field) { return !shown || v.*field != shown->*field; };
    if (changed(&ScanView::file)) c_.lblFile->SetCaption(v.file);
    if (changed(&ScanView::status)) c_.lblStatus->SetCaption(v.status);
    if (changed(&ScanView::progress)) c_.lblCount->SetCaption(v.progress);
    for (size_t i = 0; i < v.counters.size(); ++i)
        if (!shown || v.counters[i] != shown->counters[i]) c_.counters[i]->SetCaption(v.counters[i]);
    for (size_t i = 0; i < v.lines.size(); ++i)
        if (!shown || v.lines[i] != shown->lines[i]) c_.lines[i]->SetVisible(v.lines[i]);
    if (changed(&ScanView::flash)) c_.ShapeFlash->SetFillColor(v.flash);
    if (changed(&ScanView::icon)) {
        c_.pic->Clear();
        if (v.icon) DrawIcon(*v.icon);
    }
}

void ScanningPage::DrawIcon(const platform::HostPath& program) {
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
