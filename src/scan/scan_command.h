#pragma once
// The headless scanner's scan mode:
//   ostrevan-scan [--data DIR] [--results DIR] [--map X:=DIR]... [--os SPEC] [--quiet] DRIVE
// It runs one scan exactly as the wizard does and writes Files.y2k and JFiles.y2k.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "match/run_state.h"
#include "platform/drive_map.h"
#include "platform/host_path.h"
#include "platform/os_identity.h"
#include "scan/version_source.h"

namespace ostrevan {

struct ScanOptions {
    std::optional<platform::HostPath> data_dir;     // default: the program's directory
    std::optional<platform::HostPath> results_dir;  // default: the data directory
    platform::DriveMap drives;
    std::optional<platform::OsIdentity> os;         // default: the platform's answer
    bool os_from_drive = false;                     // --os drive: the Windows on the drive
    std::string drive;                              // "C:"
    bool quiet = false;
    bool help = false;
};

// The options of the scan mode from the arguments after the program name (UTF-8). On a bad
// option, a missing or unknown drive: nullopt, and `error` says why.
std::optional<ScanOptions> ParseScanOptions(const std::vector<std::string>& args, std::string& error);

// "none" or "FAMILY,MAJOR,MINOR,WINDIR" ("1,4,10,C:\WINDOWS"); nullopt when malformed.
std::optional<platform::OsIdentity> ParseOsSpec(const std::string& spec);

// A name as it may be shown on a terminal: control characters (which could move the cursor or
// start an escape sequence) are shown as \xNN.
std::string VisibleName(const std::string& name);

// Text of the host (UTF-8: paths as given, folder names) as it may be shown on a terminal: its
// characters as they are, but control characters (C0, DEL and the C1 range) and bytes that are
// no UTF-8 shown as \xNN, byte by byte.
std::string VisibleText(const std::string& text);

// The usage text of both modes.
std::string ScanUsage();

// The exit status of a scan stopped by Ctrl-C (the shells' status for a program ended by it).
inline constexpr int kStoppedStatus = 130;
// Folders of the drive could not be read: the results were saved without their programs.
inline constexpr int kIncompleteStatus = 3;

// Runs the scan; progress goes to `progress` when given. Prints the five class counts and the
// number of undocumented programs on `out` (and of programs that could not be recorded, when
// any). Returns the exit status: 0 when both result files were written, kStoppedStatus when
// they were but the scan had been stopped, 1 when the drive could not be read, the result
// files could not be written (with the reason on `err`; the old ones stay) or `out` failed.
// With `state`, the scan runs on it and leaves its results there (for the report of that scan).
int RunScanCommand(const ScanOptions& options, VersionSource& versions, std::ostream& out,
                   std::ostream& err, std::ostream* progress, RunState* state = nullptr);

// Asks a running scan to stop at its next chance (safe from a signal handler); the results
// gathered so far are saved. Returns whether a stop had been asked for already.
bool RequestScanStop();

}  // namespace ostrevan
