// The main window's layout: the design, the resize rules and the minimum size.
#include <gtest/gtest.h>

#include "wizard_fixture.h"

namespace ostrevan::apptest {
namespace {

using ui::Rect;

constexpr const char* kPages[] = {"FraWelcome", "FraCreateOrView", "FraDrive", "FraAnimation", "FraReport", "FraBios"};
constexpr const char* kReportButtons[] = {"btnPrint", "btnMoreInfo", "btnAdvanced", "btnSave"};

// Resizes the window to a client size.
void Client(Wizard& w, int width, int height) {
    w.Window().Resize(width + HeadlessWindow::kFrameWidth, height + HeadlessWindow::kFrameHeight);
}

TEST(Layout, ResizeFollowsTheWindowIncludingOddWidths) {
    struct Case { int cw, ch; int backLeft, nextLeft; } cases[] = {
        {9000, 6000, 3352, 4553},
        {8251, 5041, 2978, 4179},  // 4125.5 rounds to 4126: halves go to the even neighbour
        {8253, 5040, 2978, 4179},  // 4126.5 rounds to 4126 as well
        {12345, 7000, 5024, 6225},  // 6172.5 -> 6172
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.cw) + "x" + std::to_string(c.ch));
        Wizard w;
        w.Start();
        Client(w, c.cw, c.ch);
        for (const char* p : kPages) EXPECT_EQ(w.Bounds(p), (Rect{0, 0, c.cw - 75, c.ch - 705})) << p;
        const int top = c.ch - 600;
        EXPECT_EQ(w.Bounds("btnHelp"), (Rect{0, top, 1095, 495}));
        EXPECT_EQ(w.Bounds("btnBack").left, c.backLeft);
        EXPECT_EQ(w.Bounds("BtnNext").left, c.nextLeft);
        // Back and Next lie symmetrically about the rounded middle.
        EXPECT_EQ(w.Bounds("BtnNext").left - 53, w.Bounds("btnBack").right() + 53);
        EXPECT_EQ(w.Bounds("btnExit"), (Rect{c.cw - 1170, top, 1095, 495}));
        for (const char* b : kReportButtons) EXPECT_EQ(w.Bounds(b).top, c.ch - 705 - 495) << b;
        EXPECT_EQ(w.Bounds("rtxtSummary"), (Rect{120, 600, c.cw - 75 - 240, c.ch - 705 - 1200}));
    }
}

TEST(Layout, MinimizingAndRestoringKeepsTheLayoutAndThePage) {
    Wizard w;
    w.Start();
    w.Next();
    Client(w, 9000, 6000);
    for (auto state : {ui::WindowState::Minimized, ui::WindowState::Normal}) {
        w.Window().SetState(state);
        EXPECT_EQ(w.Bounds("FraReport"), (Rect{0, 0, 8925, 5295}));
    }
    EXPECT_EQ(w.Page(), "FraCreateOrView");
}

}  // namespace
}  // namespace ostrevan::apptest
