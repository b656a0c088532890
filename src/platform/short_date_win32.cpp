#include <windows.h>

#include <string>

#include "platform/short_date.h"

namespace ostrevan::platform {

std::string ShortDateToday() {
    char buf[128] = {};
    const int n = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, buf,
                                 static_cast<int>(sizeof buf));
    if (n <= 1) {
        SYSTEMTIME st;
        GetLocalTime(&st);
        return std::to_string(st.wMonth) + "/" + std::to_string(st.wDay) + "/" +
               std::to_string(st.wYear);
    }
    return std::string(buf, static_cast<size_t>(n - 1));
}

}  // namespace ostrevan::platform
