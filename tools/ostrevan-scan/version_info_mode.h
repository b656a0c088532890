#pragma once
// The version-information mode of the headless scanner:
//   ostrevan-scan --version-info FILE...
// For each FILE one line: the path, then TAB-separated ProductName, CompanyName,
// ProductVersion, FileDescription and Comments exactly as the version reader returns them
// (Windows-1252 bytes, "None" when absent), ended by LF.
#include <ostream>
#include <string>
#include <vector>

namespace ostrevan {

// The fields printed, in order.
extern const char* const kVersionInfoFields[5];

// What --help adds about this mode.
std::string VersionInfoHelp();

// `files` are UTF-8 paths as the command line gives them. Returns the exit status (0).
int RunVersionInfo(const std::vector<std::string>& files, std::ostream& out);

}  // namespace ostrevan
