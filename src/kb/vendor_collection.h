#pragma once
// colVendors: the vendor directory, keyed by ID and "V". Vendor IDs in Vendors.y2k are 1, 2,
// 3, ... in file order, so a vendor's ID is its position; ID 1 stands for "no vendor".
#include <cstdint>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

#include "kb/record_collection.h"
#include "kb/vendor_record.h"

namespace ostrevan {

inline constexpr const char* kVendorsFileName = "Vendors.y2k";

class colVendors {
public:
    colVendors() = default;
    colVendors(const colVendors&) = delete;
    colVendors& operator=(const colVendors&) = delete;
    ~colVendors();

    // The ID of the vendor whose name equals the company's normalised name (ignoring case),
    // adding a vendor with empty address fields when none does. "None" and names that
    // normalise to nothing give 1. strVendor is rewritten with the normalised text before its
    // final trimming.
    int16_t GetVendorID(std::string& strVendor);
    // Adds a vendor. An intID below 1 gives the vendor the ID Count + 1. An ID already present
    // fails with error 457; vendor 32,768 fails with overflow.
    clsVendor& Add(const std::string& strName, const std::string& strADD1,
                   const std::string& strADD2, const std::string& strPhoneNum, int16_t intID,
                   const std::string& strURL);
    int16_t Count() const { return col_.Count(); }
    // The vendor with ID intNum when intNum lies in 1..Count, otherwise the first vendor.
    // Fails (VbError) on an empty directory or when no vendor has that ID.
    clsVendor& Item(int16_t intNum) const;
    void Remove(int16_t intOrderNum);
    // Reads Vendors.y2k from dir; the first bad line ends the load with a VbError, and the
    // vendors read before it stay.
    void LoadFromFile(const std::filesystem::path& dir);
    // Replaces Vendors.y2k in dir with Item(1) to Item(Count).
    void SaveToFile(const std::filesystem::path& dir) const;

    // The vendors in insertion order.
    auto begin() const { return col_.begin(); }
    auto end() const { return col_.end(); }

private:
    friend class clsVendor;
    // The first vendor in insertion order having an upper-cased name; nullptr if none.
    const clsVendor* FindByName(const std::string& upperName);
    void RebuildIndex();

    RecordCollection<clsVendor> col_;
    // Upper-cased name -> the vendors of that name in insertion order. Kept up to date by Add
    // and Remove, rebuilt after a vendor is renamed.
    std::unordered_map<std::string, std::vector<const clsVendor*>> byName_;
    bool indexStale_ = false;
};

// The fields of one Vendors.y2k line.
inline constexpr size_t kVendorsFields = 6;

}  // namespace ostrevan
