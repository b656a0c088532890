// The report for large scans: FillReport into the headless rich-text view, and the detail
// window's caret-to-record mapping, up to the list's limit of 32,767 records; the fleet's merge
// of one product carried in as many versions as records.
#include <benchmark/benchmark.h>

#include "platform/ui/headless/headless_toolkit.h"
#include "report/detail_window.h"
#include "report/fleet_report.h"
#include "report/summary_report.h"

namespace {

using namespace ostrevan;

void Fill(RunState& st, int n) {
    FillCompMessages(st);
    for (int i = 0; i < n; ++i)
        st.cFiles.Add("", "Maker " + std::to_string(i % 50), "", "Program " + std::to_string(i),
                      "1.0", i % 3 ? "1.0" : "2.0", static_cast<int16_t>(i % 8 - 1), "C:\\P", "", "");
}

void BM_FillReport(benchmark::State& state) {
    RunState st;
    Fill(st, static_cast<int>(state.range(0)));
    ui::headless::HeadlessToolkit tk;
    ui::RichText& r = tk.NewWindow({"w", "w"}).AddRichText({"r", {}, ""});
    for (auto _ : state) {
        FillReport(st, tk, r);
        benchmark::DoNotOptimize(r.TextLength());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_FillReport)->Arg(1000)->Arg(10000)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_RecordAtCaret(benchmark::State& state) {
    RunState st;
    Fill(st, static_cast<int>(state.range(0)));
    ui::headless::HeadlessToolkit tk;
    ui::RichText& r = tk.NewWindow({"w", "w"}).AddRichText({"r", {}, ""});
    FillReport(st, tk, r);
    r.SetSelection(r.TextLength() / 2, 0);
    for (auto _ : state) benchmark::DoNotOptimize(RecordAtCaret(st, r));
}
BENCHMARK(BM_RecordAtCaret)->Arg(1000)->Arg(6000)->Unit(benchmark::kMicrosecond);

// One product in N versions of 900 characters each: every record is an entry of its own.
void BM_FleetEntriesLongVersions(benchmark::State& state) {
    std::vector<FleetPc> fleet(1);
    for (int i = 0; i < state.range(0); ++i) {
        std::string v;
        for (int c = 0; c < 449; ++c) v += "1.";
        v += std::to_string(i);
        clsFile& f = fleet[0].records.emplace_back();
        f.Name = "Writer";
        f.Vendor = "Acme";
        f.VersBegin = f.VersEnd = v;
        f.CompliantCode = 2;
    }
    for (auto _ : state) benchmark::DoNotOptimize(FleetEntries(fleet).size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FleetEntriesLongVersions)->RangeMultiplier(4)->Range(256, 16384)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
