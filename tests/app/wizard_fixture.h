#pragma once
// The main window on the headless toolkit, with its program directory (knowledge base, result
// files, 2000.exe) and a drive C: in temporary directories. Program files on the drive are the
// scan tests' "Field=Value" files.
#include <memory>
#include <string>
#include <vector>

#include "app/frm_y2k_main.h"
#include "app/frm_y2k_main_controls.h"
#include "platform/ui/headless/headless_toolkit.h"
#include "scan/scan_fixture.h"
#include "support/test_support.h"

namespace ostrevan::apptest {

using namespace ui::headless;

struct WizardOptions {
    bool utility = true;  // 2000.exe in the program's directory
};

// The program's folder as the tests start it: the knowledge base, the year-2000 utility when
// asked for, and each help topic, whose text is its file's name without the extension ("HelpINTR").
inline void WriteProgramDir(const std::filesystem::path& dir, bool utility = true) {
    testing::WriteFileBytes(dir / "Vendors.y2k", scantest::Vendors());
    testing::WriteFileBytes(dir / "APPS.y2k", scantest::Apps());
    if (utility) testing::WriteFileBytes(dir / "2000.exe", "MZ utility");
    for (const std::string name : FrmHelp::kTopicFiles)
        testing::WriteFileBytes(dir / name, "{\\rtf1\\ansi " + name.substr(0, name.size() - 4) + "}");
}

class Wizard {
public:
    explicit Wizard(WizardOptions o = {}) {
        WriteProgramDir(dir_.path(), o.utility);
        std::filesystem::create_directory(drive());
        tk.SetDrives({"c: [SYSTEM]", "d:"}, 0);
        tk.SetScreenSize(15360, 11520);  // 1024 by 768 pixels

        AppServices s;
        s.programDir = dir_.path();
        s.drives.Map('c', drive());
        s.osIdentity = [] { return scantest::Win2000(); };
        s.versions = source;
        s.firstIcon = [this](const platform::HostPath& p) -> std::optional<ui::Image> {
            if (testing::ReadFileBytes(p).find("Icon=yes") == std::string::npos) return std::nullopt;
            ++iconsRead;
            return ui::Image{2, 2, std::vector<uint8_t>(16, 255)};
        };
        main = std::make_unique<FrmY2KMain>(tk, std::move(s));
    }

    void Start() {
        main->Form_Load();
        main->Show();
    }

    std::filesystem::path drive() const { return dir_ / "drive"; }
    std::filesystem::path dir() const { return dir_.path(); }
    void Put(const std::string& rel, const std::string& bytes) { testing::WriteFileBytes(drive() / rel, bytes); }

    template <typename T>
    T& Find(const std::string& control) const { return tk.Find<T>("FrmY2KMain." + control); }
    ui::Button& Button(const std::string& name) const { return Find<ui::Button>(name); }
    std::string Caption(const std::string& label) const { return Find<ui::Label>(label).Caption(); }
    ui::Rect Bounds(const std::string& control) const {
        return tk.FindWindow("FrmY2KMain").FindControl(control)->Bounds();
    }
    HeadlessWindow& Window() const { return tk.FindWindow("FrmY2KMain"); }
    HeadlessWindow& HelpWindow() const { return dynamic_cast<HeadlessWindow&>(main->Help()->Form()); }
    HeadlessRichText& HelpText() const { return dynamic_cast<HeadlessRichText&>(main->Help()->rtxtHelp); }
    // The help topic shown ("HelpINTR"), or "" when the help window shows nothing.
    std::string HelpShown() const {
        std::string t = HelpText().Text();
        while (!t.empty() && (t.back() == '\n' || t.back() == ' ')) t.pop_back();
        return t;
    }
    std::string Report() const { return Find<HeadlessRichText>("rtxtSummary").Text(); }

    void Next() { Button("BtnNext").Click(); }
    void Back() { Button("btnBack").Click(); }

    // The one visible page (the names of all visible pages, joined, if several are).
    std::string Page() const {
        std::string shown;
        for (ui::Frame* f : main->Design().Pages())
            if (f->Visible()) shown += (shown.empty() ? "" : "+") + f->Name();
        return shown;
    }
    RunState& State() { return main->State(); }

    HeadlessToolkit tk;
    std::shared_ptr<scantest::FieldFileSource> source = std::make_shared<scantest::FieldFileSource>();
    int iconsRead = 0;
    std::unique_ptr<FrmY2KMain> main;

private:
    testing::TempDir dir_;
};

}  // namespace ostrevan::apptest
