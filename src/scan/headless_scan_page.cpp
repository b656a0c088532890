#include "scan/headless_scan_page.h"

namespace ostrevan {

Rgb LineColour(IndicatorLine line) {
    switch (line) {
        case IndicatorLine::LineCompliant: return kGreen;
        case IndicatorLine::LineCompUnknown: return kBlue;
        case IndicatorLine::LineNotCompFix: return kOrange;
        case IndicatorLine::LineNotComp: return kRed;
        case IndicatorLine::lineNotTest: return kMagenta;
        case IndicatorLine::None: break;
    }
    return kBlack;
}

IndicatorLine HeadlessScanPage::View::VisibleLine() const {
    for (const auto& [line, visible] : lines)
        if (visible) return line;
    return IndicatorLine::None;
}

HeadlessScanPage::HeadlessScanPage(Rgb background) : background_(background) {
    for (auto c : kPageCounters) view_.counters[c] = "0";
    for (auto l : kPageLines) view_.lines[l] = false;
    view_.flash = background;
}

void HeadlessScanPage::Changed() {
    if (on_change) on_change(view_);
}

void HeadlessScanPage::SetFileLabel(const std::string& text) {
    view_.file = text;
    Changed();
}

void HeadlessScanPage::SetStatus(const std::string& text) {
    view_.status = text;
    Changed();
}

void HeadlessScanPage::SetProgress(const std::string& text) {
    view_.progress = text;
    Changed();
}

void HeadlessScanPage::SetCounter(ReadinessCounter counter, const std::string& text) {
    view_.counters[counter] = text;
    Changed();
}

void HeadlessScanPage::SetLineVisible(IndicatorLine line, bool visible) {
    view_.lines[line] = visible;
    Changed();
}

void HeadlessScanPage::SetFlashColour(Rgb colour) {
    view_.flash = colour;
    Changed();
}

void HeadlessScanPage::ClearIcon() {
    view_.icon.clear();
    Changed();
}

void HeadlessScanPage::DrawIcon(const platform::HostPath& program) {
    view_.icon = program.generic_string();
    Changed();
}

}  // namespace ostrevan
