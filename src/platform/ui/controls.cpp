#include "platform/ui/controls.h"

#include <algorithm>

#include "platform/text.h"
#include "platform/ui/event.h"
#include "platform/ui/window.h"

namespace ostrevan::ui {

const Control* Control::EnclosingFrame() const { return container_ ? container_->AsFrame() : nullptr; }

bool Control::Shown() const {
    if (!visible_) return false;
    for (const Control* f = EnclosingFrame(); f; f = f->EnclosingFrame())
        if (!f->visible_) return false;
    return true;
}

bool Control::Usable() const {
    if (!Shown() || !enabled_) return false;
    for (const Control* f = EnclosingFrame(); f; f = f->EnclosingFrame())
        if (!f->enabled_) return false;
    return true;
}

void Button::Click() {
    if (Usable()) FireEvent(onClick);
}

void OptionButton::SetValue(bool selected) {
    if (selected && Parent())
        for (OptionButton* o : Parent()->Options())
            if (o != this && o->value_) {
                o->value_ = false;
                o->OnValueChanged();
            }
    value_ = selected;
    OnValueChanged();
}

void OptionButton::Click() {
    if (!Usable()) return;
    SetValue(true);
    FireEvent(onClick);
}

std::string DriveList::Drive() const {
    return selected_ >= 0 && static_cast<size_t>(selected_) < entries_.size() ? entries_[static_cast<size_t>(selected_)]
                                                                           : std::string();
}

std::optional<size_t> DriveList::Find(const std::string& drive) const {
    if (drive.empty()) return std::nullopt;
    for (size_t i = 0; i < entries_.size(); ++i)
        if (!entries_[i].empty() && text::ToLower(entries_[i][0]) == text::ToLower(drive[0])) return i;
    return std::nullopt;
}

void DriveList::SetDrive(const std::string& drive) {
    const auto i = Find(drive);
    if (!i || static_cast<int>(*i) == selected_) return;
    selected_ = static_cast<int>(*i);
    OnSelectionChanged();
    FireEvent(onChange);
}

void DriveList::Pick(size_t i) {
    if (!Usable() || i >= entries_.size() || static_cast<int>(i) == selected_) return;
    selected_ = static_cast<int>(i);
    OnSelectionChanged();
    FireEvent(onChange);
}

void DriveList::Fill(const std::string& keep) {
    entries_ = ListEntries();
    selected_ = entries_.empty() ? -1 : static_cast<int>(Find(keep).value_or(0));
    OnEntriesChanged();
}

Rect Line::Box(const Ends& e) {
    const int l = std::min(e.x1, e.x2), t = std::min(e.y1, e.y2);
    return Rect{l, t, std::max(e.x1, e.x2) - l, std::max(e.y1, e.y2) - t};
}

}  // namespace ostrevan::ui
