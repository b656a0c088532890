// Ostrevan.exe: the program on the Windows toolkit. Its data, help and result files live in
// the directory of the executable.
#include "app/program.h"
#include "platform/ui/win32/win32_toolkit.h"

int main() {
    ostrevan::ui::win32::Win32Toolkit tk;
    return ostrevan::RunProgram(tk, ostrevan::ProgramServices());
}
