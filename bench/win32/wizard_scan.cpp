// ostrevan-wizard-scan: the wizard's own scan, driven as a user would drive it, for timing. It
// opens the main window on the Windows toolkit, walks to the drive page, picks drive C: (the
// folder given) and presses Next; the scan runs on the scanning page with every label, counter
// and icon, writes its result files into DATA and the program ends when the report shows.
//   ostrevan-wizard-scan DATA DRIVE_DIR
// DATA holds Vendors.y2k and APPS.y2k; the operating system is taken as unknown, like
// ostrevan-scan --os none, so both scans do the same work and write the same files.
#include <iostream>

#include "app/frm_y2k_main.h"
#include "app/frm_y2k_main_controls.h"
#include "app/program.h"
#include "platform/command_line.h"
#include "platform/ui/win32/win32_toolkit.h"

int main(int argc, char** argv) {
    const auto args = ostrevan::platform::CommandLineArguments(argc, argv);
    if (args.size() != 2) {
        std::cerr << "usage: ostrevan-wizard-scan DATA DRIVE_DIR\n";
        return 2;
    }
    ostrevan::ui::win32::Win32Toolkit tk;
    int messages = 0;
    tk.onMessage = [&](const std::string& text, const std::string&) {
        std::cerr << text << "\n";
        ++messages;
    };
    ostrevan::AppServices s = ostrevan::ProgramServices();
    s.programDir = ostrevan::platform::HostPathFromUtf8(args[0]);
    s.drives.Map('C', ostrevan::platform::HostPathFromUtf8(args[1]));
    s.osIdentity = [] { return ostrevan::platform::OsIdentity{}; };
    ostrevan::FrmY2KMain main(tk, std::move(s));
    main.Form_Load();
    main.Show();
    tk.DoEvents();
    main.BtnNext_Click();  // to the choice of a new report
    main.BtnNext_Click();  // to the drive page
    main.Design().DriveReport->SetDrive("c:");
    main.BtnNext_Click();  // the scan, then the report
    tk.DoEvents();
    main.btnExit_Click();
    return messages == 0 ? 0 : 1;
}
