#pragma once
// clsY2KAPP: one product record of the knowledge base, one version range of one product.
#include <cstdint>
#include <string>

namespace ostrevan {

class clsY2KAPP {
public:
    int16_t ID = 0;             // record number, unique over APPS.y2k
    int16_t Vendor = 0;         // ID of the vendor that makes the product
    int16_t CompliantCode = 0;  // readiness code of this version range
    std::string ProductName;    // "ALLPRODUCTS" applies the record to every product of its vendor
    std::string EXEName;
    std::string VersionBegin;   // a version or "NOLIMITS"
    std::string VersionEnd;     // a version or "NOLIMITS"
    std::string Comments;       // instructions for the user
    std::string AltProductName; // may be empty

    // The decision normalises ProductName and AltProductName against the vendor's name for
    // every candidate record; the last results are kept here and reused while the product name
    // and the vendor text handed in are the same as last time.
    struct NormalisedName {
        bool valid = false;
        std::string name;        // the product name normalised
        std::string vendorIn;    // the vendor text handed in
        std::string result;      // StripName's result
        std::string vendorOut;   // the vendor text as StripName left it
    };
    mutable NormalisedName productNameCache;
    mutable NormalisedName altNameCache;
};

}  // namespace ostrevan
