#pragma once
// The platform's conversion of UTF-16 code units to Windows-1252, as a table generated under
// Windows by tools/codepage/make_bestfit_table.exe (see codepage_1252_table.cpp).
#include <cstdint>

namespace ostrevan::codepage {

struct BestFitEntry {
    uint16_t unit;
    uint8_t byte;
};

// Sorted by unit; every unit not listed converts to '?'.
extern const BestFitEntry kBestFit1252[];
extern const unsigned kBestFit1252Count;

}  // namespace ostrevan::codepage
