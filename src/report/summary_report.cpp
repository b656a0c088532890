#include "report/summary_report.h"

#include <cstdint>

#include "report/report_format.h"
#include "report/skip.h"
#include "platform/ui/rich_document.h"

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
        n += Listed(f.CompliantCode);
    return n;
}

std::vector<ReportEntry> SummaryReportEntries(RunState& st) {
    std::vector<ReportEntry> entries;
    for (const int code : kReportOrder) {
        int16_t count = 0;
        if (!TryStep([&] { count = st.cFiles.Count(); })) continue;
        for (int n = 1; n <= count; ++n) {
            const auto i = static_cast<int16_t>(n);
            bool ofClass = true;  // a test that fails runs its branch
            TryStep([&] { ofClass = st.cFiles.Item(i).CompliantCode == code; });
            if (!ofClass) continue;
            ReportEntry& e = entries.emplace_back(ReportEntry{code, ""});
            TryStep([&] {
                const clsFile& r = st.cFiles.Item(i);
                e.text = ReportEntryText(r, st.strCompMessages.at(static_cast<size_t>(r.CompliantCode)));
            });
        }
    }
    // Programs the full result lists could not take are not left out without a word.
    if (st.lngNotRecorded > 0) entries.push_back({-1, NotRecordedMessage(st.lngNotRecorded) + "\n\n"});
    return entries;
}

ui::PrintableText SummaryReportDocument(RunState& st) {
    ui::RichDocument doc;
    ui::CharFormat f;
    f.face = kReportFace;
    f.heightTwips = ui::PointsToTwips(kReportFontSize);
    for (const ReportEntry& e : SummaryReportEntries(st)) {
        f.color = ClassColor(e.code);
        doc.Replace(doc.Length(), 0, e.text, f);
    }
    return doc.All();
}

void FillReport(RunState& st, ui::Toolkit& tk, ui::RichText& rtxtSummary) {
    TryStep([&] { rtxtSummary.SetText(""); });
    TryStep([&] { rtxtSummary.SetFontName(kReportFace); });
    for (const ReportEntry& e : SummaryReportEntries(st)) {
        TryStep([&] { rtxtSummary.SetSelection(rtxtSummary.TextLength(), 0); });
        TryStep([&] { rtxtSummary.SetSelColor(ClassColor(e.code)); });
        TryStep([&] { rtxtSummary.ReplaceSelection(e.text); });
        if (e.code >= 0) tk.DoEvents();  // after each program's entry
    }
}

}  // namespace ostrevan
