#include "kb/product_collection.h"

#include <memory>

#include "kb/data_lines.h"
#include "platform/text.h"

namespace ostrevan {

void colY2KApps::Add(int16_t intVendor, int16_t intCompCode, const std::string& strProdName,
                     const std::string& strEXEName, const std::string& strVersBegin,
                     const std::string& strVersEnd, const std::string& strComments,
                     const std::string& strAltProdName, int16_t intID) {
    auto rec = std::make_unique<clsY2KAPP>();
    rec->Vendor = intVendor;
    rec->CompliantCode = intCompCode;
    rec->ProductName = strProdName;
    rec->EXEName = strEXEName;
    rec->VersionBegin = strVersBegin;
    rec->VersionEnd = strVersEnd;
    rec->Comments = strComments;
    rec->AltProductName = strAltProdName;
    const int16_t id = intID < 1 ? text::ToInt16(static_cast<long long>(Count()) + 1) : intID;
    rec->ID = id;
    mvarCOL.Add(std::move(rec), RecordKey(id, 'Y'));
}

clsY2KAPP& colY2KApps::Item(int16_t intNum) const {
    if (intNum >= 1 && intNum <= Count()) return mvarCOL.ByKey(RecordKey(intNum, 'Y'));
    return mvarCOL.At(1);
}

void colY2KApps::LoadFromFile(const std::filesystem::path& dir) {
    ReadDataFile(dir / kAppsFileName, kAppsFields, [&](const std::vector<std::string>& f) {
        Add(text::ToInt16(f[1]), ReadinessCode(f[2]), f[3], f[4], f[5], f[6], f[7], f[8], text::ToInt16(f[0]));
    });
}

void colY2KApps::Remove(int16_t intOrderNum) { mvarCOL.RemoveKey(RecordKey(intOrderNum, 'Y')); }

void colY2KApps::SaveToFile(const std::filesystem::path& dir) const {
    std::string bytes;
    const int16_t n = Count();
    for (int i = 1; i <= n; ++i) {
        const clsY2KAPP& r = Item(static_cast<int16_t>(i));
        bytes += DataLine({text::Decimal(r.ID), text::Decimal(r.Vendor), text::Decimal(r.CompliantCode),
                           r.ProductName, r.EXEName, r.VersionBegin, r.VersionEnd, r.Comments,
                           r.AltProductName});
    }
    WriteDataFile(dir / kAppsFileName, bytes);
}

}  // namespace ostrevan
