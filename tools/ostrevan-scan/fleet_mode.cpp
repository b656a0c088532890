#include "fleet_mode.h"

#include "platform/command_line.h"
#include "platform/file_write.h"
#include "platform/ui/rtf.h"
#include "report/fleet_report.h"

namespace ostrevan {

std::string FleetHelp() {
    return "\n"
           "--fleet OUT DIR... gathers the results of many PCs into one report. Each DIR is one\n"
           "PC's folder, named after the PC, holding the Files.y2k and JFiles.y2k of its scan.\n"
           "OUT.rtf lists every product and version range, worst readiness class first in the\n"
           "class colours, with the PCs that carry it, then a table of the PCs with their counts\n"
           "per class and of undocumented programs. OUT.csv holds one line per product and PC\n"
           "(UTF-8, comma-separated, quoted where needed). A folder whose result files are\n"
           "missing or damaged is named in a warning and left out.\n"
           "Example: ostrevan-scan --fleet office results/PC-01 results/PC-02 results/PC-03\n"
           "Exit status: 0 written, 1 a file could not be written, 2 bad usage.\n";
}

int RunFleet(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() < 2) {
        err << "ostrevan-scan: --fleet wants OUT and at least one folder\n";
        return 2;
    }
    std::vector<FleetPc> fleet;
    for (size_t i = 1; i < args.size(); ++i) {
        std::string why;
        if (auto pc = LoadFleetPc(platform::HostPathFromUtf8(args[i]), why))
            fleet.push_back(std::move(*pc));
        else
            err << "ostrevan-scan: warning: " << args[i] << " is left out: " << why << "\n";
    }
    const std::vector<FleetEntry> entries = FleetEntries(fleet);
    int status = 0;
    for (const char* ext : {".rtf", ".csv"}) {
        platform::HostPath file = platform::HostPathFromUtf8(args[0]);
        file += ext;
        const std::string bytes = ext[1] == 'r' ? ui::WriteRtf(FleetReportText(fleet, entries)) : FleetCsv(fleet, entries);
        const std::string why = platform::WriteWholeFile(file, bytes);
        if (!why.empty()) {
            err << "ostrevan-scan: cannot write " << args[0] << ext << ": " << why << "\n";
            status = 1;
        }
    }
    if (status == 0)
        out << "Wrote " << args[0] << ".rtf and " << args[0] << ".csv: " << fleet.size() << " PCs, " << entries.size()
            << " products\n";
    return status;
}

}  // namespace ostrevan
