#pragma once
// Helpers shared by the test programs: temporary directories, whole-file reads/writes, the
// number of a failure, and the text of rich text.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/rich_text.h"
#include "platform/ui/rich_text_types.h"

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
// Writes the file, and the folders above it that are missing.
void WriteFileBytes(const std::filesystem::path& p, const std::string& bytes);
// The number of the VbError that f throws (its text in *what); 0 when it throws none.
int ErrorOf(const std::function<void()>& f, std::string* what = nullptr);
// The text of all runs, joined.
std::string PlainText(const ui::PrintableText& t);
// Appends text in a colour at the end of a rich-text control, as the report does.
void AppendColoured(ui::RichText& r, const std::string& text, ui::Color c);
// Lines of the knowledge base's files (Vendors.y2k, APPS.y2k), CR LF ended.
std::string VendorLine(const std::string& name, int id);
std::string AppLine(int id, int vendor, int code, const std::string& name, const std::string& exe,
                    const std::string& begin, const std::string& end, const std::string& comments,
                    const std::string& alt = "");
// s cut at every sep (a text ending in sep ends with "").
std::vector<std::string> Split(const std::string& s, char sep = '\n');

}  // namespace ostrevan::testing
