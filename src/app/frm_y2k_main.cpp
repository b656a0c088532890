#include "app/frm_y2k_main.h"

#include <algorithm>
#include <chrono>
#include <exception>

#include "app/frm_y2k_main_controls.h"
#include "app/scanning_page.h"
#include "platform/dir_listing.h"
#include "platform/text.h"
#include "report/skip.h"
#include "report/summary_report.h"
#include "scan/drive_procedures.h"
#include "scan/drive_scan.h"
#include "scan/scan_sequence.h"

namespace ostrevan {
namespace {

// The wizard's steps (the run state's lngStep) and, in the same order, the page and help topic
// of each.
enum Step : int32_t { kStepWelcome, kStepMode, kStepDrive, kStepReport, kStepBios };
struct WizardPage {
    ui::Frame* FrmY2KMain::Controls::*frame;
    HelpTopic topic;
};
constexpr WizardPage kWizardPages[] = {
    {&FrmY2KMain::Controls::FraWelcome, HelpTopic::Introduction},
    {&FrmY2KMain::Controls::FraCreateOrView, HelpTopic::ModeSelection},
    {&FrmY2KMain::Controls::FraDrive, HelpTopic::DiskSelection},
    {&FrmY2KMain::Controls::FraReport, HelpTopic::SoftwareReport},
    {&FrmY2KMain::Controls::FraBios, HelpTopic::BiosCheck},
};
constexpr int32_t kLastStep = static_cast<int32_t>(std::size(kWizardPages)) - 1;

// Version data for a program when no reader was given: every field is absent.
class NoVersionData : public VersionSource {
public:
    void LoadVersionBlock(const platform::HostPath&) override {}
    std::string GetInfoString(const std::string&) override { return "None"; }
};

// A control refuses a negative width or height; the other assignments still happen.
void SetSize(ui::Control& c, int width, int height) {
    ui::Rect r = c.Bounds();
    if (width >= 0) r.width = width;
    if (height >= 0) r.height = height;
    c.SetBounds(r);
}

}  // namespace

FrmY2KMain::FrmY2KMain(ui::Toolkit& tk, AppServices services)
    : tk_(tk),
      services_(std::move(services)),
      w_(tk.NewWindow(ui::WindowArgs{"FrmY2KMain", "Ostrevan", kDesignWidth, kDesignHeight,
                                     ui::WindowStyle::Sizable})),
      c_(std::make_unique<Controls>()) {
    BuildWelcome();
    BuildMode();
    BuildDrive();
    BuildAnimation();
    BuildReport();
    BuildBios();
    BuildButtons();
    w_.SetMinimumSize(kMinWidth, kMinHeight);
    w_.onResize = [this] { Form_Resize(); };
    w_.onActivate = [this] { Form_Activate(); };
    // Closing the window through its frame ends the program as Exit does; during a scan the
    // scan is aborted first and the program ends once its results are saved.
    w_.onClose = [this] {
        if (scanning_) {
            st_.IsAborting = true;
            endAfterScan_ = true;
        } else {
            EndProgram();
        }
    };
    tk_.SetMainWindow(w_);
}

FrmY2KMain::~FrmY2KMain() = default;

// ---- Start-up ----

void FrmY2KMain::Form_Load() {
    w_.Move(0, 0);
    // The run state and the knowledge base: the vendor directory first, for the product loader
    // files each product under its vendor; missing or broken files leave what was read.
    kbProblems_ = StartRunState(st_, services_.programDir);

    // The help window with the introduction, at the bottom-right corner of the screen.
    SelectHelp(HelpTopic::Introduction);
    ui::Window& help = EnsureHelp().Form();
    ui::Rect r = help.Bounds();
    r.top = tk_.ScreenHeight() - r.height;
    r.left = tk_.ScreenWidth() - r.width;
    help.SetBounds(r);
    help.Show();
    ShowRightFrame();

    // A damaged knowledge-base file is used as far as it could be read, and the user is told.
    for (const std::string& problem : kbProblems_)
        tk_.ShowMessage(problem + ". Programs whose records were ignored will be reported as not in the "
                                  "database or with no information.");

    EnsureHelp().Show();
    tk_.SetMousePointer(ui::MousePointer::Default);
}

void FrmY2KMain::Show() {
    const bool first = st_.JustLoaded;
    w_.Show();
    // The first activation raised the help window, but a toolkit may finish showing the main
    // window in front of it; the help window is to stay in front after start-up, while the
    // main window keeps the keyboard (Enter presses Next).
    if (first && !st_.JustLoaded && FHelp_) FHelp_->ShowInFront();
}

void FrmY2KMain::Form_Activate() {
    if (!st_.JustLoaded) return;
    EnsureHelp().ShowInFront();
    st_.JustLoaded = false;
}

FrmHelp& FrmY2KMain::EnsureHelp() {
    // The help window belongs to the main window: in front of it, and the main window keeps
    // the keyboard.
    if (!FHelp_) FHelp_ = std::make_unique<FrmHelp>(tk_, services_.programDir, &w_);
    return *FHelp_;
}

void FrmY2KMain::SelectHelp(HelpTopic topic) {
    FrmHelp& help = EnsureHelp();
    help.Options()[static_cast<size_t>(topic)]->SetValue(true);
    TryStep([&] { help.LoadHelp(); });
}

// ---- Pages and navigation ----

void FrmY2KMain::ShowRightFrame() {
    if (st_.lngStep < kStepWelcome || st_.lngStep > kLastStep) return;
    const WizardPage& p = kWizardPages[st_.lngStep];
    ui::Frame* page = (*c_).*p.frame;
    for (ui::Frame* f : c_->Pages()) f->SetVisible(f == page);
    if (st_.lngStep == kStepDrive) DriveReport_Change();
    c_->btnBack->SetEnabled(st_.lngStep != kStepWelcome);
    c_->BtnNext->SetCaption(st_.lngStep == kLastStep ? "Finish" : "Next");
    SelectHelp(p.topic);
}

void FrmY2KMain::BtnNext_Click() {
    if (c_->BtnNext->Caption() == "Finish") {
        EndProgram();
        return;
    }
    if (st_.strMode == "VIEW" && st_.lngStep == kStepMode) {
        // Results already in memory are shown as they are; only an empty list is read back.
        st_.lngStep = kStepReport;
        tk_.SetMousePointer(ui::MousePointer::Hourglass);
        if (st_.cFiles.Count() < 1) TryStep([&] { st_.cFiles.LoadFromFile(false, services_.programDir); });
        if (st_.cJunkFiles.Count() < 1)
            TryStep([&] { st_.cJunkFiles.LoadFromFile(true, services_.programDir); });
        tk_.SetMousePointer(ui::MousePointer::Default);
        if (st_.cFiles.Count() < 1 && st_.cJunkFiles.Count() < 1) {
            st_.lngStep = kStepMode;
            tk_.ShowMessage(kNoPreviousReport);
            return;
        }
        FillReport();
        ShowRightFrame();
        return;
    }
    if (st_.lngStep != kStepDrive) {
        ++st_.lngStep;
        ShowRightFrame();
        return;
    }
    ScanDrive();
}

void FrmY2KMain::ScanDrive() {
    st_.lngStep = kStepReport;
    for (ui::Frame* f : c_->Pages()) f->SetVisible(f == c_->FraAnimation);
    SelectHelp(HelpTopic::DiskScan);
    tk_.DoEvents();
    if (w_.Unloaded()) return;  // Exit or the close box ended the program: no scan

    ui::Button* row[] = {c_->btnHelp, c_->BtnNext, c_->btnBack, c_->btnExit};
    for (ui::Button* b : row) b->SetEnabled(false);
    ScanningPageControls pc;
    pc.page = c_->FraAnimation;
    pc.lblFile = c_->lblFile;
    pc.lblStatus = c_->lblStatus;
    pc.lblCount = c_->lblCount;
    pc.counters = c_->counters;
    pc.lines = c_->lines;
    pc.ShapeFlash = c_->ShapeFlash;
    pc.pic = c_->pic;
    ScanningPage shown(pc, services_.firstIcon);
    ScanPage page(shown.BackgroundColour(),
                  [&shown](const ScanView& v, const ScanView* before) { shown.Show(v, before); },
                  services_.scanRepaint);
    ResetScan(st_, page);
    page.Flush();
    tk_.DoEvents();
    if (w_.Unloaded()) return;

    scanning_ = true;
    tk_.SetMousePointer(ui::MousePointer::Hourglass);
    ScanResult result;
    try {
        result = RunScan(c_->DriveReport->Drive(), page);
    } catch (const std::exception& e) {
        result.walk_error = e.what();
    }
    scanning_ = false;
    if (endAfterScan_) {
        tk_.SetMousePointer(ui::MousePointer::Default);
        if (!result.ok()) TellScanProblems(result);
        EndProgram();
        return;
    }
    FillReport();
    tk_.SetMousePointer(ui::MousePointer::Default);
    for (ui::Button* b : row) b->SetEnabled(true);
    ShowRightFrame();
    tk_.DoEvents();
    TellScanProblems(result);
}

void FrmY2KMain::TellScanProblems(const ScanResult& r) {
    std::string text = r.drive_error.empty() ? "" : r.drive_error + "\n\n";
    if (st_.IsAborting) text += "The scan was stopped with Abort!: the report shows only the programs found until then.\n\n";
    if (!kbProblems_.empty()) {
        text += "The knowledge base was not loaded whole (";
        for (size_t i = 0; i < kbProblems_.size(); ++i) text += (i ? "; " : "") + kbProblems_[i];
        text += "): programs whose records are missing are reported as not in the database.\n\n";
    }
    if (!r.unlisted_folders.empty()) text += UnlistedFoldersMessage(r.unlisted_folders) + "\n\n";
    if (!r.walk_error.empty())
        text += "The scan ended early: " + r.walk_error + "\nThe report shows what was found until then.\n\n";
    if (!r.files_error.empty() || !r.junk_files_error.empty()) text += "The results of this scan could not be saved.\n";
    for (const auto& [name, why] : {std::pair{kFilesFileName, &r.files_error},
                                    std::pair{kJunkFilesFileName, &r.junk_files_error}}) {
        if (why->empty()) continue;
        text += "\nFile: " + platform::StoredName((services_.programDir / name).native()) + "\nReason: " + *why + "\n";
    }
    while (!text.empty() && text.back() == '\n') text.pop_back();
    if (!text.empty()) tk_.ShowMessage(text);
}

ScanResult FrmY2KMain::RunScan(const std::string& entry, ScanPage& page) {
    const std::string drive = entry.substr(0, 2);
    NoVersionData noVersions;
    VersionSource& versions = services_.versions ? *services_.versions : noVersions;
    // With the page redrawn at most once an interval, the window's messages (Abort, the paint
    // of what changed) are also handled five times an interval, not at every step of the walk.
    const auto eventsEvery = services_.scanRepaint / 5;
    auto eventsDone = std::chrono::steady_clock::time_point{};
    DriveScan scan(st_, page, versions, [&] {
        page.ShowIfDue();
        const auto now = std::chrono::steady_clock::now();
        if (now - eventsDone < eventsEvery) return;
        eventsDone = now;
        tk_.DoEvents();
    });
    const platform::OsIdentity os = services_.osIdentity ? services_.osIdentity() : platform::OsIdentity{};

    // A letter that is no drive of the machine has nothing to walk, but the operating system is
    // still checked and both result files are written, as for a drive without a medium.
    const auto root = services_.drives.Root(drive);
    bool readable = root.has_value();
    try {
        if (root) platform::ListDirectory(*root, platform::ListPattern::kAll);
    } catch (const std::exception&) {
        readable = false;
    }
    ScanResult result = ScanAndSave(st_, scan, drive, root ? &*root : nullptr, os, services_.programDir);
    if (!readable)
        result.drive_error = "Drive " + text::Upper(drive) + " could not be read (is there a disk in it?). "
                             "The report shows only the operating system.";
    page.Flush();  // the page ends showing the last program
    return result;
}

void FrmY2KMain::FillReport() {
    TryStep([&] { ::ostrevan::FillReport(st_, tk_, *c_->rtxtSummary); });
}

void FrmY2KMain::btnBack_Click() {
    if (st_.strMode == "VIEW" && st_.lngStep == kStepReport) st_.lngStep = kStepMode;
    else --st_.lngStep;
    ShowRightFrame();
}

void FrmY2KMain::OptReport_Click() { st_.strMode = "Create"; }
void FrmY2KMain::OptView_Click() { st_.strMode = "VIEW"; }

void FrmY2KMain::btnHelp_Click() {
    EnsureHelp().Show();
}

void FrmY2KMain::btnExit_Click() { EndProgram(); }

void FrmY2KMain::btnAbort_Click() { st_.IsAborting = true; }

void FrmY2KMain::EndProgram() {
    if (FHelp_ && !FHelp_->Form().Unloaded()) FHelp_->Form().Unload();
    if (!w_.Unloaded()) w_.Unload();
    tk_.EndProgram();
}

// ---- Drive page and BIOS page ----

void FrmY2KMain::DriveReport_Change() {
    DriveFacts facts;
    try {
        facts = DriveReportFacts(services_.drives, c_->DriveReport->Drive());
    } catch (const std::exception&) {
        // Facts that cannot be shown (a size past 32 bits) leave the labels empty rather than
        // showing the previous drive's facts.
    }
    c_->lblVolName->SetCaption(facts.volume_label);
    c_->lblFileSystem->SetCaption(facts.file_system);
    c_->lblSize->SetCaption(facts.size);
    c_->lblFreeSpace->SetCaption(facts.free_space);
    c_->lblDriveType->SetCaption(facts.drive_type);
}

void FrmY2KMain::btnCopyTo_Click() {
    CopyUtilityToDrive(services_.drives, services_.programDir, c_->dirCopyTo->Drive(),
                       [this](const std::string& text, const std::string& title) {
                           tk_.ShowMessage(text, title);
                       });
}

// ---- Layout ----

void FrmY2KMain::Form_Resize() {
    if (w_.State() == ui::WindowState::Minimized) return;
    ui::Rect outer = w_.Bounds();
    if (outer.width < kMinWidth || outer.height < kMinHeight) {
        outer.width = std::max(outer.width, kMinWidth);
        outer.height = std::max(outer.height, kMinHeight);
        w_.SetBounds(outer);
    }
    const int cw = w_.ClientWidth();
    const int ch = w_.ClientHeight();

    for (ui::Frame* f : c_->Pages()) {
        f->Move(0, 0);
        SetSize(*f, cw - 75, ch - 705);
    }
    const ui::Rect report = c_->FraReport->Bounds();
    for (ui::Button* b : {c_->btnAdvanced, c_->btnMoreInfo, c_->btnPrint, c_->btnSave})
        b->SetTop(report.height - 495);
    SetSize(*c_->rtxtSummary, report.width - 240, report.height - 1200);
    c_->shpOuter->Move(1440, 960);

    // Back and Next sit either side of the middle; halves round to the even neighbour.
    const int half = static_cast<int>(text::RoundHalfEven(static_cast<float>(cw) / 2.0f));
    const int top = ch - 600;
    c_->btnHelp->SetTop(top);
    c_->btnBack->Move(half - 53 - c_->btnBack->Bounds().width, top);
    c_->BtnNext->Move(half + 53, top);
    c_->btnExit->Move(cw - 1170, top);
}

}  // namespace ostrevan
