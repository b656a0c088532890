// The four data files: the shared line form, loading good and broken files, writing byte for
// byte, round trips, and replacing a result file without ever leaving a truncated one.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "kb/data_lines.h"
#include "kb/file_collection.h"
#include "kb/product_collection.h"
#include "kb/vendor_collection.h"
#include "platform/file_write.h"
#include "platform/vb_error.h"
#include "support/test_support.h"
#if !defined(_WIN32)
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace ostrevan {
namespace {

using testing::ErrorOf;

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

TEST(DataLineSplit, FieldsAndBrokenLines) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitDataLine("\"a\tb\tc\"", 3), (V{"a", "b", "c"}));
    EXPECT_EQ(SplitDataLine("xa\tb\tcy", 3), (V{"a", "b", "c"}));      // quotes are not tested
    EXPECT_EQ(SplitDataLine("\"a\tb\t\"", 3), (V{"a", "b", ""}));      // empty last field
    EXPECT_EQ(SplitDataLine("\"\t\t\"", 3), (V{"", "", ""}));
    EXPECT_EQ(SplitDataLine("\"a\tb\tc\td\"", 3), (V{"a", "b", "c\td"})); // extra TAB stays last
    EXPECT_EQ(SplitDataLine("\"a \"q\"\tb\"", 2), (V{"a \"q\"", "b"}));
    for (const char* bad : {"", "\"", "\"a\tb\"", "\"a\tb\t"})
        EXPECT_EQ(ErrorOf([&] { SplitDataLine(bad, 3); }), kErrInvalidCall) << bad;
}

const std::string kAppsBytes =
    "\"12\t3\t5\tSample Editor\tSEDIT.EXE\t4.0\tNOLIMITS\tInstall the update\tSample Editor Pro\"\r\n"
    "\"13\t3\t1\tSample Caf\xE9\t\t1.0\t2.0\tNone needed\t\"\r\n";

