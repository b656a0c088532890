#include "platform/drive_map.h"

namespace ostrevan::platform {

// This host has no drive letters of its own; drives exist only where they are mapped.
std::vector<char> MachineDriveLetters() { return {}; }

}  // namespace ostrevan::platform
