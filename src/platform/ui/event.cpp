#include "platform/ui/event.h"

#include <cstdio>
#include <exception>

namespace ostrevan::ui {
namespace {

EventFailureHook& Hook() {
    static EventFailureHook hook;
    return hook;
}

void Report(const std::string& what) {
    if (Hook()) {
        Hook()(what);
    } else {
        std::fprintf(stderr, "Ostrevan: an event handler failed: %s\n", what.c_str());
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
