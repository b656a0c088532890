#pragma once
// The Windows installed on a drive that is not the running system's (a disk of another PC,
// mounted or attached here), recognised from its own files: the Windows folder, the version
// resource of its kernel file, and the boot files that say which folder starts.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/host_path.h"
#include "platform/os_identity.h"

namespace ostrevan {

// The release a kernel version belongs to ("Windows 98 Second Edition"), or "" when the table
// does not know it. family is 1 (Windows 95/98/ME) or 2 (NT); build 0 when unknown.
std::string WindowsRelease(uint32_t family, uint32_t major, uint32_t minor, uint32_t build);

struct DriveWindows {
    // What the operating-system check of that PC would have been told: the family, major and
    // minor version of its kernel file, and the folder as "C:\WINDOWS" (drive designator of the
    // scan, the folder's name as on the disk). version_known is false when the kernel file has
    // no readable version.
    platform::OsIdentity identity;
    std::string version;  // the kernel's version text ("4.10.2222"), "" when unreadable
    std::string release;  // WindowsRelease of it
};

struct DriveWindowsSearch {
    std::optional<DriveWindows> found;
    std::vector<std::string> notes;  // what the user is told (other folders, why none was found)
};

// Looks for Windows folders in the root of the drive `drive` ("C:"), read through `root`: a
// folder holding WIN.COM and SYSTEM\KERNEL32.DLL (Windows 95/98/ME), or SYSTEM32\NTOSKRNL.EXE
// (NT family); names are matched without regard to case. With several, the default entry of
// BOOT.INI, then the WinDir= of MSDOS.SYS, then the first by name decides.
DriveWindowsSearch FindDriveWindows(const std::string& drive, const platform::HostPath& root);

}  // namespace ostrevan
