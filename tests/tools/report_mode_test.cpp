// The headless scanner's --report FILE: taking the option out of the arguments, and the report
// it saves of the scan.
#include <gtest/gtest.h>

#include "platform/ui/headless/headless_toolkit.h"
#include "platform/ui/rtf.h"
#include "report/summary_report.h"
#include "report_mode.h"
#include "support/test_support.h"

namespace ostrevan::testing {
namespace {

TEST(ReportOption, TakenOutOfTheScanArguments) {
    struct Case {
        std::vector<std::string> args;
        bool ok;
        std::optional<std::string> file;
        std::vector<std::string> rest;
    } cases[] = {
        {{"C:"}, true, std::nullopt, {"C:"}},
        {{"--report", "r.rtf", "C:"}, true, "r.rtf", {"C:"}},
        {{"--quiet", "C:", "--report", "out dir/r.rtf"}, true, "out dir/r.rtf", {"--quiet", "C:"}},
        {{"--report", "a.rtf", "--report", "b.rtf", "C:"}, true, "b.rtf", {"C:"}},
        {{"C:", "--report"}, false, std::nullopt, {}},
    };
    for (Case& c : cases) {
        std::optional<std::string> file;
        std::string error;
        std::vector<std::string> args = c.args;
        EXPECT_EQ(TakeReportOption(args, file, error), c.ok);
        if (!c.ok) {
            EXPECT_EQ(error, "--report needs a value");
            continue;
        }
        EXPECT_EQ(file, c.file);
        EXPECT_EQ(args, c.rest);
    }
}

// The report of the scan held in memory, exactly as the report page shows it: also records the
// result-file reader would leave out (a main-list record whose maker reads "None").
TEST(ReportOption, SavesTheReportThePageShows) {
    TempDir dir;
    RunState st;
    FillCompMessages(st);
    st.cFiles.Add("", "Acme", "", "Acme Writer", "3.1", "3.1", 1, "C:\\ACME", "", "");
    st.cFiles.Add("", "Acme", "", "Acme Old", "1.0", "2.0", 4, "C:\\ACME", "", "");
    st.cFiles.Add("", "None", "", "Gadget", "1.0", "1.0", 0, "C:\\GADGET", "", "");
    ASSERT_EQ(WriteScanReport(st, dir / "report.rtf"), "");
    EXPECT_EQ(WriteScanReport(st, dir / "missing" / "r.rtf"), "The folder does not exist.");

    ui::headless::HeadlessToolkit tk;
    ui::RichText& r = tk.NewWindow({"w", "w"}).AddRichText({"r", {}, ""});
    SetUpReportControl(r);
    FillReport(st, tk, r);
    const std::string rtf = ReadFileBytes(dir / "report.rtf");
    EXPECT_EQ(rtf, ui::WriteRtf(r.Content()));
    std::string text;
    for (const auto& run : ui::ReadRtf(rtf).runs) text += run.text;
    EXPECT_EQ(text.substr(0, text.find('\n')), "Acme Old") << "worst class first";
    EXPECT_NE(text.find("Gadget\n"), std::string::npos);
    EXPECT_NE(rtf.find("\\red255\\green0\\blue0"), std::string::npos);
    EXPECT_NE(rtf.find("\\red0\\green192\\blue0"), std::string::npos);
}

}  // namespace
}  // namespace ostrevan::testing
