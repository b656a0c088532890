#include "scan/read_ahead_versions.h"

#include <algorithm>
#include <new>

namespace ostrevan {

ReadAheadVersions::ReadAheadVersions() : worker_([this] { Work(); }) {}

ReadAheadVersions::~ReadAheadVersions() {
    {
        std::lock_guard<std::mutex> hold(lock_);
        stop_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

ReadAheadVersions::Fields ReadAheadVersions::Read(ModVersion& reader, const platform::HostPath& program) {
    Fields f;
    f.program = program;
    reader.LoadVersionBlock(program);
    for (size_t i = 0; i < 5; ++i) f.values[i] = reader.GetInfoString(kFields[i]);
    return f;
}

void ReadAheadVersions::Work() {
    ModVersion reader;
    std::unique_lock<std::mutex> hold(lock_);
    for (;;) {
        wake_.wait(hold, [this] { return stop_ || !wanted_.empty(); });
        if (stop_) return;
        const platform::HostPath program = std::move(wanted_.front());
        wanted_.pop_front();
        busy_ = true;
        hold.unlock();
        Fields f;
        bool read = true;
        try {
            f = Read(reader, program);
        } catch (const std::bad_alloc&) {
            read = false;  // the scan reads this one itself
        }
        hold.lock();
        busy_ = false;
        if (read) done_.push_back(std::move(f));
        ready_.notify_one();
    }
}

void ReadAheadVersions::ReadAhead(const std::vector<platform::DirEntry>& programs) {
    {
        std::lock_guard<std::mutex> hold(lock_);
        // What the walk passed by unasked is dropped: it will not be asked for now.
        done_.clear();
        wanted_.clear();
        for (const platform::DirEntry& e : programs) wanted_.push_back(e.host);
    }
    wake_.notify_one();
}

void ReadAheadVersions::LoadVersionBlock(const platform::HostPath& program) {
    currentLoaded_ = false;
    {
        std::unique_lock<std::mutex> hold(lock_);
        for (;;) {
            // Results before this program's were passed by (names the scan skips).
            while (!done_.empty() && done_.front().program.native() != program.native()) done_.pop_front();
            if (!done_.empty()) {
                current_ = std::move(done_.front());
                done_.pop_front();
                return;
            }
            const bool coming = busy_ || std::any_of(wanted_.begin(), wanted_.end(), [&](const platform::HostPath& p) {
                                    return p.native() == program.native();
                                });
            if (!coming) break;
            ready_.wait(hold);
        }
    }
    current_ = Read(reader_, program);
    currentLoaded_ = true;
}

std::string ReadAheadVersions::GetInfoString(const std::string& field) {
    for (size_t i = 0; i < 5; ++i)
        if (field == kFields[i]) return current_.values[i];
    if (!currentLoaded_) {
        reader_.LoadVersionBlock(current_.program);
        currentLoaded_ = true;
    }
    return reader_.GetInfoString(field);
}

}  // namespace ostrevan
