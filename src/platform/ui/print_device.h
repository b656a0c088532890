#pragma once
// What the page renderer needs of a place to print on: the page's size and resolution, font
// measures, and drawing text. The win32 backend implements it on a printer's (or any) device
// context; the headless backend records the drawing and can rasterise it.
#include <string_view>

#include "platform/ui/rich_text_types.h"

namespace ostrevan::ui {

struct FontMetrics {
    int height = 0;  // line height in device units
    int ascent = 0;  // from the top of the line to the baseline
};

// A device's resolution (device units per inch) and its printable area in device units.
struct PageGeometry {
    int dpiX = 96, dpiY = 96;
    int width = 0, height = 0;
};

class PrintDevice {
public:
    explicit PrintDevice(const PageGeometry& page) : page_(page) {}
    virtual ~PrintDevice() = default;
    int DpiX() const { return page_.dpiX; }
    int DpiY() const { return page_.dpiY; }
    int PageWidth() const { return page_.width; }
    int PageHeight() const { return page_.height; }
    virtual FontMetrics Metrics(const CharFormat& f) = 0;
    virtual int TextWidth(const CharFormat& f, std::string_view text) = 0;

    // The document and page brackets; each throws VbError when the device refuses.
    virtual void StartDocument() = 0;
    virtual void StartPage() = 0;
    // Draws text with the top of its line at y (device units inside the printable area).
    virtual void DrawString(int x, int y, const CharFormat& f, std::string_view text) = 0;
    virtual void EndPage() = 0;
    virtual void EndDocument() = 0;
    // Drops a document that could not be completed.
    virtual void AbortDocument() = 0;

private:
    PageGeometry page_;
};

}  // namespace ostrevan::ui
