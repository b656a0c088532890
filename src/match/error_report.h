#pragma once
// The central error report of the string matcher and the version reader. It shows nothing and
// always asks the caller to pass the failure on.
#include <string>

#include "platform/vb_error.h"

namespace ostrevan {

enum class ErrAction { Retry = 0, Continue = 1, Leave = 2, PassOn = 3 };

inline ErrAction ErrorReport(int /*number*/, const std::string& /*description*/,
                             const std::string& /*source*/, const std::string& /*module*/,
                             const std::string& /*procedure*/) {
    return ErrAction::PassOn;
}

// Hands a failure of a string-matcher procedure to the error report; the caller rethrows it.
inline void PassOnMatcherError(const VbError& e, const std::string& procedure) {
    ErrorReport(e.number(), e.what(), "Ostrevan", "String Matcher", procedure);
}

}  // namespace ostrevan
