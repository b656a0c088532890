// The whole scan over a generated drive of 20,000 program files, against a plain walk that
// lists the same directories and reads the same version blocks; and the merge searches with
// 20,000 recorded programs.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "version_program.h"
#include "match/run_state.h"
#include "rules/string_matcher.h"
#include "platform/dir_listing.h"
#include "scan/ModVersion.h"
#include "scan/drive_scan.h"
#include "scan/scan_page.h"
#include "scan/scan_sequence.h"

namespace {

namespace fs = std::filesystem;
using namespace ostrevan;

constexpr int kPrograms = 20000;
constexpr int kVendors = 400;
constexpr int kProducts = 1500;

void Write(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string VendorName(int v) { return "Vendor" + std::to_string(v) + " Software"; }
std::string ProductName(int p) { return "Product " + std::to_string(p) + " Studio"; }

// A drive like a well-used disk of its time: about 400 directories two levels deep; a fifth of
// the programs without version data; the rest copies of 1,500 products of 400 vendors (two
// thirds of them in the knowledge base) in a few versions each, with the knowledge base's
// records covering some versions and not others.
class GeneratedDrive {
public:
    GeneratedDrive() {
        root_ = fs::temp_directory_path() / ("ostrevan-scan-bench-" + std::to_string(::getpid()));
        fs::create_directories(root_ / "drive");
        std::mt19937 rng(1999);
        std::string vendors, apps;
        for (int v = 1; v <= kVendors * 2 / 3; ++v)
            vendors += "\"" + (v == 1 ? std::string("None") : "Vendor" + std::to_string(v)) + "\t\t\t\t" +
                       std::to_string(v) + "\tNone\"\r\n";
        int id = 0;
        for (int p = 0; p < kProducts; ++p) {
            const int v = 2 + p % (kVendors - 1);
            if (v > kVendors * 2 / 3) continue;
            apps += "\"" + std::to_string(++id) + "\t" + std::to_string(v) + "\t" + std::to_string(1 + p % 6) + "\t" +
                    "Product " + std::to_string(p) + " Studio\t\t1.0\t3.0\tSee the vendor's notes\t\"\r\n";
        }
        Write(root_ / "Vendors.y2k", vendors);
        Write(root_ / "APPS.y2k", apps);
        const std::string junk = testing::VersionProgram(nullptr);
        int made = 0;
        for (int d = 0; made < kPrograms; ++d) {
            const fs::path dir = root_ / "drive" / ("DIR" + std::to_string(d % 40)) / ("SUB" + std::to_string(d));
            fs::create_directories(dir);
            for (int i = 0; i < 50 && made < kPrograms; ++i, ++made) {
                std::string bytes;
                if (rng() % 5 == 0) {
                    bytes = junk;
                } else {
                    const int p = static_cast<int>(rng() % kProducts);
                    testing::VersionFields f;
                    f.strings = {{"CompanyName", VendorName(2 + p % (kVendors - 1)) + ", Inc."},
                                 {"FileDescription", "Part of product " + std::to_string(p)},
                                 {"ProductName", ProductName(p)},
                                 {"ProductVersion", std::to_string(1 + rng() % 4) + "." + std::to_string(rng() % 3)}};
                    bytes = testing::VersionProgram(&f);
                }
                Write(dir / ("PROG" + std::to_string(i) + ".EXE"), bytes);
            }
            Write(dir / "README.TXT", "not a program");
        }
    }
    ~GeneratedDrive() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    fs::path root() const { return root_; }
    fs::path drive() const { return root_ / "drive"; }

private:
    fs::path root_;
};

GeneratedDrive& Drive() {
    static GeneratedDrive d;
    return d;
}

void BM_Scan(benchmark::State& state) {
    const fs::path data = Drive().root();
    for (auto _ : state) {
        RunState st;
        StartRunState(st, data);
        ScanPage page;
        ModVersion versions;
        DriveScan scan(st, page, versions, [] {});
        ScanResult r = RunScanSequence(st, scan, page, "C:", Drive().drive(),
                                       platform::OsIdentity{true, 1, 4, 10, "C:\\WINDOWS", 0}, data);
        if (!r.ok() || st.lngFileCounter != kPrograms) state.SkipWithError("scan incomplete");
        state.counters["records"] = st.cFiles.Count();
        state.counters["undocumented"] = st.cJunkFiles.Count();
        state.counters["linear_searches"] = static_cast<double>(scan.main_index().linear_searches());
    }
    state.counters["files_per_s"] = benchmark::Counter(kPrograms, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_Scan)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

// The same directories listed and the same version blocks read, nothing else.
void PlainWalk(const fs::path& dir, ModVersion& reader, int& files) {
    for (const auto& e : platform::ListDirectory(dir, platform::ListPattern::kPrograms)) {
        reader.LoadVersionBlock(e.host);
        ++files;
    }
    for (const auto& e : platform::ListDirectory(dir, platform::ListPattern::kAll))
        if (e.kind == platform::EntryKind::kDirectory) PlainWalk(e.host, reader, files);
}

void BM_PlainWalk(benchmark::State& state) {
    ModVersion reader;
    for (auto _ : state) {
        int files = 0;
        PlainWalk(Drive().drive(), reader, files);
        if (files != kPrograms) state.SkipWithError("walk incomplete");
    }
    state.counters["files_per_s"] = benchmark::Counter(kPrograms, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_PlainWalk)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

// 20,000 recorded programs, each of its own product: a search for a program that matches none
// of them, through the index and the plain way.
struct Recorded {
    colFiles list;
    FileListIndex index{list, FileListIndex::Kind::kMain};
    Recorded() {
        for (int i = 0; i < 20000; ++i)
            index.Add("", VendorName(i % kVendors), "", ProductName(i), "1.0", "1.0", static_cast<int16_t>(i % 7),
                      "C:\\DIR", "1.0", "3.0");
    }
};

Recorded& Records() {
    static Recorded r;
    return r;
}

void BM_MergeSearchIndexed(benchmark::State& state) {
    Recorded& r = Records();
    for (auto _ : state) {
        std::string company = "Quillon Tools, Inc.";
        benchmark::DoNotOptimize(r.index.FindDecided("Quill Tool", company, "1.0", "3.0"));
    }
}
BENCHMARK(BM_MergeSearchIndexed)->Unit(benchmark::kMicrosecond);

void BM_MergeSearchPlain(benchmark::State& state) {
    Recorded& r = Records();
    for (auto _ : state) {
        std::string company = "Quillon Tools, Inc.";
        const clsFile* found = nullptr;
        for (clsFile& rec : r.list.mvarCOL) {
            std::string rv = rec.Vendor, rv2 = rec.Vendor;
            const bool a = StripName(rec.Name, rv) == StripName("Quill Tool", company);
            const bool b = rec.CVERB == "1.0" && rec.CVERE == "3.0";
            const bool c = StripVendor(rv2) == StripVendor(company);
            if (a && b && c && rec.Name != "ALLPRODUCTS") {
                found = &rec;
                break;
            }
        }
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_MergeSearchPlain)->Unit(benchmark::kMillisecond);

}  // namespace