TEST(AppsFile, ABadLineEndsTheLoadAndKeepsWhatCameBefore) {
    const std::string good1 = "\"1\t2\t1\tOne\t\tNOLIMITS\tNOLIMITS\t\t\"\r\n";
    const std::string good2 = "\"2\t2\t1\tTwo\t\tNOLIMITS\tNOLIMITS\t\t\"\r\n";
    const std::string after = "\"3\t2\t1\tThree\t\tNOLIMITS\tNOLIMITS\t\t\"\r\n";
    struct Case { const char* what; std::string bad; };
    const std::vector<Case> cases{
        {"empty line", "\r\n"}, {"too few TABs", "\"9\t2\t1\tNine\"\r\n"},
        {"ID not a number", "\"x\t2\t1\tNine\t\tNOLIMITS\tNOLIMITS\t\t\"\r\n"},
        {"ID beyond 16 bits", "\"40000\t2\t1\tNine\t\tNOLIMITS\tNOLIMITS\t\t\"\r\n"},
        {"code not a number", "\"9\t2\tok\tNine\t\tNOLIMITS\tNOLIMITS\t\t\"\r\n"},
        {"vendor beyond 16 bits", "\"9\t99999\t1\tNine\t\tNOLIMITS\tNOLIMITS\t\t\"\r\n"},
        {"duplicate ID", "\"1\t2\t1\tDup\t\tNOLIMITS\tNOLIMITS\t\t\"\r\n"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteFileBytes(dir / "APPS.y2k", good1 + good2 + c.bad + after);
        colY2KApps apps;
        EXPECT_NE(ErrorOf([&] { apps.LoadFromFile(dir.path()); }), 0) << c.what;
        EXPECT_EQ(apps.Count(), 2) << c.what;
    }
}

TEST(AppsFile, WritesByteForByteAndReadsEveryFieldBack) {
    TempDir dir;
    colY2KApps c;
    c.Add(3, 5, "Sample Editor", "SEDIT.EXE", "4.0", "NOLIMITS", "Install the update", "Sample Editor Pro", 0);
    c.Add(3, 1, "Sample Caf\xE9", "", "1.0", "2.0", "None needed", "", 0);
    c.Item(1).ID = 12;  // the ID written is the record's, not its key
    c.Item(2).ID = 13;
    c.SaveToFile(dir.path());
    EXPECT_EQ(ReadFileBytes(dir / "APPS.y2k"), kAppsBytes);

    colY2KApps back;
    back.LoadFromFile(dir.path());
    ASSERT_EQ(back.Count(), 2);
    const clsY2KAPP& r = back.mvarCOL.ByKey("12Y");
    EXPECT_EQ((std::vector<std::string>{std::to_string(r.ID), std::to_string(r.Vendor), std::to_string(r.CompliantCode),
                                        r.ProductName, r.EXEName, r.VersionBegin, r.VersionEnd, r.Comments,
                                        r.AltProductName}),
              (std::vector<std::string>{"12", "3", "5", "Sample Editor", "SEDIT.EXE", "4.0", "NOLIMITS",
                                        "Install the update", "Sample Editor Pro"}));
    EXPECT_EQ(back.mvarCOL.ByKey("13Y").ProductName, "Sample Caf\xE9");
    EXPECT_EQ(back.Item(13).ID, 12);  // 13 lies beyond Count: the first record
    // Saving writes Item(1) to Item(Count), which needs the IDs 1..Count: with 12 and 13 it
    // fails, and the file already there stays as it was.
    EXPECT_EQ(ErrorOf([&] { back.SaveToFile(dir.path()); }), kErrInvalidCall);
    EXPECT_EQ(ReadFileBytes(dir / "APPS.y2k"), kAppsBytes);
}

const std::string kVendorsBytes =
    "\"None\t\t\t\t1\tNone\"\r\n"
    "\"Acme\t1 Main Street\tSpringfield\t555-0100\t2\twww.acme.example\"\r\n"
    "\"Soci\xE9t\xE9 Beta\t\t\t\t3\t\"\r\n";

TEST(VendorsFile, LoadsWritesAndRoundTrips) {
    TempDir dir;
    WriteFileBytes(dir / "Vendors.y2k", kVendorsBytes);
    colVendors d;
    d.LoadFromFile(dir.path());
    ASSERT_EQ(d.Count(), 3);
    const clsVendor& v = d.Item(2);
    EXPECT_EQ((std::vector<std::string>{v.Name(), v.Address1(), v.Address2(), v.PhoneNum(), v.URL(), d.Item(3).URL()}),
              (std::vector<std::string>{"Acme", "1 Main Street", "Springfield", "555-0100", "www.acme.example", ""}));

    WriteFileBytes(dir / "Vendors.y2k", "longer old contents than the new file has, in place\r\n" + kVendorsBytes);
    d.SaveToFile(dir.path());
    EXPECT_EQ(ReadFileBytes(dir / "Vendors.y2k"), kVendorsBytes);
}

TEST(VendorsFile, MissingAndBrokenFiles) {
    TempDir dir;
    colVendors none;
    EXPECT_EQ(ErrorOf([&] { none.LoadFromFile(dir.path()); }), kErrFileNotFound);
    EXPECT_EQ(none.Count(), 0);

    const std::string good = "\"A\t\t\t\t1\t\"\r\n\"B\t\t\t\t2\t\"\r\n";
    for (const char* bad : {"\r\n", "\"C\t\t\t3\"\r\n", "\"C\t\t\t\tthree\t\"\r\n",
                                  "\"C\t\t\t\t2\t\"\r\n", "\"C\t\t\t\t70000\t\"\r\n"}) {
        WriteFileBytes(dir / "Vendors.y2k", good + bad + "\"D\t\t\t\t4\t\"\r\n");
        colVendors d;
        EXPECT_NE(ErrorOf([&] { d.LoadFromFile(dir.path()); }), 0) << bad;
        EXPECT_EQ(d.Count(), 2) << bad;
    }
    // A file saved with a UTF-8 byte-order mark is refused from its first line, and says why.
    WriteFileBytes(dir / "Vendors.y2k", "\xEF\xBB\xBF" + good);
    colVendors marked;
    std::string why;
    EXPECT_NE(ErrorOf([&] { marked.LoadFromFile(dir.path()); }, &why), 0);
    EXPECT_NE(why.find("the file begins with a UTF-8 byte-order mark"), std::string::npos) << why;
    EXPECT_EQ(marked.Count(), 0);
}

void AddFile(colFiles& c, const std::string& name, int16_t code, const std::string& vendor = "Acme",
             const std::string& comments = "Fine") {
    c.Add(comments, vendor, "Desc " + name, name, "1.0", "2.0", code, "C:\\Prog", "1.0", "NOLIMITS");
}

std::string FilesLine(const std::string& name, int code, const std::string& vendor = "Acme",
                      const std::string& comments = "Fine") {
    return "\"" + name + "\t" + vendor + "\t1.0\t2.0\tDesc " + name + "\t" + comments +
           "\tC:\\Prog\t" + std::to_string(code) + "\"\r\n";
}

TEST(ResultFiles, WrittenWorstClassFirstInListOrder) {
    TempDir dir;
    colFiles c;
    const int codes[] = {1, 4, 0, -1, 2, 6, 3, 5, 7, 4, 1};
    for (size_t i = 0; i < std::size(codes); ++i)
        AddFile(c, "P" + std::to_string(i), static_cast<int16_t>(codes[i]));
    c.SaveToFile(false, dir.path());
    const std::string expected = FilesLine("P1", 4) + FilesLine("P9", 4) + FilesLine("P6", 3) +
                                 FilesLine("P7", 5) + FilesLine("P4", 2) + FilesLine("P5", 6) +
                                 FilesLine("P0", 1) + FilesLine("P10", 1) + FilesLine("P2", 0);
    EXPECT_EQ(ReadFileBytes(dir / "Files.y2k"), expected);
    EXPECT_FALSE(fs::exists(dir / "JFiles.y2k"));
    EXPECT_FALSE(fs::exists(dir / "Files.y2k.tmp"));
    // An empty list writes an empty file.
    WriteFileBytes(dir / "JFiles.y2k", "old contents\r\n");
    colFiles().SaveToFile(true, dir.path());
    EXPECT_EQ(ReadFileBytes(dir / "JFiles.y2k"), "");
}

TEST(ResultFiles, RoundTripKeepsFieldsButNotTheDecisionRange) {
    TempDir dir;
    colFiles c;
    AddFile(c, "Writer", 4, "Acme \"Quoted\"");
    AddFile(c, "Caf\xE9", 1, "Soci\xE9t\xE9");
    AddFile(c, "Gone", -1);
    c.SaveToFile(false, dir.path());
    colFiles back;
    back.LoadFromFile(false, dir.path());
    ASSERT_EQ(back.Count(), 2);
    const clsFile& f = back.Item(1);
    EXPECT_EQ((std::vector<std::string>{f.Name, f.Vendor, f.VersBegin, f.VersEnd, f.Description, f.CVERB, f.CVERE,
                                        back.Item(2).Vendor}),
              (std::vector<std::string>{"Writer", "Acme \"Quoted\"", "1.0", "2.0", "Desc Writer", "", "",
                                        "Soci\xE9t\xE9"}));
}

TEST(ResultFiles, EachListTakesOnlyItsKindAndAddsAfterWhatItHolds) {
    TempDir dir;
    const std::string bytes = FilesLine("A", 1, "none") + FilesLine("B", 2) + FilesLine("C", 1, "NONE") +
                              FilesLine("b", 4, "Other");
    WriteFileBytes(dir / "Files.y2k", bytes);
    WriteFileBytes(dir / "JFiles.y2k", bytes);
    colFiles files;
    AddFile(files, "Held", 1);
    files.LoadFromFile(false, dir.path());
    std::vector<std::string> names;
    for (const clsFile& f : files.mvarCOL) names.push_back(f.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Held", "b", "B"}));  // "b" joins "B" before the last
    colFiles junk;
    junk.LoadFromFile(true, dir.path());
    ASSERT_EQ(junk.Count(), 2);
    EXPECT_EQ(junk.Item(1).Name + junk.Item(2).Name, "AC");
}

TEST(ResultFiles, MissingOrMalformedFiles) {
    TempDir dir;
    colFiles c;
    AddFile(c, "Held", 1);
    EXPECT_EQ(ErrorOf([&] { c.LoadFromFile(false, dir.path()); }), kErrFileNotFound);
    EXPECT_EQ(c.Count(), 1);

    const std::string good = FilesLine("A", 1) + FilesLine("B", 2);
    const std::string tabbed = "\"X\tAcme\t1.0\t2.0\tDesc\tOne\tTwo\tC:\\Prog\t1\"\r\n";
    for (const std::string& bad : {std::string("\r\n"), std::string("\"X\tAcme\t1\"\r\n"),
                                  FilesLine("X", 1).replace(FilesLine("X", 1).size() - 4, 1, "z"),
                                  tabbed}) {
        WriteFileBytes(dir / "Files.y2k", good + bad + FilesLine("Z", 1));
        colFiles list;
        EXPECT_NE(ErrorOf([&] { list.LoadFromFile(false, dir.path()); }), 0) << bad;
        EXPECT_EQ(list.Count(), 2) << bad;
    }
}

TEST(ResultFiles, AFailedWriteLeavesTheOldFilesWhole) {
    TempDir dir;
    const std::string old = FilesLine("Old", 1);
    WriteFileBytes(dir / "Files.y2k", old);
    fs::create_directory(dir / "JFiles.y2k");  // the second of the pair cannot be replaced
    EXPECT_NE(platform::WriteFilesTogether({{dir / "Files.y2k", "new"}, {dir / "JFiles.y2k", "new"}}), "");
    EXPECT_EQ(ReadFileBytes(dir / "Files.y2k"), old);
    // A folder is in the way however its name is written; a missing folder says so.
    for (const fs::path& folder : {dir / "JFiles.y2k", dir / "JFiles.y2k" / ""})
        EXPECT_EQ(platform::WriteWholeFile(folder, "new").rfind("Something that is not a plain file", 0), 0u) << folder;
    EXPECT_EQ(platform::WriteWholeFile(dir / "none" / "", "new"), "The folder does not exist.");

    fs::remove(dir / "JFiles.y2k");
    colFiles c;
    AddFile(c, "New", 4);
    c.SaveToFile(false, dir.path());  // replaces an existing file and leaves no temporary
    EXPECT_EQ(ReadFileBytes(dir / "Files.y2k"), FilesLine("New", 4));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    EXPECT_EQ(ErrorOf([&] { c.SaveToFile(false, dir / "no such dir"); }), kErrPathNotFound);
}

#if !defined(_WIN32)
// A disk that fills up in the middle of a file (here: the file size limit of the process, after
// two bytes) fails the save with its reason; the old file stays as it was.
TEST(ResultFiles, AWriteCutShortByAFullDiskLeavesTheOldFileWhole) {
    TempDir dir;
    WriteFileBytes(dir / "Files.y2k", "old");
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small = before;
    small.rlim_cur = 2;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string error = platform::WriteFilesTogether({{dir / "Files.y2k", "new and longer"}});
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, handler);
    EXPECT_NE(error, "");
    EXPECT_EQ(ReadFileBytes(dir / "Files.y2k"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    // Started with its standard input closed, the program's folder lock may get descriptor 0.
    const int input = dup(0);
    close(0);
    const std::string saved = platform::WriteFilesTogether({{dir / "Files.y2k", "new"}});
    dup2(input, 0), close(input);
    EXPECT_EQ(saved, "");
}
#endif

}  // namespace
}  // namespace ostrevan
