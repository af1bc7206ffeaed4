#pragma once

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

class ElectionSteering;
class Node;

// While one lives, every object whose links, registration, subject or verb
// and capability change is noted by uid (the model reports them through
// DeletionRecord::note). When the outermost ends, whatever reads one of the
// noted objects that still exist is recomputed (Project::recompute_reach),
// or the whole project when the change reached what steers every election.
// For edits that change many objects at once, such as a paste or a deletion
// with its cascade, whose link-by-link updates miss what reads an object
// from below.
class EagerUpdate {
public:
    EagerUpdate();
    ~EagerUpdate();
    EagerUpdate(const EagerUpdate&) = delete;
    EagerUpdate& operator=(const EagerUpdate&) = delete;

    static void note(const Node* node);

private:
    static EagerUpdate* outermost;
    bool is_outermost;
    std::unique_ptr<ElectionSteering> steering_before;
    // In the order first noted, so that a change recomputes the same way every time.
    std::vector<std::string> noted;
    std::unordered_set<std::string> seen;
};
