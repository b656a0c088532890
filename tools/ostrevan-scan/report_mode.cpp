#include "report_mode.h"

#include "platform/file_write.h"
#include "platform/ui/rtf.h"
#include "report/summary_report.h"

namespace ostrevan {

bool TakeReportOption(std::vector<std::string>& args, std::optional<std::string>& file,
                      std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--report") continue;
        if (i + 1 >= args.size()) {
            error = "--report needs a value";
            return false;
        }
        file = args[i + 1];
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
        --i;
    }
    return true;
}

std::string WriteScanReport(RunState& st, const platform::HostPath& file) {
    return platform::WriteWholeFile(file, ui::WriteRtf(SummaryReportDocument(st)));
}

}  // namespace ostrevan
