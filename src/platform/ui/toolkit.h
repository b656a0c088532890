#pragma once
// The user-interface toolkit: windows, their controls, dialogs, the screen, the default
// printer and the event loop, behind small interfaces with two backends: win32 (native
// windows, RichEdit, the default printer) and headless (everything in memory, observable and
// driven by tests). Window code is written once against these interfaces.
//
// How a window is built:
//
//   class FrmDetail {
//   public:
//       explicit FrmDetail(ui::Toolkit& tk)
//           : w_(tk.NewWindow({"frmDetail", "Detailed Report", 6510, 4530,
//                                 ui::WindowStyle::FixedDialog})),
//             lblProduct_(w_.AddLabel({"lblProduct", {1560, 120, 4815, 255}, "Product"})),
//             btnOK_(w_.AddButton({"btnOK", {4440, 3840, 1935, 615}, "Close"})) {
//           btnOK_.SetRole(ui::ButtonRole::Cancel);        // Escape closes the dialog
//           btnOK_.onClick = [this] { w_.Hide(); };         // hiding ends ShowModal
//           w_.onResize = [this] { Form_Resize(); };
//       }
//       void Show() { w_.ShowModal(); }
//   private:
//       ui::Window& w_;   // owned by the toolkit; all members below belong to w_
//       ui::Label& lblProduct_;
//       ui::Button& btnOK_;
//   };
//
// - Every geometry is in twips: control bounds relative to their container (the window's
//   client area or a frame), window bounds on the screen. Backends convert with the screen's
//   real resolution.
// - Controls are created on a window or a frame (AddLabel, AddButton, ...) and live as long as
//   the window; keep references, never delete them. Pages are frames: hide a frame to hide
//   everything on it. Tab order is the order of creation.
// - Events are std::function members (onClick, onChange, onDoubleClick, onResize,
//   onActivate, onClose). Setting a value from code (SetValue, SetDrive, SetText) does not
//   run events, except DriveList::SetDrive, which runs onChange as a user's pick does.
// - All text is Windows-1252 bytes. Failures of rich-text files and of the printer throw
//   VbError; the window code applies its own error policy.
// - Long work calls DoEvents() between steps, so that the window repaints and a button such as
//   Abort can run its handler.
// - Tests use the headless backend (platform/ui/headless/headless_toolkit.h): it lets them
//   find any control by "window.control" name, fire clicks and double clicks, answer message
//   and input boxes, run code at each DoEvents and at each modal display, and read what was
//   printed.
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/printer.h"
#include "platform/ui/window.h"

namespace ostrevan::ui {

enum class MousePointer { Default = 0, Hourglass = 11 };

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // A new hidden window, owned by the toolkit until it is unloaded.
    virtual Window& NewWindow(const WindowArgs& a) = 0;
    // The window whose unloading ends the program's event loop.
    virtual void SetMainWindow(Window& w) = 0;

    // A message box with only an OK button; returns when the user dismissed it.
    virtual void ShowMessage(const std::string& text, const std::string& title = "Ostrevan") = 0;
    // An input box: the text the user confirmed with OK, or nullopt for Cancel.
    virtual std::optional<std::string> AskInput(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText) = 0;

    // The screen's size in twips.
    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;
    virtual MousePointer GetMousePointer() const = 0;
    virtual void SetMousePointer(MousePointer p) = 0;

    // Processes the events waiting in the queue and returns.
    virtual void DoEvents() = 0;
    // Runs the event loop until the main window is unloaded or EndProgram is called.
    virtual void Run() = 0;
    // Unloads every window and ends the event loop.
    virtual void EndProgram() = 0;

    // The system's default printer (one object for the whole program run).
    virtual Printer& DefaultPrinter() = 0;
};

}  // namespace ostrevan::ui
