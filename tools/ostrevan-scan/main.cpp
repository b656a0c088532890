// ostrevan-scan: the headless scanner. Options are read here, once; each mode is a function of
// its own:
//   ostrevan-scan --version-info FILE...   the version fields of each FILE
//   ostrevan-scan [options] DRIVE          one scan of DRIVE, as the wizard runs it
//   ostrevan-scan --fleet OUT DIR...       one report of the results of many PCs
//   ostrevan-scan --help                   usage
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

#include "platform/command_line.h"
#include "platform/file_write.h"
#include "platform/program_files.h"
#include "scan/ModVersion.h"
#include "scan/scan_command.h"
#include "fleet_mode.h"
#include "report_mode.h"
#include "version_info_mode.h"
#if defined(OSTREVAN_DISK_IMAGES)
#include "image_mode.h"
#endif

namespace {

enum class Mode {
    kHelp, kVersionInfo, kFleet, kScan, kUsageError,
#if defined(OSTREVAN_DISK_IMAGES)
    kListImage,
#endif
};

struct Command {
    Mode mode = Mode::kUsageError;
    std::vector<std::string> args;  // what the mode is given
};

Command ParseCommand(const std::vector<std::string>& args) {
    if (args.empty()) return {Mode::kUsageError, {}};
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "/?") return {Mode::kHelp, {}};
    if (args[0] == "--version-info") {
        std::vector<std::string> files(args.begin() + 1, args.end());
        return {files.empty() ? Mode::kUsageError : Mode::kVersionInfo, files};
    }
    if (args[0] == "--fleet") return {Mode::kFleet, std::vector<std::string>(args.begin() + 1, args.end())};
#if defined(OSTREVAN_DISK_IMAGES)
    if (args[0] == "--list-image") return {Mode::kListImage, std::vector<std::string>(args.begin() + 1, args.end())};
#endif
    return {Mode::kScan, args};
}

int RunScan(std::vector<std::string> args) {
    std::string error;
    std::optional<std::string> report;
    if (!ostrevan::TakeReportOption(args, report, error)) {
        std::cerr << "ostrevan-scan: " << error << "\n" << ostrevan::ScanUsage();
        return 2;
    }
#if defined(OSTREVAN_DISK_IMAGES)
    // The volumes of disk images stay attached until the scan and its report are done.
    ostrevan::AttachedImages images;
    std::vector<std::string> notes;
    if (const int status = ostrevan::TakeImageOptions(args, images, notes, error)) {
        std::cerr << "ostrevan-scan: " << error << "\n";
        if (status == 2) std::cerr << ostrevan::ScanUsage() << ostrevan::ImageHelp();
        return status;
    }
    for (const std::string& note : notes) std::cerr << "ostrevan-scan: " << note << "\n";
#endif
    auto options = ostrevan::ParseScanOptions(args, error);
    if (!options) {
        std::cerr << "ostrevan-scan: " << error << "\n" << ostrevan::ScanUsage();
        return 2;
    }
    if (options->help) {
        std::cout << ostrevan::ScanUsage();
        return 0;
    }
    // The report's place is checked before the scan, not found unusable after it.
    if (report) {
        const std::string why = ostrevan::platform::CheckWritable(ostrevan::platform::HostPathFromUtf8(*report));
        if (!why.empty()) {
            std::cerr << "ostrevan-scan: cannot write the report " << *report << ": " << why << "\n";
            return 1;
        }
    }
    // The first Ctrl-C stops the scan, which then saves what it found; a second ends at once.
    std::signal(SIGINT, [](int) {
        if (ostrevan::RequestScanStop()) std::_Exit(ostrevan::kStoppedStatus);
    });
    ostrevan::ModVersion versions;
    const bool showProgress = !options->quiet && ostrevan::platform::StandardErrorIsTerminal();
    ostrevan::RunState st;
    const int status = ostrevan::RunScanCommand(*options, versions, std::cout, std::cerr,
                                                showProgress ? &std::cerr : nullptr, &st);
    if ((status != 0 && status != ostrevan::kStoppedStatus) || !report) return status;
    const std::string why = ostrevan::WriteScanReport(st, ostrevan::platform::HostPathFromUtf8(*report));
    if (why.empty()) return status;
    std::cerr << "ostrevan-scan: cannot write the report " << *report << ": " << why << "\n";
    return 1;
}

int Run(int argc, char** argv) {
    const Command command = ParseCommand(ostrevan::platform::CommandLineArguments(argc, argv));
    switch (command.mode) {
        case Mode::kHelp:
            std::cout << ostrevan::ScanUsage() << ostrevan::VersionInfoHelp() << ostrevan::FleetHelp()
#if defined(OSTREVAN_DISK_IMAGES)
                      << ostrevan::ImageHelp()
#endif
                      << std::flush;
            return std::cout ? 0 : 1;
        case Mode::kVersionInfo: {
            const int status = ostrevan::RunVersionInfo(command.args, std::cout);
            if (status != 0) std::cerr << "ostrevan-scan: the output could not be written\n";
            return status;
        }
        case Mode::kFleet:
            return ostrevan::RunFleet(command.args, std::cout, std::cerr);
#if defined(OSTREVAN_DISK_IMAGES)
        case Mode::kListImage:
            return ostrevan::RunListImage(command.args, std::cout, std::cerr);
#endif
        case Mode::kScan:
            return RunScan(command.args);
        case Mode::kUsageError:
            break;
    }
    std::cerr << ostrevan::ScanUsage();
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
#if defined(_WIN32)
    _setmode(_fileno(stdout), _O_BINARY);  // LF line ends, bytes as they are
#endif
    // Running out of memory ends the run with a word, never with an abort; every file is
    // replaced only once it is complete, so what was there before stays whole.
    try {
        return Run(argc, argv);
    } catch (const std::bad_alloc&) {
        std::cerr << "ostrevan-scan: there was not enough memory to finish; no file was changed\n";
        return 1;
    }
}
