#pragma once
// A run-time failure with the number and text the rest of the system reports and tests for.
// Procedures that "pass on" a failure throw VbError; callers that skip failures catch it.
#include <stdexcept>
#include <string>

namespace ostrevan {

enum VbErrorNumber : int {
    kErrInvalidCall = 5,        // "Invalid procedure call or argument"
    kErrOverflow = 6,           // "Overflow"
    kErrSubscript = 9,          // "Subscript out of range"
    kErrTypeMismatch = 13,      // "Type mismatch"
    kErrFileNotFound = 53,      // "File not found"
    kErrInputPastEnd = 62,      // "Input past end of file"
    kErrPathAccess = 75,        // "Path/File access error"
    kErrPathNotFound = 76,      // "Path not found"
    kErrKeyExists = 457,        // "This key is already associated with an element of this collection"
    kErrPrinter = 482,          // "Printer error"
};

class VbError : public std::runtime_error {
public:
    VbError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

}  // namespace ostrevan
