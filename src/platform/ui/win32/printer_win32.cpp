// Printed text on a device context, and the system's default printer.
#include "platform/ui/win32/win32_internal.h"

#include <commdlg.h>
#include "platform/vb_error.h"

namespace ostrevan::ui::win32 {
namespace {
[[noreturn]] void PrinterError() { throw VbError(kErrPrinter, "Printer error"); }
}  // namespace

namespace {
PageGeometry GeometryOf(HDC dc, bool printer) {
    PageGeometry g{std::max(1, GetDeviceCaps(dc, LOGPIXELSX)), std::max(1, GetDeviceCaps(dc, LOGPIXELSY)),
                   GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)};
    if (!printer) {
        // A bitmap's size is that of the bitmap selected into the context.
        BITMAP bm{};
        if (GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof bm, &bm)) {
            g.width = bm.bmWidth;
            g.height = bm.bmHeight;
        }
    }
    return g;
}
}  // namespace

GdiPrintDevice::GdiPrintDevice(HDC dc, bool printer, FontCache& fonts)
    : PrintDevice(GeometryOf(dc, printer)), dc_(dc), printer_(printer), fonts_(fonts) {}

HFONT GdiPrintDevice::Select(const CharFormat& f) {
    HFONT font = fonts_.Get(f.face, f.heightTwips, f.bold, f.italic, DpiY());
    if (font_) SelectObject(dc_, font);
    else font_.emplace(dc_, font);
    return font;
}

FontMetrics GdiPrintDevice::Metrics(const CharFormat& f) {
    Select(f);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc_, &tm);
    return FontMetrics{tm.tmHeight + tm.tmExternalLeading, tm.tmAscent};
}

int GdiPrintDevice::TextWidth(const CharFormat& f, std::string_view text) {
    Select(f);
    SIZE sz{};
    GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &sz);
    return sz.cx;
}

void GdiPrintDevice::StartDocument() {
    if (!printer_) return;
    DOCINFOA di{};
    di.cbSize = sizeof di;
    di.lpszDocName = "Ostrevan";
    if (StartDocA(dc_, &di) <= 0) PrinterError();
}

void GdiPrintDevice::StartPage() {
    if (printer_ && ::StartPage(dc_) <= 0) PrinterError();
}

void GdiPrintDevice::DrawString(int x, int y, const CharFormat& f, std::string_view text) {
    Select(f);
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, ToRef(f.color));
    SetTextAlign(dc_, TA_LEFT | TA_TOP);
    TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
}

void GdiPrintDevice::EndPage() {
    if (printer_ && ::EndPage(dc_) <= 0) PrinterError();
}

void GdiPrintDevice::EndDocument() {
    if (printer_ && EndDoc(dc_) <= 0) PrinterError();
}

void GdiPrintDevice::AbortDocument() {
    if (printer_) AbortDoc(dc_);
}

Win32Printer::~Win32Printer() {
    Shutdown();
    CloseDevice();
}

PrintDevice& Win32Printer::OpenDevice() {
    CloseDevice();
    PRINTDLGA pd{};
    pd.lStructSize = sizeof pd;
    pd.Flags = PD_RETURNDEFAULT;
    if (!PrintDlgA(&pd)) PrinterError();  // no printer installed
    const win::ScopedGlobal devMode(pd.hDevMode), devNames(pd.hDevNames);
    {
        const win::GlobalLockOf<DEVNAMES> names(devNames.get());
        const win::GlobalLockOf<DEVMODEA> mode(devMode.get());
        if (names.get()) {
            const char* base = reinterpret_cast<const char*>(names.get());
            dc_.reset(CreateDCA(base + names.get()->wDriverOffset, base + names.get()->wDeviceOffset,
                                base + names.get()->wOutputOffset, mode.get()));
        }
    }
    if (!dc_) PrinterError();
    dev_ = std::make_unique<GdiPrintDevice>(dc_.get(), true, fonts_);
    return *dev_;
}

void Win32Printer::CloseDevice() {
    dev_.reset();
    dc_.reset();
}

}  // namespace ostrevan::ui::win32
