#pragma once
// clsFile: one program found by a scan (or one merged group of copies of a product).
#include <cstdint>
#include <string>

namespace ostrevan {

class clsFile {
public:
    std::string Name;         // product name, or the file name
    std::string Vendor;       // company name; "None" when the program has none
    std::string VersBegin;    // the version found, the lowest found, or a list of versions
    std::string VersEnd;
    std::string Description;
    std::string Comments;     // instructions of the readiness decision, or the program's comments
    std::string Directory;    // without a trailing backslash
    int16_t CompliantCode = 0;
    std::string CVERB;        // knowledge-base range that decided the readiness; not stored in files
    std::string CVERE;
};

}  // namespace ostrevan
