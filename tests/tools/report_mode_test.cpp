// The headless scanner's --report FILE: taking the option out of the arguments (the report it
// saves is checked by running the program, ostrevan_scan_posix_test.cpp).
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace ostrevan::testing
