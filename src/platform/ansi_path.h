#pragma once
// A path the platform's 8-bit file functions can open.
#include <string>

#include "platform/host_path.h"

namespace ostrevan::platform {

// The host path as 8-bit text that opens the same file. On Windows a long name that the ANSI
// code page cannot spell, or a path of MAX_PATH characters or more, is replaced by the file
// system's short (8.3) form, which can be opened; where a volume keeps no short names the
// result may not open. Elsewhere the host path unchanged.
std::string AnsiOpenablePath(const HostPath& path);

}  // namespace ostrevan::platform
