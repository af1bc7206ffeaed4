#pragma once

#include <bit>
#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

class Node;

// Objects by uid in one flat table, for a pass that looks up many uids while
// nothing is registered or unregistered: a lookup probes neighbouring slots
// of one array instead of chasing the nodes of a hash map. The uids are
// views: the texts they view must outlive the index. Null is no object.
class UidIndex {
public:
    explicit UidIndex(size_t expected) : slots(std::bit_ceil(expected * 2 + 2)), mask(slots.size() - 1) {}

    // Adds uid (to a non-null node) unless present; returns whether it did.
    bool add(std::string_view uid, Node* node) {
        if ((count + 1) * 2 > slots.size()) grow();
        const size_t hash = std::hash<std::string_view>{}(uid);
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            Slot& slot = slots[i];
            if (!slot.node) {
                slot = {hash, uid, node};
                ++count;
                return true;
            }
            if (slot.hash == hash && slot.uid == uid) return false;
        }
    }

    Node* find(std::string_view uid) const {
        const size_t hash = std::hash<std::string_view>{}(uid);
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot& slot = slots[i];
            if (!slot.node) return nullptr;
            if (slot.hash == hash && slot.uid == uid) return slot.node;
        }
    }

private:
    struct Slot {
        size_t hash = 0;
        std::string_view uid;
        Node* node = nullptr;
    };

    void grow() {
        std::vector<Slot> old(slots.size() * 2);
        old.swap(slots);
        mask = slots.size() - 1;
        for (const Slot& slot : old) {
            if (!slot.node) continue;
            size_t i = slot.hash & mask;
            while (slots[i].node) i = (i + 1) & mask;
            slots[i] = slot;
        }
    }

    // At least twice as many slots as uids, so that a probe meets an empty
    // slot soon; a power of two, so that a hash picks a slot by a mask.
    std::vector<Slot> slots;
    size_t mask;
    size_t count = 0;
};
