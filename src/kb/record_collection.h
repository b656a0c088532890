#pragma once
// An insertion-ordered, 1-based collection of records, optionally keyed. Records are owned by
// the collection and never move in memory, so a reference to one stays valid until it is
// removed. The number of records is a 16-bit count: a collection holds at most 32,767.
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/vb_error.h"

namespace ostrevan {

inline constexpr int kMaxRecords = 32767;

template <class T>
class RecordCollection {
    using Slots = std::vector<std::unique_ptr<T>>;

public:
    template <class Base, class Ref>
    class basic_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T;
        using difference_type = std::ptrdiff_t;
        using pointer = std::remove_reference_t<Ref>*;
        using reference = Ref;
        basic_iterator() = default;
        explicit basic_iterator(Base it) : it_(it) {}
        reference operator*() const { return **it_; }
        pointer operator->() const { return it_->get(); }
        basic_iterator& operator++() { ++it_; return *this; }
        basic_iterator operator++(int) { auto t = *this; ++it_; return t; }
        bool operator==(const basic_iterator& o) const { return it_ == o.it_; }

    private:
        Base it_{};
    };
    using iterator = basic_iterator<typename Slots::iterator, T&>;
    using const_iterator = basic_iterator<typename Slots::const_iterator, const T&>;

    RecordCollection() = default;
    RecordCollection(RecordCollection&&) noexcept = default;
    RecordCollection& operator=(RecordCollection&&) noexcept = default;

    int16_t Count() const { return static_cast<int16_t>(slots_.size()); }
    bool empty() const { return slots_.empty(); }

    // Appends a record under a key (no key for a positional collection). A key already present
    // fails with error 457; a full collection fails with overflow. Nothing changes on failure.
    T& Add(std::unique_ptr<T> rec, const std::string& key = {}) {
        return Insert(slots_.size(), std::move(rec), key);
    }

    // Inserts a record so that it stands at 0-based index `at` afterwards.
    T& Insert(size_t at, std::unique_ptr<T> rec, const std::string& key = {}) {
        if (slots_.size() >= static_cast<size_t>(kMaxRecords)) throw VbError(kErrOverflow, "Overflow");
        if (!key.empty() && keys_.count(key))
            throw VbError(kErrKeyExists,
                          "This key is already associated with an element of this collection");
        T* p = rec.get();
        slots_.insert(slots_.begin() + static_cast<std::ptrdiff_t>(at), std::move(rec));
        if (!key.empty()) keys_.emplace(key, p);
        return *p;
    }

    // The record at 1-based position pos; error 9 outside 1..Count.
    T& At(long pos) const {
        if (pos < 1 || static_cast<size_t>(pos) > slots_.size())
            throw VbError(kErrSubscript, "Subscript out of range");
        return *slots_[static_cast<size_t>(pos - 1)];
    }

    // The record filed under key; error 5 when no record has it.
    T& ByKey(const std::string& key) const {
        auto it = keys_.find(key);
        if (it == keys_.end()) throw VbError(kErrInvalidCall, "Invalid procedure call or argument");
        return *it->second;
    }

    bool HasKey(const std::string& key) const { return keys_.count(key) != 0; }

    // Removes the record filed under key; error 5 when no record has it.
    void RemoveKey(const std::string& key) {
        auto it = keys_.find(key);
        if (it == keys_.end()) throw VbError(kErrInvalidCall, "Invalid procedure call or argument");
        T* p = it->second;
        keys_.erase(it);
        for (size_t i = slots_.size(); i-- > 0;)  // records are mostly removed from the end
            if (slots_[i].get() == p) {
                slots_.erase(slots_.begin() + static_cast<std::ptrdiff_t>(i));
                break;
            }
    }

    void Clear() {
        slots_.clear();
        keys_.clear();
    }

    iterator begin() { return iterator(slots_.begin()); }
    iterator end() { return iterator(slots_.end()); }
    const_iterator begin() const { return const_iterator(slots_.cbegin()); }
    const_iterator end() const { return const_iterator(slots_.cend()); }

private:
    Slots slots_;
    std::unordered_map<std::string, T*> keys_;
};

// The key of record number id in a collection whose class letter is letter ("17Y", "7V").
inline std::string RecordKey(long id, char letter) { return std::to_string(id) + letter; }

}  // namespace ostrevan
