#include "platform/ui/rendering_printer.h"

#include "platform/vb_error.h"

namespace ostrevan::ui {

RenderingPrinter::~RenderingPrinter() = default;

void RenderingPrinter::Shutdown() {
    if (!open_) return;
    try {
        dev_->AbortDocument();
    } catch (...) {
    }
    open_ = false;
    dev_ = nullptr;
    CloseDevice();
}

void RenderingPrinter::SetFontSize(double points) {
    if (points <= 0 || points > 1638) throw VbError(kErrInvalidCall, "Invalid procedure call or argument");
    size_ = points;
}

void RenderingPrinter::Ensure() {
    if (open_) return;
    PrintDevice& d = OpenDevice();
    OrAbandon(d, [&] {
        d.StartDocument();
        d.StartPage();
    });
    dev_ = &d;
    open_ = true;
    y_ = static_cast<int>(static_cast<long long>(margin_) * d.DpiY() / 1440);
}

void RenderingPrinter::PrintLine(const std::string& text) {
    // An empty text still takes one line of the current size.
    Print(PrintableText{{TextRun{text, CharFormat{face_, PointsToTwips(size_)}}}, {ParaFormat{}}});
}

void RenderingPrinter::PrintText(const PrintableText& text) { Print(text); }

void RenderingPrinter::Print(const PrintableText& text) {
    Ensure();
    PrintDevice& d = *dev_;
    const int mx = static_cast<int>(static_cast<long long>(margin_) * d.DpiX() / 1440);
    const int my = static_cast<int>(static_cast<long long>(margin_) * d.DpiY() / 1440);
    const int bottom = d.PageHeight() - my;
    PrintableText t = text;
    // An empty text still prints one (empty) line in its format.
    if (t.runs.empty()) t.runs.push_back(TextRun{"", CharFormat{face_, PointsToTwips(size_)}});
    for (const LaidOutLine& line : LayOutText(t, d, mx, mx)) {
        // A line that does not fit goes to a new page, unless the page is still empty (a line
        // taller than the page is printed anyway, so that printing always moves on).
        if (y_ + line.height > bottom && y_ > my) {
            d.EndPage();
            d.StartPage();
            y_ = my;
        }
        for (const PlacedPiece& p : line.pieces) {
            const int ascent = d.Metrics(p.format).ascent;
            d.DrawString(p.x, y_ + line.ascent - ascent, p.format, p.text);
        }
        y_ += line.height;
    }
}

void RenderingPrinter::EndDoc() {
    if (!open_) return;
    PrintDevice& d = *dev_;
    open_ = false;
    dev_ = nullptr;
    OrAbandon(d, [&] {
        d.EndPage();
        d.EndDocument();
    });
    CloseDevice();
}

void RenderingPrinter::OrAbandon(PrintDevice& d, const std::function<void()>& steps) {
    try {
        steps();
    } catch (...) {
        try {
            d.AbortDocument();
        } catch (...) {
        }
        CloseDevice();
        throw;
    }
}

}  // namespace ostrevan::ui
