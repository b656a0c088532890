#include "scan/progress.h"

#include <limits>

#include "platform/text.h"

namespace ostrevan {

std::optional<std::string> ProgressText(int32_t counter, int32_t total) {
    const int64_t scaled = int64_t{counter} * 100;
    if (scaled > std::numeric_limits<int32_t>::max() || scaled < std::numeric_limits<int32_t>::min())
        return std::nullopt;
    if (total == 0) return std::nullopt;
    // |total| is at least 1: the percentage is no larger than the scaled counter.
    const double percent = text::RoundHalfEven(static_cast<double>(scaled) / total);
    return text::Decimal(static_cast<long long>(percent)) + "% Complete";
}

}  // namespace ostrevan
