#pragma once
// What the main window is given by the program that starts it: where the program's files are,
// how drive letters reach the disks, the running system and the readers of program files. The
// real program fills it from its own directory; tests fill it with temporary directories.
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "app/scanning_page.h"
#include "platform/drive_map.h"
#include "platform/host_path.h"
#include "platform/os_identity.h"
#include "platform/ui/controls.h"
#include "scan/version_source.h"

namespace ostrevan {

struct AppServices {
    // The directory of the program: data files, help files, result files and 2000.exe.
    platform::HostPath programDir;
    // Drive letters of the drive lists and the host directories behind them.
    platform::DriveMap drives;
    // The running operating system, for the operating-system check of each scan.
    std::function<platform::OsIdentity()> osIdentity = platform::QueryOsIdentity;
    // The version fields of the program files the scan examines.
    std::shared_ptr<VersionSource> versions;
    // The first icon of a program file, or nothing when it has none.
    IconReader firstIcon;
    // How often at most the scanning page is redrawn while a scan runs: every program's name,
    // icon and counters reach the page, the latest of them once per interval, and the last
    // program's at the end. Zero shows every change as it is made.
    std::chrono::milliseconds scanRepaint{0};
};

}  // namespace ostrevan
