#pragma once
// The main window's state of a program run: the wizard step and mode, the vendor directory
// with its products, the two result lists, the class counters and the abort flag.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "kb/file_collection.h"
#include "kb/vendor_collection.h"
#include "rules/readiness.h"

namespace ostrevan {

struct RunState {
    RunState() = default;
    RunState(const RunState&) = delete;
    RunState& operator=(const RunState&) = delete;

    int32_t lngStep = 0;          // wizard step, 0 to 4
    int32_t lngNumVends = 0;      // vendors loaded from Vendors.y2k at start-up
    std::string strMode = "Create";  // "Create" or "VIEW"
    colFiles cFiles;              // programs with version data
    colFiles cJunkFiles;          // undocumented program files
    colVendors cVendors;          // vendor directory, each vendor with its products
    bool JustLoaded = true;       // until the main window is first activated
    int32_t lngComp = 0;
    int32_t lngCompUnknown = 0;
    int32_t lngNotCompFix = 0;
    int32_t lngNotComp = 0;
    int32_t lngNumFiles = 0;      // program files on the chosen drive
    int32_t lngNotTest = 0;
    int32_t lngFileCounter = 0;   // program files examined so far
    int32_t lngNotRecorded = 0;   // programs examined but left out of full result lists
    bool IsAborting = false;
    std::array<std::string, kListedClasses> strCompMessages;  // readiness message of codes 0 to 6
};

// What the user is told when lngNotRecorded programs were found but not recorded.
std::string NotRecordedMessage(int32_t count);

// Fills strCompMessages from the readiness table, index = readiness code.
void FillCompMessages(RunState& st);

// The run-state counter a readiness class raises; nullptr for ReadinessCounter::None.
int32_t* CounterOf(RunState& st, ReadinessCounter counter);

// Sets the five class counters to 0 (before every scan).
void ResetCounters(RunState& st);

// Reads APPS.y2k from dir and files every product under its vendor in cVendors. A line whose
// vendor field is empty or not a number is skipped; any other bad line ends the load with a
// VbError, and the products filed before it stay. VbError 53 when the file is missing.
void LoadVendorAppsFromFile(RunState& st, const std::filesystem::path& dir);

// Loads Vendors.y2k, sets lngNumVends to the number of vendors loaded, then loads APPS.y2k. A
// missing or damaged file leaves what was read before it. Returns a sentence for each file
// that is damaged or cannot be read (which file, which line, how much was ignored), for the
// user to be told; a missing file is not listed.
std::vector<std::string> LoadKnowledgeBase(RunState& st, const std::filesystem::path& dir);

// Start-up: prepares the state and the readiness messages and loads the knowledge base, whose
// damage it returns as LoadKnowledgeBase does.
std::vector<std::string> StartRunState(RunState& st, const std::filesystem::path& dir);

}  // namespace ostrevan
