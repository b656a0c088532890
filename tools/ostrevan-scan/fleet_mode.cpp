#include "fleet_mode.h"

#include <map>
#include <set>

#include "platform/command_line.h"
#include "platform/file_access.h"
#include "platform/file_write.h"
#include "platform/text.h"
#include "platform/ui/rtf.h"
#include "report/fleet_report.h"
#include "scan/scan_command.h"

namespace ostrevan {

std::string FleetHelp() {
    return "\n"
           "--fleet OUT DIR... gathers the results of many PCs into one report. Each DIR is one\n"
           "PC's folder, named after the PC, holding the Files.y2k and JFiles.y2k of its scan.\n"
           "OUT.rtf lists every product and version range, worst readiness class first in the\n"
           "class colours, with the PCs that carry it, then a table of the PCs with their counts\n"
           "per class and of undocumented programs. OUT.csv holds one line per product and PC\n"
           "(UTF-8, comma-separated, quoted where needed). A folder whose result files are\n"
           "missing or damaged is named in a warning and left out, as is a folder given twice\n"
           "(however spelt); a second folder of the same name is listed with a number after\n"
           "its name. The two files are written together: when one cannot be, neither old one\n"
           "is replaced.\n"
           "Example: ostrevan-scan --fleet office results/PC-01 results/PC-02 results/PC-03\n"
           "Exit status: 0 written, 1 a file could not be written or memory ran out, 2 bad usage.\n";
}

int RunFleet(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() < 2) {
        err << "ostrevan-scan: --fleet wants OUT and at least one folder\n";
        return 2;
    }
    std::vector<FleetPc> fleet;
    // A PC is known by its folder's name (as Windows compares names, ignoring case): a folder
    // given twice, however spelt, is counted once, and two folders of one name are told apart
    // by a number.
    std::map<std::string, std::string> folders;  // the folder's identity -> as given
    std::set<std::string> names;                 // the PCs' names, upper-cased
    for (size_t i = 1; i < args.size(); ++i) {
        std::string why;
        const platform::HostPath dir = platform::HostPathFromUtf8(args[i]);
        std::string folder = platform::FolderIdentity(dir);
        if (folder.empty()) folder = platform::Utf8FromHostPath((dir / "").lexically_normal());
        if (const auto seen = folders.find(folder); seen != folders.end()) {
            err << "ostrevan-scan: warning: " << VisibleText(args[i]) << " is left out: the same folder as "
                << VisibleText(seen->second) << "\n";
            continue;
        }
        auto pc = LoadFleetPc(dir, why);
        if (!pc) {
            err << "ostrevan-scan: warning: " << VisibleText(args[i]) << " is left out: " << VisibleText(why) << "\n";
            continue;
        }
        folders.emplace(folder, args[i]);
        if (names.count(text::Upper(pc->name))) {
            std::string shown;
            for (int n = 2; names.count(text::Upper(shown = pc->name + " (" + std::to_string(n) + ")")); ++n) {
            }
            err << "ostrevan-scan: warning: " << VisibleText(args[i])
                << " has the name of an earlier PC's folder: it is listed as " << VisibleText(shown) << "\n";
            pc->name = shown;
        }
        names.insert(text::Upper(pc->name));
        fleet.push_back(std::move(*pc));
    }
    const std::vector<FleetEntry> entries = FleetEntries(fleet);
    // Both files are written completely before either replaces its old one, so the two always
    // describe the same fleet.
    platform::HostPath rtf = platform::HostPathFromUtf8(args[0]), csv = rtf;
    rtf += ".rtf";
    csv += ".csv";
    const std::string rtfBytes = ui::WriteRtf(FleetReportText(fleet, entries)), csvBytes = FleetCsv(fleet, entries);
    const std::string why = platform::WriteFilesTogether({{rtf, rtfBytes}, {csv, csvBytes}});
    const std::string shown = VisibleText(args[0]);
    if (!why.empty()) {
        err << "ostrevan-scan: cannot write " << shown << ".rtf and " << shown << ".csv: " << VisibleText(why) << "\n";
        return 1;
    }
    out << "Wrote " << shown << ".rtf and " << shown << ".csv: " << fleet.size() << " PCs, " << entries.size()
        << " products\n";
    return out ? 0 : 1;
}

}  // namespace ostrevan
