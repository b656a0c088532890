// The drive walk over small drives: what is examined, what is stored, what the page shows.
#include <gtest/gtest.h>


#include "scan/progress.h"
#include "scan/scan_page.h"
#include "scan_fixture.h"

namespace ostrevan::scantest {
namespace {

namespace fs = std::filesystem;

TEST(Progress, PercentRoundsHalvesToEvenAndIsNotCapped) {
    struct Case {
        int32_t counter, total;
        const char* want;
    } cases[] = {{1, 8, "12% Complete"}, {3, 8, "38% Complete"}, {8, 8, "100% Complete"},
                 {1, 3, "33% Complete"}, {9, 8, "112% Complete"}, {0, 5, "0% Complete"}};
    for (const auto& c : cases) EXPECT_EQ(ProgressText(c.counter, c.total), c.want) << c.counter;
    EXPECT_FALSE(ProgressText(1, 0));           // nothing counted: the label keeps its text
    EXPECT_FALSE(ProgressText(21474837, 100));  // counter * 100 past 32 bits
}

// A drive with one program of every outcome.
class SmallDrive : public ::testing::Test, protected ScanFixture {
protected:
    void SetUp() override {
        Put("WRITER.EXE", Program("Acme Writer", "Acme Inc.", "2.0", "Acme Writer"));
        Put("readme.txt", Program("Acme Writer", "Acme Inc.", "2.0"));
        Put("NOVER.EXE", "MZ no version data");
        Put(".HIDDEN.EXE", Program("Acme Writer", "Acme Inc.", "9.0"));
        Put(".hidden/INSIDE.EXE", Program("Acme Writer", "Acme Inc.", "9.0"));
        Put("APPS/WRITER2.EXE", Program("Acme Writer", "Acme Inc.", "1.5", "Writer, older"));
        Put("APPS/TOOL.EXE", Program("Quill Tool", "Quillon Tools", "1.0", "The tool"));
        Put("APPS/regsvr32.exe", Program("Acme Writer", "Acme Inc.", "2.0"));
        Put("APPS/NEW/TOOL2.EXE", Program("Quill Tool", "Quillon Tools", "2.0", "The tool"));
        Put("APPS/NEW/deep/NOCO.EXE", Program("Thing", "", "1.0", "A thing", "no company"));
        Put("WINNT/EXPLORER.EXE", Program("Microsoft(R) Windows NT(TM) Operating System",
                                          "Microsoft Corporation", "5.00.2195"));
    }
};

TEST_F(SmallDrive, ResultFilesByteForByte) {
    ASSERT_TRUE(Scan().ok());
    EXPECT_EQ(files,
              Line({"Microsoft Windows NT Operating System", "Microsoft Corporation", "5.0", "5.0",
                    "Operating System", "Install the service pack", "C:\\WINNT", "5"}) +
                  Line({"Acme Writer", "Acme", "1.5", "2.0", "Acme Writer", "Nothing to do", "C:", "1"}) +
                  Line({"Quill Tool", "Quillon Tools", "1.0 , 2.0", "1.0 , 2.0", "The tool", "", "C:\\APPS", "0"}));
    EXPECT_EQ(junk_files,
              Line({"NOVER.EXE", "None", "None", "None", "None", "None", "C:", "1"}) +
                  Line({"NOCO.EXE", "None", "1.0", "1.0", "A thing", "no company", "C:\\APPS\\NEW\\deep", "1"}));
}

// A page shown at most once an interval shows the latest of everything due, and all of it when
// flushed; the renderer learns what it showed before.
TEST(ScanPage, ShowsTheLatestOncePerIntervalAndAllOnFlush) {
    using std::chrono::milliseconds;
    std::vector<std::pair<ScanView, bool>> shows;  // each view shown, and whether a view came before
    auto now = std::chrono::steady_clock::time_point{} + std::chrono::hours(1);
    ScanPage page(kBlue, [&](const ScanView& v, const ScanView* before) {
        if (before) { EXPECT_EQ(*before, shows.back().first); }
        shows.emplace_back(v, before != nullptr);
    }, milliseconds(50), [&] { return now; });
    page.SetFileLabel("A.EXE");  // the first change shows at once, whole
    now += milliseconds(10);
    page.SetFileLabel("B.EXE");
    page.SetCounter(ReadinessCounter::lngComp, "1");
    page.DrawIcon(platform::HostPath("b.exe"));
    page.SetLineVisible(IndicatorLine::LineNotComp, true);
    page.SetLineVisible(IndicatorLine::None, true);  // no line, no counter: nothing to show
    page.SetCounter(ReadinessCounter::None, "9");
    page.ShowIfDue();
    ASSERT_EQ(shows.size(), 1u);
    EXPECT_EQ(shows[0].first.file, "A.EXE");
    EXPECT_EQ(shows[0].first.flash, kBlue) << "the flash starts in the page's colour";
    EXPECT_FALSE(shows[0].second);
    now += milliseconds(40);
    page.SetFileLabel("C.EXE");
    ASSERT_EQ(shows.size(), 2u);
    const ScanView& v = shows[1].first;
    EXPECT_EQ(v.file, "C.EXE");
    EXPECT_EQ(v.Counter(ReadinessCounter::lngComp), "1");
    EXPECT_EQ(v.Counter(ReadinessCounter::None), "");
    EXPECT_EQ(v.counters, (std::array<std::string, 5>{"1", "0", "0", "0", "0"}));
    EXPECT_EQ(v.icon, platform::HostPath("b.exe"));
    EXPECT_EQ(v.VisibleLine(), IndicatorLine::LineNotComp);
    page.ClearIcon();
    page.SetFlashColour(kGreen);
    EXPECT_EQ(shows.size(), 2u);
    page.Flush();
    ASSERT_EQ(shows.size(), 3u);
    EXPECT_EQ(shows[2].first.icon, std::nullopt);
    EXPECT_EQ(shows[2].first.flash, kGreen);
    page.SetFlashColour(kGreen);
    page.Flush();
    EXPECT_EQ(shows.size(), 3u) << "nothing changed: nothing to show";
    now += milliseconds(50);
    page.ShowIfDue();  // nothing new: no interval starts
    now += milliseconds(1), page.SetFileLabel("D.EXE");
    EXPECT_EQ(shows.size(), 4u) << "a change after a quiet interval shows at once";
}

TEST(ScanEdges, FileThatVanishesMidScanBecomesUndocumented) {
    ScanFixture f;
    f.Put("A.EXE", Program("Acme Writer", "Acme Inc.", "2.0"));
    f.Put("B.EXE", Program("Acme Writer", "Acme Inc.", "2.0"));
    f.on_yield = [&] {
        // After the first program of the root, the other one disappears.
        if (f.st.lngFileCounter == 1) {
            fs::remove(f.drive() / "A.EXE");
            fs::remove(f.drive() / "B.EXE");
        }
    };
    ASSERT_TRUE(f.Scan().ok());
    EXPECT_EQ(std::make_pair(f.st.lngFileCounter, f.st.lngComp), std::make_pair(2, 1));
    ASSERT_EQ(f.st.cJunkFiles.Count(), 1);
    EXPECT_EQ(f.st.cJunkFiles.Item(1).Vendor, "None");
}

// A program without a fitting record keeps no instructions of the program before it.
TEST(ScanEdges, DecisionOutputsStartEmptyForEveryProgram) {
    ScanFixture f;
    f.Put("A/WRITER.EXE", Program("Acme Writer", "Acme Inc.", "2.0"));
    f.Put("A/B/GADGET.EXE", Program("Acme Gadget", "Acme Inc.", "1.0"));
    f.Scan();
    ASSERT_EQ(f.st.cFiles.Count(), 3);
    const clsFile& gadget = f.st.cFiles.Item(3);
    EXPECT_EQ(gadget.Name + "|" + std::to_string(gadget.CompliantCode) + "|" + gadget.Comments + "|" + gadget.CVERB,
              "Acme Gadget|2||NOLIMITS");
}

// Versions merge as whole entries, not as parts of the merged text ("1" is not "1.0"); and a
// program a full list cannot take is counted and shown, never dropped without a word.
TEST(ScanEdges, VersionsMergeWholeAndFullListsAreCounted) {
    ScanFixture f;
    f.Put("A/G1.EXE", Program("Acme Gadget", "Acme Inc.", "1.0"));
    f.Put("A/B/G2.EXE", Program("Acme Gadget", "Acme Inc.", "1"));
    f.Put("A/B/C/G3.EXE", Program("Acme Gadget", "Acme Inc.", "1.0"));
    for (const char* junk : {"A/J1.EXE", "A/J2.EXE", "A/J3.EXE"}) f.Put(junk, "MZ");
    f.Scan();
    ASSERT_EQ(f.st.cFiles.Count(), 2);
    EXPECT_EQ(f.st.cFiles.Item(2).VersBegin, "1.0 , 1");
    EXPECT_EQ(f.st.lngNotRecorded, 0);

    f.st.cJunkFiles.Clear();
    for (int i = 1; i < kMaxRecords; ++i)
        f.st.cJunkFiles.Place(colFiles::NewRecord("", "None", "", "J" + std::to_string(i), "", "", 1, "", "", ""), false);
    bool told = false;
    ScanPage page(kBlack, [&](const ScanView& v, const ScanView*) { told = told || v.status == NotRecordedMessage(2); });
    DriveScan scan(f.st, page, f.source, {});
    scan.CheckDirectory({"C:", f.drive(), {}});
    EXPECT_EQ(f.st.cJunkFiles.Count(), kMaxRecords);
    EXPECT_EQ(f.st.lngNotRecorded, 2);
    EXPECT_TRUE(told);
}

TEST(ScanEdges, OperatingSystemWithoutAnIdentity) {
    ScanFixture f;
    f.Put("SHELL.EXE", Program("Microsoft Windows", "Microsoft Corporation", "4.0"));
    platform::OsIdentity none;
    ASSERT_TRUE(f.Scan(none).ok());
    // The system's record: empty name and version, known vendor, no fitting record.
    EXPECT_EQ(f.files, Line({"", "Microsoft Corporation", "", "", "Operating System", "", "", "2"}));
    EXPECT_EQ(f.Counters(), (std::array<int32_t, 5>{0, 2, 0, 0, 0}));
    EXPECT_EQ(f.page.view().status, "Operating System File Found, Already Checked");
    EXPECT_EQ(f.page.view().flash, kBlue) << "the flash takes the colour of the class";
}

}  // namespace
}  // namespace ostrevan::scantest
