#include "platform/text.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/vb_error.h"

namespace ostrevan::text {

namespace {

constexpr unsigned char UpperOf(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    switch (c) {
        case 0x9A: return 0x8A;  // š
        case 0x9C: return 0x8C;  // œ
        case 0x9E: return 0x8E;  // ž
        case 0xFF: return 0x9F;  // ÿ
        default: return c;
    }
}

// Searches compare every character through this table.
struct UpperTable {
    unsigned char map[256];
    constexpr UpperTable() : map{} {
        for (int i = 0; i < 256; ++i) map[i] = UpperOf(static_cast<unsigned char>(i));
    }
};
constexpr UpperTable kUpper;

inline unsigned char Up(char c) { return kUpper.map[static_cast<unsigned char>(c)]; }

}  // namespace

unsigned char ToUpper(unsigned char c) { return kUpper.map[c]; }

unsigned char ToLower(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    switch (c) {
        case 0x8A: return 0x9A;
        case 0x8C: return 0x9C;
        case 0x8E: return 0x9E;
        case 0x9F: return 0xFF;
        default: return c;
    }
}

std::string Upper(std::string_view s) {
    std::string r(s);
    for (auto& ch : r) ch = static_cast<char>(Up(ch));
    return r;
}

std::string Lower(std::string_view s) {
    std::string r(s);
    for (auto& ch : r) ch = static_cast<char>(ToLower(static_cast<unsigned char>(ch)));
    return r;
}

static bool SameLetter(char a, char b) { return Up(a) == Up(b); }

bool IEquals(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!SameLetter(a[i], b[i])) return false;
    return true;
}

// Knuth, Morris and Pratt's search over letters compared without regard to case: each letter of
// the text is looked at a bounded number of times, whatever the two texts hold.
static size_t IFindLinear(std::string_view hay, std::string_view needle, size_t start) {
    std::vector<size_t> border(needle.size() + 1, 0);  // longest proper border of needle[0, i)
    for (size_t i = 1, k = 0; i < needle.size(); ++i) {
        while (k > 0 && !SameLetter(needle[i], needle[k])) k = border[k];
        if (SameLetter(needle[i], needle[k])) ++k;
        border[i + 1] = k;
    }
    for (size_t i = start, k = 0; i < hay.size(); ++i) {
        while (k > 0 && !SameLetter(hay[i], needle[k])) k = border[k];
        if (SameLetter(hay[i], needle[k])) ++k;
        if (k == needle.size()) return i + 1 - k;
    }
    return std::string_view::npos;
}

size_t IFind(std::string_view hay, std::string_view needle, size_t start) {
    if (start > hay.size()) return std::string_view::npos;
    if (needle.empty()) return start;
    if (needle.size() > hay.size()) return std::string_view::npos;
    // Short needles are quicker found letter by letter; a long one, compared at every place of
    // a long text, would cost the product of the two lengths.
    if (needle.size() > 32) return IFindLinear(hay, needle, start);
    const unsigned char first = Up(needle[0]);
    for (size_t i = start; i + needle.size() <= hay.size(); ++i) {
        if (Up(hay[i]) != first) continue;
        if (IEquals(hay.substr(i, needle.size()), needle)) return i;
    }
    return std::string_view::npos;
}

bool ReplaceFirst(std::string& s, std::string_view find, std::string_view with) {
    if (find.empty()) return false;
    const size_t p = IFind(s, find);
    if (p == std::string::npos) return false;
    s.replace(p, find.size(), with);
    return true;
}

void ReplaceEvery(std::string& s, std::string_view find, std::string_view with) {
    if (find.empty() || IFind(s, find) == std::string::npos) return;
    // Searching again from the start after each replacement finds the same occurrence as
    // scanning on from a few characters before the last replacement: the text before that
    // point held no occurrence. So the text is scanned once, and after a replacement the
    // last len(find)-1 characters of the output and the replacement are scanned again.
    const bool rescan = IFind(with, find) == std::string::npos;
    std::string out;
    out.reserve(s.size());
    std::string pending;  // characters to scan before the rest of s; back() comes next
    size_t i = 0;
    const size_t n = find.size();
    while (!pending.empty() || i < s.size()) {
        char c;
        if (!pending.empty()) {
            c = pending.back();
            pending.pop_back();
        } else {
            c = s[i++];
        }
        out.push_back(c);
        if (out.size() < n || !IEquals(std::string_view(out).substr(out.size() - n), find))
            continue;
        out.resize(out.size() - n);
        if (!rescan) {
            out.append(with);  // the replacement holds the text itself: one pass only
            continue;
        }
        const size_t back = std::min(out.size(), n - 1);
        pending.append(with.rbegin(), with.rend());
        pending.append(out.rbegin(), out.rbegin() + static_cast<std::ptrdiff_t>(back));
        out.resize(out.size() - back);
    }
    s = std::move(out);
}

std::string TrimLeft(std::string_view s) {
    size_t b = 0;
    while (b < s.size() && s[b] == ' ') ++b;
    return std::string(s.substr(b));
}

std::string TrimRight(std::string_view s) {
    size_t e = s.size();
    while (e > 0 && s[e - 1] == ' ') --e;
    return std::string(s.substr(0, e));
}

std::string Trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && s[b] == ' ') ++b;
    while (e > b && s[e - 1] == ' ') --e;
    return std::string(s.substr(b, e - b));
}

static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsNumeric(std::string_view s) {
    size_t i = 0;
    const size_t n = s.size();
    while (i < n && s[i] == ' ') ++i;
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (i < n && IsDigit(s[i])) ++i, ++digits;
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
        size_t exp = 0;
        while (i < n && IsDigit(s[i])) ++i, ++exp;
        if (exp == 0) return false;
    }
    while (i < n && s[i] == ' ') ++i;
    return i == n;
}

std::optional<double> NumericValue(std::string_view s) {
    if (!IsNumeric(s)) return std::nullopt;
    const std::string t = Trim(s);
    return std::strtod(t.c_str(), nullptr);
}

double RoundHalfEven(double v) {
    if (!std::isfinite(v)) return v;
    const double f = std::floor(v);
    const double diff = v - f;
    if (diff > 0.5) return f + 1;
    if (diff < 0.5) return f;
    return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

int16_t ToInt16(std::string_view s) {
    const auto v = NumericValue(s);
    if (!v) throw VbError(kErrTypeMismatch, "Type mismatch");
    const double r = RoundHalfEven(*v);
    if (!(r >= -32768.0 && r <= 32767.0)) throw VbError(kErrOverflow, "Overflow");
    return static_cast<int16_t>(r);
}

int16_t ToInt16(long long v) {
    if (v < -32768 || v > 32767) throw VbError(kErrOverflow, "Overflow");
    return static_cast<int16_t>(v);
}

std::string Decimal(long long v) { return std::to_string(v); }

std::string LineFeeds(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r') {
            out += '\n';
            if (s.substr(i, 2) == "\r\n") ++i;
        } else {
            out += s[i];
        }
    }
    return out;
}

}  // namespace ostrevan::text
