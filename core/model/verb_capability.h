#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/share_group.h"

class VerbCapBase;

// A verb and a capability shared by several objects: a user story and the
// requirements derived from it hold the same one, so editing one edits all.
// Comparisons use the keys (trimmed, lower case); display uses the texts.
class VerbCapability {
public:
    VerbCapability(const std::string& verb, const std::string& capability);
    ~VerbCapability();
    // A copy would be a pair of its own, without holders: copies are made
    // from the texts.
    VerbCapability(const VerbCapability&) = delete;
    VerbCapability& operator=(const VerbCapability&) = delete;

    const std::string& get_verb() const { return verb; }
    const std::string& get_capability() const { return capability; }
    void set_verb(const std::string& text);
    void set_capability(const std::string& text);

    const std::string& get_verb_key() const { return verb_key; }
    const std::string& get_cap_key() const { return cap_key; }
    bool is_same_verb(const std::string& text) const;
    bool is_same_cap(const std::string& text) const;
    // Both keys empty (a verb of blanks counts as empty).
    bool empty() const { return verb_key.empty() && cap_key.empty(); }

    // Identity of this pair across undo and redo (see share_group.h).
    uint64_t get_group() const { return group; }
    void set_group(uint64_t g) { group = g; }

    // The objects that hold this pair now, in no particular order.
    const std::vector<VerbCapBase*>& get_holders() const { return holders; }

    friend bool operator==(const VerbCapability& a, const VerbCapability& b) {
        return a.verb_key == b.verb_key && a.cap_key == b.cap_key;
    }

private:
    friend class VerbCapBase;
    friend class CapabilityTexts;
    void add_holder(VerbCapBase* holder);
    void remove_holder(const VerbCapBase* holder);
    void moved_to_entry(size_t entry) { capability_entry = entry; }

    std::string verb;
    std::string capability;
    std::string verb_key;
    std::string cap_key;
    uint64_t group = next_share_group();
    std::vector<VerbCapBase*> holders;
    // This pair's entry among the process's capability texts.
    size_t capability_entry;
};
