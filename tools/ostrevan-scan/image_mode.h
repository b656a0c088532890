#pragma once
// Disk images on the command line (where ostrevan-scan is built with The Sleuth Kit):
//   --image X:=FILE[,PARTITION]   the drive letter X: stands for a volume inside the image
//   --list-image FILE             the image's partitions, their file systems and Windows
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace ostrevan {

// The image volumes attached for one scan; each stays readable while this lives.
struct AttachedImages {
    std::vector<std::unique_ptr<platform::AttachedVolume>> volumes;
};

// Takes every --image option out of `args` and attaches its volume: the option becomes a
// --map of its letter to the volume's root. Without a partition number the first volume that
// holds a Windows folder is taken (else the first that can be read), and `notes` says which.
// Returns 0, or the exit status with the reason in `error`: 2 for a malformed option, 1 for an
// image or partition that cannot be read.
int TakeImageOptions(std::vector<std::string>& args, AttachedImages& attached,
                      std::vector<std::string>& notes, std::string& error);

// --list-image FILE: prints each partition with its place, size, file system and the Windows
// found on it. Returns the exit status (1 when the image cannot be read).
int RunListImage(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The usage lines of both options.
std::string ImageHelp();

}  // namespace ostrevan
