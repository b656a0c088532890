#pragma once
// clsVendor: one vendor of the directory, with its own product records.
#include <cstdint>
#include <string>

#include "kb/product_collection.h"

namespace ostrevan {

class colVendors;

class clsVendor {
public:
    clsVendor() = default;
    clsVendor(const clsVendor&) = delete;
    clsVendor& operator=(const clsVendor&) = delete;

    // This vendor's products, in the order of APPS.y2k.
    colY2KApps mvarApps;

    void SetID(int16_t v) { id_ = v; }
    void SetName(const std::string& v);
    void SetAddress1(const std::string& v) { address1_ = v; }
    void SetAddress2(const std::string& v) { address2_ = v; }
    void SetPhoneNum(const std::string& v) { phone_ = v; }
    void SetURL(const std::string& v) { url_ = v; }

    int16_t ID() const { return id_; }
    const std::string& Name() const { return name_; }
    const std::string& Address1() const { return address1_; }
    const std::string& Address2() const { return address2_; }
    const std::string& PhoneNum() const { return phone_; }
    const std::string& URL() const { return url_; }

private:
    friend class colVendors;
    int16_t id_ = 0;
    std::string name_;
    std::string address1_;
    std::string address2_;
    std::string phone_;
    std::string url_ = "None";
    colVendors* owner_ = nullptr;  // the directory holding this record, told of new names
};

}  // namespace ostrevan
