#pragma once
// The program's command-line arguments as UTF-8 texts, and host paths from them.
#include <string>
#include <vector>

#include "platform/host_path.h"

namespace ostrevan::platform {

// The arguments after the program name. On Windows they come from the wide command line, so a
// path outside the code page arrives whole; elsewhere they are the host's own bytes.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// A host path from a UTF-8 text, and back.
HostPath HostPathFromUtf8(const std::string& utf8);
std::string Utf8FromHostPath(const HostPath& path);

// Whether standard error is a terminal (for a progress display).
bool StandardErrorIsTerminal();

}  // namespace ostrevan::platform
