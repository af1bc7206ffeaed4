#pragma once

#include <functional>
#include <vector>

#include "core/layout/tree_el.h"

// Builds a tree of elements depth first without recursion, so that a deep
// graph never makes a deep call stack. An expansion is the list of steps below
// one element; a step places nodes, and every expansion it asks for runs to
// its end before the next step, exactly as nested calls would.
class TreeWalk {
public:
    using Step = std::function<void(TreeWalk&)>;

    // Runs start and every expansion it asks for, with the elements made so
    // far and the uids placed so far of the tree being built.
    template <class Start>
    static void run(TreeElList& made, PlacedUids& placed, Start start) {
        TreeWalk walk(made, placed);
        start(walk);
        walk.finish();
    }

    // Asks for one expansion.
    void expand(std::vector<Step> steps) { pending.push_back({std::move(steps), 0}); }

    // A step that places node below el (once in the whole tree, see
    // TreeEl::add_child), when it passes the display filter if filtered, and
    // expands the element made for it.
    template <class T>
    static Step place(TreeEl* el, T* node, void (T::*expansion)(TreeEl*, TreeWalk&), bool filtered) {
        return [=](TreeWalk& walk) {
            if (filtered && !node->take_into_account()) return;
            if (TreeEl* child = el->add_child(node, walk.made, walk.placed)) (node->*expansion)(child, walk);
        };
    }
    // A step that places node below el without expanding it.
    static Step place(TreeEl* el, Node* node) {
        return [=](TreeWalk& walk) { el->add_child(node, walk.made, walk.placed); };
    }

    TreeElList& made;
    PlacedUids& placed;

private:
    TreeWalk(TreeElList& m, PlacedUids& p) : made(m), placed(p) {}
    void finish();

    struct Expansion {
        std::vector<Step> steps;
        size_t next;
    };
    std::vector<Expansion> pending;
};
