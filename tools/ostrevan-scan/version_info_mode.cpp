#include "version_info_mode.h"

#include "kb/data_lines.h"
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
           "resource, prints \"None\" five times. The path and every field are written as the\n"
           "result files write them: a TAB as a blank, CR and LF left out, so each FILE is\n"
           "exactly one line of six fields; other control characters are shown as \\xNN. Exit\n"
           "status 0, or 1 when the output cannot be written.\n";
}

int RunVersionInfo(const std::vector<std::string>& files, std::ostream& out) {
    ModVersion reader;
    for (const std::string& file : files) {
        reader.LoadVersionBlock(platform::HostPathFromUtf8(file));
        // The whole line is Windows-1252, the path included; DataLine keeps every field on
        // its line and in its place.
        std::vector<std::string> fields{codepage::Utf8ToWindows1252(file)};
        for (const char* field : kVersionInfoFields) fields.push_back(reader.GetInfoString(field));
        std::string line = DataLine(fields);
        line = line.substr(1, line.size() - 4);  // without the quotes and CR LF
        // Control characters (an escape sequence in a name or a field) are shown, not sent.
        std::string shown;
        for (const char c : line) {
            const auto u = static_cast<unsigned char>(c);
            if (u < 0x20 && c != '\t') {
                static const char kHex[] = "0123456789ABCDEF";
                shown += "\\x";
                shown += kHex[u >> 4];
                shown += kHex[u & 0xF];
            } else if (u == 0x7F) {
                shown += "\\x7F";
            } else {
                shown += c;
            }
        }
        line = shown + '\n';
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
    }
    out.flush();
    return out ? 0 : 1;
}

}  // namespace ostrevan
