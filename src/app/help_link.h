#pragma once
// The help window as the wizard drives it: every page selects its topic and reloads it, the
// Help button brings the window back, and the program's end closes it.
#include <functional>
#include <memory>

#include "platform/ui/toolkit.h"

namespace ostrevan {

// The topics the wizard's pages select (the help window also offers "Troubleshooting").
enum class HelpTopic { Introduction, ModeSelection, DiskSelection, DiskScan, SoftwareReport, BiosCheck };

class HelpWindowLink {
public:
    virtual ~HelpWindowLink() = default;
    // Selects the topic's option button, as a click on it does, without loading it.
    virtual void SelectTopic(HelpTopic topic) = 0;
    // Loads the selected topic's help file into the window; a file that cannot be read
    // leaves the text shown before.
    virtual void LoadHelp() = 0;
    virtual ui::Window& Window() = 0;
};

// Creates the help window (hidden) on the toolkit.
using HelpWindowFactory = std::function<std::unique_ptr<HelpWindowLink>(ui::Toolkit&)>;

}  // namespace ostrevan
