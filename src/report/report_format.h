#pragma once
// How the report and the windows around it look: the class colours as the toolkit's colours,
// the report control's face, size and background.
#include "rules/readiness.h"
#include "platform/ui/ui_types.h"

namespace ostrevan {

// The face of the report and of the listing of undocumented programs.
inline constexpr const char* kReportFace = "Courier";
// The report control's design size and background.
inline constexpr double kReportFontSize = 8.25;
inline constexpr ui::Color kReportBackColor{224, 224, 224};
// Printed reports and help topics are indented this far on both sides (twips).
inline constexpr int kPrintIndent = 100;

// The colour a readiness code is shown in (the scanning page's legend colours; black for
// code 0 and for codes outside the table).
constexpr ui::Color ClassColor(int code) { return ReadinessColour(code); }

}  // namespace ostrevan
