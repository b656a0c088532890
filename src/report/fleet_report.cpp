#include "report/fleet_report.h"

#include <algorithm>
#include <filesystem>
#include <unordered_map>

#include "kb/file_collection.h"
#include "rules/readiness.h"
#include "rules/string_matcher.h"
#include "platform/file_access.h"
#include "platform/codepage.h"
#include "platform/text.h"
#include "platform/ui/rich_document.h"
#include "platform/vb_error.h"
#include "report/report_format.h"
#include "report/summary_report.h"

namespace ostrevan {
namespace {

namespace fs = std::filesystem;

// The normalised name and vendor of a record, upper-cased, as one key with its class. The
// normalisations rewrite their company argument, so they work on copies.
std::string EntryKey(const clsFile& r) {
    std::string company = r.Vendor, vendor = r.Vendor, name;
    try {
        name = StripName(r.Name, company);
        vendor = StripVendor(vendor);
    } catch (const std::exception&) {
        name = r.Name;  // a name the normaliser fails on is compared as it is
    }
    name = text::Upper(name);
    vendor = text::Upper(vendor);
    return std::to_string(name.size()) + ':' + name + std::to_string(vendor.size()) + ':' + vendor +
           std::to_string(r.CompliantCode);
}

std::string Versions(const clsFile& r) { return r.VersBegin == r.VersEnd ? r.VersBegin : r.VersBegin + " - " + r.VersEnd; }

std::string PcList(const std::vector<FleetPc>& fleet, const FleetEntry& e) {
    std::string list;
    for (size_t p : e.pcs) list += (list.empty() ? "" : ", ") + fleet[p].name;
    return list;
}

std::string Pad(std::string s, size_t width) {
    if (s.size() < width) s.append(width - s.size(), ' ');
    return s;
}

}  // namespace

std::optional<FleetPc> LoadFleetPc(const platform::HostPath& dir, std::string& why) {
    FleetPc pc;
    fs::path folder = dir.lexically_normal();
    if (!folder.has_filename()) folder = folder.parent_path();
    pc.name = platform::StoredName(folder.filename().native());
    if (!platform::IsDirectory(dir)) {
        why = "not a folder";
        return std::nullopt;
    }
    colFiles files, junk;
    for (const bool isJunk : {false, true}) {
        const char* file = isJunk ? kJunkFilesFileName : kFilesFileName;
        try {
            // Programs with a name but no maker ("None") are in the report and so in the fleet.
            (isJunk ? junk : files).LoadFromFile(isJunk, dir, !isJunk);
        } catch (const VbError& e) {
            why = std::string(file) + (e.number() == kErrFileNotFound ? " is missing" : " is damaged (" + std::string(e.what()) + ")");
            return std::nullopt;
        } catch (const std::exception& e) {
            why = std::string(file) + " cannot be read (" + e.what() + ")";
            return std::nullopt;
        }
    }
    for (const clsFile& f : files.mvarCOL) pc.records.push_back(f);
    pc.undocumented = junk.Count();
    return pc;
}

std::vector<FleetEntry> FleetEntries(const std::vector<FleetPc>& fleet) {
    std::vector<FleetEntry> entries;
    std::unordered_map<std::string, size_t> byKey;
    for (size_t p = 0; p < fleet.size(); ++p) {
        for (const clsFile& r : fleet[p].records) {
            if (!Listed(r.CompliantCode)) continue;
            std::string key = EntryKey(r);
            for (const std::string& v : {VersionKey(r.VersBegin), VersionKey(r.VersEnd)})
                key += std::to_string(v.size()) + ':' + v;
            const auto [it, added] = byKey.try_emplace(key, entries.size());
            if (added) entries.push_back({&r, {}, {}});
            FleetEntry& e = entries[it->second];
            if (!e.pcs.empty() && e.pcs.back() == p) continue;
            e.pcs.push_back(p);
            e.records.push_back(&r);
        }
    }
    std::stable_sort(entries.begin(), entries.end(), [](const FleetEntry& a, const FleetEntry& b) {
        return FindReadiness(a.product->CompliantCode)->reportPosition <
               FindReadiness(b.product->CompliantCode)->reportPosition;
    });
    return entries;
}

ui::PrintableText FleetReportText(const std::vector<FleetPc>& fleet, const std::vector<FleetEntry>& entries) {
    ui::RichDocument doc;
    ui::CharFormat plain;
    plain.face = kReportFace;
    plain.heightTwips = ui::PointsToTwips(kReportFontSize);
    ui::CharFormat bold = plain;
    bold.bold = true;
    auto add = [&](const std::string& t, const ui::CharFormat& f) { doc.Replace(doc.Length(), 0, t, f); };
    auto coloured = [&](int code) {
        ui::CharFormat f = plain;
        f.color = ClassColor(code);
        return f;
    };

    add("Year 2000 readiness of " + std::to_string(fleet.size()) + (fleet.size() == 1 ? " PC" : " PCs") + ", " +
            std::to_string(entries.size()) + " products\n\n",
        bold);
    for (const FleetEntry& e : entries) {
        const clsFile& r = *e.product;
        // The summary report's entry, with the PCs before its empty line.
        std::string text = ReportEntryText(r, ReadinessMessage(r.CompliantCode));
        text.insert(text.size() - 1, "\tPCs (" + std::to_string(e.pcs.size()) + "): " + PcList(fleet, e) + "\n");
        add(text, coloured(r.CompliantCode));
    }

    size_t nameWidth = 2;
    for (const FleetPc& pc : fleet) nameWidth = std::max(nameWidth, pc.name.size());
    nameWidth += 2;
    add("PCs\n", bold);
    add(Pad("PC", nameWidth), bold);
    auto title = [](size_t c) { return std::string(FindReadiness(kReportOrder[c])->columnTitle); };
    auto width = [&](size_t c) { return std::max<size_t>(title(c).size(), 5) + 1; };
    for (size_t c = 0; c < kReportOrder.size(); ++c) add(Pad(title(c), width(c)), coloured(kReportOrder[c]));
    add("Undocumented\n", bold);
    std::vector<std::array<int, kListedClasses>> counts(fleet.size());
    for (const FleetEntry& e : entries)
        for (size_t p : e.pcs) ++counts[p][static_cast<size_t>(FindReadiness(e.product->CompliantCode)->reportPosition)];
    for (size_t p = 0; p < fleet.size(); ++p) {
        std::string row = Pad(fleet[p].name, nameWidth);
        for (size_t c = 0; c < kListedClasses; ++c) row += Pad(std::to_string(counts[p][c]), width(c));
        add(row + std::to_string(fleet[p].undocumented) + "\n", plain);
    }
    return doc.All();
}

std::string CsvField(std::string_view text1252) {
    std::string s = codepage::Windows1252ToUtf8(text1252);
    // A field a spreadsheet could take for a formula starts with an apostrophe (TAB, CR and NUL
    // in front are skipped by some of them, so those count too).
    static constexpr std::string_view kFormulaStart("=+-@\t\r\0", 7);
    if (!s.empty() && kFormulaStart.find(s[0]) != std::string_view::npos) s.insert(0, 1, '\'');
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string q = "\"";
    for (char c : s) {
        if (c == '"') q += '"';
        q += c;
    }
    return q + '"';
}

std::string FleetCsv(const std::vector<FleetPc>& fleet, const std::vector<FleetEntry>& entries) {
    std::string csv = "PC,Product,Version(s),Manufacturer,Readiness code,Readiness,Folder,Instructions\r\n";
    for (const FleetEntry& e : entries) {
        for (size_t i = 0; i < e.pcs.size(); ++i) {
            const clsFile& r = *e.records[i];
            for (const std::string& field :
                 {fleet[e.pcs[i]].name, e.product->Name, Versions(*e.product), e.product->Vendor,
                  std::to_string(r.CompliantCode), ReadinessMessage(r.CompliantCode), r.Directory, r.Comments})
                csv += CsvField(field) + ',';
            csv.back() = '\r';
            csv += '\n';
        }
    }
    return csv;
}

}  // namespace ostrevan
