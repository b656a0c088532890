#include "app/program.h"

#include "app/frm_y2k_main.h"
#include "platform/program_files.h"
#include "platform/ui/event.h"
#include "scan/ModIconz.h"
#include "scan/ModVersion.h"

namespace ostrevan {

AppServices ProgramServices() {
    AppServices s;
    s.programDir = platform::ProgramDirectory();
    s.osIdentity = platform::QueryOsIdentity;
    s.versions = std::make_shared<ModVersion>();
    s.firstIcon = ModIconz::FirstIcon;
    s.scanRepaint = std::chrono::milliseconds(50);  // a screen shows about 20 pictures a second at most
    return s;
}

int RunProgram(ui::Toolkit& tk, AppServices services) {
    // A step that fails inside a click is told, and the program goes on with the next one.
    const ui::EventFailureHook before = ui::SetEventFailureHook([&tk](const std::string& what) {
        tk.ShowMessage("Ostrevan could not finish this step: " + what, "Ostrevan");
    });
    FrmY2KMain main(tk, std::move(services));
    main.Form_Load();
    main.Show();
    tk.Run();
    ui::SetEventFailureHook(before);
    return 0;
}

}  // namespace ostrevan
