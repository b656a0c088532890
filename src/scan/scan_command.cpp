#include "scan/scan_command.h"

#include <atomic>
#include <chrono>
#include <filesystem>

#include "match/run_state.h"
#include "platform/file_access.h"
#include "platform/program_files.h"
#include "platform/command_line.h"
#include "platform/dir_listing.h"
#include "platform/text.h"
#include "scan/drive_scan.h"
#include "scan/drive_windows.h"
#include "scan/scan_page.h"
#include "scan/scan_sequence.h"

namespace ostrevan {
namespace {

namespace fs = std::filesystem;

std::atomic<bool> g_stop{false};

bool ParseNumber(const std::string& s, uint32_t& v) {
    if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string::npos) return false;
    v = static_cast<uint32_t>(std::stoul(s));
    return true;
}

// A terminal line: a bar, the percentage and the current file.
class ProgressLine {
public:
    explicit ProgressLine(std::ostream& os) : os_(os) {}
    void Show(const ScanView& v) {
        int percent = 0;
        try {
            percent = std::stoi(v.progress);
        } catch (...) {
        }
        const int filled = std::clamp(percent, 0, 100) * 20 / 100;
        std::string file = VisibleName(v.file);
        if (file.size() > 48) file = "..." + file.substr(file.size() - 45);
        os_ << "\r[" << std::string(static_cast<size_t>(filled), '#')
            << std::string(static_cast<size_t>(20 - filled), ' ') << "] " << percent << "% " << file
            << "\x1b[K" << std::flush;
    }
    void Finish() { os_ << "\r\x1b[K" << std::flush; }

private:
    std::ostream& os_;
};

}  // namespace

std::string VisibleText(const std::string& text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        // The length of a well-formed UTF-8 sequence starting here, 0 when there is none.
        size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        uint32_t cp = n == 1 ? c : n == 2 ? c & 0x1Fu : n == 3 ? c & 0x0Fu : c & 0x07u;
        for (size_t k = 1; k < n; ++k) {
            const auto d = i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
            if ((d & 0xC0) != 0x80) {
                n = 0;
                break;
            }
            cp = cp << 6 | (d & 0x3Fu);
        }
        const bool overlong = (n == 2 && cp < 0x80) || (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000);
        const bool control = cp < 0x20 || (cp >= 0x7F && cp < 0xA0);
        if (n == 0 || overlong || control || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) {
            shown += "\\x";
            shown += kHex[c >> 4];
            shown += kHex[c & 0xF];
            ++i;
            continue;
        }
        shown.append(text, i, n);
        i += n;
    }
    return shown;
}

std::string VisibleName(const std::string& name) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (const char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)) {
            shown += "\\x";
            shown += kHex[c >> 4];
            shown += kHex[c & 0xF];
        } else {
            shown += ch;
        }
    }
    return shown;
}

bool RequestScanStop() { return g_stop.exchange(true); }

std::optional<platform::OsIdentity> ParseOsSpec(const std::string& spec) {
    if (spec == "none") return platform::OsIdentity{};
    // The directory is the rest after the third comma and may hold commas itself.
    size_t c1 = spec.find(','), c2 = c1 == std::string::npos ? c1 : spec.find(',', c1 + 1);
    size_t c3 = c2 == std::string::npos ? c2 : spec.find(',', c2 + 1);
    if (c3 == std::string::npos) return std::nullopt;
    platform::OsIdentity id;
    id.version_known = true;
    if (!ParseNumber(spec.substr(0, c1), id.platform_id) ||
        !ParseNumber(spec.substr(c1 + 1, c2 - c1 - 1), id.major) ||
        !ParseNumber(spec.substr(c2 + 1, c3 - c2 - 1), id.minor))
        return std::nullopt;
    id.windows_directory = platform::StoredName(platform::HostPathFromUtf8(spec.substr(c3 + 1)).native());
    return id;
}

