#include "kb/vendor_collection.h"

#include <algorithm>
#include <memory>

#include "kb/data_lines.h"
#include "rules/string_matcher.h"
#include "platform/text.h"

namespace ostrevan {

void clsVendor::SetName(const std::string& v) {
    name_ = v;
    if (owner_) owner_->indexStale_ = true;
}

colVendors::~colVendors() {
    for (clsVendor& v : col_) v.owner_ = nullptr;
}

clsVendor& colVendors::Add(const std::string& strName, const std::string& strADD1,
                           const std::string& strADD2, const std::string& strPhoneNum,
                           int16_t intID, const std::string& strURL) {
    auto rec = std::make_unique<clsVendor>();
    rec->SetName(strName);
    rec->SetAddress1(strADD1);
    rec->SetAddress2(strADD2);
    rec->SetPhoneNum(strPhoneNum);
    rec->SetURL(strURL);
    const int16_t id = intID < 1 ? text::ToInt16(static_cast<long long>(Count()) + 1) : intID;
    rec->SetID(id);
    clsVendor& added = col_.Add(std::move(rec), RecordKey(id, 'V'));
    added.owner_ = this;
    if (!indexStale_) byName_[text::Upper(added.Name())].push_back(&added);
    return added;
}

clsVendor& colVendors::Item(int16_t intNum) const {
    if (intNum >= 1 && intNum <= Count()) return col_.ByKey(RecordKey(intNum, 'V'));
    return col_.At(1);
}

void colVendors::Remove(int16_t intOrderNum) {
    const std::string key = RecordKey(intOrderNum, 'V');
    clsVendor& gone = col_.ByKey(key);
    if (!indexStale_) {
        auto it = byName_.find(text::Upper(gone.Name()));
        if (it != byName_.end()) {
            std::erase(it->second, &gone);
            if (it->second.empty()) byName_.erase(it);
        }
    }
    gone.owner_ = nullptr;
    col_.RemoveKey(key);
}

void colVendors::RebuildIndex() {
    byName_.clear();
    for (const clsVendor& v : col_) byName_[text::Upper(v.Name())].push_back(&v);
    indexStale_ = false;
}

const clsVendor* colVendors::FindByName(const std::string& upperName) {
    if (indexStale_) RebuildIndex();
    auto it = byName_.find(upperName);
    return it == byName_.end() ? nullptr : it->second.front();
}

int16_t colVendors::GetVendorID(std::string& strVendor) {
    const std::string name = StripVendor(strVendor);
    if (name.empty() || strVendor == "None") return 1;
    if (const clsVendor* v = FindByName(text::Upper(name))) return v->ID();
    const int16_t id = text::ToInt16(static_cast<long long>(Count()) + 1);
    Add(name, "", "", "", id, "");
    return Count();
}

void colVendors::LoadFromFile(const std::filesystem::path& dir) {
    ReadDataFile(dir / kVendorsFileName, kVendorsFields, [&](const std::vector<std::string>& f) {
        // Vendors are found by ID as positions 1..Count: an ID out of that sequence would file
        // products under the wrong vendor.
        const int16_t id = text::ToInt16(f[4]);
        if (id != Count() + 1) throw VbError(kErrInvalidCall, "vendor IDs must run 1, 2, 3, ... without a gap");
        Add(f[0], f[1], f[2], f[3], id, f[5]);
    });
}

void colVendors::SaveToFile(const std::filesystem::path& dir) const {
    std::string bytes;
    const int16_t n = Count();
    for (int i = 1; i <= n; ++i) {
        const clsVendor& v = Item(static_cast<int16_t>(i));
        bytes += DataLine({v.Name(), v.Address1(), v.Address2(), v.PhoneNum(), text::Decimal(v.ID()), v.URL()});
    }
    WriteDataFile(dir / kVendorsFileName, bytes);
}

}  // namespace ostrevan
