#pragma once
// Name normalisation and version comparison. Company names are compared only after
// StripVendor, product names after StripName; versions with VersionNumberCompare and
// MatchingVersion. Arguments passed by reference are rewritten as documented, and callers
// that need a text as it was keep their own copy.
#include <string>
#include <string_view>

namespace ostrevan {

// The normalised company name. strVendor is rewritten with the normalised text before its
// final trimming (it may keep a leading or trailing blank).
std::string StripVendor(std::string& strVendor);

// The normalised product name: cleaned, and with every occurrence of the company's normalised
// name removed. strName is not changed; strCompany is rewritten as by StripVendor. A product
// named exactly like its (normalised) company keeps its name.
std::string StripName(const std::string& strName, std::string& strCompany);

// The name without the company's name (compared without regard to case): every occurrence is
// taken out, first to last, also those that the removals bring together, and the blanks on
// both sides of each become one; the result is trimmed. In time linear in the name's length
// times the company's.
std::string RemoveCompanyName(std::string_view name, std::string_view company);

// How strA's version relates to strB's: "EQUAL", "GREATER", "LESS" or "INDETERMINATE". A
// component with one letter after its number marks a release of that number ("5.0c", "4.0v3"):
// it equals the plain number and orders by letter and the number after it against another mark
// of its number; any other text in a component makes the comparison indeterminate. Both
// arguments are rewritten with their clean forms ("Version" and blanks removed, commas turned
// into full stops).
std::string VersionNumberCompare(std::string& strA, std::string& strB);

// A version written so that two versions with one key are alike component by component and
// compare "EQUAL": cleaned as above, each number by its value ("1.00" and "1,0" are "1.0"), a
// release mark by its number, letter and number after. Versions with as many components that
// compare "EQUAL" without marks have one key; a shorter version has another key than a longer
// one it equals.
std::string VersionKey(std::string version);

// Whether strVersion lies in strVersBegin..strVersEnd, both inclusive; "NOLIMITS" opens a
// side. Every argument that took part in a comparison is left in its clean form.
bool MatchingVersion(std::string& strVersion, std::string& strVersBegin, std::string& strVersEnd);

}  // namespace ostrevan
