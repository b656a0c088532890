#pragma once
// Today's date as the system writes dates in short form.
#include <string>

namespace ostrevan::platform {

// Today's date in the system's short date format (the user's setting on Windows; month, day
// and four-digit year joined by slashes elsewhere).
std::string ShortDateToday();

}  // namespace ostrevan::platform
