#pragma once
// Helpers shared by the test programs: temporary directories, whole-file reads/writes and the
// number of a failure.
#include <filesystem>
#include <functional>
#include <string>

namespace ostrevan::testing {

// A fresh empty directory, removed with everything in it when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::string ReadFileBytes(const std::filesystem::path& p);
void WriteFileBytes(const std::filesystem::path& p, const std::string& bytes);
// The number of the VbError that f throws; 0 when it throws none.
int ErrorOf(const std::function<void()>& f);

}  // namespace ostrevan::testing
