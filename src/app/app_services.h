#pragma once
// What the main window is given by the program that starts it: where the program's files are,
// how drive letters reach the disks, and the windows and procedures of the other parts that it
// calls. The real program fills it in WinMain; tests fill it with temporary directories.
#include <functional>
#include <memory>
#include <optional>

#include "app/help_link.h"
#include "app/scanning_page.h"
#include "match/run_state.h"
#include "platform/drive_map.h"
#include "platform/host_path.h"
#include "platform/os_identity.h"
#include "platform/ui/controls.h"
#include "platform/ui/rich_text.h"
#include "platform/ui/toolkit.h"
#include "scan/version_source.h"

namespace ostrevan {

// The report page's procedures, each given the run state and the report control.
struct ReportProcedures {
    // Rebuilds the report from cFiles.
    std::function<void(RunState&, ui::RichText&)> fillReport;
    // The four buttons under the report; a double click on the report runs moreInfo.
    std::function<void(RunState&, ui::RichText&)> print;
    std::function<void(RunState&, ui::RichText&)> moreInfo;
    std::function<void(RunState&, ui::RichText&)> advanced;
    std::function<void(RunState&, ui::RichText&)> save;
};

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
    HelpWindowFactory makeHelp;
    ReportProcedures report;
};

}  // namespace ostrevan
