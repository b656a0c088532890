#include <windows.h>

#include "platform/os_identity.h"

namespace ostrevan::platform {

OsIdentity QueryOsIdentity() {
    OsIdentity id;
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;  // 148
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (GetVersionExA(&info) == 1) {
#pragma GCC diagnostic pop
        id.version_known = true;
        id.platform_id = info.dwPlatformId;
        id.major = info.dwMajorVersion;
        id.minor = info.dwMinorVersion;
        id.build = info.dwPlatformId == 1 ? (info.dwBuildNumber & 0xFFFF) : info.dwBuildNumber;
    }
    char dir[256] = {0};
    const UINT n = GetWindowsDirectoryA(dir, 255);
    if (n > 0 && n < 255) id.windows_directory.assign(dir, n);
    return id;
}

}  // namespace ostrevan::platform
