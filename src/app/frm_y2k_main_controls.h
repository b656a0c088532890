#pragma once
// The controls of the main window, created by its design code and used by its handlers.
#include <array>

#include "app/frm_y2k_main.h"
#include "rules/readiness.h"

namespace ostrevan {

struct FrmY2KMain::Controls {
    // Pages, all on the same rectangle.
    ui::Frame* FraWelcome = nullptr;
    ui::Frame* FraCreateOrView = nullptr;
    ui::Frame* FraDrive = nullptr;
    ui::Frame* FraAnimation = nullptr;
    ui::Frame* FraReport = nullptr;
    ui::Frame* FraBios = nullptr;

    // Welcome page.
    ui::Shape* shpOuter = nullptr;
    ui::Shape* shpOval = nullptr;
    ui::Label* lblTitle = nullptr;
    ui::Label* lbl2000 = nullptr;
    ui::Label* lblTM = nullptr;
    ui::Label* lblWelcomeTitle = nullptr;
    ui::Label* lblVersion = nullptr;
    ui::Label* lblCopyright = nullptr;
    ui::Label* lblCompanyY2K = nullptr;

    // Mode page.
    ui::OptionButton* OptReport = nullptr;
    ui::OptionButton* OptView = nullptr;

    // Drive page.
    ui::DriveList* DriveReport = nullptr;
    ui::Label* lblVolName = nullptr;
    ui::Label* lblFileSystem = nullptr;
    ui::Label* lblSize = nullptr;
    ui::Label* lblFreeSpace = nullptr;
    ui::Label* lblDriveType = nullptr;

    // Scanning page.
    ui::Label* lblFile = nullptr;
    ui::Label* lblStatus = nullptr;
    ui::Label* lblCount = nullptr;
    ui::Shape* ShapeFlash = nullptr;
    ui::PictureBox* pic = nullptr;
    // The legend's squares, counters (lblCompliant, ...) and indicator lines (LineCompliant,
    // ...), in the order of kLegend.
    std::array<ui::Shape*, kLegend.size()> ShapeGreen{};
    std::array<ui::Label*, kLegend.size()> counters{};
    std::array<ui::Line*, kLegend.size()> lines{};
    ui::Button* btnAbort = nullptr;

    // Report page.
    ui::RichText* rtxtSummary = nullptr;
    ui::Label* lblSumInst = nullptr;
    ui::Button* btnPrint = nullptr;
    ui::Button* btnMoreInfo = nullptr;
    ui::Button* btnAdvanced = nullptr;
    ui::Button* btnSave = nullptr;

    // BIOS page.
    ui::Label* lblBios = nullptr;
    ui::Frame* FraCopyTo = nullptr;
    ui::DriveList* dirCopyTo = nullptr;
    ui::Button* btnCopyTo = nullptr;

    // Button row.
    ui::Button* btnHelp = nullptr;
    ui::Button* btnBack = nullptr;
    ui::Button* BtnNext = nullptr;
    ui::Button* btnExit = nullptr;

    std::array<ui::Frame*, 6> Pages() const {
        return {FraWelcome, FraCreateOrView, FraDrive, FraAnimation, FraReport, FraBios};
    }
};

}  // namespace ostrevan
