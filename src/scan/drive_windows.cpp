#include "scan/drive_windows.h"

#include <algorithm>
#include <filesystem>
#include <iterator>

#include "platform/ansi_path.h"
#include "platform/byte_reader.h"
#include "platform/file_access.h"
#include "platform/text.h"
#include "platform/version_block.h"
#include "scan/ModVersion.h"

namespace ostrevan {
namespace {

namespace fs = std::filesystem;

// Kernel versions and the releases they belong to. Sources, read for this table:
// - Microsoft Knowledge Base Q158238, "How to Determine the Version of Windows 95/98 in Use":
//   4.00.950 Windows 95 (retail, OEM, SP1 and OSR1), 4.00.1111 OEM Service Release 2,
//   4.03.1212-1214 OEM Service Release 2.1 and 2.5, 4.10.1998 Windows 98, 4.10.2222 Windows 98
//   Second Edition; updates to Windows 95 carry 4.00.951 or later.
//   https://library.thedatadungeon.com/msdn-2000-04/kbwin/Source/win98x/q158238.content.htm
// - Microsoft Knowledge Base 295413, "General information about Windows Millennium Edition
//   hotfixes": the original release is stamped 4.90.3000, hotfixes 4.90.3001 or later.
//   http://support.microsoft.com/kb/295413/EN-US/
// - Microsoft Learn, DEBUG_REQUEST_GET_WIN32_MAJOR_MINOR_VERSIONS: 5.0 Windows 2000, 5.1
//   Windows XP, 5.2 Windows Server 2003. https://learn.microsoft.com/en-us/Windows-hardware/
//   drivers/debugger/debug-request-get-win32-major-minor-versions
// - G. Chappell, "Kernel Versions" (file versions of NTOSKRNL.EXE): 3.51 Windows NT 3.51,
//   4.0 Windows NT 4.0, 5.0 Windows 2000, 5.1 Windows XP, 5.2 Windows Server 2003.
//   http://www.geoffchappell.com/studies/windows/km/ntoskrnl/history/index.htm
// - OSVERSIONINFO (Microsoft Learn): platform 1 is Windows 95/98, where the minor version is
//   0 for Windows 95 and greater for Windows 98.
//   https://learn.microsoft.com/en-us/previous-versions/windows/embedded/ms886768(v=msdn.10)
// A row applies from its lowest build on; the last row that applies wins.
struct ReleaseRow {
    uint32_t family, major, minor, lowest_build;
    const char* name;
};
constexpr ReleaseRow kReleases[] = {
    {1, 4, 0, 0, "Windows 95"},
    {1, 4, 0, 1111, "Windows 95 OEM Service Release 2"},
    {1, 4, 3, 0, "Windows 95 OEM Service Release 2.1 or 2.5"},
    {1, 4, 10, 0, "Windows 98"},
    {1, 4, 10, 2222, "Windows 98 Second Edition"},
    {1, 4, 90, 0, "Windows Millennium Edition"},
    {2, 3, 51, 0, "Windows NT 3.51"},
    {2, 4, 0, 0, "Windows NT 4.0"},
    {2, 5, 0, 0, "Windows 2000"},
    {2, 5, 1, 0, "Windows XP"},
    {2, 5, 2, 0, "Windows Server 2003"},
};

constexpr uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr size_t kBootFileLimit = 64 * 1024;  // boot files are a few hundred bytes

// The entry of `dir` called `name` (without regard to case), when there is one.
std::optional<fs::path> Child(const fs::path& dir, const std::string& name) {
    for (const fs::path& p : platform::DirectoryEntries(dir))
        if (text::IEquals(platform::StoredName(p.filename().native()), name)) return p;
    return std::nullopt;
}

std::optional<fs::path> FileAt(const fs::path& dir, std::initializer_list<const char*> parts) {
    std::optional<fs::path> p = dir;
    for (const char* part : parts)
        if (!(p = Child(*p, part))) return std::nullopt;
    return platform::IsFile(*p) ? p : std::nullopt;
}

// The value of `key` in section `section` of an INI-style text file in the root, or "".
std::string IniValue(const fs::path& root, const char* file, const char* section, const char* key) {
    const auto path = FileAt(root, {file});
    if (!path) return "";
    const auto opened = FileBytes::Open(platform::AnsiOpenablePath(*path));
    if (!opened) return "";
    const auto bytes = opened->Read(0, std::min<uint64_t>(opened->size(), kBootFileLimit));
    if (!bytes) return "";
    const std::string content(bytes->begin(), bytes->end());
    bool inSection = false;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        std::string line = content.substr(start, end - start);
        start = end + 1;
        std::erase(line, '\r');
        line = text::Trim(line);
        if (!line.empty() && line[0] == '[') {
            inSection = text::IEquals(line, std::string("[") + section + "]");
            continue;
        }
        const size_t eq = line.find('=');
        if (inSection && eq != std::string::npos && text::IEquals(text::Trim(line.substr(0, eq)), key))
            return text::Trim(line.substr(eq + 1));
    }
    return "";
}

// The folder a boot file names: BOOT.INI's default "multi(0)...partition(1)\WINNT" gives
// WINNT; a "C:\..." default there means the system of MSDOS.SYS, whose "WinDir=C:\WINDOWS"
// gives WINDOWS.
std::string BootFolder(const fs::path& root) {
    std::string nt = IniValue(root, "BOOT.INI", "boot loader", "default");
    const size_t paren = nt.rfind(')');
    if (paren != std::string::npos) {
        nt = nt.substr(paren + 1);
        nt.erase(0, nt.find_first_not_of('\\'));
        if (!nt.empty()) return nt;
    }
    std::string dir = IniValue(root, "MSDOS.SYS", "Paths", "WinDir");
    if (dir.size() >= 2 && dir[1] == ':') dir.erase(0, 2);
    dir.erase(0, dir.find_first_not_of('\\'));
    return dir;
}

struct Candidate {
    std::string name;  // the folder's name as stored
    uint32_t family;
    fs::path kernel;
};

std::vector<Candidate> Candidates(const fs::path& root) {
    std::vector<Candidate> found;
    for (const fs::path& dir : platform::DirectoryEntries(root)) {
        if (!platform::IsDirectory(dir)) continue;
        const std::string name = platform::StoredName(dir.filename().native());
        if (auto k = FileAt(dir, {"SYSTEM32", "NTOSKRNL.EXE"}))
            found.push_back({name, 2, *k});
        else if (auto k9 = FileAt(dir, {"SYSTEM", "KERNEL32.DLL"}); k9 && FileAt(dir, {"WIN.COM"}))
            found.push_back({name, 1, *k9});
    }
    std::sort(found.begin(), found.end(),
              [](const Candidate& a, const Candidate& b) { return text::Upper(a.name) < text::Upper(b.name); });
    return found;
}

// The build: the third number of the FileVersion text ("4.10.2222", "5.1.2600.0 (...)"), the
// form the version stamps of the table are written in; 0 when there is none.
uint32_t BuildOf(const std::string& fileVersion) {
    size_t pos = 0;
    for (int dots = 0; dots < 2; ++dots) {
        pos = fileVersion.find('.', pos);
        if (pos == std::string::npos) return 0;
        ++pos;
    }
    uint32_t build = 0;
    for (; pos < fileVersion.size() && fileVersion[pos] >= '0' && fileVersion[pos] <= '9' && build < 100000; ++pos)
        build = build * 10 + static_cast<uint32_t>(fileVersion[pos] - '0');
    return build;
}

}  // namespace

