#pragma once

#include <vector>

class Argument;
class Node;
class Option;

// What deleting an object would take with it, found without changing the
// graph: the cascade of objects that lose their last parent together with
// each kind's own rules (a story takes its requirements, a requirement its
// arguments, an option its arguments unless they go back up to the parent
// option, and a design problem leaving a single sibling takes the integration
// requirements of both problems' options). The run follows the deletion step
// by step on a copy of the links, in the order the destructors take, so it
// names exactly the objects the deletion removes.
struct DeletionDryRun {
    struct Removed {
        Node* node;
        // 1 for what the object itself brings down, 2 for what that brings
        // down, and so on.
        int depth;
    };
    // In the order the deletion reaches them; the object itself is not listed.
    std::vector<Removed> removed;
    // Arguments that survive under the parent option (deleting its only sub-option).
    std::vector<Argument*> moved;
    Option* moved_to = nullptr;
};

// Needs the current project, whose registry holds the object.
DeletionDryRun dry_run_deletion(Node& node);
