#pragma once
// The window procedures' error policy: a step that fails is abandoned and the procedure goes
// on with the next one, without a message.
#include <exception>

namespace ostrevan {

// Runs one step; true when it completed.
template <class F>
bool TryStep(F&& step) {
    try {
        step();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace ostrevan
