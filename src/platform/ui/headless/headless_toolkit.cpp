#include "platform/ui/headless/headless_toolkit.h"

#include <algorithm>

namespace ostrevan::ui::headless {

HeadlessToolkit::HeadlessToolkit() = default;
HeadlessToolkit::~HeadlessToolkit() = default;

Window& HeadlessToolkit::NewWindow(const WindowArgs& a) {
    windows_.push_back(std::make_unique<HeadlessWindow>(*this, a));
    return *windows_.back();
}

void HeadlessToolkit::ShowMessage(const std::string& text, const std::string& title) {
    messages.push_back(MessageRecord{text, title});
    if (onMessage) onMessage(messages.back());
}

std::optional<std::string> HeadlessToolkit::AskInput(const std::string& prompt,
                                                     const std::string& title,
                                                     const std::string& defaultText) {
    inputs.push_back(InputRecord{prompt, title, defaultText});
    if (inputAnswers.empty()) return defaultText;
    std::optional<std::string> a = std::move(inputAnswers.front());
    inputAnswers.pop_front();
    return a;
}

void HeadlessToolkit::SetMousePointer(MousePointer p) {
    pointer_ = p;
    pointerHistory.push_back(p);
}

void HeadlessToolkit::DoEvents() {
    ++yields;
    if (onYield) onYield();
}

void HeadlessToolkit::EndProgram() {
    if (ended) return;
    ended = true;
    for (auto& w : windows_) w->Unload();
}

void HeadlessToolkit::SetDrives(std::vector<std::string> entries, size_t current) {
    drives_ = std::move(entries);
    currentDrive_ = current;
}

HeadlessWindow& HeadlessToolkit::FindWindow(const std::string& name) const {
    for (const auto& w : windows_) {
        if (!w->Unloaded() && w->Name() == name) return *w;
    }
    throw std::out_of_range("no window " + name);
}

void HeadlessToolkit::Activate(HeadlessWindow* w) {
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), w), zOrder_.end());
    zOrder_.push_back(w);
    if (active_ == w) return;
    active_ = w;
    w->FireActivate();
}

void HeadlessToolkit::WindowGone(HeadlessWindow* w) {
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), w), zOrder_.end());
    if (active_ != w) return;
    active_ = nullptr;
    // The window shown most recently before it becomes active again.
    if (!zOrder_.empty() && !ended) Activate(zOrder_.back());
}

}  // namespace ostrevan::ui::headless
