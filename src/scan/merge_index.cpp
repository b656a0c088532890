#include "scan/merge_index.h"

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string_view>

#include "rules/string_matcher.h"
#include "platform/text.h"

namespace ostrevan {
namespace {

// Several texts joined so that different texts never give the same key.
std::string Key(std::initializer_list<std::string_view> parts) {
    std::string k;
    for (auto p : parts) {
        k += std::to_string(p.size());
        k += ':';
        k += p;
    }
    return k;
}

// The normalisations take the company by reference; a record's fields are read as copies, so
// the record itself is never rewritten.
std::string NameOf(const std::string& name, std::string company) { return StripName(name, company); }
std::string VendorOf(std::string company) { return StripVendor(company); }

}  // namespace

void FileListIndex::FileUnder(clsFile* rec, uint64_t rank, bool insert) {
    Node& n = nodes_[rec];
    auto apply = [&](std::unordered_map<std::string, Ranked>& map, const std::string& key) {
        if (key.empty()) return;
        if (insert) map[key].emplace(rank, rec);
        else map[key].erase({rank, rec});
    };
    apply(decided_, n.decided_key);
    apply(unknown_, n.unknown_key);
    apply(junk_, n.junk_key);
    if (!n.unknown_key.empty()) {
        if (insert) unknown_order_.emplace(rank, rec);
        else unknown_order_.erase({rank, rec});
    }
}

void FileListIndex::File(clsFile* rec, uint64_t rank) {
    Node n;
    n.rank = rank;
    if (kind_ == Kind::kMain) {
        const std::string name = NameOf(rec->Name, rec->Vendor);
        if (rec->Name != "ALLPRODUCTS")
            n.decided_key = Key({name, rec->CVERB, rec->CVERE, VendorOf(rec->Vendor)});
        if (rec->CompliantCode == 0)
            n.unknown_key = Key({text::Upper(name), text::Upper(NameOf(rec->Vendor, ""))});
    } else {
        n.junk_key = Key({NameOf(rec->Name, ""), rec->VersBegin, NameOf(rec->Vendor, "")});
    }
    nodes_[rec] = std::move(n);
    ++names_[text::Upper(rec->Name)];
    FileUnder(rec, rank, true);
}

void FileListIndex::Rerank(clsFile* rec, uint64_t rank) {
    FileUnder(rec, nodes_[rec].rank, false);
    nodes_[rec].rank = rank;
    FileUnder(rec, rank, true);
}

void FileListIndex::Sync() {
    const size_t n = static_cast<size_t>(list_.Count());
    if (n == synced_count_ && (n == 0 || (&list_.mvarCOL.At(1) == first_ && &list_.mvarCOL.At(static_cast<long>(n)) == last_)))
        return;
    // The list changed behind the index (a new scan, the operating system's record): file it anew.
    nodes_.clear();
    decided_.clear();
    unknown_.clear();
    junk_.clear();
    unknown_order_.clear();
    names_.clear();
    uint64_t pos = 0;
    for (clsFile& rec : list_.mvarCOL) {
        ++pos;
        File(&rec, pos == n ? kLastRank : pos);
    }
    next_rank_ = pos + 1;
    synced_count_ = n;
    first_ = n ? &list_.mvarCOL.At(1) : nullptr;
    last_ = n ? &list_.mvarCOL.At(static_cast<long>(n)) : nullptr;
}

void FileListIndex::Add(const std::string& strComments, const std::string& strVendor,
                        const std::string& strDesc, const std::string& strName,
                        const std::string& strVBegin, const std::string& strVEnd, int16_t intComp,
                        const std::string& strDIRECTORY, const std::string& strCVERB,
                        const std::string& strCVERE) {
    Sync();
    const bool same_name = names_.count(text::Upper(strName)) != 0;
    clsFile& added = list_.Place(colFiles::NewRecord(strComments, strVendor, strDesc, strName, strVBegin,
                                                     strVEnd, intComp, strDIRECTORY, strCVERB, strCVERE),
                                 same_name);
    // Every record but the last has a rank in list order; the last ranks after all of them.
    if (!same_name) {
        if (last_) Rerank(last_, next_rank_++);
        File(&added, kLastRank);
        last_ = &added;
    } else {
        File(&added, next_rank_++);
    }
    synced_count_ = static_cast<size_t>(list_.Count());
    first_ = &list_.mvarCOL.At(1);
}

std::vector<clsFile*> FileListIndex::FirstEligible(const Ranked* eligible_order, size_t n) const {
    std::vector<clsFile*> out;
    if (eligible_order) {
        for (auto it = eligible_order->begin(); it != eligible_order->end() && out.size() < n; ++it)
            out.push_back(it->second);
    } else {
        const size_t count = static_cast<size_t>(list_.Count());
        for (size_t i = 1; i <= count && out.size() < n; ++i)
            out.push_back(&list_.mvarCOL.At(static_cast<long>(i)));
    }
    return out;
}

template <class RoundFn>
clsFile* FileListIndex::Search(std::string& company, RoundFn round, const Ranked* eligible_order,
                               std::unordered_map<std::string, Ranked>& by_key,
                               std::string Node::*node_key) {
    Sync();
    const size_t eligible = eligible_order ? eligible_order->size() : static_cast<size_t>(list_.Count());
    // The company text of comparison i+1 is what comparison i left. Once a comparison leaves it
    // as it found it, every later comparison is the same as that one.
    std::vector<Round> rounds;
    std::string c = company;
    size_t settled = 0;
    while (rounds.size() < kMaxRounds) {
        rounds.push_back(round(c));
        const bool same = rounds.back().company_after == c;
        c = rounds.back().company_after;
        if (same) {
            settled = rounds.size();
            break;
        }
    }
    auto company_after = [&](size_t comparisons) {
        return comparisons == 0 ? company : rounds[std::min(comparisons, rounds.size()) - 1].company_after;
    };
    if (settled == 0) {
        // Rewrites that do not settle: visit the records one by one.
        ++linear_searches_;
        c = company;
        for (clsFile& rec : list_.mvarCOL) {
            const std::string& k = nodes_[&rec].*node_key;
            if (eligible_order && k.empty()) continue;
            Round r = round(c);
            c = r.company_after;
            if (!k.empty() && k == r.key) {
                company = c;
                return &rec;
            }
        }
        company = c;
        return nullptr;
    }
    // The comparisons before the settled one, against the first records one by one.
    const std::vector<clsFile*> first = FirstEligible(eligible_order, settled - 1);
    for (size_t i = 0; i < first.size(); ++i) {
        const std::string& k = nodes_[first[i]].*node_key;
        if (!k.empty() && k == rounds[i].key) {
            company = rounds[i].company_after;
            return first[i];
        }
    }
    // Every later comparison uses the settled key: the first record under it, in list order,
    // that is not one of those already compared.
    if (eligible >= settled) {
        if (auto it = by_key.find(rounds[settled - 1].key); it != by_key.end()) {
            for (const auto& [rank, rec] : it->second) {
                if (std::find(first.begin(), first.end(), rec) != first.end()) continue;
                company = rounds[settled - 1].company_after;
                return rec;
            }
        }
    }
    company = company_after(eligible);
    return nullptr;
}

const FileListIndex::Parts& FileListIndex::ProgramParts(Side side, const std::string& product_name,
                                                        const std::string& company) {
    std::string memo_key = Key({std::string(1, static_cast<char>('0' + static_cast<int>(side))), product_name, company});
    auto it = parts_.find(memo_key);
    if (it != parts_.end()) return it->second;
    Parts p;
    p.company_after = company;
    switch (side) {
        case Side::kDecided:
            p.name = StripName(product_name, p.company_after);
            p.vendor = StripVendor(p.company_after);
            break;
        case Side::kUnknown:
            p.name = text::Upper(StripName(product_name, p.company_after));
            p.vendor = text::Upper(StripVendor(p.company_after));
            break;
        case Side::kJunk:
            p.name = NameOf(product_name, "");
            p.vendor = StripVendor(p.company_after);
            break;
    }
    return parts_.emplace(std::move(memo_key), std::move(p)).first->second;
}

clsFile* FileListIndex::FindUnknownProduct(const std::string& product_name, std::string& company) {
    auto round = [&](const std::string& c) {
        const Parts& p = ProgramParts(Side::kUnknown, product_name, c);
        return Round{Key({p.name, p.vendor}), p.company_after};
    };
    return Search(company, round, &unknown_order_, unknown_, &Node::unknown_key);
}

clsFile* FileListIndex::FindDecided(const std::string& product_name, std::string& company,
                                    const std::string& strVB, const std::string& strVE) {
    auto round = [&](const std::string& c) {
        const Parts& p = ProgramParts(Side::kDecided, product_name, c);
        return Round{Key({p.name, strVB, strVE, p.vendor}), p.company_after};
    };
    return Search(company, round, nullptr, decided_, &Node::decided_key);
}

clsFile* FileListIndex::FindJunk(const std::string& product_name, const std::string& product_version,
                                 std::string& company) {
    auto round = [&](const std::string& c) {
        const Parts& p = ProgramParts(Side::kJunk, product_name, c);
        return Round{Key({p.name, product_version, p.vendor}), p.company_after};
    };
    return Search(company, round, nullptr, junk_, &Node::junk_key);
}

}  // namespace ostrevan
