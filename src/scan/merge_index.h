#pragma once
// The merge searches of the scan: which record of cFiles or cJunkFiles a newly examined
// program belongs to. The searches give exactly the first match that visiting the list from its
// first record would give, including the rewrites that each comparison makes to the scan's copy
// of the company text; but each record's normalised names are computed once and kept in hash
// indexes, so a search costs a few normalisations instead of one per recorded program.
#include <cstdint>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "kb/file_collection.h"

namespace ostrevan {

class FileListIndex {
public:
    enum class Kind { kMain, kJunk };

    FileListIndex(colFiles& list, Kind kind) : list_(list), kind_(kind) {}

    // The first record, in list order, that matches a program whose readiness code is "0":
    // records of other codes are skipped, and a record matches when its normalised name and its
    // vendor's normalised name equal the program's, compared upper-cased. `company` is the
    // scan's copy of the company, rewritten as the visited comparisons rewrite it.
    clsFile* FindUnknownProduct(const std::string& product_name, std::string& company);

    // The first record that matches a program whose code is not "0": normalised names, the
    // decision's version range (strVB, strVE) and normalised vendor equal, and the record not
    // named "ALLPRODUCTS".
    clsFile* FindDecided(const std::string& product_name, std::string& company,
                         const std::string& strVB, const std::string& strVE);

    // The first record of cJunkFiles that matches an undocumented program.
    clsFile* FindJunk(const std::string& product_name, const std::string& product_version,
                      std::string& company);

    // Adds a record as colFiles::Add does (just before the last record when one of the same
    // name, ignoring case, exists; else at the end), and files it. The index knows the names
    // already, so the list is not walked.
    void Add(const std::string& strComments, const std::string& strVendor,
             const std::string& strDesc, const std::string& strName,
             const std::string& strVBegin, const std::string& strVEnd, int16_t intComp,
             const std::string& strDIRECTORY, const std::string& strCVERB,
             const std::string& strCVERE);

    // Searches that had to visit the list one record at a time (a company text whose rewrites
    // did not settle); for measuring.
    uint64_t linear_searches() const { return linear_searches_; }

private:
    static constexpr uint64_t kLastRank = UINT64_MAX;
    static constexpr int kMaxRounds = 6;

    using Ranked = std::set<std::pair<uint64_t, clsFile*>>;

    struct Node {
        uint64_t rank = 0;
        std::string decided_key;  // empty for an "ALLPRODUCTS" record
        std::string unknown_key;  // empty unless CompliantCode is 0
        std::string junk_key;
    };

    // One comparison's worth of the program side: the key it compares with and the company
    // text after the comparison's rewrites.
    struct Round {
        std::string key;
        std::string company_after;
    };
    template <class RoundFn>
    clsFile* Search(std::string& company, RoundFn round, const Ranked* eligible_order,
                    std::unordered_map<std::string, Ranked>& by_key, std::string Node::*node_key);

    // The program side of one comparison: the normalised product name, the normalised company,
    // and the company text the two normalisations leave. The same product and company come back
    // with every copy of a program, so each is worked out once.
    struct Parts {
        std::string name, vendor, company_after;
    };
    enum class Side { kDecided, kUnknown, kJunk };
    const Parts& ProgramParts(Side side, const std::string& product_name, const std::string& company);

    void Sync();
    void File(clsFile* rec, uint64_t rank);
    void Rerank(clsFile* rec, uint64_t rank);
    void Unfile(clsFile* rec);
    void FileUnder(clsFile* rec, uint64_t rank, bool insert);
    // The first n eligible records in list order.
    std::vector<clsFile*> FirstEligible(const Ranked* eligible_order, size_t n) const;

    colFiles& list_;
    Kind kind_;
    std::unordered_map<const clsFile*, Node> nodes_;
    std::unordered_map<std::string, Ranked> decided_, unknown_, junk_;
    Ranked unknown_order_;  // the records of code 0, in list order
    clsFile* last_ = nullptr;
    clsFile* first_ = nullptr;
    size_t synced_count_ = 0;
    uint64_t next_rank_ = 0;
    uint64_t linear_searches_ = 0;
    std::unordered_map<std::string, Parts> parts_;
    std::unordered_map<std::string, int> names_;  // upper-cased names of the records
};

}  // namespace ostrevan
