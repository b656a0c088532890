#pragma once
// The headless scanner's --report FILE: after the scan, the summary report of its results is
// saved as the report page's Save... saves it, an RTF document with the class colours.
#include <optional>
#include <string>
#include <vector>

#include "platform/host_path.h"

namespace ostrevan {

// Takes "--report FILE" out of the scan mode's arguments (the other arguments stay in order).
// False, with the reason in error, when FILE is missing.
bool TakeReportOption(std::vector<std::string>& args, std::optional<std::string>& file,
                      std::string& error);

// Builds the report from the Files.y2k in resultsDir, as the wizard's view mode shows it, and
// writes it to file as RTF. The empty text when written, otherwise the reason.
std::string WriteReportFromResults(const platform::HostPath& resultsDir,
                                   const platform::HostPath& file);

}  // namespace ostrevan