std::string ScanUsage() {
    return "usage: ostrevan-scan [--data DIR] [--results DIR] [--map X:=DIR]... [--os SPEC] [--report FILE]\n"
           "                     [--quiet] DRIVE\n"
           "       ostrevan-scan --version-info FILE...\n"
           "       ostrevan-scan --fleet OUT DIR...\n"
           "\n"
           "Scans every program file of DRIVE for its Year 2000 readiness, exactly as the wizard\n"
           "does, and writes Files.y2k and JFiles.y2k.\n"
           "\n"
           "  DRIVE            a drive letter and colon (\"C:\"), or a directory, which is then\n"
           "                   scanned as drive C:\n"
           "  --data DIR       where Vendors.y2k and APPS.y2k are read (default: the directory\n"
           "                   of this program)\n"
           "  --results DIR    where Files.y2k and JFiles.y2k are written (default: the data\n"
           "                   directory)\n"
           "  --map X:=DIR     the drive letter X: stands for the directory DIR\n"
           "  --os SPEC        the operating system to judge: \"none\" (unknown), \"drive\" (the\n"
           "                   Windows installed on DRIVE, recognised from the version of its\n"
           "                   kernel file; BOOT.INI or MSDOS.SYS pick one of several), or\n"
           "                   FAMILY,MAJOR,MINOR,WINDIR with family 1 (Windows 95/98) or 2 (NT),\n"
           "                   e.g. 1,4,10,C:\\WINDOWS (default: the running system)\n"
           "  --report FILE    after the scan, also save the summary report as an RTF document\n"
           "                   (with the class colours, as the report page's Save... does)\n"
           "  --quiet          no progress display\n"
           "  --version-info   prints the version fields of each FILE\n"
           "\n"
           "At the end the five readiness classes and the number of undocumented programs are\n"
           "printed, and the number of programs that could not be recorded when there were\n"
           "more than the result files hold. Ctrl-C stops the scan and saves what was found so\n"
           "far; a second Ctrl-C ends the program at once, saving nothing.\n"
           "Exit status: 0 done, 1 the drive could not be read, the result files (or the\n"
           "report) could not be written or memory ran out (the previous results then stay\n"
           "as they were), 2 bad usage, 3 the scan is incomplete (folders that could not be\n"
           "read are named; their programs are missing), 130 stopped by Ctrl-C.\n"
           "Example, a disk of another PC judged by its own Windows:\n"
           "  ostrevan-scan --map C:=/mnt/disk --os drive C:\n";
}

std::optional<ScanOptions> ParseScanOptions(const std::vector<std::string>& args, std::string& error) {
    ScanOptions o;
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& v) {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            v = args[++i];
            return true;
        };
        std::string v;
        if (a == "--help" || a == "-h") {
            o.help = true;
            return o;
        } else if (a == "--quiet" || a == "-q") {
            o.quiet = true;
        } else if (a == "--data") {
            if (!value(v)) return std::nullopt;
            o.data_dir = platform::HostPathFromUtf8(v);
        } else if (a == "--results") {
            if (!value(v)) return std::nullopt;
            o.results_dir = platform::HostPathFromUtf8(v);
        } else if (a == "--map") {
            if (!value(v)) return std::nullopt;
            const auto letter = platform::DriveDesignator(v.substr(0, 2));
            if (v.size() < 4 || !letter || v[2] != '=') {
                error = "--map wants X:=DIR, not \"" + v + "\"";
                return std::nullopt;
            }
            o.drives.Map((*letter)[0], platform::HostPathFromUtf8(v.substr(3)));
        } else if (a == "--os") {
            if (!value(v)) return std::nullopt;
            o.os_from_drive = v == "drive";
            o.os = o.os_from_drive ? platform::OsIdentity{} : ParseOsSpec(v);
            if (!o.os) {
                error = "--os wants \"none\", \"drive\" or FAMILY,MAJOR,MINOR,WINDIR, not \"" + v + "\"";
                return std::nullopt;
            }
        } else if (a == "--report") {
            if (!value(v)) return std::nullopt;
            error = "--report is not available yet: this version cannot write the report";
            return std::nullopt;
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            error = "unknown option " + a;
            return std::nullopt;
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 1) {
        error = positional.empty() ? "no drive given" : "more than one drive given";
        return std::nullopt;
    }
    const std::string& drive = positional[0];
    if (auto letter = platform::DriveDesignator(drive)) {
        o.drive = *letter;
        if (!o.drives.Root(o.drive)) {
            error = "drive " + o.drive + " does not exist (map it with --map " + o.drive + "=DIR)";
            return std::nullopt;
        }
    } else {
        o.drive = "C:";
        o.drives.Map('C', platform::HostPathFromUtf8(drive));
    }
    if (!platform::IsDirectory(*o.drives.Root(o.drive))) {
        error = "drive " + o.drive + " (" + platform::Utf8FromHostPath(*o.drives.Root(o.drive)) + ") is not a directory that can be read";
        return std::nullopt;
    }
    return o;
}

