// The version reader's speed: files per second for loading a program's version block and
// reading the five fields the scan asks for, over a corpus of programs; and the worst case,
// a program whose only string table is 041104B0 which its translation list does not name,
// against an ordinary program (it must cost at most twice as much).
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "version_program.h"
#include "platform/version_api.h"
#include "scan/ModVersion.h"

namespace {

namespace fs = std::filesystem;
using ostrevan::ModVersion;

const char* const kFields[] = {"ProductName", "CompanyName", "ProductVersion", "FileDescription", "Comments"};

fs::path WorkDir() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / "ostrevan-version-bench";
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

std::string Write(const std::string& name, const std::string& bytes) {
    const fs::path p = WorkDir() / name;
    std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return p.string();
}

ostrevan::testing::VersionFields Fields(uint16_t language, uint16_t codePage) {
    ostrevan::testing::VersionFields f;
    f.strings = {{"CompanyName", "Acme Software, Inc."}, {"FileDescription", "Acme Writer"},
                 {"ProductName", "Acme Writer 2000"},    {"ProductVersion", "2.0.1"},
                 {"Comments", "Year 2000 ready"},        {"LegalCopyright", "(c) 1999 Acme"}};
    f.language = language;
    f.code_page = codePage;
    return f;
}

const std::string& OrdinaryProgram() {
    static const std::string path = [] {
        auto f = Fields(1033, 1252);
        return Write("ordinary.exe", ostrevan::testing::VersionProgram(&f));
    }();
    return path;
}

// Only a 041104B0 table, and a translation list that names 040904E4 instead.
const std::string& JapaneseOnlyProgram() {
    static const std::string path = [] {
        auto f = Fields(0x411, 0x4B0);
        std::string bytes = ostrevan::testing::VersionProgram(&f);
        const std::string declared("\x11\x04\xB0\x04", 4);
        const auto at = bytes.find(declared);
        if (at != std::string::npos) bytes.replace(at, 4, std::string("\x09\x04\xE4\x04", 4));
        return Write("japanese.exe", bytes);
    }();
    return path;
}

std::vector<std::string> Corpus() {
    std::vector<std::string> files = {OrdinaryProgram(), JapaneseOnlyProgram()};
    for (const char* dir : {"/usr/lib/x86_64-linux-gnu/wine/x86_64-windows", "/usr/lib/x86_64-linux-gnu/wine/i386-windows",
                            "/usr/share/nsis/Stubs"}) {
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(dir, ec)) {
            if (e.is_regular_file()) files.push_back(e.path().string());
        }
    }
    return files;
}

void LoadAndRead(ModVersion& reader, const std::string& path) {
    reader.LoadVersionBlock(path);
    for (const char* field : kFields) benchmark::DoNotOptimize(reader.GetInfoString(field));
}

void BM_Corpus_LoadAndFiveFields(benchmark::State& state) {
    const auto files = Corpus();
    ModVersion reader;
    for (auto _ : state)
        for (const auto& f : files) LoadAndRead(reader, f);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * files.size()));
    state.counters["files"] = static_cast<double>(files.size());
}
BENCHMARK(BM_Corpus_LoadAndFiveFields)->Unit(benchmark::kMillisecond);

void BM_OrdinaryFile(benchmark::State& state) {
    ModVersion reader;
    for (auto _ : state) LoadAndRead(reader, OrdinaryProgram());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OrdinaryFile)->Unit(benchmark::kMicrosecond);

void BM_OnlyTable041104B0(benchmark::State& state) {
    ModVersion reader;
    for (auto _ : state) LoadAndRead(reader, JapaneseOnlyProgram());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OnlyTable041104B0)->Unit(benchmark::kMicrosecond);

// For comparison: the same worst case with the fallback walked key by key (4,097 queries per
// field), as an unindexed reader would.
void BM_OnlyTable041104B0_UnindexedWalk(benchmark::State& state) {
    ModVersion reader;
    for (auto _ : state) {
        reader.LoadVersionBlock(JapaneseOnlyProgram());
        std::vector<uint8_t> block = reader.Block();
        for (const char* field : kFields) {
            const uint8_t* p = nullptr;
            uint32_t len = 0;
            bool found = ostrevan::version::platform::VerQueryValueA(
                block, std::string("\\StringFileInfo\\040904E4\\") + field, &p, &len);
            for (uint16_t l = 0; !found && l <= 0xFFF; ++l)
                found = ostrevan::version::platform::VerQueryValueA(
                    block, "\\StringFileInfo\\" + ModVersion::TableKey(l, 1252) + "\\" + field, &p, &len);
            benchmark::DoNotOptimize(found);
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OnlyTable041104B0_UnindexedWalk)->Unit(benchmark::kMicrosecond);

}  // namespace
