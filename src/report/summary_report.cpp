#include "report/summary_report.h"

#include <cstdint>

#include "report/report_format.h"
#include "report/skip.h"

namespace ostrevan {

void SetUpReportControl(ui::RichText& rtxtSummary) {
    rtxtSummary.SetFontName(kReportFace);
    rtxtSummary.SetFontSize(kReportFontSize);
    rtxtSummary.SetBackColor(kReportBackColor);
}

std::string ReportEntryText(const clsFile& rec, const std::string& message) {
    std::string t = rec.Name;
    t += "\n\tVersion(s): ";
    t += rec.VersBegin;
    if (rec.VersBegin != rec.VersEnd) {
        t += " - ";
        t += rec.VersEnd;
    }
    t += "\n\tManufacturer: ";
    t += rec.Vendor;
    t += "\n\t";
    t += message;
    t += "\n\n";
    return t;
}

int ListedCount(const colFiles& files) {
    int n = 0;
    for (const clsFile& f : files.mvarCOL)
        if (f.CompliantCode >= 0 && f.CompliantCode <= 6) ++n;
    return n;
}

void FillReport(RunState& st, ui::Toolkit& tk, ui::RichText& rtxtSummary) {
    TryStep([&] { rtxtSummary.SetText(""); });
    TryStep([&] { rtxtSummary.SetFontName(kReportFace); });
    for (const int code : kReportOrder) {
        int16_t count = 0;
        if (!TryStep([&] { count = st.cFiles.Count(); })) continue;
        for (int n = 1; n <= count; ++n) {
            const auto i = static_cast<int16_t>(n);
            bool ofClass = true;  // a test that fails runs its branch
            TryStep([&] { ofClass = st.cFiles.Item(i).CompliantCode == code; });
            if (!ofClass) continue;
            TryStep([&] { rtxtSummary.SetSelection(rtxtSummary.TextLength(), 0); });
            TryStep([&] { rtxtSummary.SetSelColor(ClassColor(code)); });
            std::string entry;
            TryStep([&] {
                const clsFile& r = st.cFiles.Item(i);
                const std::string& message =
                    st.strCompMessages.at(static_cast<size_t>(r.CompliantCode));
                entry = ReportEntryText(r, message);
            });
            TryStep([&] { rtxtSummary.ReplaceSelection(entry); });
            tk.DoEvents();
        }
    }
    // Programs the full result lists could not take are not left out without a word.
    if (st.lngNotRecorded > 0) {
        TryStep([&] { rtxtSummary.SetSelection(rtxtSummary.TextLength(), 0); });
        TryStep([&] { rtxtSummary.SetSelColor(ui::Rgb(0, 0, 0)); });
        TryStep([&] { rtxtSummary.ReplaceSelection(NotRecordedMessage(st.lngNotRecorded) + "\n\n"); });
    }
}

}  // namespace ostrevan