int RunScanCommand(const ScanOptions& options, VersionSource& versions, std::ostream& out,
                   std::ostream& err, std::ostream* progress, RunState* state) {
    const platform::HostPath data = options.data_dir.value_or(platform::ProgramDirectory());
    const platform::HostPath results = options.results_dir.value_or(data);
    if (!platform::IsDirectory(results)) {
        err << "ostrevan-scan: the results directory " << VisibleText(platform::Utf8FromHostPath(results)) << " does not exist\n";
        return 1;
    }
    // A drive whose root cannot be listed is an error, and the previous results stay.
    const platform::HostPath root = *options.drives.Root(options.drive);
    try {
        platform::ListDirectory(root, platform::ListPattern::kAll);
    } catch (const std::exception&) {
        err << "ostrevan-scan: drive " << options.drive << " (" << VisibleText(platform::Utf8FromHostPath(root))
            << ") cannot be read; the previous results were left as they were\n";
        return 1;
    }

    RunState own;
    RunState& st = state ? *state : own;
    // A Ctrl-C that comes while the knowledge base loads stops this run; it does not outlive it.
    struct ForgetStop {
        ~ForgetStop() { g_stop = false; }
    } forget;
    for (const std::string& problem : StartRunState(st, data))
        err << "ostrevan-scan: warning: " << VisibleText(problem) << "\n";
    // The progress line is drawn again at most 20 times a second.
    std::optional<ProgressLine> line;
    if (progress && !options.quiet) line.emplace(*progress);
    ScanPage page(Rgb{192, 192, 192}, line ? ScanRenderer([&](const ScanView& v, const ScanView*) { line->Show(v); }) : nullptr,
                  std::chrono::milliseconds(50));
    DriveScan scan(st, page, versions, [&] {
        if (g_stop) st.IsAborting = true;
    });
    platform::OsIdentity os = options.os.value_or(platform::QueryOsIdentity());
    if (options.os_from_drive) {
        const DriveWindowsSearch search = FindDriveWindows(options.drive, root);
        for (const std::string& note : search.notes) err << "ostrevan-scan: " << VisibleText(note) << "\n";
        if (search.found) {
            os = search.found->identity;
            err << "ostrevan-scan: judging " << (search.found->release.empty() ? "Windows" : search.found->release)
                << (search.found->version.empty() ? "" : " " + search.found->version) << " in "
                << VisibleText(os.windows_directory) << "\n";
        } else {
            err << "ostrevan-scan: going on without an operating system, as with --os none\n";
        }
    }
    const ScanResult r = RunScanSequence(st, scan, page, options.drive, root, os, results);
    if (line) line->Finish();
    if (!r.walk_error.empty()) err << "ostrevan-scan: the scan ended early: " << VisibleText(r.walk_error) << "\n";
    for (const std::string& folder : r.unlisted_folders)
        err << "ostrevan-scan: warning: " << VisibleText(folder) << " could not be read; its programs are left out\n";
    if (!r.unlisted_folders.empty()) err << "ostrevan-scan: " << VisibleText(UnlistedFoldersMessage(r.unlisted_folders)) << "\n";
    if (st.IsAborting)
        err << "ostrevan-scan: stopped by Ctrl-C; " << (r.ok() ? "the results so far were saved\n" : "nothing was saved\n");
    for (const LegendRow& row : kLegend) out << row.title << ": " << *CounterOf(st, row.counter) << "\n";
    out << "Undocumented programs: " << st.cJunkFiles.Count() << "\n";
    if (st.lngNotRecorded > 0) {
        out << "Programs not recorded: " << st.lngNotRecorded << "\n";
        err << "ostrevan-scan: warning: " << NotRecordedMessage(st.lngNotRecorded) << "\n";
    }
    out.flush();
    if (!r.ok())
        err << "ostrevan-scan: cannot write the results (" << kFilesFileName << " and " << kJunkFilesFileName
            << ") into " << platform::Utf8FromHostPath(results) << ": " << r.files_error
            << " The previous results were left as they were.\n";
    if (!out) {
        err << "ostrevan-scan: the counts could not be written to the standard output\n";
        return 1;
    }
    if (!r.ok()) return 1;
    if (st.IsAborting) return kStoppedStatus;
    return r.unlisted_folders.empty() ? 0 : kIncompleteStatus;
}

}  // namespace ostrevan
