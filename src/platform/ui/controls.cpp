#include "platform/ui/controls.h"

#include <algorithm>

#include "platform/ui/event.h"

namespace ostrevan::ui {

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
    if (selected)
        for (OptionButton* o : Group())
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

Rect Line::Box(const Ends& e) {
    const int l = std::min(e.x1, e.x2), t = std::min(e.y1, e.y2);
    return Rect{l, t, std::max(e.x1, e.x2) - l, std::max(e.y1, e.y2) - t};
}

}  // namespace ostrevan::ui
