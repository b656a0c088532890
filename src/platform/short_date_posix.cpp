#include <ctime>
#include <string>

#include "platform/short_date.h"

namespace ostrevan::platform {

std::string ShortDateToday() {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return std::to_string(t.tm_mon + 1) + "/" + std::to_string(t.tm_mday) + "/" +
           std::to_string(t.tm_year + 1900);
}

}  // namespace ostrevan::platform
