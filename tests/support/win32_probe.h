#pragma once
// What the Windows-side tests read from the native windows behind the toolkit's controls.
// Include after the program's headers (windows.h defines macros that clash with their names).
#include <windows.h>
#include <richedit.h>

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

// A key pressed and let go in window h, as the keyboard posts it.
inline void PostKey(HWND h, WPARAM key) {
    PostMessageA(h, WM_KEYDOWN, key, 0);
    PostMessageA(h, WM_KEYUP, key, 0xC0000001);
}

// The character format a RichEdit control holds at pos; its selection stays as it was.
inline CHARFORMATA FormatAt(HWND h, int pos) {
    CHARRANGE keep{}, at{pos, pos + 1};
    SendMessageA(h, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&keep));
    SendMessageA(h, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&at));
    CHARFORMATA cf{};
    cf.cbSize = sizeof cf;
    SendMessageA(h, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    SendMessageA(h, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&keep));
    return cf;
}

// The control's rectangle in its parent's pixels.
inline RECT RectInParent(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace ostrevan::testing
