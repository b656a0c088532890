// The drive page's facts and the BIOS page's copy of the test utility.
#include <gtest/gtest.h>

#include "scan/drive_procedures.h"
#include "wizard_fixture.h"

namespace ostrevan::apptest {
namespace {

constexpr const char* kFacts[] = {"lblVolName", "lblFileSystem", "lblSize", "lblFreeSpace", "lblDriveType"};

std::vector<std::string> ShownFacts(Wizard& w) {
    std::vector<std::string> v;
    for (const char* f : kFacts) v.push_back(w.Caption(f));
    return v;
}

// The facts shown match the drive's: free space may move while the test runs (other
// programs write to the same disk), so it is compared within a gibibyte.
void ExpectFacts(Wizard& w, const DriveFacts& f) {
    std::vector<std::string> shown = ShownFacts(w);
    EXPECT_NEAR(std::stod(shown[3]), std::stod(f.free_space), 1024.0);
    shown[3] = f.free_space;
    EXPECT_EQ(shown, (std::vector<std::string>{f.volume_label, f.file_system, f.size, f.free_space, f.drive_type}));
}

TEST(DrivePage, ShowsTheFactsOfTheSelectedDriveEachTimeItIsShown) {
    Wizard w;
    w.Start();
    platform::DriveMap drives;
    drives.Map('c', w.drive());
    const DriveFacts c = DriveReportFacts(drives, "c: [SYSTEM]");
    ASSERT_NE(c.size, "0");  // the temporary directory's disk has a size

    w.Next();
    w.Next();
    ExpectFacts(w, c);

    // Picking d:, which is no drive here: empty texts and sizes 0.
    w.Find<ui::DriveList>("DriveReport").Pick(1);
    EXPECT_EQ(ShownFacts(w), (std::vector<std::string>{"", "", "0", "0", ""}));

    // Labels changed behind the page's back are refreshed when the page is shown again.
    ui::DriveList& list = w.Find<ui::DriveList>("DriveReport");
    list.Pick(0);
    w.Find<ui::Label>("lblSize").SetCaption("stale");
    w.Back();
    w.Next();
    ExpectFacts(w, c);

    // The list selects by letter, whatever its case; the same drive again, a drive not listed
    // and a pick past the entries change nothing; listing the drives again keeps the choice.
    int changes = 0;
    list.onChange = [&] { ++changes; };
    list.SetDrive("D:\\");
    for (const char* again : {"d:", "q:"}) list.SetDrive(again);
    list.Pick(2);
    EXPECT_EQ(std::make_pair(changes, list.Drive()), std::make_pair(1, std::string("d:")));
    w.tk.SetDrives({"c: [NEW]", "d: [DATA]"}, 0);
    list.Refresh();
    EXPECT_EQ(list.Entries().at(1) + " " + list.Drive(), "d: [DATA] d: [DATA]");
}

TEST(BiosPage, CopiesTheUtilityToTheRootOfTheChosenDrive) {
    Wizard w;
    w.Start();
    for (int i = 0; i < 4; ++i) w.Next();
    ASSERT_EQ(w.Page(), "FraBios");
    EXPECT_EQ(w.Find<HeadlessDriveList>("dirCopyTo").Drive(), "c: [SYSTEM]");
    w.Button("btnCopyTo").Click();
    ASSERT_EQ(w.tk.messages.size(), 1u);
    EXPECT_EQ(w.tk.messages[0].title + ": " + w.tk.messages[0].text, "Ostrevan: YMARK 2000 Copy Completed!");
    EXPECT_EQ(testing::ReadFileBytes(w.drive() / "2000.exe"), "MZ utility");
}

}  // namespace
}  // namespace ostrevan::apptest
