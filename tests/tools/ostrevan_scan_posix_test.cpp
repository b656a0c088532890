// The program itself: exit status, bytes on standard output, help.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "support/program_builder.h"

using namespace ostrevan::testing;

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
};

ToolRun RunTool(const std::string& args) {
    ToolRun r;
    const std::string command = std::string(OSTREVAN_SCAN_EXE) + " " + args + " 2>/dev/null";
    FILE* p = popen(command.c_str(), "r");
    if (!p) return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    const int raw = pclose(p);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

}  // namespace

TEST(OstrevanScanProgram, VersionInfoModePrintsLfLinesAndExitsZero) {
    const ToolRun r = RunTool("--version-info " + FixturePath("basic") + " " + FixturePath("icon_only"));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, FixturePath("basic") + "\tAcme Writer 2000\tAcme Software, Inc.\t2.0.1\tAcme Writer\tYear 2000 ready\n" +
                         FixturePath("icon_only") + "\tNone\tNone\tNone\tNone\tNone\n");
}

TEST(OstrevanScanProgram, HelpExplainsBothModesAndBadUsageFails) {
    const ToolRun help = RunTool("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--version-info FILE..."), std::string::npos);
    EXPECT_NE(help.out.find("ProductName, CompanyName, ProductVersion, FileDescription"), std::string::npos);
    EXPECT_EQ(RunTool("--version-info").status, 2);
    EXPECT_EQ(RunTool("").status, 2);
}
