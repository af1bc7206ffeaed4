#pragma once

#include <cstddef>
#include <functional>
#include <iterator>
#include <list>
#include <unordered_map>
#include <utility>

// A map that walks its entries in insertion order, with hashed lookup and
// O(1) erase. Values never move while other entries are inserted or erased,
// so pointers to them stay valid until their own entry goes.
//
// Each key is stored once, in its entry: the hash index refers to the keys of
// the entries (which never move) instead of holding copies.
template <class Key, class Value>
class InsertionOrderedMap {
public:
    using Entry = std::pair<const Key, Value>;
    using Entries = std::list<Entry>;
    using iterator = typename Entries::iterator;
    using const_iterator = typename Entries::const_iterator;

    InsertionOrderedMap() = default;
    InsertionOrderedMap(const InsertionOrderedMap& other) { *this = other; }
    InsertionOrderedMap& operator=(const InsertionOrderedMap& other) {
        if (this == &other) return *this;
        clear();
        for (const auto& [key, value] : other) insert(key, value);
        return *this;
    }
    InsertionOrderedMap(InsertionOrderedMap&&) noexcept = default;
    InsertionOrderedMap& operator=(InsertionOrderedMap&&) noexcept = default;

    // Appends (key, value) unless the key is present; returns whether it did.
    template <class V>
    bool insert(const Key& key, V&& value) {
        // Hashes the key once: the entry is made first and taken back when the
        // key is already present.
        entries_.emplace_back(key, std::forward<V>(value));
        const auto entry = std::prev(entries_.end());
        if (index_.emplace(&entry->first, entry).second) return true;
        entries_.pop_back();
        return false;
    }

    bool erase(const Key& key) {
        auto found = index_.find(&key);
        if (found == index_.end()) return false;
        const iterator entry = found->second;
        index_.erase(found);
        entries_.erase(entry);
        return true;
    }

    iterator erase(iterator position) {
        index_.erase(&position->first);
        return entries_.erase(position);
    }

    // Moves the entry of `key` to just before the entry of `before`; false
    // when either is absent.
    bool move_before(const Key& key, const Key& before) {
        const auto moving = index_.find(&key);
        const auto next = index_.find(&before);
        if (moving == index_.end() || next == index_.end()) return false;
        entries_.splice(next->second, entries_, moving->second);
        return true;
    }

    Value* find(const Key& key) {
        auto found = index_.find(&key);
        return found == index_.end() ? nullptr : &found->second->second;
    }
    const Value* find(const Key& key) const {
        auto found = index_.find(&key);
        return found == index_.end() ? nullptr : &found->second->second;
    }
    bool contains(const Key& key) const { return index_.count(&key) != 0; }

    void clear() {
        entries_.clear();
        index_.clear();
    }
    // Room in the index for this many keys without rehashing.
    void reserve(size_t count) { index_.reserve(count); }
    size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

    iterator begin() { return entries_.begin(); }
    iterator end() { return entries_.end(); }
    const_iterator begin() const { return entries_.begin(); }
    const_iterator end() const { return entries_.end(); }

private:
    // The index is keyed by the address of a key and compares the keys
    // themselves; lookups pass the address of the caller's key.
    struct KeyHash {
        size_t operator()(const Key* key) const { return std::hash<Key>{}(*key); }
    };
    struct KeyEqual {
        bool operator()(const Key* a, const Key* b) const { return *a == *b; }
    };

    Entries entries_;
    std::unordered_map<const Key*, iterator, KeyHash, KeyEqual> index_;
};
