// Building a long report in the headless rich-text view (append at the end in a colour, as
// the summary report does per entry), and writing and reading it as RTF.
#include <benchmark/benchmark.h>

#include "platform/ui/headless/headless_toolkit.h"
#include "platform/ui/rtf.h"

namespace {

using namespace ostrevan::ui;

const std::string kEntry =
    "Acme Writer\n\tVersion(s): 3.1 - 4.0\n\tManufacturer: Acme Software Inc\n"
    "\tNot Year 2000 Ready - Upgrade or Discontinue Use\n\n";

void FillReport(RichText& r, int entries) {
    r.SetText("");
    r.SetFontName("Courier");
    for (int i = 0; i < entries; ++i) {
        r.SetSelection(r.TextLength(), 0);
        r.SetSelColor(i % 2 ? Color{255, 0, 0} : Color{0, 192, 0});
        r.ReplaceSelection(kEntry);
    }
}

void BM_AppendEntries(benchmark::State& state) {
    headless::HeadlessToolkit tk;
    RichText& r = tk.NewWindow({"w"}).AddRichText({"rtxt"});
    for (auto _ : state) FillReport(r, static_cast<int>(state.range(0)));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AppendEntries)->Arg(1000)->Arg(8000)->Arg(32000)->Complexity();

void BM_WriteAndReadRtf(benchmark::State& state) {
    headless::HeadlessToolkit tk;
    RichText& r = tk.NewWindow({"w"}).AddRichText({"rtxt"});
    FillReport(r, static_cast<int>(state.range(0)));
    const PrintableText content = r.Content();
    for (auto _ : state) benchmark::DoNotOptimize(ReadRtf(WriteRtf(content)).runs.size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_WriteAndReadRtf)->Arg(1000)->Arg(8000)->Complexity();

}  // namespace
