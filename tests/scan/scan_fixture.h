#pragma once
// A small drive in a temporary directory, a knowledge base beside it and a scan over it.
// Program files here are text files of "Field=Value" lines that FieldFileSource reads as their
// version fields; the tests with real program files use the version reader instead.
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "match/run_state.h"
#include "platform/os_identity.h"
#include "scan/drive_scan.h"
#include "scan/scan_page.h"
#include "scan/scan_sequence.h"
#include "scan/version_source.h"
#include "support/program_builder.h"
#include "support/test_support.h"

namespace ostrevan::scantest {

// A real program file whose version resource holds these fields (Windows-1252 values), in the
// given language; with no fields, a program without a version resource.
inline std::string VersionExe(const std::vector<std::pair<std::string, std::string>>& fields,
                              uint16_t language = 1033) {
    using namespace testing;
    testing::Bytes pe = BuildPe({});
    if (!fields.empty()) {
        std::vector<VerNode> strings;
        for (const auto& [key, value] : fields) {
            std::u16string text;
            for (unsigned char c : value) text += static_cast<char16_t>(c);
            strings.push_back(Str(key, text));
        }
        char table[9];
        std::snprintf(table, sizeof table, "%04X04E4", language);
        pe = PeWithVersion(BuildVersionBlock32(VersionRoot(
            {Block("StringFileInfo", {Block(table, strings)}), Block("VarFileInfo", {Translation({{language, 1252}})})})));
    }
    return std::string(pe.begin(), pe.end());
}

class FieldFileSource : public VersionSource {
public:
    void LoadVersionBlock(const platform::HostPath& program) override {
        fields_.clear();
        loads.push_back(program.generic_string());
        std::ifstream in(program, std::ios::binary);
        std::string line;
        while (std::getline(in, line)) {
            const auto eq = line.find('=');
            if (eq != std::string::npos && !line.empty()) fields_[line.substr(0, eq)] = line.substr(eq + 1);
        }
    }
    std::string GetInfoString(const std::string& field) override {
        auto it = fields_.find(field);
        return it == fields_.end() || it->second.empty() ? "None" : it->second;
    }
    std::vector<std::string> loads;

private:
    std::map<std::string, std::string> fields_;
};

// A program file whose version fields are the given ones (absent fields left out).
inline std::string Program(const std::string& product, const std::string& company,
                           const std::string& version, const std::string& description = "",
                           const std::string& comments = "") {
    std::string s = "MZ\n";
    for (const auto& [field, value] : {std::pair{"ProductName", product}, {"CompanyName", company},
                                       {"ProductVersion", version}, {"FileDescription", description}, {"Comments", comments}})
        if (!value.empty()) s += field + ("=" + value) + "\n";
    return s;
}

using testing::AppLine;
using testing::VendorLine;

// Ten vendors: 1 "None", 5 "Acme", 7 "Microsoft", the others "Vendor n".
inline std::string Vendors() {
    std::string v;
    for (int i = 1; i <= 10; ++i)
        v += VendorLine(i == 1 ? "None" : i == 5 ? "Acme" : i == 7 ? "Microsoft" : "Vendor " + std::to_string(i), i);
    return v;
}

inline std::string Apps() {
    return AppLine(1, 5, 1, "Writer Pro", "", "1.0", "3.0", "Nothing to do") +
           AppLine(2, 5, 4, "Writer", "", "NOLIMITS", "NOLIMITS", "Upgrade to Writer 5") +
           AppLine(3, 5, 6, "Untested Suite", "", "NOLIMITS", "NOLIMITS", "Vendor refuses") +
           AppLine(4, 5, 5, "ALLPRODUCTS", "", "5.0", "NOLIMITS", "Check the site") +
           AppLine(5, 7, 5, "Windows NT Operating System", "", "4.0", "5.0", "Install the service pack") +
           AppLine(6, 7, 1, "Windows Operating System", "", "NOLIMITS", "NOLIMITS", "Nothing to do");
}

// Windows 2000 on C:\WINNT.
inline platform::OsIdentity Win2000() { return platform::OsIdentity{true, 2, 5, 0, "C:\\WINNT ", 2195}; }

class ScanFixture {
public:
    ScanFixture() {
        testing::WriteFileBytes(data_ / "Vendors.y2k", Vendors());
        testing::WriteFileBytes(data_ / "APPS.y2k", Apps());
        std::filesystem::create_directory(drive());
        StartRunState(st, data_.path());
    }

    std::filesystem::path drive() const { return data_ / "drive"; }
    std::filesystem::path data() const { return data_.path(); }

    void Put(const std::string& rel, const std::string& bytes) { testing::WriteFileBytes(drive() / rel, bytes); }

    // Runs the whole scan sequence on drive C: and reads back both result files.
    ScanResult Scan(const platform::OsIdentity& os = Win2000()) {
        DriveScan scan(st, page, source, [this] {
            if (on_yield) on_yield();
        });
        ScanResult r = RunScanSequence(st, scan, page, "C:", drive(), os, data());
        files = testing::ReadFileBytes(data() / "Files.y2k");
        junk_files = testing::ReadFileBytes(data() / "JFiles.y2k");
        return r;
    }

    std::array<int32_t, 5> Counters() const {
        return {st.lngComp, st.lngCompUnknown, st.lngNotCompFix, st.lngNotComp, st.lngNotTest};
    }

    RunState st;
    ScanPage page;
    FieldFileSource source;
    std::function<void()> on_yield;
    std::string files, junk_files;

private:
    testing::TempDir data_;
};

// One result-file line.
inline std::string Line(std::initializer_list<std::string> fields) {
    std::string s;
    for (const auto& f : fields) s += (s.empty() ? "\"" : "\t") + f;
    return s + "\"\r\n";
}

}  // namespace ostrevan::scantest
