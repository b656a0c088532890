#include "kb/data_lines.h"

#include <system_error>

#include "platform/file_access.h"
#include "platform/file_write.h"
#include "platform/text.h"
#include "platform/vb_error.h"
#include "rules/readiness.h"

namespace ostrevan {

namespace fs = std::filesystem;

DataLineReader::DataLineReader(const fs::path& file) : file_(file) {
    if (!platform::PathExists(file) || platform::IsDirectory(file))
        throw VbError(kErrFileNotFound, "File not found");
    if (!platform::IsFile(file)) throw VbError(kErrPathAccess, "Path/File access error");
    platform::OpenStream(in_, file);
    // Only a plain file of bounded size is read (its end is where the stream can seek to).
    if (in_ && (!in_.seekg(0, std::ios::end) || static_cast<uint64_t>(in_.tellg()) > kMaxDataFileBytes ||
                !in_.seekg(0, std::ios::beg)))
        throw VbError(kErrPathAccess, "Path/File access error");
    if (!in_) throw VbError(kErrPathAccess, "Path/File access error");
}

bool DataLineReader::Next(std::string& line) {
    line.clear();
    std::streambuf* buf = in_.rdbuf();
    using traits = std::char_traits<char>;
    // The size was checked at the opening; a file that grows since is read no further.
    auto next = [&] { return ++read_ > kMaxDataFileBytes ? traits::eof() : buf->sbumpc(); };
    int c = next();
    if (c == traits::eof()) return false;
    ++line_;
    while (c != traits::eof()) {
        if (c == '\r') {
            if (buf->sgetc() == '\n') next();
            break;
        }
        if (c == '\n') break;
        line.push_back(static_cast<char>(c));
        c = next();
    }
    // A byte-order mark would become part of the first field: the line is not taken.
    if (line_ == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) {
        firstHasMark_ = true;
        Fail(VbError(kErrInvalidCall, ""));
    }
    return true;
}

void DataLineReader::Fail(const VbError& e) {
    const long at = line_;
    std::string rest;
    long unread = 0;
    while (Next(rest)) ++unread;
    std::string why = e.what();
    // The run-time's own texts say little here; a loader's own text is kept.
    if (why == "Invalid procedure call or argument") why = "the line does not hold the fields of a record";
    else if (why == "Type mismatch") why = "a number field holds no number";
    else if (why == "Overflow") why = "a number lies outside its range";
    else if (e.number() == kErrKeyExists) why = "its ID was used by an earlier line";
    if (at == 1 && firstHasMark_) why = "the file begins with a UTF-8 byte-order mark";
    throw VbError(e.number(), file_.filename().string() + ", line " + std::to_string(at) + ": " + why +
                                  "; that line and the " + std::to_string(unread) +
                                  (unread == 1 ? " line after it were" : " lines after it were") + " ignored");
}

void ReadDataFile(const fs::path& file, size_t count, const std::function<void(const std::vector<std::string>&)>& take) {
    DataLineReader reader(file);
    std::string line;
    while (reader.Next(line)) {
        try {
            take(SplitDataLine(line, count));
        } catch (const VbError& e) {
            reader.Fail(e);
        }
    }
}

std::vector<std::string> SplitDataLine(const std::string& line, size_t count) {
    std::vector<std::string> fields;
    fields.reserve(count);
    size_t pos = line.empty() ? 0 : 1;
    for (size_t i = 0; i + 1 < count; ++i) {
        const size_t tab = line.find('\t', pos);
        if (tab == std::string::npos) throw VbError(kErrInvalidCall, "Invalid procedure call or argument");
        fields.emplace_back(line, pos, tab - pos);
        pos = tab + 1;
    }
    if (pos >= line.size()) throw VbError(kErrInvalidCall, "Invalid procedure call or argument");
    fields.emplace_back(line, pos, line.size() - pos - 1);
    return fields;
}

int16_t ReadinessCode(const std::string& field) {
    const int16_t code = text::ToInt16(field);
    if (!Listed(code)) throw VbError(kErrOverflow, "Overflow");
    return code;
}

std::string DataLine(const std::vector<std::string>& fields) {
    std::string out = "\"";
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i) out.push_back('\t');
        for (char c : fields[i]) {
            if (c == '\n' || c == '\r') continue;
            out.push_back(c == '\t' ? ' ' : c);
        }
    }
    out += "\"\r\n";
    return out;
}

void WriteDataFile(const fs::path& file, const std::string& bytes) {
    const fs::path dir = file.has_parent_path() ? file.parent_path() : fs::path(".");
    if (!platform::IsDirectory(dir)) throw VbError(kErrPathNotFound, "Path not found");
    const std::string why = platform::WriteWholeFile(file, bytes);
    if (!why.empty()) throw VbError(kErrPathAccess, why);
}

}  // namespace ostrevan
