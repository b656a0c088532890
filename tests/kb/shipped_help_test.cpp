// The help topics that ship beside the program (data/Help*.rtf) read with the program's own
// reader: the classes' messages in the classes' colours. What each topic must say is checked by
// its generator (data/build_help.py --check).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "rules/readiness.h"
#include "platform/ui/rtf.h"
#include "support/test_support.h"

namespace ostrevan {
namespace {

using testing::ReadFileBytes;

std::string Topic(const std::string& name) {
    return ReadFileBytes(std::filesystem::path(OSTREVAN_SOURCE_DIR) / "data" / name);
}

// The document as the help window reads it.
ui::PrintableText Read(const std::string& name) { return ui::ReadRtf(Topic(name)); }

// The pages that explain the classes use the program's own messages in the classes' colours.
TEST(ShippedHelp, ClassMessagesAppearInTheirReportColours) {
    for (const char* name : {"HelpINTR.rtf", "HelpREP.rtf"}) {
        SCOPED_TRACE(name);
        const ui::PrintableText doc = Read(name);
        for (const ReadinessClass& rc : kReadinessClasses) {
            if (rc.code < 0) continue;
            bool found = false;
            for (const auto& run : doc.runs) {
                if (run.text.find(rc.message) == std::string::npos) continue;
                found = true;
                EXPECT_EQ(run.format.color, rc.colour) << rc.message;
            }
            EXPECT_TRUE(found) << "missing: " << rc.message;
        }
    }
}

}  // namespace
}  // namespace ostrevan
