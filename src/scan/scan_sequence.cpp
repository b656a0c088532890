#include "scan/scan_sequence.h"

#include <new>

#include "platform/file_access.h"
#include "platform/file_write.h"
#include "platform/text.h"

namespace ostrevan {
namespace {

// Both result files are replaced together: when either cannot be written, both old ones stay.
std::string SaveResults(const RunState& st, const platform::HostPath& dir) {
    if (!platform::IsDirectory(dir)) return "The folder does not exist.";
    const std::string files = st.cFiles.SavedBytes(), junk = st.cJunkFiles.SavedBytes();
    return platform::WriteFilesTogether({{dir / kFilesFileName, files}, {dir / kJunkFilesFileName, junk}});
}

}  // namespace

const char* const kOutOfMemory = "There was not enough memory.";

ScanResult SaveScanResults(const RunState& st, const platform::HostPath& results_dir) {
    ScanResult r;
    try {
        r.files_error = r.junk_files_error = SaveResults(st, results_dir);
    } catch (const std::bad_alloc&) {
        // Both files are put together before either is written: the old ones stay whole.
        r.files_error = r.junk_files_error = kOutOfMemory;
    }
    return r;
}

void ResetScan(RunState& st, ScanPage& page) {
    ResetCounters(st);
    for (ReadinessCounter c : kPageCounters) page.SetCounter(c, "0");
    for (IndicatorLine l : kPageLines) page.SetLineVisible(l, false);
    page.SetFlashColour(page.BackgroundColour());
    st.cFiles.Clear();
    st.cJunkFiles.Clear();
    st.IsAborting = false;
    st.lngNumFiles = 0;
    st.lngFileCounter = 0;
}

ScanResult RunScanSequence(RunState& st, DriveScan& scan, ScanPage& page, const std::string& drive,
                           const platform::HostPath& root, const platform::OsIdentity& os,
                           const platform::HostPath& results_dir) {
    ResetScan(st, page);
    return ScanAndSave(st, scan, drive, &root, os, results_dir);
}

std::string UnlistedFoldersMessage(const std::vector<std::string>& folders) {
    constexpr size_t kNamed = 5;
    std::string text = "The scan is incomplete: " + std::to_string(folders.size()) +
                       (folders.size() == 1 ? " folder could not be read, and the programs in it are"
                                            : " folders could not be read, and the programs in them are") +
                       " missing from the results (";
    for (size_t i = 0; i < folders.size() && i < kNamed; ++i) text += (i ? ", " : "") + folders[i];
    if (folders.size() > kNamed) text += " and " + std::to_string(folders.size() - kNamed) + " more";
    return text + ").";
}

ScanResult ScanAndSave(RunState& st, DriveScan& scan, const std::string& drive, const platform::HostPath* root,
                       const platform::OsIdentity& os, const platform::HostPath& results_dir) {
    ScanResult r;
    try {
        scan.CheckOperatingSystem(os);
        if (root) {
            const ScanDirectory top{drive.substr(0, 2), *root, {}};
            scan.GetNumFiles(top);
            scan.CheckDirectory(top);
        }
    } catch (const std::bad_alloc&) {
        // What was found is incomplete and may not even fit in memory to be written: the
        // previous results are kept instead.
        r.walk_error = "there was not enough memory to finish it";
        r.files_error = r.junk_files_error = kOutOfMemory;
        return r;
    } catch (const std::exception& e) {
        r.walk_error = e.what()[0] ? e.what() : "unexpected error";
    } catch (...) {
        r.walk_error = "unexpected error";
    }
    r.unlisted_folders = scan.unlisted_folders();
    const ScanResult saved = SaveScanResults(st, results_dir);
    r.files_error = saved.files_error;
    r.junk_files_error = saved.junk_files_error;
    return r;
}

}  // namespace ostrevan
