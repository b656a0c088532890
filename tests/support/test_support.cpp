#include "support/test_support.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <gtest/gtest.h>

#include "platform/ui/event.h"
#include "platform/vb_error.h"

namespace ostrevan::testing {
namespace {

// A handler that fails in a test fails the test; a test that expects it sets its own hook.
const bool kHandlerFailuresFailTests = [] {
    ui::SetEventFailureHook([](const std::string& what) { ADD_FAILURE() << "an event handler failed: " << what; });
    return true;
}();

}  // namespace

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto p = std::filesystem::temp_directory_path() /
                 ("ostrevan-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        if (std::filesystem::create_directory(p)) {
            path_ = p;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary directory");
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string ReadFileBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + p.string());
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::filesystem::path& p, const std::string& bytes) {
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot write " + p.string());
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

int ErrorOf(const std::function<void()>& f, std::string* what) {
    try {
        f();
    } catch (const VbError& e) {
        if (what) *what = e.what();
        return e.number();
    }
    return 0;
}

std::string PlainText(const ui::PrintableText& t) {
    std::string out;
    for (const auto& r : t.runs) out += r.text;
    return out;
}

void AppendColoured(ui::RichText& r, const std::string& text, ui::Color c) {
    r.SetSelection(r.TextLength(), 0);
    r.SetSelColor(c);
    r.ReplaceSelection(text);
}

std::string VendorLine(const std::string& name, int id) {
    return "\"" + name + "\t\t\t\t" + std::to_string(id) + "\tNone\"\r\n";
}

std::string AppLine(int id, int vendor, int code, const std::string& name, const std::string& exe,
                    const std::string& begin, const std::string& end, const std::string& comments,
                    const std::string& alt) {
    return "\"" + std::to_string(id) + "\t" + std::to_string(vendor) + "\t" + std::to_string(code) + "\t" +
           name + "\t" + exe + "\t" + begin + "\t" + end + "\t" + comments + "\t" + alt + "\"\r\n";
}

std::vector<std::string> Split(const std::string& s, char sep) {
    std::vector<std::string> out(1);
    for (char c : s) {
        if (c == sep) out.emplace_back();
        else out.back().push_back(c);
    }
    return out;
}

}  // namespace ostrevan::testing
