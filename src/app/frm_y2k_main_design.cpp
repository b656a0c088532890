// The main window's pages and controls as designed: captions, fonts, colours and places in
// twips inside their page. The resize handler moves only the pages, the report and the buttons.
#include <algorithm>
#include <exception>
#include <functional>
#include <iterator>
#include <string>

#include "app/frm_y2k_main_controls.h"
#include "rules/readiness.h"
#include "report/advanced_window.h"
#include "report/detail_window.h"
#include "report/save_print.h"
#include "report/summary_report.h"

namespace ostrevan {
namespace {

using ui::ControlArgs;
using ui::Rect;

constexpr ui::Color kNavy = ui::Rgb(0, 0, 128);
constexpr ui::Color kTitleRed = ui::Rgb(192, 0, 0);

ui::Color Ui(Rgb c) { return ui::Rgb(c.r, c.g, c.b); }

ui::Font Impact(double points) { return ui::Font{"Impact", points, false, false}; }
ui::Font Bold() { return ui::Font{"MS Sans Serif", 8.25, true, false}; }

// The page rectangle at the design size; the resize handler keeps it in step with the window.
constexpr Rect kPage{0, 0, FrmY2KMain::kDesignWidth - 75, FrmY2KMain::kDesignHeight - 705};

ui::Label& Caption(ui::Container& on, const char* name, Rect r, const char* text) {
    return on.AddLabel(ControlArgs{name, r, text});
}

ui::Shape& Filled(ui::Container& on, const char* name, Rect r, ui::ShapeKind kind,
                  ui::Color fill, ui::Color border) {
    ui::Shape& s = on.AddShape(ControlArgs{name, r});
    s.SetKind(kind);
    s.SetFillStyle(ui::FillStyle::Solid);
    s.SetFillColor(fill);
    s.SetBorderColor(border);
    return s;
}

ui::Line& Indicator(ui::Container& on, const char* name, int y1, int y2, Rgb colour) {
    constexpr int kFromX = 1200, kToX = 4080;
    ui::Line& l = on.AddLine(ControlArgs{name, Rect{kFromX, std::min(y1, y2), kToX - kFromX,
                                                    std::max(y1, y2) - std::min(y1, y2)}},
                             ui::Line::Ends{kFromX, y1, kToX, y2});
    l.SetBorderColor(Ui(colour));
    l.SetVisible(false);
    return l;
}

}  // namespace

void FrmY2KMain::BuildWelcome() {
    ui::Frame& f = w_.AddFrame(ControlArgs{"FraWelcome", kPage, "Welcome"});
    c_->FraWelcome = &f;
    // The title block: a rounded navy plate with a white oval behind the product name.
    c_->shpOuter = &Filled(f, "shpOuter", Rect{1440, 960, 4455, 1695},
                           ui::ShapeKind::RoundedRectangle, kNavy, kNavy);
    c_->shpOval = &Filled(f, "shpOval", Rect{1560, 1125, 4215, 930}, ui::ShapeKind::Oval,
                          ui::kWhite, ui::kWhite);
    c_->lblTitle = &Caption(f, "lblTitle", Rect{1440, 1200, 2175, 735}, "Ostre");
    c_->lblTitle->SetFont(Impact(27.75));
    c_->lblTitle->SetAlignment(ui::Alignment::Right);
    c_->lblTitle->SetForeColor(kNavy);
    // The two parts overlap by 135 twips; the blank keeps the letters apart.
    c_->lbl2000 = &Caption(f, "lbl2000", Rect{3480, 1200, 1815, 735}, " van");
    c_->lbl2000->SetFont(Impact(27.75));
    c_->lbl2000->SetForeColor(kTitleRed);
    c_->lblTM = &Caption(f, "lblTM", Rect{5280, 1320, 495, 255}, "TM");
    c_->lblTM->SetFont(Impact(8.25));
    c_->lblTM->SetForeColor(kNavy);
    c_->lblWelcomeTitle =
        &Caption(f, "lblWelcomeTitle", Rect{1200, 2160, 4935, 735}, "Year 2000 PC Diagnostics");
    c_->lblWelcomeTitle->SetFont(Impact(18));
    c_->lblWelcomeTitle->SetAlignment(ui::Alignment::Center);
    c_->lblWelcomeTitle->SetForeColor(ui::kWhite);

    Caption(f, "lblVersionInfo", Rect{4200, 3000, 1095, 255}, "Version:");
    c_->lblVersion = &Caption(f, "lblVersion", Rect{5400, 3000, 2535, 255}, "2.00");
    Caption(f, "lblCopyTitle", Rect{4200, 3240, 1095, 255}, "Copyright:");
    c_->lblCopyright =
        &Caption(f, "lblCopyright", Rect{5400, 3240, 2535, 255}, "\xA9 2026 the Ostrevan authors");
    Caption(f, "lblCompanyTitle", Rect{4200, 3480, 1095, 255}, "Company:");
    c_->lblCompanyY2K = &Caption(f, "lblCompanyY2K", Rect{5400, 3480, 2535, 255}, "Ostrevan Project");
}

void FrmY2KMain::BuildMode() {
    ui::Frame& f = w_.AddFrame(ControlArgs{"FraCreateOrView", kPage, "", false});
    c_->FraCreateOrView = &f;
    Caption(f, "lblCorVTitle", Rect{360, 600, 5175, 375},
            "Mode Selection: Create a New Report or View an Existing One?")
        .SetFont(Bold());
    c_->OptReport = &f.AddOption(ControlArgs{"OptReport", Rect{720, 1200, 4335, 255},
                                             "Create a Year 2000 Software Readiness Report", true, true, 'R'});
    c_->OptReport->SetValue(true);
    Caption(f, "lblCreateDesc", Rect{1080, 1560, 5295, 495},
            "This option will scan the drive you select for all installed software and generate "
            "a new readiness report.");
    c_->OptView = &f.AddOption(
        ControlArgs{"OptView", Rect{720, 2280, 3495, 255}, "View the Previously Generated Report", true, true, 'V'});
    Caption(f, "lblViewDesc", Rect{1080, 2640, 4815, 495},
            "This option will let you view the results from the last scan of the selected drive.");
    c_->OptReport->onClick = [this] { OptReport_Click(); };
    c_->OptView->onClick = [this] { OptView_Click(); };
}

void FrmY2KMain::BuildDrive() {
    ui::Frame& f = w_.AddFrame(ControlArgs{"FraDrive", kPage, "", false});
    c_->FraDrive = &f;
    Caption(f, "lblDriveTitle", Rect{240, 360, 5655, 255},
            "Disk Selection: Which Drive do You Want to Scan? ")
        .SetFont(Bold());
    c_->DriveReport = &f.AddDriveList(ControlArgs{"DriveReport", Rect{360, 840, 4215, 315}});
    c_->DriveReport->onChange = [this] { DriveReport_Change(); };
    struct Fact {
        const char* title;
        const char* titleText;
        const char* value;
        ui::Label** into;
        int top;
    };
    const Fact facts[] = {
        {"lblVolLabeltitle", "Volume Label:", "lblVolName", &c_->lblVolName, 1560},
        {"lblFileSystemtitle", "File System:", "lblFileSystem", &c_->lblFileSystem, 1920},
        {"lblSizeTitle", "Size:", "lblSize", &c_->lblSize, 2280},
        {"lblFreeSPaceTitle", "Free Space:", "lblFreeSpace", &c_->lblFreeSpace, 2640},
        {"lblDriveTypeTitle", "Drive Type:", "lblDriveType", &c_->lblDriveType, 3000},
    };
    for (const Fact& fact : facts) {
        Caption(f, fact.title, Rect{360, fact.top, 1335, 255}, fact.titleText);
        *fact.into = &Caption(f, fact.value, Rect{1800, fact.top, 3855, 255}, "");
    }
}

void FrmY2KMain::BuildAnimation() {
    ui::Frame& f = w_.AddFrame(ControlArgs{"FraAnimation", kPage, "", false});
    c_->FraAnimation = &f;
    c_->lblFile = &Caption(f, "lblFile", Rect{120, 360, 6975, 735}, "");
    c_->lblStatus = &Caption(f, "lblStatus", Rect{120, 1320, 6975, 375}, "");
    c_->ShapeFlash = &Filled(f, "ShapeFlash", Rect{480, 2400, 735, 735}, ui::ShapeKind::Rectangle,
                             f.BackColor(), ui::kBlack);
    c_->pic = &f.AddPicture(ControlArgs{"pic", Rect{600, 2520, 495, 495}});
    c_->pic->SetBackColor(f.BackColor());

    // The legend: one coloured square, counter and title per row of the legend table, top to
    // bottom in this order, and the indicator line from the flash shape to the row's title.
    struct Row {
        size_t legend;  // the row of kLegend, also the square's index
        int shapeTop;
        const char* counter;
        const char* title;
        int textTop;
        const char* line;
        int lineFrom, lineTo;  // the line's ends: at the flash shape, at the title
    };
    const Row rows[] = {
        {0, 1800, "lblCompliant", "lblCompTitle", 1920, "LineCompliant", 2640, 2040},
        {1, 2250, "lblCompUnknown", "lblCompUnknownTitle", 2340, "LineCompUnknown", 2760, 2430},
        {4, 2700, "lblNotTest", "lblNotTestTitle", 2790, "lineNotTest", 2760, 2910},
        {2, 3150, "lblNotCOmpFix", "lblNotCOmp2000FixTitle", 3240, "LineNotCompFix", 2760, 3360},
        {3, 3600, "lblNotComp", "lblNotComptitle", 3720, "LineNotComp", 2880, 3840},
    };
    static_assert(std::size(rows) == kLegend.size(), "every legend row is on the page");
    for (const Row& r : rows) {
        const LegendRow& legend = kLegend[r.legend];
        const std::string name = "ShapeGreen(" + std::to_string(r.legend) + ")";
        c_->ShapeGreen[r.legend] = &Filled(f, name.c_str(), Rect{3840, r.shapeTop, 375, 375}, ui::ShapeKind::Square,
                                           Ui(legend.colour), ui::kBlack);
        // A counter holds six digits before its title begins.
        c_->counters[r.legend] = &Caption(f, r.counter, Rect{4320, r.textTop, 660, 255}, "0");
        Caption(f, r.title, Rect{5040, r.textTop, 2895, 255}, legend.title);
    }
    // The lines are drawn over the squares and titles.
    for (const Row& r : rows) c_->lines[r.legend] = &Indicator(f, r.line, r.lineFrom, r.lineTo, kLegend[r.legend].colour);

    c_->lblCount = &Caption(f, "lblCount", Rect{960, 3960, 2055, 255}, "");
    c_->btnAbort = &f.AddButton(ControlArgs{"btnAbort", Rect{120, 3840, 735, 375}, "Abort!", true, true, 'A'});
    c_->btnAbort->onClick = [this] { btnAbort_Click(); };
}

void FrmY2KMain::BuildReport() {
    ui::Frame& f = w_.AddFrame(ControlArgs{"FraReport", kPage, "Ostrevan Summary Report", false});
    c_->FraReport = &f;
    c_->lblSumInst = &Caption(f, "lblSumInst", Rect{120, 240, 6975, 255},
                              "Double click any line for more details and manufacturer upgrade "
                              "information (if available)");
    c_->rtxtSummary = &f.AddRichText(ControlArgs{"rtxtSummary", Rect{120, 600, 7935, 3135}});
    SetUpReportControl(*c_->rtxtSummary);
    ui::RichText& report = *c_->rtxtSummary;
    struct Btn {
        const char* name;
        const char* caption;
        char key;  // access keys differ across the whole window
        int left;
        ui::Button** into;
        std::function<void()> click;
    };
    const Btn buttons[] = {
        {"btnPrint", "Print", 'P', 120, &c_->btnPrint, [this, &report] { PrintRichText(tk_, report); }},
        {"btnMoreInfo", "More Info...", 'M', 1320, &c_->btnMoreInfo,
         [this, &report] { OpenProductDetail(st_, tk_, report); }},
        {"btnAdvanced", "Advanced...", 'd', 2520, &c_->btnAdvanced,
         [this] { OpenAdvancedListing(st_.cJunkFiles, tk_); }},
        {"btnSave", "Save...", 'S', 3720, &c_->btnSave, [this, &report] { SaveRichTextAs(tk_, report); }},
    };
    for (const Btn& b : buttons) {
        *b.into = &f.AddButton(ControlArgs{b.name, Rect{b.left, 3840, 1095, 375}, b.caption, true, true, b.key});
        (*b.into)->onClick = [click = b.click] {
            try {
                click();
            } catch (const std::exception&) {
                // a failing step of a window procedure is skipped
            }
        };
    }
    c_->rtxtSummary->onDoubleClick = [this] { c_->btnMoreInfo->Click(); };
}

void FrmY2KMain::BuildBios() {
    ui::Frame& f = w_.AddFrame(ControlArgs{"FraBios", kPage, "BIOS Check", false});
    c_->FraBios = &f;
    c_->lblBios = &Caption(f, "lblBios", Rect{360, 480, 6615, 1095},
                           "Please click on the help button below to view instructions on how to "
                           "check your BIOS for year 2000 compliance. ");
    c_->FraCopyTo = &f.AddFrame(ControlArgs{"FraCopyTo", Rect{240, 2040, 5175, 1935}, "Copy To..."});
    c_->btnCopyTo = &c_->FraCopyTo->AddButton(
        ControlArgs{"btnCopyTo", Rect{240, 360, 2415, 735}, "Copy YMARK2000 to this Drive...", true, true, 'C'});
    c_->dirCopyTo = &c_->FraCopyTo->AddDriveList(ControlArgs{"dirCopyTo", Rect{3000, 360, 1935, 315}});
    c_->btnCopyTo->onClick = [this] { btnCopyTo_Click(); };
}

void FrmY2KMain::BuildButtons() {
    const int top = kDesignHeight - 600;
    c_->btnHelp = &w_.AddButton(ControlArgs{"btnHelp", Rect{0, top, 1095, 495}, "Help", true, true, 'H'});
    c_->btnBack = &w_.AddButton(ControlArgs{"btnBack", Rect{2977, top, 1095, 495}, "Back", true, true, 'B'});
    c_->BtnNext = &w_.AddButton(ControlArgs{"BtnNext", Rect{4178, top, 1095, 495}, "Next", true, true, 'N'});
    c_->btnExit = &w_.AddButton(ControlArgs{"btnExit", Rect{kDesignWidth - 1170, top, 1095, 495}, "Exit", true, true, 'x'});
    c_->BtnNext->SetRole(ui::ButtonRole::Default);
    c_->btnHelp->onClick = [this] { btnHelp_Click(); };
    c_->btnBack->onClick = [this] { btnBack_Click(); };
    c_->BtnNext->onClick = [this] { BtnNext_Click(); };
    c_->btnExit->onClick = [this] { btnExit_Click(); };
}

}  // namespace ostrevan