std::string WindowsRelease(uint32_t family, uint32_t major, uint32_t minor, uint32_t build) {
    const char* name = "";
    for (const ReleaseRow& r : kReleases)
        if (r.family == family && r.major == major && r.minor == minor && build >= r.lowest_build) name = r.name;
    return name;
}

DriveWindowsSearch FindDriveWindows(const std::string& drive, const platform::HostPath& root) {
    DriveWindowsSearch out;
    const std::vector<Candidate> all = Candidates(root);
    if (all.empty()) {
        out.notes.push_back("no Windows folder found on " + drive +
                            " (neither WIN.COM with SYSTEM\\KERNEL32.DLL nor SYSTEM32\\NTOSKRNL.EXE)");
        return out;
    }
    const std::string named = BootFolder(root);
    auto chosen = std::find_if(all.begin(), all.end(), [&](const Candidate& c) { return text::IEquals(c.name, named); });
    if (chosen == all.end()) chosen = all.begin();
    if (all.size() > 1) {
        std::string list;
        for (const Candidate& c : all) list += (list.empty() ? "" : ", ") + c.name;
        out.notes.push_back(drive + " holds " + std::to_string(all.size()) + " Windows folders (" + list + "); " +
                            (text::IEquals(chosen->name, named) ? "the boot files start " : "none is named by the boot files; taking ") +
                            chosen->name);
    }

    DriveWindows w;
    w.identity.platform_id = chosen->family;
    w.identity.windows_directory = drive + "\\" + chosen->name;
    ModVersion reader;  // the drive's own kernel file, never the running system's
    reader.LoadVersionBlock(chosen->kernel);
    const ByteView block(reader.Block());
    const auto root_node = verblock::Find(block, "\\");
    const auto area = verblock::WalkArea(block);
    if (root_node && root_node->valueBytes >= 16 && area.U32(root_node->valueOffset) == kFixedInfoSignature) {
        const uint32_t ms = area.U32(root_node->valueOffset + 8).value_or(0);
        w.identity.version_known = true;
        w.identity.major = ms >> 16;
        w.identity.minor = ms & 0xFFFF;
        const uint32_t build = BuildOf(reader.GetInfoString("FileVersion"));
        w.identity.build = build;
        w.version = text::Decimal(w.identity.major) + "." + text::Decimal(w.identity.minor) +
                    (build ? "." + text::Decimal(build) : "");
        w.release = WindowsRelease(chosen->family, w.identity.major, w.identity.minor, build);
    } else {
        out.notes.push_back("the kernel file of " + w.identity.windows_directory + " has no readable version");
    }
    out.found = w;
    return out;
}

}  // namespace ostrevan
