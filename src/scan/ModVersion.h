#pragma once
// The version reader: holds the version block of the program file being examined and fetches
// its text fields. A missing or empty field reads "None".
#include <cstdint>
#include <string>
#include <vector>

#include "platform/host_path.h"
#include "scan/version_source.h"

namespace ostrevan {

class ModVersion : public VersionSource {
public:
    // Blocks are read and searched by the project's own reader, on Windows too: it reads only
    // the parts of the file it needs, where the system's version functions map the whole
    // program, and it always answers for the file named (the system may serve a system
    // library's name from the running system's copy). With `ownReader` false they are the
    // platform's functions: the system's where it has them, the reference the own reader is
    // compared against.
    ModVersion() = default;
    explicit ModVersion(bool ownReader) : ownReader_(ownReader) {}

    // Loads the version block of the program at `path` (8-bit text the platform's file
    // functions open), replacing the previous one. A file without a readable version block
    // leaves a block of two zero bytes, on which every field reads "None".
    void LoadVersionBlock(const std::string& path);
    // The same for a host path (through the 8-bit path that opens it).
    void LoadVersionBlock(const platform::HostPath& program) override;

    // The named field ("ProductName", "CompanyName", "ProductVersion", "FileDescription",
    // "Comments", ...) of the loaded block, in Windows-1252, or "None". The string table is
    // the one the translation list names (an entry for US English wins, else the last entry);
    // failing that, the first table of code page 1252 in ascending language order that holds
    // the field.
    std::string GetInfoString(const std::string& fieldName) override;

    const std::string& CurrentPath() const { return path_; }
    const std::vector<uint8_t>& Block() const { return block_; }

    // The number of sub-block queries made since the last load (for measuring).
    uint64_t QueryCount() const { return queries_; }

    // The key of a string table: language and code page as four upper-case hex digits each.
    static std::string TableKey(uint16_t language, uint16_t codePage);

private:
    bool Query(const std::string& subBlock, const uint8_t** value, uint32_t* length);
    void IndexTables();

    std::string path_;
    std::vector<uint8_t> block_ = std::vector<uint8_t>(2, 0);
    // Languages (ascending, each once) whose code page 1252 key names a string table of the
    // loaded block: the only keys the fallback walk can find a field under.
    std::vector<uint16_t> fallbackLanguages_;
    bool indexed_ = false;
    // The key of the string table the translation list names; empty until a field is asked.
    std::string tableKey_;
    uint64_t queries_ = 0;
    bool ownReader_ = true;
};

}  // namespace ostrevan
