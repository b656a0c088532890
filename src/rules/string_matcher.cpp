#include "rules/string_matcher.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <string_view>

#include "platform/text.h"

namespace ostrevan {

using text::RemoveEvery;
using text::ReplaceEvery;
using text::Trim;

namespace {

// Company-form words, tried top to bottom; the order matters (" Corp." before " Corp").
constexpr std::array<std::string_view, 27> kCompanyForms{
    " Computer", " Information (CIS)", " Information Reasearch Australia", " Communications",
    " Multimedia", " Development", " Computing", " Corporation", " Corp.", " Corp",
    " Systems", " Sys", " Software", " Services", " Incorporated", " ,Inc.", ", Inc.",
    " Inc.", " ,Inc", ", Inc", " Inc", " International", " Associates", " LTD.", " LTD",
    " Technology", " Technologies"};

constexpr std::string_view kTrade{"\x99"};      // ™
constexpr std::string_view kCopyright{"\xA9"};  // ©
constexpr std::string_view kRegistered{"\xAE"}; // ®
constexpr std::string_view kOSlash{"\xF8"};     // ø

void CollapseBlanks(std::string& s) { ReplaceEvery(s, "  ", " "); }

}  // namespace

std::string StripVendor(std::string& strVendor) {
    std::string& s = strVendor;
    for (std::string_view form : kCompanyForms) text::ReplaceFirst(s, form, "");
    s = Trim(s);
    ReplaceEvery(s, "\"", " ");
    s = Trim(s);
    ReplaceEvery(s, kTrade, " ");
    RemoveEvery(s, "\n");
    s = Trim(s);
    ReplaceEvery(s, "\r", " ");
    s = Trim(s);
    RemoveEvery(s, kCopyright);
    RemoveEvery(s, kRegistered);
    RemoveEvery(s, "(R)");
    RemoveEvery(s, "(C)");
    RemoveEvery(s, "(TM)");
    ReplaceEvery(s, "'", " ");
    ReplaceEvery(s, ".", " ");
    ReplaceEvery(s, kOSlash, "o");
    text::ReplaceFirst(s, "Corporation", "");
    CollapseBlanks(s);
    return Trim(s);
}

std::string RemoveCompanyName(std::string_view name, std::string_view company) {
    if (company.empty() || text::IFind(name, company) == std::string_view::npos) return std::string(name);
    // Each occurrence is removed where it is met while the name is read once; the blanks on
    // both sides of it become one, and what came before it is read again (the few characters
    // an occurrence across the junction can start in), so that occurrences are removed first
    // to last as a search from the start after each removal would find them.
    const size_t n = company.size();
    std::string out;
    out.reserve(name.size());
    std::string pending;  // characters to read before the rest of the name; back() comes next
    size_t i = 0;
    auto next = [&](char& c) {
        if (!pending.empty()) {
            c = pending.back();
            pending.pop_back();
            return true;
        }
        if (i == name.size()) return false;
        c = name[i++];
        return true;
    };
    for (char c; next(c);) {
        out.push_back(c);
        if (out.size() < n || !text::IEquals(std::string_view(out).substr(out.size() - n), company)) continue;
        out.resize(out.size() - n);
        while (!out.empty() && out.back() == ' ') out.pop_back();
        while (!pending.empty() && pending.back() == ' ') pending.pop_back();
        if (pending.empty())
            while (i < name.size() && name[i] == ' ') ++i;
        if (out.empty() || (pending.empty() && i == name.size())) continue;
        pending.push_back(' ');
        const size_t back = std::min(out.size(), n - 1);
        pending.append(out.rbegin(), out.rbegin() + static_cast<std::ptrdiff_t>(back));
        out.resize(out.size() - back);
    }
    return Trim(out);
}

std::string StripName(const std::string& strName, std::string& strCompany) {
    const std::string vend = StripVendor(strCompany);
    if (strName.empty() || Trim(strName) == Trim(strCompany)) return strName;
    std::string s = strName;
    if (s.back() == '*') s.pop_back();
    if (!strCompany.empty()) s = RemoveCompanyName(s, vend);
    s = Trim(s);
    ReplaceEvery(s, "'", " ");
    s = Trim(s);
    ReplaceEvery(s, "!", " ");
    s = Trim(s);
    ReplaceEvery(s, "\"", " ");
    s = Trim(s);
    ReplaceEvery(s, "\n", " ");
    s = Trim(s);
    ReplaceEvery(s, "\r", " ");
    s = Trim(s);
    ReplaceEvery(s, kTrade, " ");
    RemoveEvery(s, kCopyright);
    RemoveEvery(s, kRegistered);
    ReplaceEvery(s, kOSlash, "o");
    RemoveEvery(s, "(R)");
    RemoveEvery(s, "(TM)");
    CollapseBlanks(s);
    return Trim(s);
}

namespace {

void CleanVersion(std::string& v) {
    ReplaceEvery(v, "Version", " ");
    RemoveEvery(v, " ");
    for (char& c : v)
        if (c == ',') c = '.';
}

// Cuts the text before the first full stop off v; the whole of v when it has none.
std::string_view NextComponent(std::string_view& v) {
    const size_t dot = v.find('.');
    std::string_view part = v.substr(0, dot);
    v = dot == std::string_view::npos ? std::string_view{} : v.substr(dot + 1);
    return part;
}

// A component that marks a release of a number with one letter and maybe a number after it, as
// version resources write maintenance releases ("0a", "0c", "0v3"): the number, the letter in
// lower case and the number after it (0 when none). Anything else is no such mark.
struct ReleaseMark { double number = 0; char letter = 0; double after = 0; };

std::optional<ReleaseMark> MarkOf(std::string_view part) {
    size_t digits = 0;
    while (digits < part.size() && part[digits] >= '0' && part[digits] <= '9') ++digits;
    if (digits == 0 || digits == part.size()) return std::nullopt;
    const char letter = part[digits];
    if (!((letter >= 'a' && letter <= 'z') || (letter >= 'A' && letter <= 'Z'))) return std::nullopt;
    const std::string_view tail = part.substr(digits + 1);
    for (char c : tail)
        if (c < '0' || c > '9') return std::nullopt;
    ReleaseMark m;
    m.number = *text::NumericValue(part.substr(0, digits));
    m.letter = static_cast<char>(letter | 0x20);
    m.after = tail.empty() ? 0 : *text::NumericValue(tail);
    return m;
}

// How two components that are not both plain numbers compare: by their numbers, then, when both
// carry a letter, by the letter and the number after it. A plain number equals every release of
// itself, as a version that runs out first equals the longer one ("2.0" takes "2.0a").
std::string CompareMarks(std::string_view partA, std::string_view partB) {
    const auto numberA = text::NumericValue(partA), numberB = text::NumericValue(partB);
    const auto a = numberA ? std::optional<ReleaseMark>(ReleaseMark{*numberA, 0, 0}) : MarkOf(partA);
    const auto b = numberB ? std::optional<ReleaseMark>(ReleaseMark{*numberB, 0, 0}) : MarkOf(partB);
    if (!a || !b) return "INDETERMINATE";
    if (a->number != b->number) return a->number < b->number ? "LESS" : "GREATER";
    if (a->letter == 0 || b->letter == 0) return "EQUAL";
    if (a->letter != b->letter) return a->letter < b->letter ? "LESS" : "GREATER";
    if (a->after != b->after) return a->after < b->after ? "LESS" : "GREATER";
    return "EQUAL";
}

}  // namespace

std::string VersionNumberCompare(std::string& strA, std::string& strB) {
    std::string result = "INDETERMINATE";
    CleanVersion(strA);
    CleanVersion(strB);
    std::string_view a = strA, b = strB;
    do {
        const std::string_view partA = NextComponent(a);
        const std::string_view partB = NextComponent(b);
        if (partA != partB) {
            const auto va = text::NumericValue(partA);
            const auto vb = text::NumericValue(partB);
            if (!va || !vb) {
                const std::string marks = CompareMarks(partA, partB);
                if (marks != "EQUAL") return marks;
            } else {
                if (*va < *vb) return "LESS";
                if (*va > *vb) return "GREATER";
            }
        }
        result = "EQUAL";
    } while (!a.empty() && !b.empty());
    return result;
}

std::string VersionKey(std::string version) {
    CleanVersion(version);
    std::string key;
    auto number = [&key](double v) {
        char buf[32];  // 17 digits tell every double apart
        const int n = std::snprintf(buf, sizeof buf, "%.17g", v);
        key.append(buf, static_cast<size_t>(std::clamp(n, 0, static_cast<int>(sizeof buf) - 1)));
    };
    std::string_view rest = version;
    for (bool first = true; first || !rest.empty(); first = false) {
        const std::string_view part = NextComponent(rest);
        if (!first) key += '.';
        const size_t digits = std::min(part.find_first_not_of("0123456789"), part.size());
        if (digits == part.size() && digits > 0 && digits <= 15) {
            // A plain number of up to 15 digits: its value written without leading zeros, as
            // the general form below would write it, without the cost.
            const size_t lead = std::min(part.find_first_not_of('0'), part.size() - 1);
            key += part.substr(lead);
        } else if (const auto v = text::NumericValue(part)) {
            number(*v);
        } else if (const auto mark = MarkOf(part)) {
            number(mark->number);
            key += mark->letter;
            number(mark->after);
        } else {
            key += part;
        }
    }
    return key;
}

bool MatchingVersion(std::string& strVersion, std::string& strVersBegin, std::string& strVersEnd) {
    if (strVersEnd == "NOLIMITS" && strVersBegin == "NOLIMITS") return true;
    if (strVersBegin == strVersEnd) return VersionNumberCompare(strVersion, strVersEnd) == "EQUAL";
    if (strVersEnd == "NOLIMITS") {
        if (VersionNumberCompare(strVersion, strVersBegin) == "EQUAL") return true;
        return VersionNumberCompare(strVersion, strVersBegin) == "GREATER";
    }
    if (strVersBegin == "NOLIMITS") {
        if (VersionNumberCompare(strVersion, strVersEnd) == "EQUAL") return true;
        return VersionNumberCompare(strVersion, strVersEnd) == "LESS";
    }
    // All four comparisons are made: each one cleans its arguments again.
    const bool above = VersionNumberCompare(strVersion, strVersBegin) == "GREATER";
    const bool atBegin = VersionNumberCompare(strVersion, strVersBegin) == "EQUAL";
    const bool below = VersionNumberCompare(strVersion, strVersEnd) == "LESS";
    const bool atEnd = VersionNumberCompare(strVersion, strVersEnd) == "EQUAL";
    return (above || atBegin) && (below || atEnd);
}

}  // namespace ostrevan
