#include "match/compliance.h"

#include "rules/string_matcher.h"
#include "platform/text.h"

namespace ostrevan {

namespace {

// StripName of a record's product name against the vendor text, reusing the record's last
// result while the name and the vendor text are the same. vendor is rewritten as by StripName.
const std::string& NormalisedRecordName(const std::string& name, std::string& vendor,
                                        clsY2KAPP::NormalisedName& cache) {
    if (cache.valid && cache.name == name && cache.vendorIn == vendor) {
        vendor = cache.vendorOut;
        return cache.result;
    }
    cache.valid = false;
    cache.name = name;
    cache.vendorIn = vendor;
    cache.result = StripName(name, vendor);
    cache.vendorOut = vendor;
    cache.valid = true;
    return cache.result;
}

}  // namespace

ComplianceDisplay CheckCompliance(RunState& st, std::string& strCompany, std::string& StrEXE,
                                  std::string& strName, std::string& strVersion,
                                  std::string& strCompliant, std::string& strInstructions,
                                  std::string& strVB, std::string& strVE) {
    int code = 0;
    std::string programName;
    std::string vendorName;

    if (text::Upper(text::Trim(strCompany)) == "NONE") {
        code = -1;
    } else {
        // A vendor that cannot be looked up is taken as a known vendor without a fitting record;
        // but a vendor table too full to take a new name has told that the name is not in it.
        bool lookedUp = true, tableFull = false;
        int16_t vendorId = 0;
        try {
            vendorId = st.cVendors.GetVendorID(strCompany);
        } catch (const VbError& e) {
            lookedUp = false;
            tableFull = e.number() == kErrOverflow;
        }
        const bool known = lookedUp ? vendorId <= st.lngNumVends : !tableFull;
        const colY2KApps* candidates = nullptr;
        if (lookedUp && known) {
            try {
                candidates = &st.cVendors.Item(vendorId).mvarApps;
            } catch (const VbError&) {
                candidates = nullptr;
            }
        }

        programName = StripName(strName, strCompany);
        if (programName == "Windows")
            programName = "Windows Operating System";
        else if (programName == "Microsoft Windows")
            programName = "Microsoft Windows Operating System";

        strVB = strVersion;
        strVE = strVersion;
        bool found = false;
        if (candidates) {
            for (const clsY2KAPP& r : candidates->mvarCOL) {
                const bool ownVendor = r.Vendor == vendorId && vendorId != 1;
                const bool exeMatch = !StrEXE.empty() && StrEXE == r.EXEName && ownVendor;
                std::string recordVendor;
                try {
                    recordVendor = st.cVendors.Item(r.Vendor).Name();
                } catch (const VbError&) {
                    continue;  // a record whose vendor is missing from the directory
                }
                const std::string& recordName =
                    NormalisedRecordName(r.ProductName, recordVendor, r.productNameCache);
                const std::string& altName =
                    NormalisedRecordName(r.AltProductName, recordVendor, r.altNameCache);
                const bool nameFits = (!programName.empty() && (text::IContains(recordName, programName) ||
                                                                text::IContains(altName, programName))) ||
                                      recordName == "ALLPRODUCTS";
                if (!exeMatch && !(nameFits && ownVendor)) continue;
                std::string begin = r.VersionBegin;
                std::string end = r.VersionEnd;
                if (!MatchingVersion(strVersion, begin, end)) continue;
                strVB = r.VersionBegin;
                strVE = r.VersionEnd;
                code = r.CompliantCode;
                strInstructions = r.Comments;
                vendorName = recordVendor;
                found = true;
                break;
            }
        }
        if (!found && known) {
            strVB = "NOLIMITS";
            strVE = "NOLIMITS";
            vendorName = strCompany;
            code = 2;
        }
    }

    ComplianceDisplay shown;
    const ReadinessClass* cls = FindReadiness(code);
    if (cls && code >= 0) {
        if (int32_t* counter = CounterOf(st, cls->counter)) *counter += 1;
        shown.line = cls->line;
        shown.flash = cls->colour;
    }
    shown.status = StatusLine(cls, programName, vendorName);
    strCompliant = text::Decimal(code);
    return shown;
}

}  // namespace ostrevan
