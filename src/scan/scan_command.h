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

// The usage text of both modes.
std::string ScanUsage();

// Runs the scan; progress goes to `progress` when given. Prints the five class counts and the
// number of undocumented programs on `out`. Returns the exit status: 0 when both result files
// were written, 1 when they could not be (with the reason on `err`). With `state`, the scan
// runs on it and leaves its results there (for the report of that scan).
int RunScanCommand(const ScanOptions& options, VersionSource& versions, std::ostream& out,
                   std::ostream& err, std::ostream* progress, RunState* state = nullptr);

// Asks a running scan to stop at its next chance (safe from a signal handler); the results
// gathered so far are saved.
void RequestScanStop();

}  // namespace ostrevan
