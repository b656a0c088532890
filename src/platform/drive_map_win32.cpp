#include <windows.h>

#include "platform/drive_map.h"

namespace ostrevan::platform {

std::vector<char> MachineDriveLetters() {
    std::vector<char> out;
    const DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i)
        if (mask & (1u << i)) out.push_back(static_cast<char>('A' + i));
    return out;
}

}  // namespace ostrevan::platform
