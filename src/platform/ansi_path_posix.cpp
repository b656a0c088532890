#include "platform/ansi_path.h"

namespace ostrevan::platform {

std::string AnsiOpenablePath(const HostPath& path) { return path.string(); }

}  // namespace ostrevan::platform
