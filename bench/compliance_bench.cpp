// The readiness decision over a knowledge base of 5,000 vendors and 20,000 products.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "match/compliance.h"
#include "match/run_state.h"
#include "rules/string_matcher.h"

namespace ostrevan {
namespace {

constexpr int kVendors = 5000;
constexpr int kProducts = 20000;
constexpr int kBusyVendor = 2500;  // the vendor with 50 products
constexpr int kBusyProducts = 50;

std::string VendorName(int id) { return "Maker " + std::to_string(id * 7919 % 100000) + " Labs"; }

// Vendor 1 is "None"; vendor kBusyVendor has 50 products, the other 19,950 products are spread
// over the remaining vendors.
RunState& KnowledgeBase() {
    static std::unique_ptr<RunState> st = [] {
        auto s = std::make_unique<RunState>();
        FillCompMessages(*s);
        s->cVendors.Add("None", "", "", "", 1, "None");
        for (int v = 2; v <= kVendors; ++v)
            s->cVendors.Add(VendorName(v), "1 Road", "Town", "555", static_cast<int16_t>(v), "www.example");
        int id = 1;
        for (int p = 0; p < kBusyProducts; ++p, ++id)
            s->cVendors.Item(kBusyVendor).mvarApps.Add(
                kBusyVendor, static_cast<int16_t>(1 + p % 6), VendorName(kBusyVendor) + " Product " + std::to_string(p),
                "", std::to_string(p % 5) + ".0", p % 3 ? "NOLIMITS" : std::to_string(p % 5 + 2) + ".0",
                "Install the update", p % 4 ? "" : "Alt Product " + std::to_string(p), static_cast<int16_t>(id));
        for (int v = 2; id <= kProducts; ++id, v = v % kVendors + 1) {
            if (v == kBusyVendor || v == 1) continue;
            s->cVendors.Item(static_cast<int16_t>(v)).mvarApps.Add(
                static_cast<int16_t>(v), 1, "Tool " + std::to_string(id), "", "1.0", "NOLIMITS", "", "",
                static_cast<int16_t>(id));
        }
        s->lngNumVends = s->cVendors.Count();
        return s;
    }();
    return *st;
}

void Decide(benchmark::State& state, const std::string& product, const std::string& version,
            const std::string& expectedVB) {
    RunState& st = KnowledgeBase();
    std::string lastVB;
    for (auto _ : state) {
        std::string company = VendorName(kBusyVendor) + ", Inc.";
        std::string exe, name = product, v = version, compliant, instructions, vb, ve;
        auto shown = CheckCompliance(st, company, exe, name, v, compliant, instructions, vb, ve);
        benchmark::DoNotOptimize(shown);
        benchmark::DoNotOptimize(compliant);
        lastVB = vb;
    }
    if (st.cVendors.Count() != kVendors) state.SkipWithError("the decision added a vendor");
    if (lastVB != expectedVB) state.SkipWithError("the decision did not pick the expected record");
}

// The last of the vendor's 50 records fits: every candidate is examined.
void BM_DecisionLastRecordFits(benchmark::State& state) { Decide(state, "Product 49", "5.0", "4.0"); }
// No record fits: all 50 are examined and the answer is "no readiness data".
void BM_DecisionNoRecordFits(benchmark::State& state) { Decide(state, "Unlisted Program", "3.0", "NOLIMITS"); }
// The first record fits.
void BM_DecisionFirstRecordFits(benchmark::State& state) { Decide(state, "Product 0", "1.0", "0.0"); }

// A company the directory does not know: normalised, missed, added as vendor 5,001; removing
// it again keeps the directory at 5,000 vendors for the next round.
void BM_GetVendorIDUnknownCompany(benchmark::State& state) {
    RunState& st = KnowledgeBase();
    for (auto _ : state) {
        std::string company = "Quillon Tool Works, Inc.";
        const int16_t id = st.cVendors.GetVendorID(company);
        benchmark::DoNotOptimize(id);
        st.cVendors.Remove(id);
    }
}

// A company the directory knows, for comparison.
void BM_GetVendorIDKnownCompany(benchmark::State& state) {
    RunState& st = KnowledgeBase();
    for (auto _ : state) {
        std::string company = VendorName(4321) + " Corporation";
        benchmark::DoNotOptimize(st.cVendors.GetVendorID(company));
    }
}

void BM_StripName(benchmark::State& state) {
    for (auto _ : state) {
        std::string company = "Maker 42 Labs Software, Inc.";
        benchmark::DoNotOptimize(StripName("Maker 42 Labs Product\x99 Deluxe 4.0!", company));
    }
}

// A name that is the company's name over and over ("V V V ...", N characters): each removal
// must not copy the rest of the name; the time grows with N, not N squared.
void BM_StripNameOfTheCompanyRepeated(benchmark::State& state) {
    std::string name;
    while (name.size() < static_cast<size_t>(state.range(0))) name += "V ";
    for (auto _ : state) {
        std::string company = "V";
        benchmark::DoNotOptimize(StripName(name, company));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_StripNameOfTheCompanyRepeated)->RangeMultiplier(4)->Range(1 << 12, 1 << 20)->Complexity();

BENCHMARK(BM_DecisionLastRecordFits)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DecisionNoRecordFits)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DecisionFirstRecordFits)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_GetVendorIDUnknownCompany)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_GetVendorIDKnownCompany)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_StripName)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace ostrevan
