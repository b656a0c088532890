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
    return std::make_unique<clsFile>(clsFile{.Name = strName, .Vendor = strVendor, .VersBegin = strVBegin,
                                             .VersEnd = strVEnd, .Description = strDesc, .Comments = strComments,
                                             .Directory = strDIRECTORY, .CompliantCode = intComp,
                                             .CVERB = strCVERB, .CVERE = strCVERE});
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

void colFiles::LoadFromFile(bool Junk, const std::filesystem::path& dir, bool everyRecord) {
    ReadDataFile(dir / (Junk ? kJunkFilesFileName : kFilesFileName), kFilesFields, [&](const std::vector<std::string>& f) {
        const int16_t code = ReadinessCode(f[7]);
        const bool none = text::Upper(f[1]) == "NONE";
        if (none == Junk || everyRecord) Add(f[5], f[1], f[4], f[0], f[2], f[3], code, f[6], "", "");
    });
}

}  // namespace ostrevan
