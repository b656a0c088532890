// report-pictures: pictures of the report for the documentation.
//   report-pictures page FILE.png     the first printed page of the report (page renderer)
//   report-pictures letter FILE.png   the printed readiness request letter
//   report-pictures detail            (Windows) the report with a detail window open over it
#include <iostream>
#include <string>

#include "platform/command_line.h"
#include "platform/file_write.h"
#include "platform/ui/headless/headless_toolkit.h"
#include "report/detail_window.h"
#include "report/request_letter.h"
#include "report/save_print.h"
#include "report/summary_report.h"
#include "sample_report.h"
#ifdef _WIN32
#include "platform/ui/win32/win32_toolkit.h"
#endif

namespace {

using namespace ostrevan;

int WritePage(const ui::headless::PrintedDocument* doc, const std::string& file) {
    if (!doc || doc->pages.empty()) {
        std::cerr << "report-pictures: nothing was printed\n";
        return 1;
    }
    const std::string png = ui::headless::HeadlessPrinter::Rasterize(doc->pages[0]).ToPng();
    const std::string why = platform::WriteWholeFile(platform::HostPathFromUtf8(file), png);
    if (why.empty()) return 0;
    std::cerr << "report-pictures: cannot write " << file << ": " << why << "\n";
    return 1;
}

int PrintedPage(const std::string& what, const std::string& file) {
    RunState st;
    FillSampleResults(st);
    ui::headless::HeadlessToolkit tk;
    if (what == "page") {
        ui::RichText& r = tk.NewWindow({"FrmY2KMain", "Ostrevan"}).AddRichText({"rtxtSummary", {}, ""});
        SetUpReportControl(r);
        FillReport(st, tk, r);
        PrintRichText(tk, r);
    } else {
        PrintRequestLetter(tk, {4, "Acme Software, Inc.", "1200 Harbor Boulevard", "Springfield, ST 01234", "", ""},
                           st.cFiles, "12/6/1999");
    }
    const auto& docs = tk.PrinterState().Documents();
    return WritePage(docs.empty() ? nullptr : &docs.front(), file);
}

#ifdef _WIN32
int DetailWindow() {
    RunState st;
    FillSampleResults(st);
    ui::win32::Win32Toolkit tk;
    ui::Window& main = tk.NewWindow({"FrmY2KMain", "Ostrevan", 8250, 5040});
    tk.SetMainWindow(main);
    ui::RichText& r = main.AddRichText({"rtxtSummary", {120, 120, 8010, 4800}, ""});
    SetUpReportControl(r);
    r.onDoubleClick = [&] { OpenProductDetail(st, tk, r); };
    main.Move(0, 0);
    main.Show();
    FillReport(st, tk, r);
    r.SetSelection(8, 0);  // on the first entry
    const auto detail = NewProductDetail(st, tk, r);
    detail->Form().Move(2400, 1200);
    detail->Show();
    tk.Run();
    return 0;
}
#endif

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if ((mode == "page" || mode == "letter") && argc == 3) return PrintedPage(mode, argv[2]);
#ifdef _WIN32
    if (mode == "detail") return DetailWindow();
#endif
    std::cerr << "usage: report-pictures page|letter FILE.png | detail\n";
    return 2;
}
