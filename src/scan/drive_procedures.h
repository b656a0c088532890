#pragma once
// What the drive page and the BIOS page do with the drive chosen in their drive lists. The
// windows call these and display the results; both use only the entry's first two characters
// (drive letter and colon), whatever label follows them in the list.
#include <functional>
#include <string>

#include "platform/drive_map.h"
#include "platform/host_path.h"

namespace ostrevan {

// The five facts the drive page shows, as label texts.
struct DriveFacts {
    std::string volume_label;
    std::string file_system;
    std::string size;        // whole mebibytes, plain decimal
    std::string free_space;  // likewise
    std::string drive_type;  // "" for a type without a name
};

// The facts of the drive of `entry`. A drive that is not ready shows empty texts, sizes 0 and
// its type. A size past 32 bits throws VbError 6 (overflow), which the page's caller handles.
DriveFacts DriveReportFacts(const platform::DriveMap& drives, const std::string& entry);

// Shows a message box: text and title, with a single OK button and no icon.
using MessageBoxFn = std::function<void(const std::string& text, const std::string& title)>;

inline constexpr const char* kUtilityFileName = "2000.exe";

// Copies 2000.exe from the program's directory to the root of the drive of `entry`, replacing
// a file of that name, and tells the user how it went: "YMARK 2000 Copy Completed!" (title
// "Ostrevan") or "Ostrevan was Unable to Copy this File" (title "Copy Error"). Returns whether
// the copy succeeded.
bool CopyUtilityToDrive(const platform::DriveMap& drives, const platform::HostPath& program_dir,
                        const std::string& entry, const MessageBoxFn& show);

}  // namespace ostrevan
