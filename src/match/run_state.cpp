#include "match/run_state.h"

#include <exception>
#include <utility>

#include "kb/data_lines.h"
#include "platform/host_path.h"
#include "platform/text.h"

namespace ostrevan {

std::string NotRecordedMessage(int32_t count) {
    return std::to_string(count) + (count == 1 ? " program was" : " programs were") +
           " found but could not be recorded: the results hold at most " + std::to_string(kMaxRecords) +
           " programs of each kind.";
}

void FillCompMessages(RunState& st) {
    for (const ReadinessClass& c : kReadinessClasses)
        if (Listed(c.code)) st.strCompMessages[static_cast<size_t>(c.code)] = c.message;
}

namespace {
// Each class counter and the run-state field that holds it.
constexpr std::pair<ReadinessCounter, int32_t RunState::*> kCounterFields[] = {
    {ReadinessCounter::lngComp, &RunState::lngComp},
    {ReadinessCounter::lngCompUnknown, &RunState::lngCompUnknown},
    {ReadinessCounter::lngNotCompFix, &RunState::lngNotCompFix},
    {ReadinessCounter::lngNotComp, &RunState::lngNotComp},
    {ReadinessCounter::lngNotTest, &RunState::lngNotTest},
};
}  // namespace

int32_t* CounterOf(RunState& st, ReadinessCounter counter) {
    for (const auto& [c, field] : kCounterFields)
        if (c == counter) return &(st.*field);
    return nullptr;
}

void ResetCounters(RunState& st) {
    for (const auto& [c, field] : kCounterFields) st.*field = 0;
    st.lngNotRecorded = 0;
}

void LoadVendorAppsFromFile(RunState& st, const std::filesystem::path& dir) {
    ReadDataFile(dir / kAppsFileName, kAppsFields, [&](const std::vector<std::string>& f) {
        if (f[1].empty() || !text::IsNumeric(f[1])) return;
        const int16_t vendor = text::ToInt16(f[1]);
        colY2KApps& apps = st.cVendors.Item(vendor).mvarApps;
        apps.Add(vendor, ReadinessCode(f[2]), f[3], f[4], f[5], f[6], f[7], f[8], text::ToInt16(f[0]));
    });
}

std::vector<std::string> LoadKnowledgeBase(RunState& st, const std::filesystem::path& dir) {
    std::vector<std::string> problems;
    auto load = [&](const char* name, auto step) {
        try {
            step();
        } catch (const VbError& e) {
            // Without the file every program is "not in the database": that is worth a word.
            if (e.number() == kErrFileNotFound)
                problems.push_back(platform::StoredName((dir / name).native()) + " is missing");
            else if (e.number() == kErrPathAccess)
                problems.push_back(std::string(name) + " cannot be read (it must be a plain file of at most 64 MB)");
            else problems.push_back(e.what());
        } catch (const std::exception& e) {
            problems.push_back(std::string(name) + ": " + e.what());
        }
    };
    load(kVendorsFileName, [&] { st.cVendors.LoadFromFile(dir); });
    st.lngNumVends = st.cVendors.Count();
    // Products are filed under their vendors: without a vendor directory none can be filed, and
    // the missing or damaged directory is all there is to say.
    if (st.cVendors.Count() > 0) load(kAppsFileName, [&] { LoadVendorAppsFromFile(st, dir); });
    return problems;
}

std::vector<std::string> StartRunState(RunState& st, const std::filesystem::path& dir) {
    st.JustLoaded = true;
    FillCompMessages(st);
    ResetCounters(st);
    st.lngStep = 0;
    st.strMode = "Create";
    return LoadKnowledgeBase(st, dir);
}

}  // namespace ostrevan
