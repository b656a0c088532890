// libFuzzer target for the program-file reader: each input is read as a program file (version
// block, every string-table field, first icon), once as it is and once stretched by a sparse
// tail to 5 GiB, so that every size a 32-bit field claims lies within the file, as on a disk
// where a file of a few kilobytes claims gigabytes; and, directly, as an icon image, a PNG and
// a zlib stream. Built by `make fuzz` with AddressSanitizer and UBSan.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/byte_reader.h"
#include "platform/icon_image.h"
#include "platform/icon_reader.h"
#include "platform/inflate.h"
#include "platform/png_decoder.h"
#include "platform/version_api.h"
#include "platform/version_block.h"
#include "scan/ModVersion.h"

namespace {

const std::string& ScratchPath() {
    static const std::string path = "/dev/shm/ostrevan-fuzz-" + std::to_string(getpid()) + ".exe";
    return path;
}

void ReadAsProgram(const uint8_t* data, size_t size, bool sparseTail) {
    const std::string& path = ScratchPath();
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        if (size) std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    if (sparseTail && truncate(path.c_str(), off_t{5} << 30) != 0) return;
    ostrevan::ModVersion reader;
    reader.LoadVersionBlock(path);
    for (const char* field : {"ProductName", "CompanyName", "ProductVersion", "FileDescription", "Comments"})
        reader.GetInfoString(field);
    // Every table and value the block lists.
    std::vector<uint8_t> block = reader.Block();
    const ostrevan::ByteView view(block);
    if (auto info = ostrevan::verblock::Find(view, "\\StringFileInfo")) {
        const bool sixteen = ostrevan::verblock::IsSixteenBit(view);
        for (const auto& table : ostrevan::verblock::Children(ostrevan::verblock::WalkArea(view), *info, sixteen)) {
            std::string key;
            for (char16_t c : table.key) key.push_back(static_cast<char>(c));
            for (const auto& value : ostrevan::verblock::Children(ostrevan::verblock::WalkArea(view), table, sixteen)) {
                std::string name;
                for (char16_t c : value.key) name.push_back(static_cast<char>(c));
                const uint8_t* p = nullptr;
                uint32_t len = 0;
                if (ostrevan::version::portable::VerQueryValueA(block, "\\StringFileInfo\\" + key + "\\" + name, &p, &len)) {
                    volatile uint8_t sink = 0;
                    for (uint32_t i = 0; i < len; ++i) sink = sink ^ p[i];  // every byte answered must be readable
                }
            }
        }
    }
    ostrevan::icons::portable::ExtractFirstIcon(path);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ReadAsProgram(data, size, false);
    ReadAsProgram(data, size, true);
    const ostrevan::ByteView bytes(data, size);
    ostrevan::icons::DecodeIconImage(bytes);
    ostrevan::icons::ParseGroup(bytes);
    ostrevan::ZlibInflate(bytes, 1 << 20);
    return 0;
}
