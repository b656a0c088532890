#pragma once
// The print-error handler of the print procedures: a step that fails shows "Unable to Print"
// (title "Print Error!!"); after the first failure printing goes on with the next step, after
// the second the procedure ends.
#include <exception>

#include "platform/ui/toolkit.h"

namespace ostrevan {

class PrintSteps {
public:
    explicit PrintSteps(ui::Toolkit& tk) : tk_(tk) {}

    // Runs one step under the handler; false once the procedure has to end (this step failed
    // for the second time, or an earlier one did).
    template <class F>
    bool Run(F&& step) {
        if (ended_) return false;
        try {
            step();
        } catch (const std::exception&) {
            tk_.ShowMessage("Unable to Print", "Print Error!!");
            if (++errors_ > 1) ended_ = true;
        }
        return !ended_;
    }
    bool Ended() const { return ended_; }
    int Errors() const { return errors_; }

private:
    ui::Toolkit& tk_;
    int errors_ = 0;
    bool ended_ = false;
};

}  // namespace ostrevan
