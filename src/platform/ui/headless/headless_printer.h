#pragma once
// The headless default printer: "absent" (every print fails as with no printer installed), or
// present and keeping every document it printed, page by page, as positioned text that tests
// read and that can be rasterised into a picture of the page.
#include <string>
#include <vector>

#include "platform/ui/bitmap.h"
#include "platform/ui/rendering_printer.h"

namespace ostrevan::ui::headless {

struct DrawnText {
    int x = 0, y = 0;  // pixels from the top-left of the page
    std::string text;
    CharFormat format;
};

struct PrintedPage {
    std::vector<DrawnText> items;
    // All text of the page, lines joined by line feeds (pieces of one line by nothing).
    std::string Text() const;
};

struct PrintedDocument {
    std::vector<PrintedPage> pages;
    // The calls that made it, for tests: each PrintLine as (text, size), each PrintText.
    std::vector<std::pair<std::string, double>> lines;
    std::vector<PrintableText> texts;
};

// A page of US Letter at 96 dots per inch, measured with the built-in bitmap font (a cell half
// as wide as it is high; the height is the font size in pixels).
class HeadlessPrintDevice : public PrintDevice {
public:
    static constexpr int kDpi = 96;
    HeadlessPrintDevice() : PrintDevice({kDpi, kDpi, kDpi * 17 / 2, kDpi * 11}) {}
    FontMetrics Metrics(const CharFormat& f) override;
    int TextWidth(const CharFormat& f, std::string_view text) override;
    void StartDocument() override;
    void StartPage() override;
    void DrawString(int x, int y, const CharFormat& f, std::string_view text) override;
    void EndPage() override;
    void EndDocument() override;
    void AbortDocument() override;

    std::vector<PrintedDocument> done;     // documents sent to the printer
    PrintedDocument current;
    int aborted = 0;
};

class HeadlessPrinter : public RenderingPrinter {
public:
    HeadlessPrinter() = default;
    ~HeadlessPrinter() override { Shutdown(); }

    // With no printer every operation that prints throws VbError 482.
    void SetAbsent(bool absent) { absent_ = absent; }
    bool Absent() const { return absent_; }

    void SetFontSize(double points) override;
    void PrintLine(const std::string& text) override;
    void PrintText(const PrintableText& text) override;

    // Documents sent to the printer by EndDoc, oldest first.
    const std::vector<PrintedDocument>& Documents() const { return dev_.done; }
    // The document being printed (not yet ended).
    const PrintedDocument& Current() const { return dev_.current; }
    int failures = 0;  // operations refused because there is no printer

    // A picture of a printed page, white paper with the text in its colours.
    static Bitmap Rasterize(const PrintedPage& page);

protected:
    PrintDevice& OpenDevice() override;
    void CloseDevice() override {}

private:
    void FailIfAbsent();
    bool absent_ = false;
    HeadlessPrintDevice dev_;
};

}  // namespace ostrevan::ui::headless
