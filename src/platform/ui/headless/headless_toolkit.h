#pragma once
// The headless backend: windows and controls in memory, driven by tests.
//
//   HeadlessToolkit tk;
//   tk.SetDrives({"c: [SYSTEM]", "d:"}, 0);
//   FrmY2KMain main(tk);                                   // window code under test
//   tk.Find<Button>("FrmY2KMain.BtnNext").Click();       // the user presses Next
//   tk.onYield = [&] { if (tk.yields == 3) tk.Find<Button>("FrmY2KMain.btnAbort").Click(); };
//   tk.inputAnswers.push_back(std::nullopt);               // the next input box is cancelled
//   EXPECT_EQ(tk.messages.at(0).text, "Unable to Print");
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ui/headless/headless_printer.h"
#include "platform/ui/headless/headless_window.h"
#include "platform/ui/toolkit.h"

namespace ostrevan::ui::headless {

struct MessageRecord {
    std::string text;
    std::string title;
};

struct InputRecord {
    std::string prompt;
    std::string title;
    std::string defaultText;
};

class HeadlessToolkit : public Toolkit {
public:
    HeadlessToolkit();
    ~HeadlessToolkit() override;

    Window& NewWindow(const WindowArgs& a) override;
    void SetMainWindow(Window& w) override { main_ = &w; }
    void ShowMessage(const std::string& text, const std::string& title = "Ostrevan") override;
    std::optional<std::string> AskInput(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    int ScreenWidth() const override { return screenW_; }
    int ScreenHeight() const override { return screenH_; }
    MousePointer GetMousePointer() const override { return pointer_; }
    void SetMousePointer(MousePointer p) override;
    void DoEvents() override;
    void Run() override {}
    void EndProgram() override;
    Printer& DefaultPrinter() override { return printer_; }

    // --- What tests set up ---
    void SetScreenSize(int widthTwips, int heightTwips) { screenW_ = widthTwips; screenH_ = heightTwips; }
    // The drive entries that drive lists show, and which one is selected when a list is made.
    void SetDrives(std::vector<std::string> entries, size_t current);
    const std::vector<std::string>& DriveEntries() const { return drives_; }
    size_t CurrentDrive() const { return currentDrive_; }
    // Answers for the next input boxes, in order: text for OK, nullopt for Cancel. With no
    // answer queued an input box is confirmed with its default text.
    std::deque<std::optional<std::string>> inputAnswers;
    // Runs at each DoEvents (after counting it), e.g. to press Abort during a scan.
    std::function<void()> onYield;
    // Runs while a window is shown modally; when it returns with the window still up, the user
    // closes the window through its frame.
    std::function<void(HeadlessWindow&)> onModal;
    // Runs at each message box, after it is recorded.
    std::function<void(const MessageRecord&)> onMessage;

    // --- What tests observe ---
    std::vector<MessageRecord> messages;
    std::vector<InputRecord> inputs;
    std::vector<MousePointer> pointerHistory;
    int yields = 0;
    bool ended = false;
    HeadlessPrinter& PrinterState() { return printer_; }
    HeadlessWindow* ActiveWindow() const { return active_; }

    // A loaded window by name; throws std::out_of_range when there is none.
    HeadlessWindow& FindWindow(const std::string& name) const;
    // A control by "window.control"; throws std::out_of_range when there is none (or it is
    // of another kind).
    template <typename T>
    T& Find(const std::string& path) const {
        const size_t dot = path.find('.');
        if (dot == std::string::npos) throw std::out_of_range("no control " + path);
        Control* c = FindWindow(path.substr(0, dot)).FindControl(path.substr(dot + 1));
        T* t = dynamic_cast<T*>(c);
        if (!t) throw std::out_of_range("no control " + path);
        return *t;
    }

    // Used by the windows.
    void Activate(HeadlessWindow* w);
    void WindowGone(HeadlessWindow* w);
    Window* MainWindow() const { return main_; }

private:
    std::vector<std::unique_ptr<HeadlessWindow>> windows_;
    Window* main_ = nullptr;
    HeadlessWindow* active_ = nullptr;
    std::vector<HeadlessWindow*> zOrder_;  // shown windows, most recently activated last
    int screenW_ = 12000;  // 800 by 600 pixels at 15 twips a pixel
    int screenH_ = 9000;
    MousePointer pointer_ = MousePointer::Default;
    std::vector<std::string> drives_{"c:"};
    size_t currentDrive_ = 0;
    HeadlessPrinter printer_;
};

}  // namespace ostrevan::ui::headless
