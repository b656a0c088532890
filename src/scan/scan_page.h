#pragma once
// What the scan shows while it runs: the scanning page of the wizard. The window toolkit
// implements it with real controls; HeadlessScanPage records what was shown.
#include <string>

#include "rules/readiness.h"
#include "platform/host_path.h"

namespace ostrevan {

class ScanPage {
public:
    virtual ~ScanPage() = default;

    virtual void SetFileLabel(const std::string& text) = 0;  // the program being examined
    virtual void SetStatus(const std::string& text) = 0;     // the status line
    virtual void SetProgress(const std::string& text) = 0;   // "12% Complete"
    // One of the five class counter labels (never ReadinessCounter::None).
    virtual void SetCounter(ReadinessCounter counter, const std::string& text) = 0;
    // One of the five indicator lines (never IndicatorLine::None).
    virtual void SetLineVisible(IndicatorLine line, bool visible) = 0;
    virtual void SetFlashColour(Rgb colour) = 0;
    // The page's background colour: the flash shape takes it to disappear.
    virtual Rgb BackgroundColour() const = 0;
    virtual void ClearIcon() = 0;
    // Draws the first icon of the program file into the icon box, or leaves it blank.
    virtual void DrawIcon(const platform::HostPath& program) = 0;
};

// The colour of an indicator line, which the flash shape copies.
Rgb LineColour(IndicatorLine line);

// The five counters and lines in the order the page shows them.
inline constexpr ReadinessCounter kPageCounters[5] = {
    ReadinessCounter::lngComp, ReadinessCounter::lngCompUnknown, ReadinessCounter::lngNotCompFix,
    ReadinessCounter::lngNotComp, ReadinessCounter::lngNotTest};
inline constexpr IndicatorLine kPageLines[5] = {
    IndicatorLine::LineCompliant, IndicatorLine::LineCompUnknown, IndicatorLine::LineNotCompFix,
    IndicatorLine::LineNotComp, IndicatorLine::lineNotTest};

}  // namespace ostrevan
