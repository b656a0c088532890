#include "platform/ui/event.h"

#include <cstdio>
#include <exception>

namespace ostrevan::ui {
namespace {

// Made on first use and kept for the program's life, so that nothing is torn down at exit (the
// 32-bit programs' runtime would bring in its locks for that, imports they do without).
EventFailureHook* g_hook = nullptr;

EventFailureHook& Hook() {
    if (!g_hook) g_hook = new EventFailureHook;
    return *g_hook;
}

void Report(const std::string& what) {
    if (Hook()) {
        Hook()(what);
    } else {
        const std::string line = "Ostrevan: an event handler failed: " + what + "\n";
        std::fputs(line.c_str(), stderr);
    }
}

}  // namespace

EventFailureHook SetEventFailureHook(EventFailureHook hook) {
    EventFailureHook old = std::move(Hook());
    Hook() = std::move(hook);
    return old;
}

void FireEvent(const std::function<void()>& handler) {
    if (!handler) return;
    try {
        handler();
    } catch (const std::exception& e) {
        Report(e.what());
    } catch (...) {
        Report("an unknown failure");
    }
}

}  // namespace ostrevan::ui
