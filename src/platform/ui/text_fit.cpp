#include "platform/ui/text_fit.h"

namespace ostrevan::ui {

namespace {
std::string Cut(const std::string& text, size_t n) {
    while (n > 0 && (text[n - 1] == ' ' || text[n - 1] == '\t' || text[n - 1] == '\n' || text[n - 1] == '\r')) --n;
    return text.substr(0, n) + "...";
}
}  // namespace

std::string FitText(const std::string& text, const std::function<bool(const std::string&)>& fits) {
    if (fits(text)) return text;
    // The longest n whose cut fits, by halving: a measure per step, not per character.
    size_t lo = 0, hi = text.size();  // Cut(lo) is taken when nothing longer fits
    while (lo + 1 < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        if (fits(Cut(text, mid))) lo = mid;
        else hi = mid;
    }
    return Cut(text, lo);
}

}  // namespace ostrevan::ui
