#pragma once
// What the report tests share: a run state with found programs, a report page with its
// rich-text control, and reading back the colour of each line.
#include <string>
#include <vector>

#include "match/run_state.h"
#include "platform/ui/headless/headless_toolkit.h"
#include "report/summary_report.h"

namespace ostrevan::testing {

struct Found {
    std::string name;
    std::string vendor;
    std::string versBegin;
    std::string versEnd;
    int16_t code;
    std::string directory = "C:\\APPS";
    std::string comments = "";
};

inline void AddFound(colFiles& files, const Found& f) {
    files.Add(f.comments, f.vendor, "", f.name, f.versBegin, f.versEnd, f.code, f.directory, "",
              "");
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

// The lines of a text split at line feeds (a text ending in a line feed ends with "").
inline std::vector<std::string> Lines(const std::string& t) {
    std::vector<std::string> out(1);
    for (char c : t) {
        if (c == '\n')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

}  // namespace ostrevan::testing
