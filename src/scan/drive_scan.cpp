#include "scan/drive_scan.h"

#include <algorithm>
#include <new>
#include <string_view>

#include "rules/string_matcher.h"
#include "platform/dir_listing.h"
#include "platform/text.h"
#include "platform/vb_error.h"
#include "scan/progress.h"

namespace ostrevan {
namespace {

using platform::DirEntry;
using platform::EntryKind;
using platform::ListProgramsAndAll;

constexpr const char* kOsFileStatus = "Operating System File Found, Already Checked";
constexpr const char* kOsCompany = "Microsoft Corporation";

bool IsOsProductName(const std::string& product_name) {
    std::string no_company;
    const std::string n = StripName(product_name, no_company);
    return n == "Microsoft Windows Operating System" || n == "Microsoft Windows NT Operating System" ||
           n == "Microsoft Windows";
}

}  // namespace

// The working values of one program file.
struct DriveScan::Program {
    const ScanDirectory* dir = nullptr;
    std::string name;  // the file name as stored
    std::string product_name, company_name, product_version;
    std::string company;  // the company as read, rewritten by the merge searches
    // The decision's outputs; every program starts with them empty, so a program without a
    // fitting record never takes over the previous program's instructions.
    std::string strCompliant, strInstructions, strVB, strVE;
};

void DescribeOs(const platform::OsIdentity& id, std::string& name, std::string& version,
                std::string& windows_directory) {
    name.clear();
    version.clear();
    if (id.version_known) {
        if (id.platform_id == 1) name = "Microsoft Windows Operating System";
        else if (id.platform_id == 2) name = "Microsoft Windows NT Operating System";
        version = text::Decimal(id.major) + "." + text::Decimal(id.minor);
    }
    windows_directory = text::Trim(id.windows_directory);
}

std::string OsMatchVersion(const platform::OsIdentity& id) {
    if (!id.version_known) return "";
    std::string v = text::Decimal(id.major) + "." + text::Decimal(id.minor);
    if (id.build != 0) v += "." + text::Decimal(id.build);
    return v;
}

DriveScan::DriveScan(RunState& state, ScanPage& page, VersionSource& versions,
                     std::function<void()> yield)
    : st_(state),
      page_(page),
      yield_(std::move(yield)),
      version_(versions),
      main_(state.cFiles, FileListIndex::Kind::kMain),
      junk_(state.cJunkFiles, FileListIndex::Kind::kJunk) {}

void DriveScan::Yield() {
    if (yield_) yield_();
}

void DriveScan::ShowDecision(const ComplianceDisplay& shown) {
    if (shown.line != IndicatorLine::None) page_.SetLineVisible(shown.line, true);
    if (shown.flash) page_.SetFlashColour(*shown.flash);
    page_.SetStatus(shown.status);
}

void DriveScan::ShowCounters() {
    for (ReadinessCounter c : kPageCounters) page_.SetCounter(c, text::Decimal(*CounterOf(st_, c)));
}

void DriveScan::ResetAnimation() {
    for (IndicatorLine l : kPageLines) page_.SetLineVisible(l, false);
    page_.SetFlashColour(page_.BackgroundColour());
}

void DriveScan::CheckOperatingSystem(const platform::OsIdentity& id) {
    os_ = OsCheckOutcome{};
    DescribeOs(id, os_.name, os_.version, os_.windows_directory);
    page_.SetFileLabel("Operating System Check");
    std::string company = kOsCompany, exe, name = os_.name;
    std::string strCompliant, strInstructions, strVB, strVE;
    std::string matchVersion = OsMatchVersion(id);
    ShowDecision(CheckCompliance(st_, company, exe, name, matchVersion, strCompliant, strInstructions,
                                 strVB, strVE));
    try {
        st_.cFiles.Add(strInstructions, kOsCompany, "Operating System", os_.name, os_.version,
                       os_.version, text::ToInt16(strCompliant), os_.windows_directory, strVB, strVE);
    } catch (const VbError&) {
        // A code that does not fit a record: the record is not added, the check goes on.
    }
    for (size_t i = 0; i < kPageRows; ++i) os_.amounts[i] = *CounterOf(st_, kPageCounters[i]);
    try {
        os_.code = static_cast<int32_t>(text::NumericValue(strCompliant).value_or(0));
    } catch (...) {
        os_.code = 0;
    }
}

// The walk keeps the directories still to visit in a list of its own instead of recursing, so a
// tree thousands of levels deep cannot exhaust the stack; the order is that of a depth-first
// walk, each directory's own files before its subdirectories.
// Each directory is read once per walk: its programs and its subdirectories come from the same
// reading. A listing that fails (a directory that cannot be read, a drive without a medium)
// lists nothing: the walk goes on with the next step.
void DriveScan::WalkTree(const ScanDirectory& top,
                         const std::function<void(const ScanDirectory&, const std::vector<DirEntry>&)>& visit) {
    std::vector<std::vector<ScanDirectory>> pending;  // per level, the subdirectories left, last first
    unlisted_.clear();
    auto enter = [&](const ScanDirectory& dir) {
        const auto listing = ListProgramsAndAll(dir.host, dir.parent);
        if (!listing.listed && !pending.empty()) unlisted_.push_back(dir.path);
        {
            // Its programs are read from the folder listed, whatever is put in its place.
            const platform::FolderAnchor anchor(listing.folder);
            visit(dir, listing.programs);
        }
        std::vector<ScanDirectory> subdirs;
        for (const DirEntry& e : listing.all) {
            if (st_.IsAborting) return;
            if (e.name != "." && e.name != ".." && e.kind == EntryKind::kDirectory)
                subdirs.push_back({dir.path + "\\" + e.name, e.host, listing.key});
            Yield();
        }
        std::reverse(subdirs.begin(), subdirs.end());
        pending.push_back(std::move(subdirs));
    };
    if (st_.IsAborting) return;
    enter(top);
    while (!pending.empty() && !st_.IsAborting) {
        if (pending.back().empty()) {
            pending.pop_back();
            continue;
        }
        const ScanDirectory dir = std::move(pending.back().back());
        pending.back().pop_back();
        enter(dir);
    }
}

void DriveScan::GetNumFiles(const ScanDirectory& top) {
    WalkTree(top, [&](const ScanDirectory&, const std::vector<DirEntry>& programs) {
        st_.lngNumFiles += static_cast<int32_t>(programs.size());
    });
}

void DriveScan::CheckDirectory(const ScanDirectory& top) {
    WalkTree(top, [&](const ScanDirectory& dir, const std::vector<DirEntry>& programs) {
        for (const DirEntry& e : programs) {
            if (st_.IsAborting) return;
            ResetAnimation();
            const std::string upper = text::Upper(e.name);
            if (!upper.ends_with("EXE") || upper == "REGSVR32.EXE") continue;
            try {
                ExamineProgram(dir, e.name, e.host);
            } catch (const VbError&) {
                // A step that fails on this program (a normalisation or a decision passing an
                // error on) ends its examination; the walk goes on with the next name.
            } catch (const std::bad_alloc&) {
                // So does running out of memory on it: one program never ends the scan.
            }
        }
    });
}

void DriveScan::ExamineProgram(const ScanDirectory& dir, const std::string& name,
                               const platform::HostPath& host) {
    ++st_.lngFileCounter;
    if (auto progress = ProgressText(st_.lngFileCounter, st_.lngNumFiles)) page_.SetProgress(*progress);

    Program p;
    p.dir = &dir;
    p.name = name;
    version_.LoadVersionBlock(host);
    p.product_name = version_.GetInfoString("ProductName");
    p.company_name = version_.GetInfoString("CompanyName");
    p.product_version = version_.GetInfoString("ProductVersion");
    p.company = p.company_name;

    if (p.product_name == "None" && p.product_version == "None" && p.company_name == "None") {
        JunkStore(p);
        return;
    }
    const std::string path = dir.path + "\\" + name;
    if (IsOsProductName(p.product_name)) {
        OperatingSystemFile(path, host);
        return;
    }
    std::string exe;
    ShowDecision(CheckCompliance(st_, p.company_name, exe, p.product_name, p.product_version,
                                 p.strCompliant, p.strInstructions, p.strVB, p.strVE));
    page_.SetFileLabel(path);
    ShowCounters();
    page_.ClearIcon();
    page_.DrawIcon(host);
    Yield();
    if (text::Upper(p.company) == "NONE") JunkStore(p);
    else MainStore(p);
}

void DriveScan::OperatingSystemFile(const std::string& path, const platform::HostPath& host) {
    page_.SetFileLabel(path);
    page_.SetStatus(kOsFileStatus);
    for (size_t i = 0; i < kPageRows; ++i) *CounterOf(st_, kPageCounters[i]) += os_.amounts[i];
    ShowCounters();
    const ReadinessClass* cls = FindReadiness(os_.code);
    if (os_.code == 0) {
        page_.SetFlashColour(kBlack);
    } else if (cls && cls->line != IndicatorLine::None) {
        page_.SetLineVisible(cls->line, true);
        page_.SetFlashColour(LineColour(cls->line));
    } else {
        page_.SetStatus("");
    }
    page_.ClearIcon();
    page_.DrawIcon(host);
    Yield();
}

void DriveScan::MainStore(Program& p) {
    std::string& version = p.product_version;
    if (p.strCompliant == "0") {
        if (clsFile* rec = main_.FindUnknownProduct(p.product_name, p.company)) {
            if (!AlreadyMerged(*rec, p.strVB)) {
                rec->VersBegin = rec->VersBegin + " , " + p.strVB;
                rec->VersEnd = rec->VersEnd + " , " + p.strVE;
            }
            return;
        }
    } else if (clsFile* rec = main_.FindDecided(p.product_name, p.company, p.strVB, p.strVE)) {
        if (rec->VersBegin == version && rec->VersEnd == version) return;
        if (p.strVB == "NOLIMITS" && p.strVE == "NOLIMITS") {
            if (AlreadyMerged(*rec, version)) return;
            if (rec->VersBegin == rec->VersEnd) {
                rec->VersBegin += " , " + version;
                rec->VersEnd += " , " + version;
            } else {
                rec->VersBegin = rec->VersBegin + " - " + rec->VersEnd + " , " + version;
                rec->VersEnd = rec->VersBegin;
            }
            return;
        }
        std::string end = rec->VersEnd;
        if (VersionNumberCompare(version, end) == "GREATER") rec->VersEnd = version;
        std::string begin = rec->VersBegin;
        if (VersionNumberCompare(version, begin) == "LESS") rec->VersBegin = version;
        return;
    }
    if (p.product_name == "None") p.product_name = p.name;
    const std::string description = version_.GetInfoString("FileDescription");
    try {
        main_.Add(p.strInstructions, p.company, description, p.product_name, version, version,
                  text::ToInt16(p.strCompliant), p.dir->path, p.strVB, p.strVE);
    } catch (const VbError&) {
        // A code that does not fit a record, or a full list: nothing is added, and counted.
        NotRecorded();
    }
}

void DriveScan::NotRecorded() {
    ++st_.lngNotRecorded;
    page_.SetStatus(NotRecordedMessage(st_.lngNotRecorded));
}

// The versions of a record are kept in a set beside it, filled from its text the first time,
// so that merging many copies of one product costs one look-up each instead of a search
// through the ever longer " , " list.
bool DriveScan::AlreadyMerged(const clsFile& rec, const std::string& version) {
    if (version.empty()) return true;
    auto [it, fresh] = merged_.try_emplace(&rec);
    std::unordered_set<std::string>& seen = it->second;
    if (fresh) {
        std::string_view rest = rec.VersBegin;
        while (!rest.empty()) {
            const size_t comma = rest.find(" , "), dash = rest.find(" - ");
            const size_t cut = std::min(comma, dash);
            seen.insert(text::Upper(std::string(rest.substr(0, cut))));
            rest = cut == std::string_view::npos ? std::string_view() : rest.substr(cut + 3);
        }
    }
    return !seen.insert(text::Upper(version)).second;
}

void DriveScan::JunkStore(Program& p) {
    if (junk_.FindJunk(p.product_name, p.product_version, p.company)) return;
    p.product_name = p.name;
    const std::string comments = version_.GetInfoString("Comments");
    const std::string description = version_.GetInfoString("FileDescription");
    try {
        junk_.Add(comments, p.company, description, p.name, p.product_version, p.product_version, 1,
                  p.dir->path, "", "");
    } catch (const VbError&) {
        // A full list: nothing is added, and counted.
        NotRecorded();
    }
}

}  // namespace ostrevan
