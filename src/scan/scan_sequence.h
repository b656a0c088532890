#pragma once
// One scan from start to saved results, as the Next button of the drive page runs it (without
// the window's own steps: showing the page, the buttons, the pointer and the report).
#include <optional>
#include <string>
#include <vector>

#include "platform/host_path.h"
#include "platform/os_identity.h"
#include "scan/drive_scan.h"

namespace ostrevan {

struct ScanResult {
    // Why a result file could not be written; empty when both were.
    std::string files_error;
    std::string junk_files_error;
    // Why the walk ended before its end (an unexpected failure), empty when it did not; the
    // results gathered until then are saved all the same.
    std::string walk_error;
    // Why the drive itself could not be read (no disk in it, no such drive); empty when it could.
    std::string drive_error;
    // Folders the walk could not list: the scan is incomplete without their programs.
    std::vector<std::string> unlisted_folders;
    bool ok() const { return files_error.empty() && junk_files_error.empty(); }
};

// What the user is told when the walk could not list some folders: that the scan is incomplete,
// how many folders, and the first few of them.
std::string UnlistedFoldersMessage(const std::vector<std::string>& folders);

// Writes Files.y2k and JFiles.y2k of the run into results_dir; the result names what failed.
ScanResult SaveScanResults(const RunState& st, const platform::HostPath& results_dir);

// Resets the counters, the page's counter labels, indicator lines and flash colour, both lists,
// the file counts and the abort flag.
void ResetScan(RunState& st, ScanPage& page);

// After ResetScan: runs the operating-system check, counts the program files below `drive`
// ("C:", read through `root`; nothing to walk when root is null, as for a letter that is no
// drive) and examines them; then writes Files.y2k and JFiles.y2k into results_dir, also after
// an abort or a failure that ended the walk.
ScanResult ScanAndSave(RunState& st, DriveScan& scan, const std::string& drive, const platform::HostPath* root,
                       const platform::OsIdentity& os, const platform::HostPath& results_dir);

// ResetScan, then ScanAndSave.
ScanResult RunScanSequence(RunState& st, DriveScan& scan, ScanPage& page, const std::string& drive,
                           const platform::HostPath& root, const platform::OsIdentity& os,
                           const platform::HostPath& results_dir);

}  // namespace ostrevan
