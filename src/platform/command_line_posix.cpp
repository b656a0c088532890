#include <unistd.h>

#include "platform/command_line.h"

namespace ostrevan::platform {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

HostPath HostPathFromUtf8(const std::string& utf8) { return HostPath(utf8); }

std::string Utf8FromHostPath(const HostPath& path) { return path.string(); }

bool StandardErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

}  // namespace ostrevan::platform
