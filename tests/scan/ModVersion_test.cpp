#include "scan/ModVersion.h"

#include <gtest/gtest.h>

#include "support/program_builder.h"
#include "support/test_support.h"

using namespace ostrevan;
using namespace ostrevan::testing;

namespace {

const char* const kFields[] = {"ProductName", "CompanyName", "ProductVersion", "FileDescription", "Comments"};

}  // namespace

TEST(ModVersion, ChoosesTheTableAsTheTranslationListSays) {
    struct Case { const char* fixture; const char* field; const char* expected; } cases[] = {
        {"basic", "ProductName", "Acme Writer 2000"}, {"basic", "CompanyName", "Acme Software, Inc."},
        {"basic", "ProductVersion", "2.0.1"}, {"basic", "FileDescription", "Acme Writer"},
        {"basic", "Comments", "Year 2000 ready"},
        {"basic", "productname", "Acme Writer 2000"},  // keys match without regard to case
        // (1031, 1252), (1033, 1200): the US English entry wins although it is second.
        {"german_english", "CompanyName", "Acme Inc."},
        // (1031, 1252), (1036, 1252): no US English entry, the last one is read.
        {"last_entry", "ProductName", "Acme R\xE9" "dacteur"},
        // (0, 1252) is read as 040904E4; (0, 0) as 04090000.
        {"neutral_1252", "ProductName", "Neutral Writer"}, {"neutral_0", "ProductName", "Plain Writer"},
        // No translation list: 04090000 fails, the walk finds 040904E4 (keys in any case) ...
        {"no_translation", "ProductName", "Untranslated Writer"},
        // ... and reaches German (1031) before US English (1033).
        {"no_translation_german", "ProductName", "Acme Schreiber"},
        // A table the list does not name, under another code page: absent.
        {"japanese_only", "ProductName", "None"}, {"japanese_only", "CompanyName", "None"},
        // Empty and "None" both read "None"; the trademark signs keep their bytes.
        {"signs", "Comments", "None"}, {"signs", "CompanyName", "None"},
        {"signs", "ProductName", "Acme\x99 Writer\xAE \xA9 1999"},
        {"signs", "FileDescription", "Caf\xE9 Ao \x99 ?"},
        {"signs", "ProductVersion", "4.0\xB7" "1"},  // one-dot leader: a middle dot
        {"signs", "Missing", "None"}, {"icon_only", "ProductName", "None"},
        {"languages", "ProductName", "English"},
    };
    ModVersion reader;
    for (const auto& c : cases) {
        reader.LoadVersionBlock(FixturePath(c.fixture));
        EXPECT_EQ(reader.GetInfoString(c.field), c.expected) << c.fixture << " " << c.field;
    }
}

TEST(ModVersion, BuiltBlocksCoverTheRemainingCases) {
    TempDir dir;
    struct Case {
        const char* what;
        VerNode root;
        const char* expected;  // ProductName
    } cases[] = {
        {"value without terminating zero is returned whole",
         VersionRoot({Block("StringFileInfo", {Block("040904E4", {Str("ProductName", u"Whole", false)})}),
                      Block("VarFileInfo", {Translation({{1033, 1252}})})}),
         "Whole"},
        {"value cut at its first zero",
         VersionRoot({Block("StringFileInfo", {Block("040904E4", {Str("ProductName", std::u16string(u"Cut\0Off", 7))})}),
                      Block("VarFileInfo", {Translation({{1033, 1252}})})}),
         "Cut"},
        {"empty translation list reads 04090000",
         VersionRoot({Block("StringFileInfo", {Block("04090000", {Str("ProductName", u"Zero")})}),
                      Block("VarFileInfo", {Translation({})})}),
         "Zero"},
        {"walk finds 1252 tables up to language 0FFF",
         VersionRoot({Block("StringFileInfo", {Block("0FFF04E4", {Str("ProductName", u"Edge")})})}), "Edge"},
        {"walk ignores languages above 0FFF",
         VersionRoot({Block("StringFileInfo", {Block("100004E4", {Str("ProductName", u"Beyond")})})}), "None"},
        {"walk skips a table without the field",
         VersionRoot({Block("StringFileInfo", {Block("000104E4", {Str("CompanyName", u"x")}),
                                               Block("000204E4", {Str("ProductName", u"Second")})})}),
         "Second"},
        {"walk takes the lowest language, not the first table",
         VersionRoot({Block("StringFileInfo", {Block("040C04E4", {Str("ProductName", u"French")}),
                                               Block("040704E4", {Str("ProductName", u"German")})})}),
         "German"},
        {"of two tables with one key the first is searched",
         VersionRoot({Block("StringFileInfo", {Block("040904E4", {Str("CompanyName", u"x")}),
                                               Block("040904e4", {Str("ProductName", u"Hidden")})})}),
         "None"},
        {"walk reads lower-case hex digits (Spanish, 0C0A)",
         VersionRoot({Block("StringFileInfo", {Block("0c0a04e4", {Str("ProductName", u"Espa\u00F1ol")})})}),
         "Espa\xF1ol"},
        {"walk reads upper-case hex digits (000A before 0C01)",
         VersionRoot({Block("StringFileInfo", {Block("0C0104E4", {Str("ProductName", u"Arabic")}),
                                               Block("000A04E4", {Str("ProductName", u"Spanish")})})}),
         "Spanish"},
        {"walk reads lower-case hex digits (00ff before 0C01)",
         VersionRoot({Block("StringFileInfo", {Block("0C0104E4", {Str("ProductName", u"Arabic")}),
                                               Block("00ff04e4", {Str("ProductName", u"Neutral")})})}),
         "Neutral"},
        {"16-bit table key in lower case",
         VersionRoot({Block("StringFileInfo", {Block("0407", {}), Block("040704e4", {Str("ProductName", u"Klein")})})}),
         "Klein"},
    };
    ModVersion reader;
    for (auto& c : cases) {
        const Bytes block = BuildVersionBlock32(c.root);
        const Bytes file = PeWithVersion(block);
        WriteFileBytes(dir / "p.exe", std::string(file.begin(), file.end()));
        reader.LoadVersionBlock((dir / "p.exe").string());
        EXPECT_EQ(reader.GetInfoString("ProductName"), c.expected) << c.what;
    }
}

TEST(ModVersion, AnAbsentTableCostsAFewQueriesNotFourThousand) {
    ModVersion reader;
    reader.LoadVersionBlock(FixturePath("japanese_only"));
    for (const char* field : kFields) EXPECT_EQ(reader.GetInfoString(field), "None");
    EXPECT_LE(reader.QueryCount(), 5u * 3u);
}
