#pragma once
// What the Windows-side tests read from the native windows behind the toolkit's controls.
// Include after the program's headers (windows.h defines macros that clash with their names).
#include <windows.h>

#include <string>

#include "platform/ui/win32/win32_toolkit.h"

namespace ostrevan::testing {

inline HWND H(const ui::Control& c) { return static_cast<HWND>(ui::win32::NativeHandle(c)); }
inline HWND H(const ui::Window& w) { return static_cast<HWND>(ui::win32::NativeHandle(w)); }

inline std::string TextOf(HWND h) {
    char buf[512] = {};
    GetWindowTextA(h, buf, sizeof buf);
    return buf;
}

// The control's rectangle in its parent's pixels.
inline RECT RectInParent(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace ostrevan::testing
