#include "scan/drive_procedures.h"

#include "platform/drive_info.h"
#include "platform/program_files.h"
#include "platform/text.h"

namespace ostrevan {

DriveFacts DriveReportFacts(const platform::DriveMap& drives, const std::string& entry) {
    const std::string root = entry.substr(0, 2) + "\\";
    std::string label, file_system, type;
    int32_t size = 0, free = 0;
    platform::GetDriveInfo(drives.Root(root), label, file_system, size, free, type);
    return DriveFacts{label, file_system, text::Decimal(size), text::Decimal(free), type};
}

bool CopyUtilityToDrive(const platform::DriveMap& drives, const platform::HostPath& program_dir,
                        const std::string& entry, const MessageBoxFn& show) {
    const auto root = drives.Root(entry.substr(0, 2));
    const bool ok = root && !program_dir.empty() &&
                    platform::CopyWholeFile(program_dir / kUtilityFileName, *root / kUtilityFileName);
    if (show) {
        if (ok) show("YMARK 2000 Copy Completed!", "Ostrevan");
        else show("Ostrevan was Unable to Copy this File", "Copy Error");
    }
    return ok;
}

}  // namespace ostrevan
