#pragma once
// The help window: one modeless window for the whole program run, showing one of seven help
// topics, each a rich-text file in the program's directory, chosen with a row of option
// buttons. The main window selects the topic of the page it shows (set an option's value,
// then LoadHelp) and shows the window beside itself.
#include <array>
#include <filesystem>
#include <string>

#include "platform/ui/toolkit.h"

namespace ostrevan {

class FrmHelp {
public:
    // Creates the (hidden) window; help files are read from programDir.
    // `owner`: the window the help window stays in front of (none when nullptr).
    FrmHelp(ui::Toolkit& tk, std::filesystem::path programDir, const ui::Window* owner = nullptr);
    FrmHelp(const FrmHelp&) = delete;
    FrmHelp& operator=(const FrmHelp&) = delete;

    // Replaces the text by the file of the selected topic. A file that is missing or unreadable
    // leaves the text as it was; nothing is shown.
    void LoadHelp();
    // Shows the window modeless and brings it in front; activation reloads the topic.
    void Show();
    // In front of the main window, which keeps the keyboard.
    void ShowInFront();
    void Hide();
    ui::Window& Form() { return w_; }
    // The topics' options, in the order of kTopicFiles.
    std::array<ui::OptionButton*, 7> Options() {
        return {&optGeneral, &optStep1, &optStep2, &optAnimation, &optReport, &optBIOS, &OptVend};
    }

    // The file of each topic, in the order the options are tested.
    static constexpr const char* kTopicFiles[7] = {"HelpINTR.rtf", "HelpMODE.rtf", "HelpDISK.rtf",
                                                   "HelpSCAN.rtf", "HelpREP.rtf",  "HelpBIOS.rtf",
                                                   "HelpTS.rtf"};

private:
    ui::Toolkit& tk_;
    std::filesystem::path dir_;
    ui::Window& w_;

public:
    ui::OptionButton& optGeneral;
    ui::OptionButton& optStep1;
    ui::OptionButton& optStep2;
    ui::OptionButton& optAnimation;
    ui::OptionButton& optReport;
    ui::OptionButton& optBIOS;
    ui::OptionButton& OptVend;
    ui::RichText& rtxtHelp;
    ui::Button& btnPrint;
    ui::Button& btnClose;

private:
    void btnPrint_Click();
    void Form_Resize();
};

}  // namespace ostrevan
