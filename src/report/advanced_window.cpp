#include "report/advanced_window.h"

#include "report/report_format.h"
#include "report/save_print.h"
#include "report/skip.h"

namespace ostrevan {

namespace {
constexpr const char* kTitle =
    "This report lists the undocumented executable files found on your drive. The manufacturer "
    "of these files did not provide the product name, manufacturer, or version information. "
    "WIthout this information, Ostrevan cannot verify year 2000 readiness or generate a letter "
    "to the manufacturer requesting readiness information.";
}  // namespace

FrmAdvanced::FrmAdvanced(ui::Toolkit& tk)
    : tk_(tk),
      w_(tk.NewWindow({"frmAdvanced", "Advanced", 6465, 4815, ui::WindowStyle::Sizable})),
      lblTitle(w_.AddLabel({"lblTitle", {120, 0, 6255, 975}, kTitle})),
      rtxtAdvanced(w_.AddRichText({"rtxtAdvanced", {0, 960, 6375, 3375}, ""})),
      btnSave(w_.AddButton({"btnSave", {2880, 4440, 1095, 375}, "Save...", true, true, 'S'})),
      btnLEtter(w_.AddButton({"btnLEtter", {4080, 4440, 1095, 375}, "Print", true, true, 'P'})),
      btnOK(w_.AddButton({"btnOK", {5280, 4440, 1095, 375}, "Close", true, true, 'C'})) {
    TryStep([&] { rtxtAdvanced.SetFontSize(kReportFontSize); });
    btnOK.SetRole(ui::ButtonRole::Cancel);
    // Closing while the listing is still being filled also stops the filling.
    btnOK.onClick = [this] {
        stopFilling_ = true;
        TryStep([&] { w_.Hide(); });
    };
    w_.onClose = btnOK.onClick;
    btnSave.onClick = [this] { SaveRichTextAs(tk_, rtxtAdvanced); };
    btnLEtter.onClick = [this] { PrintRichText(tk_, rtxtAdvanced); };
    w_.onResize = [this] { Form_Resize(); };
}

FrmAdvanced::~FrmAdvanced() { TryStep([&] { w_.Unload(); }); }

std::string ListingEntryText(const clsFile& rec) {
    return "File:" + rec.Name + "\nDirectory Found In:" + rec.Directory + "\n\n";
}

void FrmAdvanced::FillListing(const colFiles& junk) {
    TryStep([&] { rtxtAdvanced.SetText(""); });
    TryStep([&] { rtxtAdvanced.SetFontName(kReportFace); });
    int16_t count = 0;
    TryStep([&] { count = junk.Count(); });
    // The entries go into the control a hundred at a time: one insertion per entry makes the
    // native control measure all that it holds each time, and one insertion of them all is
    // slower still on some systems (under Wine, minutes for 20,000 entries; seconds in chunks).
    // Between insertions the window shows how far the listing has come, and Close stops it;
    // what is not complete cannot be saved or printed.
    constexpr int kEntriesPerInsertion = 100;
    const std::string caption = w_.Caption();
    stopFilling_ = false;
    btnSave.SetEnabled(false);
    btnLEtter.SetEnabled(false);
    tk_.SetMousePointer(ui::MousePointer::Hourglass);
    std::string chunk;
    for (int i = 1; i <= count && !stopFilling_; ++i) {
        TryStep([&] { chunk += ListingEntryText(junk.Item(static_cast<int16_t>(i))); });
        if (i % kEntriesPerInsertion != 0 && i != count) continue;
        TryStep([&] { rtxtAdvanced.SetSelection(rtxtAdvanced.TextLength(), 0); });
        TryStep([&] { rtxtAdvanced.ReplaceSelection(chunk); });
        chunk.clear();
        if (i != count) w_.SetCaption(caption + ": " + std::to_string(i) + " of " + std::to_string(count) + " listed");
        tk_.DoEvents();
    }
    w_.SetCaption(caption);
    btnSave.SetEnabled(true);
    btnLEtter.SetEnabled(true);
    tk_.SetMousePointer(ui::MousePointer::Default);
}

void FrmAdvanced::Show(const colFiles* junk) {
    // The listing is filled once the window is up, so that a long one shows its progress.
    w_.onActivate = [this, junk] {
        if (!junk || listed_) return;
        listed_ = true;
        FillListing(*junk);
    };
    w_.ShowModal();
}

void FrmAdvanced::Form_Resize() {
    if (w_.State() == ui::WindowState::Minimized) return;
    const int w = w_.ClientWidth();
    const int h = w_.ClientHeight();
    // A size that would come out negative is refused and the control keeps its size.
    if (w - 90 >= 0) rtxtAdvanced.Resize(w - 90, rtxtAdvanced.Bounds().height);
    if (h - 1440 >= 0) rtxtAdvanced.Resize(rtxtAdvanced.Bounds().width, h - 1440);
    for (ui::Button* b : {&btnSave, &btnLEtter, &btnOK}) b->SetTop(h - 375);
}

void OpenAdvancedListing(const colFiles& cJunkFiles, ui::Toolkit& tk) {
    FrmAdvanced f(tk);
    TryStep([&] { f.Show(&cJunkFiles); });
}

}  // namespace ostrevan
