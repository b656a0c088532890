#include "report/help_window.h"

#include <utility>

#include "report/report_format.h"
#include "report/save_print.h"
#include "report/skip.h"

namespace ostrevan {

FrmHelp::FrmHelp(ui::Toolkit& tk, std::filesystem::path programDir, const ui::Window* owner)
    : tk_(tk),
      dir_(std::move(programDir)),
      w_(tk.NewWindow({"frmHelp", "Help - Click To Choose A Help File Topic", 6765, 4620,
                       ui::WindowStyle::Sizable, owner})),
      optGeneral(w_.AddOption({"optGeneral", {120, 0, 1215, 255}, "Introduction", true, true, 'I'})),
      optStep1(w_.AddOption({"optStep1", {120, 240, 1695, 255}, "Mode Selection", true, true, 'M'})),
      optStep2(w_.AddOption({"optStep2", {1800, 0, 1455, 255}, "Disk Selection", true, true, 'D'})),
      optAnimation(w_.AddOption({"optAnimation", {1800, 240, 1455, 255}, "Disk Scan", true, true, 'S'})),
      optReport(w_.AddOption({"optReport", {3360, 0, 1455, 255}, "Software Report", true, true, 'R'})),
      optBIOS(w_.AddOption({"optBIOS", {3360, 240, 1455, 255}, "BIOS Check", true, true, 'B'})),
      OptVend(w_.AddOption({"OptVend", {5040, 0, 1575, 495}, "Troubleshooting", true, true, 'T'})),
      rtxtHelp(w_.AddRichText({"rtxtHelp", {120, 600, 6495, 3495}, ""})),
      btnPrint(w_.AddButton({"btnPrint", {1440, 4200, 1815, 375}, "Print", true, true, 'P'})),
      btnClose(w_.AddButton({"btnClose", {3360, 4200, 1815, 375}, "Close", true, true, 'C'})) {
    optGeneral.SetValue(true);
    for (ui::OptionButton* o :
         {&optGeneral, &optStep1, &optStep2, &optAnimation, &optReport, &optBIOS, &OptVend})
        o->onClick = [this] { LoadHelp(); };
    btnPrint.onClick = [this] { btnPrint_Click(); };
    btnClose.SetRole(ui::ButtonRole::Cancel);
    btnClose.onClick = [this] { TryStep([&] { w_.Hide(); }); };
    w_.onActivate = [this] { LoadHelp(); };
    w_.onResize = [this] { Form_Resize(); };
}

void FrmHelp::LoadHelp() {
    const auto options = Options();
    for (size_t i = 0; i < options.size(); ++i) {
        bool selected = true;  // a test that fails runs its branch
        TryStep([&] { selected = options[i]->Value(); });
        if (selected) TryStep([&] { rtxtHelp.LoadFile(dir_ / kTopicFiles[i]); });
    }
}

void FrmHelp::Show() { w_.Show(); }

void FrmHelp::ShowInFront() { w_.ShowInFront(); }

void FrmHelp::Hide() { w_.Hide(); }

void FrmHelp::btnPrint_Click() {
    ui::Printer& printer = tk_.DefaultPrinter();
    try {
        printer.PrintLine("");  // opens the print job
        rtxtHelp.SetSelection(0, rtxtHelp.TextLength());
        printer.PrintText(IndentedForPrint(rtxtHelp.Content()));
        rtxtHelp.SetSelection(0, 0);
    } catch (const std::exception&) {
        tk_.ShowMessage("Unable to Print Help", "Print Error!!");
        return;
    }
    TryStep([&] { printer.EndDoc(); });
}

void FrmHelp::Form_Resize() {
    if (w_.State() == ui::WindowState::Minimized) return;
    const int w = w_.ClientWidth();
    const int h = w_.ClientHeight();
    // A size that would come out negative is refused and the control keeps its size.
    const ui::Rect r = rtxtHelp.Bounds();
    if (w - 240 >= 0) rtxtHelp.Resize(w - 240, rtxtHelp.Bounds().height);
    if (h - 645 - r.top >= 0) rtxtHelp.Resize(rtxtHelp.Bounds().width, h - 645 - r.top);
    btnPrint.SetTop(h - 420);
    btnClose.SetTop(h - 420);
}

}  // namespace ostrevan
