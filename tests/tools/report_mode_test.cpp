// The headless scanner's --report FILE: taking the option out of the arguments, and the report
// it saves from the result files.
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

TEST(ReportOption, SavesTheReportOfTheResultFiles) {
    TempDir dir;
    colFiles files;
    files.Add("", "Acme", "", "Acme Writer", "3.1", "3.1", 1, "C:\\ACME", "", "");
    files.Add("", "Acme", "", "Acme Old", "1.0", "2.0", 4, "C:\\ACME", "", "");
    files.Add("", "Other", "", "Other Tool", "5", "5", 0, "C:\\OTHER", "", "");
    files.SaveToFile(false, dir.path());
    ASSERT_EQ(WriteReportFromResults(dir.path(), dir / "report.rtf"), "");

    // The same report as the report page shows for these records.
    RunState st;
    FillCompMessages(st);
    st.cFiles.LoadFromFile(false, dir.path());
    ui::headless::HeadlessToolkit tk;
    ui::RichText& r = tk.NewWindow({"w", "w"}).AddRichText({"r", {}, ""});
    SetUpReportControl(r);
    FillReport(st, tk, r);
    const std::string rtf = ReadFileBytes(dir / "report.rtf");
    EXPECT_EQ(rtf, ui::WriteRtf(r.Content()));
    std::string text;
    for (const auto& run : ui::ReadRtf(rtf).runs) text += run.text;
    EXPECT_EQ(text.substr(0, text.find('\n')), "Acme Old") << "worst class first";
    EXPECT_NE(rtf.find("\\red255\\green0\\blue0"), std::string::npos);
    EXPECT_NE(rtf.find("\\red0\\green192\\blue0"), std::string::npos);
}

TEST(ReportOption, FailuresAreReported) {
    TempDir dir;
    EXPECT_NE(WriteReportFromResults(dir.path(), dir / "r.rtf").find("could not be read"),
              std::string::npos)
        << "no Files.y2k";
    colFiles files;
    files.SaveToFile(false, dir.path());
    EXPECT_EQ(WriteReportFromResults(dir.path(), dir / "missing" / "r.rtf"),
              "The folder does not exist.");
}

}  // namespace
}  // namespace ostrevan::testing
