#pragma once
// The version reader with a second thread reading ahead: when the walk lists a folder, the
// version fields of its programs are read on the other core while the scan decides on the
// previous ones. Answers are those of ModVersion, taken in the order the walk asks for them; a
// program that was not read ahead (or a field the scan does not usually ask for) is read when
// asked. Built where the standard library's threads are used (not in the Windows programs).
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "scan/ModVersion.h"
#include "scan/version_source.h"

namespace ostrevan {

class ReadAheadVersions : public VersionSource {
public:
    ReadAheadVersions();
    ~ReadAheadVersions() override;
    ReadAheadVersions(const ReadAheadVersions&) = delete;
    ReadAheadVersions& operator=(const ReadAheadVersions&) = delete;

    void ReadAhead(const std::vector<platform::DirEntry>& programs) override;
    void LoadVersionBlock(const platform::HostPath& program) override;
    std::string GetInfoString(const std::string& field) override;

    // The fields read ahead, in this order.
    static constexpr const char* kFields[5] = {"ProductName", "CompanyName", "ProductVersion", "FileDescription",
                                               "Comments"};

private:
    struct Fields {
        platform::HostPath program;
        std::string values[5];
    };
    static Fields Read(ModVersion& reader, const platform::HostPath& program);
    void Work();

    std::mutex lock_;
    std::condition_variable wake_;  // a request for the worker, or the end
    std::condition_variable ready_; // a result for the scan
    std::deque<platform::HostPath> wanted_;  // programs still to read, in walk order
    std::deque<Fields> done_;                // read ahead, not yet taken
    bool busy_ = false;                      // the worker is reading one now
    bool stop_ = false;
    std::thread worker_;

    Fields current_;
    bool currentLoaded_ = false;  // `reader_` holds the current program's block
    ModVersion reader_;           // the scan's own, for fields not read ahead
};

}  // namespace ostrevan
