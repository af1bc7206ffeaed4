#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

class Node;

// While one lives, the objects that deletions remove and the objects whose
// links or subject they change are noted by uid, with the subject texts the
// removed objects held. The undo state after a deletion then looks at these
// objects only (MementoMixin::add_deletion_state) instead of comparing every
// object of the project with its memento. Made before the deletion, when the
// objects still show the current state, and used for one state.
class DeletionRecord {
public:
    DeletionRecord();
    ~DeletionRecord();
    DeletionRecord(const DeletionRecord&) = delete;
    DeletionRecord& operator=(const DeletionRecord&) = delete;

    // Called by the model where links, subjects or registrations change.
    static void note(const Node* node);
    static void note_removed(const Node* node, const std::shared_ptr<std::string>& subject);

    const std::unordered_set<std::string>& get_touched() const { return touched; }
    // Whether an object that is still alive holds a subject text that a
    // removed object held: which object such a text is shared with may then
    // have changed for objects no link reached.
    bool removed_texts_still_held() const;
    uint16_t get_required_level_at_start() const { return required_level_at_start; }
    // Whether the current project's history and graph are still those the
    // record started on: no state was recorded, undone or redone, and no
    // graph rebuilt since.
    bool on_state_at_start() const;

private:
    static DeletionRecord* innermost;
    DeletionRecord* outer;
    std::unordered_set<std::string> touched;
    std::vector<std::weak_ptr<const std::string>> removed_texts;
    uint16_t required_level_at_start;
    const void* state_at_start = nullptr;
    uint64_t rebuilds_at_start;
};
