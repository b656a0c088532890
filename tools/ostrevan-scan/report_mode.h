#pragma once
// The headless scanner's --report FILE: after the scan, the summary report of its results is
// saved as the report page's Save... saves it, an RTF document with the class colours.
#include <optional>
#include <string>
#include <vector>

#include "match/run_state.h"
#include "platform/host_path.h"

namespace ostrevan {

// Takes "--report FILE" out of the scan mode's arguments (the other arguments stay in order).
// False, with the reason in error, when FILE is missing.
bool TakeReportOption(std::vector<std::string>& args, std::optional<std::string>& file,
                      std::string& error);

// Builds the report of the scan just run on `st`, as the wizard's report page shows it after
// that scan, and writes it to file as RTF. The empty text when written, otherwise the reason.
std::string WriteScanReport(RunState& st, const platform::HostPath& file);

}  // namespace ostrevan
