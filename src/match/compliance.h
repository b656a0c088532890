#pragma once
// The readiness decision for one program found by the scan.
#include <optional>
#include <string>

#include "rules/readiness.h"
#include "match/run_state.h"

namespace ostrevan {

// What the scanning page shows after a decision.
struct ComplianceDisplay {
    std::string status;                          // the status line (lblStatus)
    IndicatorLine line = IndicatorLine::None;    // the legend line made visible
    std::optional<Rgb> flash;                    // the colour ShapeFlash is filled with, if any
};

// Decides a program's readiness from its company, product name and version, searching the
// products of the company's vendor for the first record whose name and version range fit.
// strCompliant receives the readiness code as decimal text; strInstructions the matched
// record's comments (unchanged otherwise); strVB and strVE the version range of the result.
// strCompany is rewritten with its normalised text and strVersion with its clean form when it
// was compared. An unknown company is added to the vendor directory. Raises the class's
// counter in the run state.
ComplianceDisplay CheckCompliance(RunState& st, std::string& strCompany, std::string& StrEXE,
                                  std::string& strName, std::string& strVersion,
                                  std::string& strCompliant, std::string& strInstructions,
                                  std::string& strVB, std::string& strVE);

}  // namespace ostrevan
