// The scan as the Next button of the drive page runs it: the scanning page, the buttons, the
// pointer, Abort, the saved results and the report that follows.
#include <gtest/gtest.h>

#include <new>

#include <stdexcept>
#include <utility>

#include "wizard_fixture.h"

namespace ostrevan::apptest {
namespace {

using ui::MousePointer;

// A drive with programs of several classes in two directories.
void FillDrive(Wizard& w) {
    w.Put("WRITER.EXE", scantest::Program("Writer", "Acme", "4.0") + "Icon=yes\n");
    w.Put("PRO.EXE", scantest::Program("Writer Pro", "Acme", "2.0"));
    w.Put("JUNK.EXE", "MZ no version data");
    w.Put("SUB/SUITE.EXE", scantest::Program("Untested Suite", "Acme", "1.0") + "Icon=yes\n");
    w.Put("SUB/LAST/OTHER.EXE", scantest::Program("Other", "Unknown Maker", "1.0"));
}

// A wizard on the drive page of a drive filled as above.
struct OnDrivePage : Wizard {
    OnDrivePage() {
        FillDrive(*this);
        Start();
        Next();
        Next();
    }
    // Whether Help, Next, Back and Exit can be pressed ("+") or not ("-").
    std::string Buttons() const {
        std::string s;
        for (const char* b : {"btnHelp", "BtnNext", "btnBack", "btnExit"}) s += Button(b).Usable() ? "+" : "-";
        return s;
    }
};

const char* const kCounterLabels[] = {"lblCompliant", "lblCompUnknown", "lblNotCOmpFix", "lblNotComp", "lblNotTest"};
const char* const kLines[] = {"LineCompliant", "LineCompUnknown", "LineNotCompFix", "LineNotComp", "lineNotTest"};

TEST(Scan, FillsTheListsAndThePageAndSavesTheResults) {
    OnDrivePage w;
    w.Next();
    RunState& st = w.State();
    // The operating system (Windows 2000, ready with issues) first, then the programs.
    ASSERT_EQ(st.cFiles.Count(), 5);
    EXPECT_EQ(st.cJunkFiles.Count(), 1);
    EXPECT_EQ(st.cJunkFiles.Item(1).Name, "JUNK.EXE");
    EXPECT_EQ(w.Caption("lblCount"), "100% Complete");
    std::vector<std::string> shown;
    for (const char* label : kCounterLabels) shown.push_back(w.Caption(label));
    EXPECT_EQ(shown, (std::vector<std::string>{"1", "0", "1", "1", "1"}));  // the system ready with issues
    // The last program examined was SUB\LAST\OTHER.EXE, a maker not in the knowledge base: black
    // flash, no line.
    EXPECT_NE(w.Caption("lblFile").find("OTHER.EXE"), std::string::npos);
    EXPECT_EQ(w.Find<ui::Shape>("ShapeFlash").FillColor(), ui::kBlack);
    for (const char* l : kLines) EXPECT_FALSE(w.Find<ui::Line>(l).Visible()) << l;
    // Each class's square and indicator line in its colour: green, blue, orange, red, magenta.
    const ui::Color colours[] = {{0, 192, 0}, {0, 0, 255}, {255, 128, 0}, {255, 0, 0}, {255, 0, 255}};
    for (size_t i = 0; i < std::size(colours); ++i)
        EXPECT_EQ(std::make_pair(w.Find<ui::Line>(kLines[i]).BorderColor(), w.Find<ui::Shape>("ShapeGreen(" + std::to_string(i) + ")").FillColor()),
                  std::make_pair(colours[i], colours[i])) << kLines[i];
    // Icons were drawn for the programs that have one, and the box was cleared for the others.
    EXPECT_EQ(w.iconsRead, 2);
    EXPECT_EQ(w.Find<HeadlessPicture>("pic").imagesDrawn, 2);
    EXPECT_NE(testing::ReadFileBytes(w.dir() / "JFiles.y2k").find("JUNK.EXE"), std::string::npos);
    w.Window().CloseBox();  // the scan is over: the close box ends the program at once
    EXPECT_TRUE(w.tk.ended);
}

TEST(Scan, AbortFromTheEventLoopEndsEarlyAndSavesAndReportsThePartialResults) {
    // Yields 3 to 9 fall in the count of the program files, 10 after the first program of the
    // root, 15 while the root's subdirectories are listed.
    for (int abortAt : {3, 10, 15}) {
        SCOPED_TRACE("abort at yield " + std::to_string(abortAt));
        OnDrivePage w;
        int yields = 0;
        w.tk.onYield = [&] {
            if (++yields == abortAt) w.Button("btnAbort").Click();
        };
        w.Next();
        w.tk.onYield = nullptr;
        RunState& st = w.State();
        EXPECT_TRUE(st.IsAborting);
        EXPECT_LT(st.lngFileCounter, 5);
        EXPECT_EQ(w.Page() + " " + w.Buttons(), "FraReport ++++");
        ASSERT_EQ(w.tk.messages.size(), 1u);
        EXPECT_EQ(w.tk.messages[0].text,
                  "The scan was stopped with Abort!: the report shows only the programs found until then.");
        // What was saved is what was gathered, and the report shows it.
        EXPECT_EQ(w.Report().empty(), st.cFiles.Count() == 0);
        colFiles saved;
        saved.LoadFromFile(false, w.dir());
        EXPECT_EQ(saved.Count(), st.cFiles.Count());
        // The next scan starts with the abort flag cleared and runs to the end.
        w.Back();
        w.Next();
        EXPECT_FALSE(st.IsAborting);
        EXPECT_EQ(st.lngFileCounter, 5);
        EXPECT_EQ(w.tk.messages.size(), 1u) << "a whole scan says nothing";
    }
}

// Without its knowledge base every program is "not in the database": start-up says so, and so
// does every report made without it.
TEST(Scan, AMissingKnowledgeBaseIsToldAtStartUpAndWithTheReport) {
    for (const bool tooLarge : {false, true}) {
        Wizard w;
        FillDrive(w);
        if (tooLarge) std::filesystem::resize_file(w.dir() / "Vendors.y2k", (64 << 20) + 1);
        else std::filesystem::remove(w.dir() / "Vendors.y2k");
        w.Start();
        const std::string why = tooLarge ? "Vendors.y2k cannot be read (it must be a plain file of at most 64 MB)"
                                       : platform::StoredName((w.dir() / "Vendors.y2k").native()) + " is missing";
        ASSERT_EQ(w.tk.messages.size(), 1u);
        EXPECT_EQ(w.tk.messages[0].text.rfind(why + ". ", 0), 0u) << w.tk.messages[0].text;
        for (int i = 0; i < 3; ++i) w.Next();
        ASSERT_EQ(w.tk.messages.size(), 2u);
        EXPECT_EQ(w.tk.messages[1].text, "The knowledge base was not loaded whole (" + why +
                                             "): programs whose records are missing are reported as not in the database.");
    }
}

TEST(Scan, ClosingTheWindowDuringAScanAbortsItSavesAndEndsTheProgram) {
    OnDrivePage w;
    w.tk.onYield = [&] {
        if (w.tk.yields == 4) w.Window().CloseBox();
    };
    w.Next();
    EXPECT_TRUE(w.tk.ended);
    EXPECT_TRUE(w.main->Help()->Form().Unloaded());
    EXPECT_LT(w.State().lngFileCounter, 5);
    EXPECT_TRUE(std::filesystem::exists(w.dir() / "Files.y2k"));
}

// A scan whose results cannot be saved, or which a failure ends early, says so over its report;
// one that runs out of memory keeps the previous results whole.
TEST(Scan, UnsavedResultsAndAnEarlyEndAreToldWithTheReportShown) {
    enum { kUnsaved, kFailure, kNoMemory };
    for (int mode : {kUnsaved, kFailure, kNoMemory}) {
        OnDrivePage w;
        if (mode == kUnsaved) std::filesystem::create_directory(w.dir() / "Files.y2k");  // cannot be written
        else testing::WriteFileBytes(w.dir() / "Files.y2k", "old");
        bool failed = false;  // once, in the walk
        // The failure comes while the fourth program is examined; memory runs out while the
        // walk lists the drive (one program whose examination runs out is only left out).
        if (mode != kUnsaved) w.tk.onYield = [&] {
            if (mode == kFailure && w.State().lngFileCounter == 4 && !std::exchange(failed, true))
                throw std::runtime_error("a disk error");
            const bool listing = w.State().lngNumFiles > 0 && w.State().lngFileCounter == 0;
            if (mode == kNoMemory && listing && !std::exchange(failed, true))
                throw std::bad_alloc();
        };
        w.Next();
        EXPECT_EQ(w.Page(), "FraReport");
        EXPECT_EQ(w.Report().find("Writer\n") != std::string::npos, mode != kNoMemory);
        ASSERT_EQ(w.tk.messages.size(), 1u);
        const std::string& text = w.tk.messages[0].text;
        const std::string files = mode == kUnsaved ? "" : testing::ReadFileBytes(w.dir() / "Files.y2k");
        if (mode == kUnsaved) {
            EXPECT_NE(text.find("File: " + platform::StoredName((w.dir() / "Files.y2k").native()) + "\nReason: "),
                      std::string::npos) << text;
        } else if (mode == kFailure) {
            EXPECT_NE(text.find("ended early: a disk error"), std::string::npos) << text;
            EXPECT_NE(files.find("Writer"), std::string::npos);
        } else {
            EXPECT_NE(text.find("ended early: there was not enough memory to finish it"), std::string::npos) << text;
            EXPECT_NE(text.find("Reason: There was not enough memory."), std::string::npos) << text;
            EXPECT_EQ(files, "old");
        }
    }
}

TEST(Scan, ADriveThatCannotBeReadStillChecksTheSystemAndReports) {
    for (const bool noSuchDrive : {true, false}) {
        OnDrivePage w;
        if (noSuchDrive) {
            w.Find<HeadlessDriveList>("DriveReport").Pick(1);  // d:, not a drive of this machine
        } else {  // c:, whose root cannot be listed
            std::filesystem::remove_all(w.drive());
            testing::WriteFileBytes(w.drive(), "not a folder");
        }
        w.Next();
        EXPECT_EQ(w.Page(), "FraReport");
        EXPECT_EQ(w.State().cFiles.Count(), 1);  // the operating system alone
        EXPECT_EQ(w.State().lngNumFiles, 0);
        EXPECT_TRUE(std::filesystem::exists(w.dir() / "JFiles.y2k"));
        EXPECT_TRUE(w.Button("BtnNext").Enabled());
        // ... and says why the report holds nothing else.
        ASSERT_EQ(w.tk.messages.size(), 1u);
        EXPECT_EQ(w.tk.messages[0].text, std::string("Drive ") + (noSuchDrive ? "D" : "C") +
                                             ": could not be read (is there a disk in it?). "
                                             "The report shows only the operating system.");
    }
}

TEST(ReportPage, ButtonsOpenTheDetailTheListingSaveAndPrint) {
    OnDrivePage w;
    w.Next();
    ASSERT_EQ(w.Page(), "FraReport");
    std::vector<std::string> modal;
    w.tk.onModal = [&](HeadlessWindow& win) {
        std::string seen = win.Name();
        if (win.Name() == "frmDetail") seen += ": " + w.tk.Find<ui::Label>("frmDetail.lblProduct").Caption();
        modal.push_back(seen);
    };
    // The caret on the first entry: the worst class, "Writer" (not ready).
    auto& report = w.Find<HeadlessRichText>("rtxtSummary");
    report.SetSelection(0, 0);
    w.Button("btnMoreInfo").Click();
    report.DoubleClickAt(0);
    w.Button("btnAdvanced").Click();
    EXPECT_EQ(modal, (std::vector<std::string>{"frmDetail: Writer", "frmDetail: Writer", "frmAdvanced"}));

    const auto saved = w.dir() / "saved.rtf";
    w.tk.inputAnswers.push_back(saved.string());
    w.Button("btnSave").Click();
    ASSERT_EQ(w.tk.inputs.size(), 1u);
    EXPECT_EQ(w.tk.inputs[0].defaultText, "C:\\Temp.rtf");
    EXPECT_NE(testing::ReadFileBytes(saved).find("Writer"), std::string::npos);

    w.Button("btnPrint").Click();
    EXPECT_EQ(w.tk.PrinterState().Documents().size(), 1u);
    EXPECT_TRUE(w.tk.messages.empty());
}

}  // namespace
}  // namespace ostrevan::apptest
