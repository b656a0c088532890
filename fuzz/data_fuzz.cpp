// libFuzzer target for the readers of the text files that a disk or another PC hands the program:
// the result files (Files.y2k, JFiles.y2k, also as the fleet reads them), the knowledge base
// (Vendors.y2k, APPS.y2k) and the BOOT.INI and MSDOS.SYS that choose among a drive's Windows
// folders. The input's first byte chooses the file, the rest is its content. Built by
// `make fuzz` with AddressSanitizer and UBSan, beside reader_fuzz.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "kb/file_collection.h"
#include "match/run_state.h"
#include "scan/drive_windows.h"

namespace {

namespace fs = std::filesystem;

// A scratch folder that is a small knowledge base and the root of a drive with two Windows.
const fs::path& Scratch() {
    static const fs::path dir = [] {
        const fs::path d = fs::path("/dev/shm") / ("ostrevan-data-fuzz-" + std::to_string(getpid()));
        fs::create_directories(d / "WINDOWS" / "SYSTEM");
        fs::create_directories(d / "WINNT" / "SYSTEM32");
        for (const char* f : {"WINDOWS/WIN.COM", "WINDOWS/SYSTEM/KERNEL32.DLL", "WINNT/SYSTEM32/NTOSKRNL.EXE"})
            std::ofstream(d / f) << "MZ";
        return d;
    }();
    return dir;
}

void Write(const char* name, const uint8_t* data, size_t size) {
    std::ofstream out(Scratch() / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void Clear(const char* name) {
    std::error_code ec;
    fs::remove(Scratch() / name, ec);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t which = data[0] % 6;
    ++data, --size;
    const fs::path& dir = Scratch();
    switch (which) {
        case 0:
        case 1: {
            Write(which == 0 ? "Files.y2k" : "JFiles.y2k", data, size);
            for (bool everyRecord : {false, true}) {
                ostrevan::colFiles files;
                try {
                    files.LoadFromFile(which == 1, dir, everyRecord);
                } catch (const std::exception&) {
                }
            }
            break;
        }
        case 2:
        case 3: {
            // One file from the input, the other a small good one.
            static const std::string vendors = "\"None\t\t\t\t1\t\"\r\n\"Acme\t1 Road\t\t555\t2\twww.acme\"\r\n";
            static const std::string apps = "\"1\t2\t1\tWriter\t\t1.0\t2.0\tReady\t\"\r\n";
            Write("Vendors.y2k", which == 2 ? data : reinterpret_cast<const uint8_t*>(vendors.data()),
                  which == 2 ? size : vendors.size());
            Write("APPS.y2k", which == 3 ? data : reinterpret_cast<const uint8_t*>(apps.data()),
                  which == 3 ? size : apps.size());
            ostrevan::RunState st;
            ostrevan::StartRunState(st, dir);
            break;
        }
        default: {
            Clear("BOOT.INI");
            Clear("MSDOS.SYS");
            Write(which == 4 ? "BOOT.INI" : "MSDOS.SYS", data, size);
            ostrevan::FindDriveWindows("C:", dir);
            break;
        }
    }
    return 0;
}
