#pragma once
// The main window: a five-page wizard (welcome, mode, drive, report, BIOS check) plus the page
// shown while a drive is scanned, with the Help, Back, Next and Exit buttons under the pages.
// It owns the state of the program run and the help window beside it.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/app_services.h"
#include "match/run_state.h"
#include "platform/ui/toolkit.h"
#include "report/help_window.h"
#include "scan/scan_sequence.h"

namespace ostrevan {

class ScanPage;

// What View says when no earlier scan left results beside the program.
inline constexpr const char* kNoPreviousReport =
    "There is no previous report: no results of an earlier scan were found beside the program. "
    "Choose \"Create a Year 2000 Software Readiness Report\" to scan a drive.";

// The help topics the wizard's pages select.
// The help topics the wizard selects, in the order of the help window's options.
enum class HelpTopic { Introduction, ModeSelection, DiskSelection, DiskScan, SoftwareReport, BiosCheck };

class FrmY2KMain {
public:
    // Client size of the window as designed, twips.
    static constexpr int kDesignWidth = 8250;
    static constexpr int kDesignHeight = 5040;
    // The frame will not be made smaller than this outer size (twips): the wizard's buttons and
    // the report page's buttons still stand side by side without overlapping, and the report
    // keeps a few lines.
    static constexpr int kMinWidth = 5400;
    static constexpr int kMinHeight = 3900;

    // Builds the window (hidden) with all its pages.
    FrmY2KMain(ui::Toolkit& tk, AppServices services);
    ~FrmY2KMain();
    FrmY2KMain(const FrmY2KMain&) = delete;
    FrmY2KMain& operator=(const FrmY2KMain&) = delete;

    // Start-up: prepares the run state, brings up the help window and the welcome page and
    // loads the knowledge base. Then the window is shown.
    void Form_Load();
    void Show();

    // The program's state and windows, for the procedures of the other parts and for tests.
    RunState& State() { return st_; }
    ui::Window& Window() { return w_; }
    // The help window, or nullptr before it was first needed.
    FrmHelp* Help() { return FHelp_.get(); }

    // Event handlers (the buttons and lists run them; tests may call them directly).
    void Form_Activate();
    void Form_Resize();
    void ShowRightFrame();
    void BtnNext_Click();
    void btnBack_Click();
    void btnHelp_Click();
    void btnExit_Click();
    void btnAbort_Click();
    void OptReport_Click();
    void OptView_Click();
    void DriveReport_Change();
    void btnCopyTo_Click();

    // The window's controls (frm_y2k_main_controls.h), for tests that look at the native ones.
    struct Controls;
    const Controls& Design() const { return *c_; }

private:
    void BuildWelcome();
    void BuildMode();
    void BuildDrive();
    void BuildAnimation();
    void BuildReport();
    void BuildBios();
    void BuildButtons();

    // The help window, created on first use.
    FrmHelp& EnsureHelp();
    void SelectHelp(HelpTopic topic);
    void ScanDrive();
    ScanResult RunScan(const std::string& drive, ScanPage& page);
    // Tells the user why a scan ended early or its results could not be saved.
    void TellScanProblems(const ScanResult& r);
    void FillReport();
    void EndProgram();

    ui::Toolkit& tk_;
    AppServices services_;
    RunState st_;
    std::unique_ptr<FrmHelp> FHelp_;
    ui::Window& w_;
    std::unique_ptr<Controls> c_;
    bool scanning_ = false;
    bool endAfterScan_ = false;  // the window was closed through its frame during a scan
    // What could not be loaded of the knowledge base at start-up, told again with every report.
    std::vector<std::string> kbProblems_;
};

}  // namespace ostrevan
