#pragma once
// The report of a whole office: the result files of many PCs (one folder per PC, named after
// it) gathered into one list of products, worst readiness class first, each with the PCs that
// carry it; then a table of the PCs with their counts per class. Written as an RTF document in
// the summary report's colours and as a CSV file for a spreadsheet.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kb/file_record.h"
#include "platform/host_path.h"
#include "platform/ui/rich_text_types.h"

namespace ostrevan {

struct FleetPc {
    std::string name;              // the folder's name (Windows-1252)
    std::vector<clsFile> records;  // Files.y2k as loaded
    int undocumented = 0;          // records of JFiles.y2k
};

// Loads the result files of one PC's folder. nullopt, with the reason in `why`, when the
// folder or either file is missing or a file is damaged.
std::optional<FleetPc> LoadFleetPc(const platform::HostPath& dir, std::string& why);

// One product and version range of a class, as carried by one or more PCs.
struct FleetEntry {
    const clsFile* product = nullptr;  // the first PC's record (name, vendor, versions, code)
    std::vector<size_t> pcs;           // the PCs that carry it, in fleet order, each once
    std::vector<const clsFile*> records;  // each of those PCs' record, beside pcs
};

// The entries of the fleet in report order: classes worst first, and within a class in the
// order first met. Records of one class are the same entry when their normalised product names
// and vendors are equal (ignoring case) and both versions are alike (VersionKey: "1.00" is
// "1.0", but "1.0.5" is another version than "1.0"). Records whose code is
// outside 0..6 are not listed. The entries point into `fleet`.
std::vector<FleetEntry> FleetEntries(const std::vector<FleetPc>& fleet);

// The RTF report's text: a title, the entries in their class colours (name; versions;
// manufacturer; readiness message; the PCs), then the table of PCs.
ui::PrintableText FleetReportText(const std::vector<FleetPc>& fleet, const std::vector<FleetEntry>& entries);

// The CSV file (UTF-8, CR LF, a header line): one line per entry and PC.
std::string FleetCsv(const std::vector<FleetPc>& fleet, const std::vector<FleetEntry>& entries);

// One CSV field from Windows-1252 text: UTF-8, quoted when it holds a comma, a quote or a line
// break (quotes doubled); a text a spreadsheet would take for a formula (=, +, -, @ first)
// gets a leading apostrophe so that it stays text.
std::string CsvField(std::string_view text1252);

}  // namespace ostrevan
