#include "version_info_mode.h"

#include "platform/codepage.h"
#include "platform/command_line.h"
#include "scan/ModVersion.h"

namespace ostrevan {

const char* const kVersionInfoFields[5] = {"ProductName", "CompanyName", "ProductVersion", "FileDescription",
                                           "Comments"};

std::string VersionInfoHelp() {
    return "\n"
           "--version-info FILE... prints one line per FILE: the path, then TAB-separated\n"
           "ProductName, CompanyName, ProductVersion, FileDescription and Comments as the\n"
           "version reader returns them (Windows-1252 text, \"None\" for an absent or empty\n"
           "field), each line ended by LF. A file that is no program, or has no version\n"
           "resource, prints \"None\" five times. Exit status 0.\n";
}

int RunVersionInfo(const std::vector<std::string>& files, std::ostream& out) {
    ModVersion reader;
    for (const std::string& file : files) {
        reader.LoadVersionBlock(platform::HostPathFromUtf8(file));
        // The whole line is Windows-1252, the path included.
        std::string line = codepage::Utf8ToWindows1252(file);
        for (const char* field : kVersionInfoFields) {
            line += '\t';
            line += reader.GetInfoString(field);
        }
        line += '\n';
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
    }
    out.flush();
    return 0;
}

}  // namespace ostrevan
