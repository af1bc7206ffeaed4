#include "core/layout/tree_walk.h"

void TreeWalk::finish() {
    while (!pending.empty()) {
        Expansion& top = pending.back();
        if (top.next == top.steps.size()) {
            pending.pop_back();
            continue;
        }
        // The step may ask for expansions, which moves the pending list.
        const Step step = std::move(top.steps[top.next++]);
        step(*this);
    }
}
