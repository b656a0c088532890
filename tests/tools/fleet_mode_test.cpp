// The headless scanner's --fleet: one report and one spreadsheet for the results of many PCs.
#include <gtest/gtest.h>

#include <sstream>

#include "fleet_mode.h"
#include "platform/command_line.h"
#include "platform/ui/rtf.h"
#include "report/fleet_report.h"
#include "support/test_support.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace ostrevan::testing {
namespace {

std::string Lines(std::initializer_list<const char*> lines) {
    std::string s;
    for (const char* l : lines) s += std::string("\"") + l + "\"\r\n";
    return s;
}

TEST(Fleet, SharedAndDistinctProductsOfSeveralPcsInOneReport) {
    TempDir t;
    auto pc = [&](const std::string& name, const std::string& files, const std::string& junk) {
        WriteFileBytes(t / name / "Files.y2k", files);
        WriteFileBytes(t / name / "JFiles.y2k", junk);
        return platform::Utf8FromHostPath(t / name);
    };
    const std::vector<std::string> args = {
        platform::Utf8FromHostPath(t / "office"),
        pc("PC-01",
           Lines({"Acme Writer\tAcme\t4.0\t4.0\tWriter\tUpgrade to Writer 5\tC:\\ACME\t4",
                  "Paint, Pro\tBrush \"Co\"\t1.0\t1.0\tPaint\tNothing to do\tC:\\PAINT\t1"}),
           Lines({"JUNK.EXE\tNone\tNone\tNone\tNone\tNone\tC:\t1"})),
        pc("PC-02",
           Lines({"ACME WRITER\tAcme Inc.\t4.00\t4.00\tWriter\tUpgrade to Writer 5\tD:\\APPS\t4",
                  "Calc\tNumbers Ltd\t2.0\t2.0\tCalc\t\tC:\\CALC\t0",
                  "Gadget\tNone\t1.0\t1.0\tGadget\t\tC:\\GADGET\t0"}),
           ""),
        pc("BROKEN", "not a result line\r\n", ""),
        platform::Utf8FromHostPath(t / "EMPTY"),
        pc("PC-03", Lines({"Acme Writer\tAcme\t5.0\t5.0\tWriter\tNo tests planned\tC:\\ACME\t6"}), ""),
    };
    std::filesystem::create_directory(t / "EMPTY");
    std::ostringstream out, err;
    ASSERT_EQ(RunFleet(args, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), "Wrote " + args[0] + ".rtf and " + args[0] + ".csv: 3 PCs, 5 products\n");
    EXPECT_NE(err.str().find(args[3] + " is left out: Files.y2k is damaged"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find(args[4] + " is left out: Files.y2k is missing"), std::string::npos) << err.str();

    EXPECT_EQ(ReadFileBytes(t / "office.csv"),
              "PC,Product,Version(s),Manufacturer,Readiness code,Readiness,Folder,Instructions\r\n"
              "PC-01,Acme Writer,4.0,Acme,4,Not Year 2000 Ready - Upgrade or Discontinue Use,C:\\ACME,Upgrade to Writer 5\r\n"
              "PC-02,Acme Writer,4.0,Acme,4,Not Year 2000 Ready - Upgrade or Discontinue Use,D:\\APPS,Upgrade to Writer 5\r\n"
              "PC-03,Acme Writer,5.0,Acme,6,Manufacturer will not Test,C:\\ACME,No tests planned\r\n"
              "PC-01,\"Paint, Pro\",1.0,\"Brush \"\"Co\"\"\",1,Year 2000 Ready - No Action Required,C:\\PAINT,Nothing to do\r\n"
              "PC-02,Calc,2.0,Numbers Ltd,0,\"Not in Ostrevan Database, Send Readiness Request Letter\",C:\\CALC,\r\n"
              "PC-02,Gadget,1.0,None,0,\"Not in Ostrevan Database, Send Readiness Request Letter\",C:\\GADGET,\r\n");

    const ui::PrintableText rtf = ui::ReadRtf(ReadFileBytes(t / "office.rtf"));
    std::string text;
    bool sharedEntryInRed = false, headingsBold = false;
    for (const ui::TextRun& r : rtf.runs) {
        text += r.text;
        if (r.text.find("Undocumented\n") != std::string::npos) headingsBold = r.format.bold;
        if (r.text.find("Acme Writer\n\tVersion(s): 4.0\n\tManufacturer: Acme\n\tNot Year 2000 Ready - Upgrade or "
                        "Discontinue Use\n\tPCs (2): PC-01, PC-02\n") != std::string::npos)
            sharedEntryInRed = r.format.color == ui::Color{255, 0, 0};
    }
    EXPECT_TRUE(sharedEntryInRed) << text;
    EXPECT_TRUE(headingsBold);
    // One row per PC: the counts in report order, undocumented last.
    EXPECT_NE(text.find("\nPC-01  1       0     0      0       0       1     0          1\n"
                        "PC-02  1       0     0      0       0       0     2          0\n"),
              std::string::npos)
        << text;
}

TEST(Fleet, AFolderGivenTwiceCountsOnceAndPcsOfOneNameAreToldApart) {
    TempDir t;
    std::vector<std::string> args = {platform::Utf8FromHostPath(t / "office")};
    for (const char* dir : {"a/PC-01", "a/PC-01/", "b/PC-01", "c/pc-01", "PC-01 (2)"}) {
        WriteFileBytes(t / dir / "Files.y2k", Lines({"Calc\tNumbers Ltd\t2.0\t2.0\tCalc\t\tC:\\CALC\t0"}));
        WriteFileBytes(t / dir / "JFiles.y2k", "");
        args.push_back(platform::Utf8FromHostPath(t / dir));
    }
    std::ostringstream out, err;
    ASSERT_EQ(RunFleet(args, out, err), 0) << err.str();
    EXPECT_NE(err.str().find(args[2] + " is left out: the same folder as " + args[1]), std::string::npos) << err.str();
    EXPECT_NE(err.str().find(args[4] + " has the name of an earlier PC's folder: it is listed as pc-01 (3)"),
              std::string::npos)
        << err.str();
    std::string pcs, line;
    std::istringstream csv(ReadFileBytes(t / "office.csv"));
    while (std::getline(csv, line)) pcs += line.substr(0, line.find(',')) + ";";
    EXPECT_EQ(pcs, "PC;PC-01;PC-01 (2);pc-01 (3);PC-01 (2) (2);");
}

// One folder spelt in other ways is one PC: through a link or a relative path, and on Windows
// in other case, with a trailing dot, the long-path prefix or its short name.
TEST(Fleet, OneFolderHoweverSpeltIsOnePc) {
    TempDir t;
    std::filesystem::create_directories(t / "a" / "PC-OFFICE-01");
    WriteFileBytes(t / "a" / "PC-OFFICE-01" / "Files.y2k", Lines({"Calc\tNumbers Ltd\t2.0\t2.0\tCalc\t\tC:\\CALC\t0"}));
    WriteFileBytes(t / "a" / "PC-OFFICE-01" / "JFiles.y2k", "");
    const std::string first = platform::Utf8FromHostPath(t / "a" / "PC-OFFICE-01");
    std::vector<std::string> args = {platform::Utf8FromHostPath(t / "office"), first};
#ifdef _WIN32
    args.push_back(platform::Utf8FromHostPath(t / "A" / "pc-office-01."));
    args.push_back("\\\\?\\" + first);
    wchar_t shortName[MAX_PATH];
    ASSERT_GT(GetShortPathNameW((t / "a" / "PC-OFFICE-01").c_str(), shortName, MAX_PATH), 0u);
    ASSERT_NE(std::wstring(shortName).find(L'~'), std::wstring::npos);
    args.push_back(platform::Utf8FromHostPath(platform::HostPath(shortName)));
#else
    std::filesystem::create_directory_symlink(t / "a" / "PC-OFFICE-01", t / "link");
    args.push_back(platform::Utf8FromHostPath(t / "link"));
    args.push_back(std::filesystem::relative(t / "a" / "PC-OFFICE-01").string());
#endif
    std::ostringstream out, err;
    ASSERT_EQ(RunFleet(args, out, err), 0) << err.str();
    for (size_t i = 2; i < args.size(); ++i)
        EXPECT_NE(err.str().find(args[i] + " is left out: the same folder as " + first), std::string::npos) << err.str();
    EXPECT_NE(out.str().find(": 1 PCs"), std::string::npos) << out.str();
}

TEST(Fleet, CsvFieldsAreQuotedAndConvertedToUtf8) {
    using namespace std::string_literals;
    struct Case {
        std::string in;
        std::string out;
    } cases[] = {
        {"plain text", "plain text"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {"one\nline feed", "\"one\nline feed\""},
        {"Caf\xE9 \x80", "Caf\xC3\xA9 \xE2\x82\xAC"},
        {"=HYPERLINK(1)", "'=HYPERLINK(1)"},
        {"-1, +2", "\"'-1, +2\""},
        {"@SUM", "'@SUM"},
        {"\tSUM", "'\tSUM"},
        {"\r=1", "\"'\r=1\""},
        {"\0=1"s, "'\0=1"s},
    };
    for (const Case& c : cases) EXPECT_EQ(CsvField(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace ostrevan::testing
