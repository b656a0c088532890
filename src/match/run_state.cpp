#include "match/run_state.h"

#include <exception>

#include "kb/data_lines.h"
#include "platform/text.h"

namespace ostrevan {

void FillCompMessages(RunState& st) {
    for (int code = 0; code <= 6; ++code)
        st.strCompMessages[static_cast<size_t>(code)] = FindReadiness(code)->message;
}

int32_t* CounterOf(RunState& st, ReadinessCounter counter) {
    switch (counter) {
        case ReadinessCounter::None: return nullptr;
        case ReadinessCounter::lngComp: return &st.lngComp;
        case ReadinessCounter::lngCompUnknown: return &st.lngCompUnknown;
        case ReadinessCounter::lngNotCompFix: return &st.lngNotCompFix;
        case ReadinessCounter::lngNotComp: return &st.lngNotComp;
        case ReadinessCounter::lngNotTest: return &st.lngNotTest;
    }
    return nullptr;
}

void ResetCounters(RunState& st) {
    st.lngComp = st.lngCompUnknown = st.lngNotCompFix = st.lngNotComp = st.lngNotTest = 0;
}

void LoadVendorAppsFromFile(RunState& st, const std::filesystem::path& dir) {
    DataLineReader reader(dir / kAppsFileName);
    std::string line;
    while (reader.Next(line)) {
        const auto f = SplitAppsLine(line);
        if (f[1].empty() || !text::IsNumeric(f[1])) continue;
        const int16_t vendor = text::ToInt16(f[1]);
        colY2KApps& apps = st.cVendors.Item(vendor).mvarApps;
        apps.Add(vendor, text::ToInt16(f[2]), f[3], f[4], f[5], f[6], f[7], f[8], text::ToInt16(f[0]));
    }
}

void StartRunState(RunState& st, const std::filesystem::path& dir) {
    st.JustLoaded = true;
    FillCompMessages(st);
    ResetCounters(st);
    st.lngStep = 0;
    st.strMode = "Create";
    try {
        st.cVendors.LoadFromFile(dir);
    } catch (const std::exception&) {
        // A missing or broken vendor file leaves the vendors read so far.
    }
    st.lngNumVends = st.cVendors.Count();
    try {
        LoadVendorAppsFromFile(st, dir);
    } catch (const std::exception&) {
        // Likewise for the products.
    }
}

}  // namespace ostrevan
