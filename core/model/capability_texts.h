#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class VerbCapability;

// The capabilities of every verb-capability pair alive in the process, in
// ASCII lower case, in one contiguous text. Finding the pairs whose
// capability holds a text then reads that text once, about a megabyte at
// 100k objects, instead of visiting every object of a project and the heap
// string of each of its capabilities. The pairs keep their entries up to date
// themselves (made, changed, destroyed), so every path that makes or changes
// pairs (edits, open, undo, paste) is covered.
class CapabilityTexts {
public:
    static CapabilityTexts& instance();

    // The entry of a pair with this capability; returns its position.
    size_t add(VerbCapability* pair, std::string_view capability);
    // A new entry for the pair at `entry`; returns its new position.
    size_t replace(size_t entry, std::string_view capability);
    void remove(size_t entry);

    // Every pair whose capability, letter case aside (ASCII only), holds
    // `lowered` (already in lower case, not empty, without a null byte), each
    // once, in the order their entries were made.
    std::vector<const VerbCapability*> holding(std::string_view lowered) const;

private:
    CapabilityTexts() = default;
    void compact();

    struct Span {
        size_t offset;
        size_t length;
        VerbCapability* pair;  // null once the entry is gone
    };
    // Entries separated by a null byte, spans in the order of their offsets.
    std::string text;
    std::vector<Span> spans;
    size_t live_bytes = 0;
};
