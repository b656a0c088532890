#pragma once
// The drive scan: counting the program files of a drive, examining each of them, and the
// operating-system check that comes first. Works on the run state, shows its progress on a
// scanning page and yields to the event loop between programs so that Abort can be pressed.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>
#include <unordered_set>

#include "match/compliance.h"
#include "match/run_state.h"
#include "platform/dir_listing.h"
#include "platform/host_path.h"
#include "platform/os_identity.h"
#include "scan/merge_index.h"
#include "scan/scan_page.h"
#include "scan/version_source.h"

namespace ostrevan {

// A directory of the scanned drive: its Windows path as stored ("C:", "C:\DOS") and the host
// path it is read through.
struct ScanDirectory {
    std::string path;
    platform::HostPath host;
    platform::FolderKey parent;  // the folder it was listed in; none for the top
};

// What the operating-system check leaves for the walk.
struct OsCheckOutcome {
    std::string name;                    // "Microsoft Windows Operating System", ... or ""
    std::string version;                 // "4.10", or "" when the query failed
    std::string windows_directory;       // trimmed
    std::array<int32_t, kPageRows> amounts{};    // what the check added to each class counter
    int32_t code = 0;                    // the operating system's readiness code
};

// Name and version text of the running system, from the platform's answer.
void DescribeOs(const platform::OsIdentity& id, std::string& name, std::string& version,
                std::string& windows_directory);

// The version the operating-system check hands to the matcher: the version text with the build
// number when the system gives one ("4.10.2222"), so that the knowledge base can tell releases
// of one version apart (Windows 98 and its Second Edition). The system's record keeps the version
// text without it.
std::string OsMatchVersion(const platform::OsIdentity& id);

class DriveScan {
public:
    DriveScan(RunState& state, ScanPage& page, VersionSource& versions, std::function<void()> yield);

    // Decides the operating system's readiness, records it first in cFiles and remembers the
    // outcome for the operating-system files of the walk.
    void CheckOperatingSystem(const platform::OsIdentity& id);
    // Adds to lngNumFiles the number of program files in the tree below dir. Stops counting
    // once IsAborting is set.
    void GetNumFiles(const ScanDirectory& dir);
    // Examines every program file in the tree below dir. Returns early once IsAborting is set.
    void CheckDirectory(const ScanDirectory& dir);
    // The folders below the top that the last walk could not list (no permission, gone while
    // the walk went on), as the scan names them ("C:\\PRIVATE"): their programs are missing.
    const std::vector<std::string>& unlisted_folders() const { return unlisted_; }

    const OsCheckOutcome& os_outcome() const { return os_; }
    FileListIndex& main_index() { return main_; }

private:
    struct Program;
    void WalkTree(const ScanDirectory& top,
                  const std::function<void(const ScanDirectory&, const std::vector<platform::DirEntry>&)>& visit);
    void ExamineProgram(const ScanDirectory& dir, const std::string& name, const platform::HostPath& host);
    void OperatingSystemFile(const std::string& path, const platform::HostPath& host);
    void MainStore(Program& p);
    void JunkStore(Program& p);
    // Counts a program that a full list could not take, and says so on the page.
    void NotRecorded();
    // Whether `version` is one of the versions merged into rec; remembers it when it is not.
    bool AlreadyMerged(const clsFile& rec, const std::string& version);
    void ShowDecision(const ComplianceDisplay& shown);
    void ShowCounters();
    void ResetAnimation();
    void Yield();

    RunState& st_;
    ScanPage& page_;
    std::function<void()> yield_;
    VersionSource& version_;
    OsCheckOutcome os_;
    FileListIndex main_;
    FileListIndex junk_;
    std::unordered_map<const clsFile*, std::unordered_set<std::string>> merged_;
    std::vector<std::string> unlisted_;
};

}  // namespace ostrevan
