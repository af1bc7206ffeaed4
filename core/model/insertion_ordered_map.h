#pragma once

#include <cstddef>
#include <iterator>
#include <list>
#include <unordered_map>
#include <utility>

// A map that walks its entries in insertion order, with hashed lookup and
// O(1) erase. Values never move while other entries are inserted or erased,
// so pointers to them stay valid until their own entry goes.
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
        if (index_.count(key)) return false;
        entries_.emplace_back(key, std::forward<V>(value));
        index_.emplace(key, std::prev(entries_.end()));
        return true;
    }

    bool erase(const Key& key) {
        auto found = index_.find(key);
        if (found == index_.end()) return false;
        entries_.erase(found->second);
        index_.erase(found);
        return true;
    }

    iterator erase(iterator position) {
        index_.erase(position->first);
        return entries_.erase(position);
    }

    Value* find(const Key& key) {
        auto found = index_.find(key);
        return found == index_.end() ? nullptr : &found->second->second;
    }
    const Value* find(const Key& key) const {
        auto found = index_.find(key);
        return found == index_.end() ? nullptr : &found->second->second;
    }
    bool contains(const Key& key) const { return index_.count(key) != 0; }

    void clear() {
        entries_.clear();
        index_.clear();
    }
    size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

    iterator begin() { return entries_.begin(); }
    iterator end() { return entries_.end(); }
    const_iterator begin() const { return entries_.begin(); }
    const_iterator end() const { return entries_.end(); }

private:
    Entries entries_;
    std::unordered_map<Key, iterator> index_;
};
