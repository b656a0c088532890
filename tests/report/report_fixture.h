#pragma once
// What the report tests share: a run state with found programs and a report page with its
// rich-text control.
#include <string>
#include <vector>

#include "match/run_state.h"
#include "platform/ui/headless/headless_toolkit.h"
#include "report/summary_report.h"
#include "support/test_support.h"

namespace ostrevan::testing {

struct Found {
    std::string name, vendor, versBegin, versEnd;
    int16_t code;
    std::string directory = "C:\\APPS", comments = "";
};

inline void AddFound(colFiles& files, const Found& f) {
    files.Add(f.comments, f.vendor, "", f.name, f.versBegin, f.versEnd, f.code, f.directory, "", "");
}

// The character position where line `line` of a text begins.
inline int LineStart(const std::string& text, int line) {
    int pos = 0;
    for (int l = 0; l < line; ++l) pos = static_cast<int>(text.find('\n', static_cast<size_t>(pos))) + 1;
    return pos;
}

// The main window's side of the report: state, toolkit and the report control.
struct ReportPage {
    ReportPage() {
        FillCompMessages(st);
        ui::Window& w = tk.NewWindow({"FrmY2KMain", "Ostrevan", 9000, 6000});
        rtxt = &dynamic_cast<ui::headless::HeadlessRichText&>(
            w.AddRichText({"rtxtSummary", {0, 0, 8000, 4000}, ""}));
        SetUpReportControl(*rtxt);
    }
    void Add(const Found& f) { AddFound(st.cFiles, f); }
    void Fill() { FillReport(st, tk, *rtxt); }

    RunState st;
    ui::headless::HeadlessToolkit tk;
    ui::headless::HeadlessRichText* rtxt = nullptr;
};

}  // namespace ostrevan::testing
