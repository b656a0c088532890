#include "scan/scan_sequence.h"

#include <exception>

#include "platform/text.h"

namespace ostrevan {
namespace {

std::string SaveList(const colFiles& list, bool junk, const platform::HostPath& dir) {
    try {
        list.SaveToFile(junk, dir);
        return "";
    } catch (const std::exception& e) {
        return e.what()[0] ? e.what() : "cannot be written";
    }
}

}  // namespace

ScanResult SaveScanResults(const RunState& st, const platform::HostPath& results_dir) {
    ScanResult r;
    r.files_error = SaveList(st.cFiles, false, results_dir);
    r.junk_files_error = SaveList(st.cJunkFiles, true, results_dir);
    return r;
}

ScanResult RunScanSequence(RunState& st, DriveScan& scan, ScanPage& page, const std::string& drive,
                           const platform::HostPath& root, const platform::OsIdentity& os,
                           const platform::HostPath& results_dir) {
    ResetCounters(st);
    for (ReadinessCounter c : kPageCounters) page.SetCounter(c, "0");
    for (IndicatorLine l : kPageLines) page.SetLineVisible(l, false);
    page.SetFlashColour(page.BackgroundColour());
    st.cFiles.Clear();
    st.cJunkFiles.Clear();
    st.IsAborting = false;
    st.lngNumFiles = 0;
    st.lngFileCounter = 0;
    ScanResult r;
    try {
        scan.CheckOperatingSystem(os);
        const ScanDirectory top{drive.substr(0, 2), root};
        scan.GetNumFiles(top);
        scan.CheckDirectory(top);
    } catch (const std::exception& e) {
        r.walk_error = e.what()[0] ? e.what() : "unexpected error";
    } catch (...) {
        r.walk_error = "unexpected error";
    }
    const ScanResult saved = SaveScanResults(st, results_dir);
    r.files_error = saved.files_error;
    r.junk_files_error = saved.junk_files_error;
    return r;
}

}  // namespace ostrevan
