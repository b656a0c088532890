#pragma once
// colY2KApps: the products of one vendor (or a whole APPS.y2k), keyed by ID and "Y".
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "kb/product_record.h"
#include "kb/record_collection.h"

namespace ostrevan {

inline constexpr const char* kAppsFileName = "APPS.y2k";

class colY2KApps {
public:
    // The records in insertion order (the order of APPS.y2k); the decision enumerates it.
    RecordCollection<clsY2KAPP> mvarCOL;

    // Adds a record. An intID below 1 gives the record the ID Count + 1. A second record with
    // the same ID fails with error 457; record 32,768 fails with overflow.
    void Add(int16_t intVendor, int16_t intCompCode, const std::string& strProdName,
             const std::string& strEXEName, const std::string& strVersBegin,
             const std::string& strVersEnd, const std::string& strComments,
             const std::string& strAltProdName, int16_t intID);
    int16_t Count() const { return mvarCOL.Count(); }
    // The record with ID intNum when intNum lies in 1..Count, otherwise the first record.
    // Fails (VbError) on an empty collection or when no record has that ID.
    clsY2KAPP& Item(int16_t intNum) const;
    // Reads APPS.y2k from dir, adding every line; the first bad line ends the load with a
    // VbError, and the records read before it stay.
    void LoadFromFile(const std::filesystem::path& dir);
    // Removes the record with ID intOrderNum; VbError when there is none.
    void Remove(int16_t intOrderNum);
    // Replaces APPS.y2k in dir with Item(1) to Item(Count).
    void SaveToFile(const std::filesystem::path& dir) const;
};

// The fields of one APPS.y2k line.
inline constexpr size_t kAppsFields = 9;

}  // namespace ostrevan
