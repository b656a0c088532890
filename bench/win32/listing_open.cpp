// ostrevan-listing-open: how long the listing of undocumented programs takes to fill on the
// Windows toolkit (the native rich-text control), for a listing of N entries.
//   ostrevan-listing-open N
// Prints the milliseconds from the empty window to the filled control.
#include <windows.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "kb/file_collection.h"
#include "platform/ui/win32/win32_toolkit.h"
#include "report/advanced_window.h"

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::atoi(argv[1]) : 20000;
    ostrevan::colFiles junk;
    for (int i = 0; i < n; ++i)
        junk.Add("", "None", "", "PROGRAM" + std::to_string(i) + ".EXE", "", "", 0,
                 "C:\\PROGRAM FILES\\SOME MAKER\\FOLDER " + std::to_string(i % 300), "", "");
    ostrevan::ui::win32::Win32Toolkit tk;
    ostrevan::FrmAdvanced f(tk);
    const DWORD start = GetTickCount();
    f.FillListing(junk);
    const DWORD ms = GetTickCount() - start;
    const int length = f.rtxtAdvanced.TextLength();
    std::cout << "listing of " << junk.Count() << " entries (" << length << " characters) filled in " << ms
              << " ms\n";
    return length > 0 || n == 0 ? 0 : 1;
}
