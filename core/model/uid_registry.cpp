#include "core/model/uid_registry.h"

#include <algorithm>
#include <bit>
#include <functional>

#include "core/model/node.h"

UidRegistry::UidRegistry() = default;

UidRegistry::const_iterator::reference UidRegistry::const_iterator::operator*() const {
    Node* node = registry->entries[at].node;
    return {node->get_uid(), node};
}

UidRegistry::const_iterator& UidRegistry::const_iterator::operator++() {
    at = registry->entries[at].next;
    return *this;
}

UidRegistry::const_iterator& UidRegistry::const_iterator::operator--() {
    at = at == none ? registry->last : registry->entries[at].previous;
    return *this;
}

uint32_t UidRegistry::hash_of(std::string_view uid) { return static_cast<uint32_t>(std::hash<std::string_view>{}(uid)); }

size_t UidRegistry::place_of(std::string_view uid, uint32_t hash) const {
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Place& place = table[i];
        if (place.slot == none) return i;
        if (place.hash == hash && entries[place.slot].uid == uid) return i;
    }
}

void UidRegistry::grow_table(size_t places) {
    std::vector<Place> old(places);
    old.swap(table);
    mask = table.size() - 1;
    for (const Place& place : old) {
        if (place.slot == none) continue;
        size_t i = place.hash & mask;
        while (table[i].slot != none) i = (i + 1) & mask;
        table[i] = place;
    }
}

void UidRegistry::reserve(size_t expected) {
    entries.reserve(expected);
    const size_t places = std::bit_ceil(std::max<size_t>(expected * 2, 16));
    if (places > table.size()) grow_table(places);
}

bool UidRegistry::insert(Node* node) {
    if ((count + 1) * 2 > table.size()) grow_table(std::max<size_t>(table.size() * 2, 16));
    const std::string_view uid = node->get_uid();
    const uint32_t hash = hash_of(uid);
    const size_t place = place_of(uid, hash);
    if (table[place].slot != none) return false;
    uint32_t slot;
    if (free_slots.empty()) {
        slot = static_cast<uint32_t>(entries.size());
        entries.emplace_back();
    } else {
        slot = free_slots.back();
        free_slots.pop_back();
    }
    entries[slot].uid = uid;
    entries[slot].node = node;
    link_before(slot, none);
    table[place] = {slot, hash};
    node->registry_slot = slot;
    ++count;
    return true;
}

bool UidRegistry::erase(const Node* node) {
    const uint32_t slot = node->registry_slot;
    if (slot >= entries.size() || entries[slot].node != node) return false;
    // The entry's place is found by its slot: no uid is compared.
    size_t place = hash_of(entries[slot].uid) & mask;
    while (table[place].slot != slot) place = (place + 1) & mask;
    free_place(place);
    unlink(slot);
    entries[slot] = Slot{};
    free_slots.push_back(slot);
    --count;
    return true;
}

void UidRegistry::free_place(size_t hole) {
    // Linear probing without tombstones: every later entry of the same run
    // that may not stay after the hole moves into it.
    for (size_t i = (hole + 1) & mask; table[i].slot != none; i = (i + 1) & mask) {
        const size_t home = table[i].hash & mask;
        const bool reachable_past_hole = hole <= i ? (hole < home && home <= i) : (hole < home || home <= i);
        if (reachable_past_hole) continue;
        table[hole] = table[i];
        hole = i;
    }
    table[hole] = Place{};
}

bool UidRegistry::move_before(std::string_view uid, std::string_view before) {
    if (table.empty()) return false;
    const Place& moving = table[place_of(uid, hash_of(uid))];
    const Place& next = table[place_of(before, hash_of(before))];
    if (moving.slot == none || next.slot == none) return false;
    if (moving.slot == next.slot) return true;
    unlink(moving.slot);
    link_before(moving.slot, next.slot);
    return true;
}

Node* const* UidRegistry::find(std::string_view uid) const {
    if (table.empty()) return nullptr;
    const Place& place = table[place_of(uid, hash_of(uid))];
    return place.slot == none ? nullptr : &entries[place.slot].node;
}

void UidRegistry::clear() {
    entries.clear();
    free_slots.clear();
    std::fill(table.begin(), table.end(), Place{});
    first = last = none;
    count = 0;
}

void UidRegistry::unlink(uint32_t slot) {
    Slot& s = entries[slot];
    (s.previous == none ? first : entries[s.previous].next) = s.next;
    (s.next == none ? last : entries[s.next].previous) = s.previous;
}

void UidRegistry::link_before(uint32_t slot, uint32_t next_slot) {
    Slot& s = entries[slot];
    s.next = next_slot;
    s.previous = next_slot == none ? last : entries[next_slot].previous;
    (s.previous == none ? first : entries[s.previous].next) = slot;
    (next_slot == none ? last : entries[next_slot].previous) = slot;
}
