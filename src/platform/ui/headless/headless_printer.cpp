#include "platform/ui/headless/headless_printer.h"

#include <algorithm>

#include "platform/vb_error.h"

namespace ostrevan::ui::headless {
namespace {

int CellHeight(const CharFormat& f) {
    return std::max(1, (f.heightTwips * HeadlessPrintDevice::kDpi + 720) / 1440);
}
int CellWidth(const CharFormat& f) { return std::max(1, CellHeight(f) / 2); }

[[noreturn]] void PrinterError() { throw VbError(kErrPrinter, "Printer error"); }

}  // namespace

std::string PrintedPage::Text() const {
    std::string out;
    int lastY = -1;
    for (const DrawnText& d : items) {
        if (lastY >= 0 && d.y != lastY) out += '\n';
        out += d.text;
        lastY = d.y;
    }
    return out;
}

FontMetrics HeadlessPrintDevice::Metrics(const CharFormat& f) {
    const int h = CellHeight(f);
    return FontMetrics{h, h * 3 / 4};
}

int HeadlessPrintDevice::TextWidth(const CharFormat& f, std::string_view text) {
    return CellWidth(f) * static_cast<int>(text.size());
}

void HeadlessPrintDevice::StartDocument() { current = PrintedDocument{}; }
void HeadlessPrintDevice::StartPage() { current.pages.emplace_back(); }

void HeadlessPrintDevice::DrawString(int x, int y, const CharFormat& f, std::string_view text) {
    if (current.pages.empty()) current.pages.emplace_back();
    // Within a line, pieces of different sizes share a baseline: record the line's top.
    current.pages.back().items.push_back(DrawnText{x, y, std::string(text), f});
}

void HeadlessPrintDevice::EndPage() {}

void HeadlessPrintDevice::EndDocument() {
    done.push_back(std::move(current));
    current = PrintedDocument{};
}

void HeadlessPrintDevice::AbortDocument() {
    current = PrintedDocument{};
    ++aborted;
}

void HeadlessPrinter::FailIfAbsent() {
    if (absent_) {
        ++failures;
        PrinterError();
    }
}

PrintDevice& HeadlessPrinter::OpenDevice() {
    FailIfAbsent();
    return dev_;
}

void HeadlessPrinter::SetFontSize(double points) {
    FailIfAbsent();
    RenderingPrinter::SetFontSize(points);
}

void HeadlessPrinter::PrintLine(const std::string& text) {
    FailIfAbsent();
    RenderingPrinter::PrintLine(text);
    dev_.current.lines.emplace_back(text, FontSize());
}

void HeadlessPrinter::PrintText(const PrintableText& text) {
    FailIfAbsent();
    RenderingPrinter::PrintText(text);
    dev_.current.texts.push_back(text);
}

Bitmap HeadlessPrinter::Rasterize(const PrintedPage& page) {
    HeadlessPrintDevice d;
    Bitmap b(d.PageWidth(), d.PageHeight(), kWhite);
    for (const DrawnText& t : page.items) {
        const int h = CellHeight(t.format);
        // The glyph cell holds ascent and descent; centre it in the line height.
        b.DrawString(t.x, t.y, t.text, CellWidth(t.format), h, t.format.color, t.format.bold);
    }
    return b;
}

}  // namespace ostrevan::ui::headless
