#pragma once
// Which operating system runs, as the operating-system check needs it.
#include <cstdint>
#include <string>

namespace ostrevan::platform {

struct OsIdentity {
    bool version_known = false;  // the version query succeeded
    uint32_t platform_id = 0;    // 1 the Windows 95/98 family, 2 the NT family
    uint32_t major = 0;
    uint32_t minor = 0;
    std::string windows_directory;  // as the platform gives it; empty when unknown
    uint32_t build = 0;  // the build number (Windows 95/98 keep it in the low word); 0 unknown
};

// The running system's identity. Off Windows the version query fails (version_known false,
// empty directory): the system is not one the checker can judge.
OsIdentity QueryOsIdentity();

}  // namespace ostrevan::platform
