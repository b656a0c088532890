#pragma once
// The summary report: every program with version data, worst readiness class first, each as
// a five-line entry in its class colour, in the report page's rich-text control.
#include <string>
#include <vector>

#include "kb/file_record.h"
#include "match/run_state.h"
#include "platform/ui/rich_text.h"
#include "platform/ui/rich_text_types.h"
#include "platform/ui/toolkit.h"

namespace ostrevan {

// Gives a freshly created report control its design look: Courier at 8.25 points on light grey.
void SetUpReportControl(ui::RichText& rtxtSummary);

// The text of one entry: name; TAB "Version(s): " with the range when the two versions differ;
// TAB "Manufacturer: " vendor; TAB the readiness message; an empty line. Lines end in a line
// feed, so the entry ends with two.
std::string ReportEntryText(const clsFile& rec, const std::string& message);

// One entry of the report: its text and the readiness code whose colour it takes.
struct ReportEntry {
    int code = 0;
    std::string text;
};

// The report's entries from st.cFiles: each class in report order, and within a class the
// records in list order; codes outside 0..6 are not listed. A step that fails is skipped. When
// the full result lists could not take every program, a last entry (code -1, in black) says how
// many.
std::vector<ReportEntry> SummaryReportEntries(RunState& st);

// The report as a document, as the report page's control holds it after FillReport: the
// entries in their class colours, in the report's face and size.
ui::PrintableText SummaryReportDocument(RunState& st);

// Rebuilds the report in rtxtSummary from st.cFiles (the main window calls it after a scan and
// when stored results are shown). Each class in report order, and within a class the records in
// list order (SummaryReportEntries). Yields once per entry. A step that fails is skipped; the
// caret is left at the end of the text.
void FillReport(RunState& st, ui::Toolkit& tk, ui::RichText& rtxtSummary);

// How many records of the list the report shows (records with a code of 0 to 6).
int ListedCount(const colFiles& files);

}  // namespace ostrevan
