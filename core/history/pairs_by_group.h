#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>

class Project;
class VerbCapability;

// The verb-capability pair objects in memory hold for each group, so that
// objects restored in place find the pair of their group without a walk over
// every object each time. Edits only ever make pairs of new groups; pairs of
// groups handed out before are made only by rebuilds (after which this starts
// anew) and by restoring in place (which notes them). So once one walk has
// listed every group handed out until then, a group up to that number that is
// not listed has no pair in memory.
class PairsByGroup {
public:
    // Forgets everything when a builder has rebuilt the graph since.
    void start(const Project& project);
    // The pair held for this group, or null when no object holds one.
    std::shared_ptr<VerbCapability> find(uint64_t group);
    // A pair objects hold, or held until they were removed.
    void note(const std::shared_ptr<VerbCapability>& pair);

private:
    void list_all();

    const Project* project = nullptr;
    std::unordered_map<uint64_t, std::weak_ptr<VerbCapability>> pairs;
    // Every group up to this number that objects hold is listed.
    uint64_t complete_up_to = 0;
    uint64_t at_rebuild = 0;
};
