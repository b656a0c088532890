// Start-up and the walk through the wizard's pages in both modes.
#include <gtest/gtest.h>

#include "wizard_fixture.h"

namespace ostrevan::apptest {
namespace {

using ui::MousePointer;

TEST(StartUp, PreparesStateLoadsKnowledgeBaseAndShowsWelcome) {
    Wizard w;
    w.Start();
    RunState& st = w.State();
    EXPECT_EQ(st.strMode, "Create");
    EXPECT_EQ(st.lngNumVends, 10);
    EXPECT_EQ(st.cVendors.Item(5).mvarApps.Count(), 4);  // products filed under their vendor
    EXPECT_EQ(w.Page(), "FraWelcome");
    EXPECT_FALSE(w.Button("btnBack").Enabled());
    EXPECT_EQ(w.tk.pointerHistory.back(), MousePointer::Default);
    EXPECT_TRUE(w.tk.messages.empty());
    // The help window shows the introduction, raised once when the main window is first shown ...
    EXPECT_TRUE(w.HelpWindow().Visible());
    EXPECT_EQ(w.HelpShown(), "HelpINTR");
    EXPECT_EQ(w.tk.ActiveWindow(), &w.Window()) << "the main window keeps the keyboard";
    EXPECT_FALSE(st.JustLoaded);
    // ... and later activations do not bring it back.
    w.HelpWindow().CloseBox();  // the user closes the help window
    EXPECT_FALSE(w.HelpWindow().Visible());
    w.Window().Hide();
    w.Window().Show();  // the main window is activated again
    EXPECT_FALSE(w.HelpWindow().Visible());
    w.Button("btnHelp").Click();
    EXPECT_TRUE(w.HelpWindow().Visible());
}

struct PageExpectation {
    const char* page;
    bool backEnabled;
    const char* next;
    const char* topic;   // the help file shown, without its extension
    const char* option;  // the help window's option of the topic
};

void ExpectPage(Wizard& w, const PageExpectation& e, const std::string& where) {
    SCOPED_TRACE(where);
    EXPECT_EQ(w.Page(), e.page);
    EXPECT_EQ(w.Button("btnBack").Enabled(), e.backEnabled);
    EXPECT_EQ(w.Button("BtnNext").Caption(), e.next);
    EXPECT_EQ(w.HelpShown(), e.topic);
    EXPECT_TRUE(w.tk.Find<ui::OptionButton>(std::string("frmHelp.") + e.option).Value());
}

const PageExpectation kWelcome{"FraWelcome", false, "Next", "HelpINTR", "optGeneral"};
const PageExpectation kMode{"FraCreateOrView", true, "Next", "HelpMODE", "optStep1"};
const PageExpectation kDrive{"FraDrive", true, "Next", "HelpDISK", "optStep2"};
const PageExpectation kReport{"FraReport", true, "Next", "HelpREP", "optReport"};
const PageExpectation kBios{"FraBios", true, "Finish", "HelpBIOS", "optBIOS"};

TEST(Navigation, CreateModeWalksEveryPageAndFinishEndsTheProgram) {
    Wizard w;
    w.Put("APP.EXE", scantest::Program("Writer Pro", "Acme", "2.0"));
    w.Start();
    ExpectPage(w, kWelcome, "start");
    const PageExpectation forward[] = {kMode, kDrive, kReport, kBios};
    for (size_t i = 0; i < 4; ++i) {
        w.Next();
        ExpectPage(w, forward[i], "next " + std::to_string(i + 1));
        EXPECT_EQ(w.State().lngStep, static_cast<int32_t>(i + 1));
    }
    // The scan filled the report: the operating system and the program found.
    EXPECT_NE(w.Report().find("Writer Pro\n"), std::string::npos);
    const PageExpectation backward[] = {kReport, kDrive, kMode, kWelcome};
    for (size_t i = 0; i < 4; ++i) {
        w.Back();
        ExpectPage(w, backward[i], "back " + std::to_string(i + 1));
    }
    w.Put("SECOND.EXE", scantest::Program("Untested Suite", "Acme", "1.0"));
    for (int i = 0; i < 4; ++i) w.Next();  // a second scan on the way
    EXPECT_NE(w.Report().find("Untested Suite\n"), std::string::npos);
    ExpectPage(w, kBios, "second walk");
    w.Next();
    EXPECT_TRUE(w.tk.ended);
    EXPECT_TRUE(w.main->Window().Unloaded());
    EXPECT_TRUE(w.main->Help()->Form().Unloaded());
}

TEST(Navigation, ViewModeSkipsTheDrivePageBothWays) {
    Wizard w;
    testing::WriteFileBytes(w.dir() / "Files.y2k",
                            scantest::Line({"Paint", "Acme", "1.0", "1.0", "desc", "comments", "C:", "1"}));
    w.Start();
    w.Next();
    w.Find<ui::OptionButton>("OptView").Click();
    EXPECT_EQ(w.State().strMode, "VIEW");
    w.Next();
    ExpectPage(w, kReport, "view");
    EXPECT_EQ(w.State().lngStep, 3);
    w.Back();
    ExpectPage(w, kMode, "back from the report");
    w.Find<ui::OptionButton>("OptReport").Click();
    EXPECT_EQ(w.State().strMode, "Create");
    w.Next();
    ExpectPage(w, kDrive, "create again");
}

// Exit (with the help window open) and the main window's close box end the program.
TEST(Navigation, ExitAndTheCloseBoxEndTheProgramAndEnterPressesNext) {
    for (bool exit : {true, false}) {
        Wizard w;
        w.Start();
        w.Window().PressEnter();
        EXPECT_EQ(w.Page(), "FraCreateOrView");
        ASSERT_TRUE(w.HelpWindow().Visible());
        exit ? w.Button("btnExit").Click() : w.Window().CloseBox();
        EXPECT_TRUE(w.tk.ended);
        EXPECT_TRUE(w.main->Help()->Form().Unloaded());
    }
}

// ---- View mode and stored results ----

std::string StoredLine(const std::string& name, const std::string& vendor, int code) {
    return scantest::Line({name, vendor, "1.0", "1.0", "desc", "comments", "C:", std::to_string(code)});
}

TEST(ViewMode, LoadsBothResultFilesAndShowsTheReport) {
    {
        Wizard none;  // without result files: no report, and the user is told why
        none.Start();
        none.Next();
        none.Find<ui::OptionButton>("OptView").Click();
        none.Next();
        EXPECT_EQ(none.Page(), "FraCreateOrView");
        ASSERT_EQ(none.tk.messages.size(), 1u);
        EXPECT_EQ(none.tk.messages[0].text, kNoPreviousReport);
        none.Next();
        EXPECT_EQ(none.Page() + std::to_string(none.tk.messages.size()), "FraCreateOrView2") << "Next asks again";
    }
    Wizard w;
    testing::WriteFileBytes(w.dir() / "Files.y2k", StoredLine("Writer", "Acme", 4) + StoredLine("Paint", "Acme", 1));
    testing::WriteFileBytes(w.dir() / "JFiles.y2k", StoredLine("A.EXE", "None", 1));
    w.Start();
    w.Next();
    w.Find<ui::OptionButton>("OptView").Click();
    w.Next();
    EXPECT_EQ(w.State().cFiles.Count(), 2);
    EXPECT_EQ(w.State().cJunkFiles.Count(), 1);
    // The report of what was read, the worst class first (its entries: summary_report_test.cpp).
    EXPECT_EQ(testing::Split(w.Report()).at(5), "Paint");
    // The hourglass while the files are read, the default pointer afterwards.
    const auto& p = w.tk.pointerHistory;
    ASSERT_GE(p.size(), 2u);
    EXPECT_EQ(p[p.size() - 2], MousePointer::Hourglass);
    EXPECT_EQ(p.back(), MousePointer::Default);
}

}  // namespace
}  // namespace ostrevan::apptest
