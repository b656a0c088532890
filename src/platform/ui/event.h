#pragma once
// Every backend hands events to their handlers through FireEvent. A handler's exception never
// leaves it (on Windows it would cross the system's window procedure): it goes to the failure
// hook, which the program sets to tell the user and a test sets to see it. Without a hook the
// failure is written to standard error.
#include <functional>
#include <string>

namespace ostrevan::ui {

using EventFailureHook = std::function<void(const std::string& what)>;

// Sets the hook and returns the one it replaces.
EventFailureHook SetEventFailureHook(EventFailureHook hook);

// Runs the handler when there is one; an exception it throws goes to the failure hook.
void FireEvent(const std::function<void()>& handler);

}  // namespace ostrevan::ui
