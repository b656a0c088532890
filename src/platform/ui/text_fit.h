#pragma once
// Text cut to the room it has: what a label shows of a caption longer than it can hold.
#include <functional>
#include <string>

namespace ostrevan::ui {

// The text itself when `fits(text)`; otherwise a beginning of it, without the blanks at its end,
// followed by "...", that fits while the beginning one character longer would not ("..." alone
// when no beginning fits). Where shorter texts always fit when longer ones do, that is the
// longest; word wrapping can break that ("ab..." may need a line more than "ab c..."), and the
// search, which measures a few dozen times whatever the length, then takes a shorter one.
std::string FitText(const std::string& text, const std::function<bool(const std::string&)>& fits);

}  // namespace ostrevan::ui
