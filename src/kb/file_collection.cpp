#include "kb/file_collection.h"

#include <memory>

#include "kb/data_lines.h"
#include "rules/readiness.h"
#include "platform/text.h"

namespace ostrevan {

void colFiles::Add(const std::string& strComments, const std::string& strVendor,
                   const std::string& strDesc, const std::string& strName,
                   const std::string& strVBegin, const std::string& strVEnd, int16_t intComp,
                   const std::string& strDIRECTORY, const std::string& strCVERB,
                   const std::string& strCVERE) {
    bool sameName = false;
    for (const clsFile& f : mvarCOL)
        if (text::IEquals(f.Name, strName)) {
            sameName = true;
            break;
        }
    Place(NewRecord(strComments, strVendor, strDesc, strName, strVBegin, strVEnd, intComp,
                    strDIRECTORY, strCVERB, strCVERE),
          sameName);
}

std::unique_ptr<clsFile> colFiles::NewRecord(const std::string& strComments, const std::string& strVendor,
                                             const std::string& strDesc, const std::string& strName,
                                             const std::string& strVBegin, const std::string& strVEnd,
                                             int16_t intComp, const std::string& strDIRECTORY,
                                             const std::string& strCVERB, const std::string& strCVERE) {
    auto rec = std::make_unique<clsFile>();
    rec->Comments = strComments;
    rec->Vendor = strVendor;
    rec->Name = strName;
    rec->Description = strDesc;
    rec->VersBegin = strVBegin;
    rec->VersEnd = strVEnd;
    rec->CompliantCode = intComp;
    rec->Directory = strDIRECTORY;
    rec->CVERB = strCVERB;
    rec->CVERE = strCVERE;
    return rec;
}

clsFile& colFiles::Place(std::unique_ptr<clsFile> rec, bool sameName) {
    const size_t n = static_cast<size_t>(Count());
    return mvarCOL.Insert(sameName ? n - 1 : n, std::move(rec));
}

clsFile& colFiles::Item(int16_t intOrderNum) const {
    if (intOrderNum >= 1 && intOrderNum <= Count()) return mvarCOL.At(intOrderNum);
    return mvarCOL.At(1);
}

void colFiles::SaveToFile(bool Junk, const std::filesystem::path& dir) const {
    WriteDataFile(dir / (Junk ? kJunkFilesFileName : kFilesFileName), SavedBytes());
}

std::string colFiles::SavedBytes() const {
    std::string bytes;
    for (int code : kReportOrder)
        for (const clsFile& f : mvarCOL)
            if (f.CompliantCode == code)
                bytes += DataLine({f.Name, f.Vendor, f.VersBegin, f.VersEnd, f.Description,
                                   f.Comments, f.Directory, text::Decimal(f.CompliantCode)});
    return bytes;
}

std::vector<std::string> SplitFilesLine(const std::string& line) { return SplitDataLine(line, 8); }

void colFiles::LoadFromFile(bool Junk, const std::filesystem::path& dir, bool everyRecord) {
    DataLineReader reader(dir / (Junk ? kJunkFilesFileName : kFilesFileName));
    std::string line;
    while (reader.Next(line)) {
        try {
            const auto f = SplitFilesLine(line);
            const int16_t code = ReadinessCode(f[7]);
            const bool none = text::Upper(f[1]) == "NONE";
            if (none != Junk && !everyRecord) continue;
            Add(f[5], f[1], f[4], f[0], f[2], f[3], code, f[6], "", "");
        } catch (const VbError& e) {
            reader.Fail(e);
        }
    }
}

}  // namespace ostrevan
