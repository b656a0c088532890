#pragma once
// The line form shared by the four data files (APPS.y2k, Vendors.y2k, Files.y2k, JFiles.y2k):
// one record per line ended by CR LF; a line is a double quote, the fields joined by TAB, and
// a double quote. Text is Windows-1252 bytes, read and written unchanged.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/vb_error.h"

namespace ostrevan {

// Reads a data file line by line. A line ends at CR LF, or at a CR or LF alone; a last line
// without an end is read too, and a file that ends with CR LF has no empty line after it.
// Only plain files of at most kMaxDataFileBytes are read: a pipe or a device would never end.
class DataLineReader {
public:
    // Far above the shipped files (under 100 KB) and what a scan can write (32,767 records).
    static constexpr uint64_t kMaxDataFileBytes = uint64_t{64} << 20;

    // Opens the file; VbError 53 when it does not exist, 75 when it cannot be read, is no
    // plain file or is larger than kMaxDataFileBytes.
    explicit DataLineReader(const std::filesystem::path& file);
    // The next line without its end; false at the end of the file.
    bool Next(std::string& line);
    // Ends a load at the line just read, which the loader could not take: throws `e` again
    // with a text that names the file and the line and counts the lines left unread.
    [[noreturn]] void Fail(const VbError& e);

private:
    std::filesystem::path file_;
    std::ifstream in_;
    long line_ = 0;
    uint64_t read_ = 0;
    bool firstHasMark_ = false;
};

// Reads every line of a data file as `count` fields (SplitDataLine) and gives them to `take`, in
// order. A line that cannot be split, or that `take` refuses with a VbError, ends the load there
// (DataLineReader::Fail); the lines before it are kept.
void ReadDataFile(const std::filesystem::path& file, size_t count,
                  const std::function<void(const std::vector<std::string>&)>& take);

// Cuts a line into `count` fields: the first character is dropped whatever it is, the fields
// run to the next TAB, and the last field is the rest without its last character (whatever it
// is; TABs beyond the expected ones stay in the last field). A line with too few TABs, or with
// nothing left for the last field, fails with VbError 5.
std::vector<std::string> SplitDataLine(const std::string& line, size_t count);

// A readiness class code field: 0 to 6; VbError 6 for any other number (a record of an
// unknown class would be counted under no class and written to no result file).
int16_t ReadinessCode(const std::string& field);

// One line of a data file, CR LF included. A TAB inside a field is written as a blank and CR
// and LF are removed, so a field can never shift the fields after it or split its line.
std::string DataLine(const std::vector<std::string>& fields);

// Replaces the file with the given bytes through the platform's one writer, so a failed write
// leaves the old file as it was and never a truncated one. VbError 76 when the directory does
// not exist, 75 when the file cannot be written (its text says why: "The disk is full.").
void WriteDataFile(const std::filesystem::path& file, const std::string& bytes);

}  // namespace ostrevan
