#pragma once
// The line form shared by the four data files (APPS.y2k, Vendors.y2k, Files.y2k, JFiles.y2k):
// one record per line ended by CR LF; a line is a double quote, the fields joined by TAB, and
// a double quote. Text is Windows-1252 bytes, read and written unchanged.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace ostrevan {

// Reads a data file line by line. A line ends at CR LF, or at a CR or LF alone; a last line
// without an end is read too, and a file that ends with CR LF has no empty line after it.
class DataLineReader {
public:
    // Opens the file; VbError 53 when it does not exist, 75 when it cannot be read.
    explicit DataLineReader(const std::filesystem::path& file);
    // The next line without its end; false at the end of the file.
    bool Next(std::string& line);

private:
    std::ifstream in_;
};

// Cuts a line into `count` fields: the first character is dropped whatever it is, the fields
// run to the next TAB, and the last field is the rest without its last character (whatever it
// is; TABs beyond the expected ones stay in the last field). A line with too few TABs, or with
// nothing left for the last field, fails with VbError 5.
std::vector<std::string> SplitDataLine(const std::string& line, size_t count);

// One line of a data file, CR LF included. A TAB inside a field is written as a blank and CR
// and LF are removed, so a field can never shift the fields after it or split its line.
std::string DataLine(const std::vector<std::string>& fields);

// Replaces the file with the given bytes. The bytes go to a temporary file in the same
// directory, which is then renamed over the old file, so a failed write leaves the old file
// as it was and never a truncated one. VbError 76 when the directory does not exist, 75 when
// the file cannot be written.
void WriteDataFile(const std::filesystem::path& file, const std::string& bytes);

}  // namespace ostrevan
