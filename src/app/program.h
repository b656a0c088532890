#pragma once
// The program: the main window with everything it needs, on a toolkit, until it ends.
#include "app/app_services.h"
#include "platform/ui/toolkit.h"

namespace ostrevan {

// What the real program gives its main window: the files of its own directory, the machine's
// drives, the running system, the version and icon readers, the help window and the report.
AppServices ProgramServices();

// Builds the main window, runs its start-up, shows it and runs the event loop until the
// program ends. Returns the program's exit status.
int RunProgram(ui::Toolkit& tk, AppServices services);

}  // namespace ostrevan
