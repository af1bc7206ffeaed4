#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class Node;

// Every live object of a project under its uid, walked in registration order
// (which saved files, undo and the pages rely on), with a hashed lookup.
//
// An entry is the object itself: its key is the object's own uid, viewed, not
// copied, so the uid must not change while the object is registered (Node
// unregisters before it takes another uid). The entries live in one array,
// chained in walking order by positions, and a flat open-addressing table
// finds an entry by uid; an object knows its own entry, so unregistering it
// needs no lookup. Registering, unregistering, moving an entry and looking up
// a uid take constant time; emptying takes time in the room reserved, not in
// the objects.
class UidRegistry {
    struct Slot;

public:
    // What a walk shows of an entry: the uid and the object.
    using value_type = std::pair<const std::string&, Node*>;

    class const_iterator {
    public:
        using iterator_category = std::bidirectional_iterator_tag;
        using value_type = UidRegistry::value_type;
        using difference_type = std::ptrdiff_t;
        using reference = value_type;
        struct pointer {
            value_type entry;
            const value_type* operator->() const { return &entry; }
        };

        const_iterator() = default;
        reference operator*() const;
        pointer operator->() const { return {**this}; }
        const_iterator& operator++();
        const_iterator operator++(int) {
            const_iterator was = *this;
            ++*this;
            return was;
        }
        const_iterator& operator--();
        const_iterator operator--(int) {
            const_iterator was = *this;
            --*this;
            return was;
        }
        bool operator==(const const_iterator& other) const { return at == other.at; }

    private:
        friend class UidRegistry;
        const_iterator(const UidRegistry* r, uint32_t position) : registry(r), at(position) {}
        const UidRegistry* registry = nullptr;
        uint32_t at = 0;
    };
    using iterator = const_iterator;

    UidRegistry();
    // A copy would be a second registry of the same objects, which each know
    // only one entry of their own.
    UidRegistry(const UidRegistry&) = delete;
    UidRegistry& operator=(const UidRegistry&) = delete;

    // Registers node under its uid at the end of the walk, unless the uid is
    // registered already; returns whether it did.
    bool insert(Node* node);
    // Unregisters node when it is registered here; returns whether it was.
    bool erase(const Node* node);
    // Moves the entry of `uid` to just before the entry of `before`; false
    // when either is absent.
    bool move_before(std::string_view uid, std::string_view before);

    // The registered object's place, valid until the next registration.
    Node* const* find(std::string_view uid) const;
    bool contains(std::string_view uid) const { return find(uid) != nullptr; }

    void clear();
    // Room for this many entries without growing.
    void reserve(size_t expected);
    size_t size() const { return count; }
    bool empty() const { return count == 0; }

    const_iterator begin() const { return {this, first}; }
    const_iterator end() const { return {this, none}; }

private:
    static constexpr uint32_t none = UINT32_MAX;

    struct Slot {
        std::string_view uid;  // the object's own uid text
        Node* node = nullptr;  // null while the slot is free
        uint32_t previous = none;
        uint32_t next = none;
    };
    // A place of the lookup table: the slot of an entry and the low half of
    // the hash of its uid, which picks the entry's first place and spares
    // most uid comparisons.
    struct Place {
        uint32_t slot = none;
        uint32_t hash = 0;
    };

    static uint32_t hash_of(std::string_view uid);
    // The place holding the entry of uid, or the empty place a probe ends at.
    size_t place_of(std::string_view uid, uint32_t hash) const;
    void grow_table(size_t places);
    void unlink(uint32_t slot);
    void link_before(uint32_t slot, uint32_t next_slot);
    void free_place(size_t place);

    std::vector<Slot> entries;
    // Slots whose entries were erased, reused before the array grows.
    std::vector<uint32_t> free_slots;
    // At least twice as many places as entries, so that a probe meets an
    // empty place soon; a power of two, so that a mask picks a place.
    std::vector<Place> table;
    size_t mask = 0;
    uint32_t first = none;
    uint32_t last = none;
    size_t count = 0;
};
