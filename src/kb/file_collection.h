#pragma once
#include <memory>
// colFiles: an ordered list of found programs, stored in Files.y2k (programs with version data)
// or JFiles.y2k (undocumented program files).
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "kb/file_record.h"
#include "kb/record_collection.h"

namespace ostrevan {

inline constexpr const char* kFilesFileName = "Files.y2k";
inline constexpr const char* kJunkFilesFileName = "JFiles.y2k";

class colFiles {
public:
    // The records in list order, 1-based.
    RecordCollection<clsFile> mvarCOL;

    // Adds a record. A record whose Name equals (ignoring case) the Name of one already in the
    // list goes just before the last record; any other is appended. Record 32,768 fails with
    // overflow and nothing is added.
    void Add(const std::string& strComments, const std::string& strVendor,
             const std::string& strDesc, const std::string& strName,
             const std::string& strVBegin, const std::string& strVEnd, int16_t intComp,
             const std::string& strDIRECTORY, const std::string& strCVERB,
             const std::string& strCVERE);
    // A new record with the fields given as Add takes them, not yet in any list.
    static std::unique_ptr<clsFile> NewRecord(const std::string& strComments, const std::string& strVendor,
                                              const std::string& strDesc, const std::string& strName,
                                              const std::string& strVBegin, const std::string& strVEnd,
                                              int16_t intComp, const std::string& strDIRECTORY,
                                              const std::string& strCVERB, const std::string& strCVERE);
    // Places a record as Add does, given whether its name is already in the list.
    clsFile& Place(std::unique_ptr<clsFile> rec, bool sameName);
    int16_t Count() const { return mvarCOL.Count(); }
    // The record at position intOrderNum, or the first record for a position outside 1..Count.
    // VbError 9 on an empty list.
    clsFile& Item(int16_t intOrderNum) const;
    // Replaces JFiles.y2k (Junk) or Files.y2k in dir: the records grouped by readiness code,
    // worst class first (codes 4, 3, 5, 2, 6, 1, 0); records of other codes are not written.
    void SaveToFile(bool Junk, const std::filesystem::path& dir) const;
    // The bytes SaveToFile writes.
    std::string SavedBytes() const;
    // Reads JFiles.y2k (Junk) or Files.y2k from dir and adds the records of its kind (vendor
    // "None" for Junk, any other vendor otherwise). VbError 53 when the file is missing; a
    // malformed line ends the load with a VbError, and the records read before it stay.
    // `everyRecord` keeps every record of the file, those of vendor "None" in Files.y2k too
    // (programs with a name but no maker, which the fleet report lists).
    void LoadFromFile(bool Junk, const std::filesystem::path& dir, bool everyRecord = false);
    void Clear() { mvarCOL.Clear(); }
};

// The fields of one result-file line.
inline constexpr size_t kFilesFields = 8;

}  // namespace ostrevan
