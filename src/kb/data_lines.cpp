#include "kb/data_lines.h"

#include "platform/file_access.h"
#include "platform/vb_error.h"

namespace ostrevan {

namespace fs = std::filesystem;

DataLineReader::DataLineReader(const fs::path& file) {
    if (!platform::PathExists(file) || platform::IsDirectory(file))
        throw VbError(kErrFileNotFound, "File not found");
    platform::OpenStream(in_, file);
    if (!in_) throw VbError(kErrPathAccess, "Path/File access error");
}

bool DataLineReader::Next(std::string& line) {
    line.clear();
    std::streambuf* buf = in_.rdbuf();
    using traits = std::char_traits<char>;
    int c = buf->sbumpc();
    if (c == traits::eof()) return false;
    while (c != traits::eof()) {
        if (c == '\r') {
            if (buf->sgetc() == '\n') buf->sbumpc();
            return true;
        }
        if (c == '\n') return true;
        line.push_back(static_cast<char>(c));
        c = buf->sbumpc();
    }
    return true;
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
    if (platform::IsDirectory(file)) throw VbError(kErrPathAccess, "Path/File access error");
    fs::path temp = file;
    temp += ".tmp";
    bool written = false;
    {
        std::ofstream out;
        platform::OpenStream(out, temp);
        if (out) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.flush();
            written = static_cast<bool>(out);
            out.close();
            written = written && !out.fail();
        }
    }
    if (written && platform::MoveFileOver(temp, file)) return;
    platform::RemoveFile(temp);
    throw VbError(kErrPathAccess, "Path/File access error");
}

}  // namespace ostrevan
