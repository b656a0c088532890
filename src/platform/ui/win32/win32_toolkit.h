#pragma once
// The win32 backend: native windows and controls, RichEdit for rich text, the system's default
// printer. Include only in the Windows build; it does not include windows.h.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/toolkit.h"

namespace ostrevan::ui::win32 {

class Win32Toolkit : public Toolkit {
public:
    Win32Toolkit();
    ~Win32Toolkit() override;

    Window& NewWindow(const WindowArgs& a) override;
    void SetMainWindow(Window& w) override;
    void ShowMessage(const std::string& text, const std::string& title = "Ostrevan") override;
    std::optional<std::string> AskInput(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    int ScreenWidth() const override;
    int ScreenHeight() const override;
    MousePointer GetMousePointer() const override;
    void SetMousePointer(MousePointer p) override;
    void DoEvents() override;
    void Run() override;
    void EndProgram() override;
    Printer& DefaultPrinter() override;

    // Screen resolution: pixels per inch, and the twips of one pixel.
    int Dpi() const;

    // Hooks for tests that run real windows without anyone at the screen. When set, a message
    // box or an input box is answered by the hook instead of being shown, and onModal runs
    // once a window is up modally (it usually closes it).
    std::function<void(const std::string& text, const std::string& title)> onMessage;
    std::function<std::optional<std::string>(const std::string& prompt, const std::string& title,
                                             const std::string& defaultText)>
        onInput;
    std::function<void(Window&)> onModal;

    struct State;

private:
    std::unique_ptr<State> s_;
};

// The native handle (HWND) of a window or control, for tests and for the program's own
// platform code; nullptr for controls drawn by their container (labels, lines, shapes,
// pictures) and for unloaded windows.
void* NativeHandle(const Window& w);
void* NativeHandle(const Control& c);

}  // namespace ostrevan::ui::win32
