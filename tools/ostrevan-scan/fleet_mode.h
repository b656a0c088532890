#pragma once
// The office mode of the headless scanner:
//   ostrevan-scan --fleet OUT DIR...
// Each DIR holds one PC's Files.y2k and JFiles.y2k and is named after the PC. Writes OUT.rtf,
// the products of all PCs worst class first with the PCs that carry them and a table of the
// PCs, and OUT.csv, one line per product and PC. A folder whose result files are missing or
// damaged is named in a warning and left out.
#include <ostream>
#include <string>
#include <vector>

namespace ostrevan {

// What --help says about this mode.
std::string FleetHelp();

// `args` are OUT and the folders (UTF-8). Returns the exit status: 0 when both files were
// written, 1 when one could not be, 2 without OUT or a folder.
int RunFleet(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace ostrevan
