#include "scan/progress.h"

#include <limits>

#include "platform/text.h"

namespace ostrevan {

std::optional<std::string> ProgressText(int32_t counter, int32_t total) {
    const int64_t scaled = int64_t{counter} * 100;
    if (scaled > std::numeric_limits<int32_t>::max() || scaled < std::numeric_limits<int32_t>::min())
        return std::nullopt;
    if (total == 0) return std::nullopt;
    const double percent = text::RoundHalfEven(static_cast<double>(scaled) / total);
    if (!(percent >= std::numeric_limits<int32_t>::min() && percent <= std::numeric_limits<int32_t>::max()))
        return std::nullopt;
    return text::Decimal(static_cast<long long>(percent)) + "% Complete";
}

}  // namespace ostrevan
