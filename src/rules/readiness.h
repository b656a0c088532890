#pragma once
// The readiness classes: one row per readiness code with everything the decision, the scanning
// page, the report, the detail window and the letter show for it.
#include <array>
#include <cstdint>
#include <string>

#include "platform/colour.h"

namespace ostrevan {

// The scanning page's coloured legend lines, one per class (codes 3 and 4 share one).
enum class IndicatorLine { None, LineCompliant, LineCompUnknown, LineNotCompFix, LineNotComp, lineNotTest };

// The run-state counter a decision raises.
enum class ReadinessCounter { None, lngComp, lngCompUnknown, lngNotCompFix, lngNotComp, lngNotTest };

// How the status line of the scanning page is put together for a class.
enum class StatusRule {
    Empty,              // the status line is emptied
    ProgramThenText,    // the program's normalised name, then the text
    Text,               // the text alone
    VendorThenText,     // the vendor name, then the text
    TextThenVendor,     // the text, then the vendor name
};

struct ReadinessClass {
    int code;
    const char* message;        // the run state's strCompMessages text ("" for -1)
    StatusRule statusRule;
    const char* statusText;
    ReadinessCounter counter;
    IndicatorLine line;
    Rgb colour;
    int reportPosition;         // 0 = listed first in the report; -1 = never listed
    const char* columnTitle;    // the class's column in the fleet's table of PCs
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kGreen{0, 192, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kOrange{255, 128, 0};
inline constexpr Rgb kMagenta{255, 0, 255};

inline constexpr std::array<ReadinessClass, 8> kReadinessClasses{{
    {-1, "", StatusRule::Empty, "", ReadinessCounter::None, IndicatorLine::None, kBlack, -1, ""},
    {0, "Not in Ostrevan Database, Send Readiness Request Letter", StatusRule::ProgramThenText,
     " Not in Ostrevan Database - Send Readiness Request Letter", ReadinessCounter::None,
     IndicatorLine::None, kBlack, 6, "Not listed"},
    {1, "Year 2000 Ready - No Action Required", StatusRule::Text,
     "Year 2000 Ready - No Action Required", ReadinessCounter::lngComp,
     IndicatorLine::LineCompliant, kGreen, 5, "Ready"},
    {2, "No Info Supplied, Send Readiness Request Letter", StatusRule::VendorThenText,
     " Provided no Readiness Data for this Product - Send Readiness Request Letter",
     ReadinessCounter::lngCompUnknown, IndicatorLine::LineCompUnknown, kBlue, 3, "No info"},
    {3, "Not Year 2000 Ready - Fix or Workaround Available", StatusRule::Text,
     "Not Year 2000 Ready - Fix or Workaround Available", ReadinessCounter::lngNotComp,
     IndicatorLine::LineNotComp, kRed, 1, "Fix"},
    {4, "Not Year 2000 Ready - Upgrade or Discontinue Use", StatusRule::Text,
     "Not Year 2000 Ready - Upgrade or Discontinue Use", ReadinessCounter::lngNotComp,
     IndicatorLine::LineNotComp, kRed, 0, "Upgrade"},
    {5, "Year 2000 Ready With Issues - Check with Manufacturer", StatusRule::TextThenVendor,
     "Year 2000 Ready With Issues - Check With ", ReadinessCounter::lngNotCompFix,
     IndicatorLine::LineNotCompFix, kOrange, 2, "Issues"},
    {6, "Manufacturer will not Test", StatusRule::VendorThenText, " Will Not Test this Product",
     ReadinessCounter::lngNotTest, IndicatorLine::lineNotTest, kMagenta, 4, "No test"},
}};

// The scanning page's legend: one row per counter (classes 3 and 4 share one), in the order the
// page's counters are kept, with the indicator line, colour and title the page shows for it and
// the command line's summary prints.
struct LegendRow {
    ReadinessCounter counter;
    IndicatorLine line;
    Rgb colour;
    const char* title;
};

inline constexpr std::array<LegendRow, 5> kLegend{{
    {ReadinessCounter::lngComp, IndicatorLine::LineCompliant, kGreen, "Year 2000 Ready"},
    {ReadinessCounter::lngCompUnknown, IndicatorLine::LineCompUnknown, kBlue, "Manufacturer Supplied No Info"},
    {ReadinessCounter::lngNotCompFix, IndicatorLine::LineNotCompFix, kOrange, "Year 2000 Ready With Issues"},
    {ReadinessCounter::lngNotComp, IndicatorLine::LineNotComp, kRed, "Not Year 2000 Ready"},
    {ReadinessCounter::lngNotTest, IndicatorLine::lineNotTest, kMagenta, "Manufacturer Will Not Test"},
}};

// The row of a code, or nullptr for a code outside the table (-1..6).
constexpr const ReadinessClass* FindReadiness(int code) {
    if (code < -1 || code + 1 >= static_cast<int>(kReadinessClasses.size())) return nullptr;
    return &kReadinessClasses[static_cast<size_t>(code + 1)];
}

// Whether records of a code are listed in the report and kept in the result files (0..6).
constexpr bool Listed(int code) {
    const ReadinessClass* c = FindReadiness(code);
    return c && c->reportPosition >= 0;
}

// The classes that are listed.
inline constexpr size_t kListedClasses = [] {
    size_t n = 0;
    for (const ReadinessClass& c : kReadinessClasses) n += c.reportPosition >= 0;
    return n;
}();

// The report lists the classes worst first; the result files are written in the same order.
inline constexpr std::array<int, kListedClasses> kReportOrder = [] {
    std::array<int, kListedClasses> order{};
    for (const ReadinessClass& c : kReadinessClasses)
        if (c.reportPosition >= 0) order[static_cast<size_t>(c.reportPosition)] = c.code;
    return order;
}();

// The message of a code for the detail window and the letter; empty outside 0..6.
inline std::string ReadinessMessage(int code) {
    const ReadinessClass* c = FindReadiness(code);
    return c ? c->message : "";
}

// The colour a code is shown in; black for codes without a class colour.
constexpr Rgb ReadinessColour(int code) {
    const ReadinessClass* c = FindReadiness(code);
    return c ? c->colour : kBlack;
}

// The scanning page's status line for a decision of this class.
inline std::string StatusLine(const ReadinessClass* c, const std::string& programName,
                              const std::string& vendorName) {
    if (!c) return "";
    switch (c->statusRule) {
        case StatusRule::Empty: return "";
        case StatusRule::ProgramThenText: return programName + c->statusText;
        case StatusRule::Text: return c->statusText;
        case StatusRule::VendorThenText: return vendorName + c->statusText;
        case StatusRule::TextThenVendor: return c->statusText + vendorName;
    }
    return "";
}

}  // namespace ostrevan
