#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/layout/tree_el.h"

namespace {

// One side of a subtree's outline: per level below the subtree's root the
// extreme box x, relative to that root. Stored deepest level first so that a
// parent is added at the back, with one offset for all entries so that moving
// a subtree costs nothing; both keep the merging of outlines linear in the
// size of the tree.
class Side {
public:
    explicit Side(int root_x) : xs{root_x} {}
    size_t depth() const { return xs.size(); }
    int at(size_t level) const { return xs[xs.size() - 1 - level] + offset; }
    void set(size_t level, int value) { xs[xs.size() - 1 - level] = value - offset; }
    void shift(int dx) { offset += dx; }
    // A parent at parent_x above this side, which becomes relative to it.
    void put_under(int parent_x) {
        xs.push_back(parent_x - offset);
        offset -= parent_x;
    }

private:
    std::vector<int> xs;
    int offset = 0;
};

struct Outline {
    Side left{0};
    Side right{0};
    size_t depth() const { return left.depth(); }
};

// How far right of the siblings' outline a subtree's root must stand so that
// no level holds two boxes closer than step.
int separation(const Outline& placed, const Outline& next, int step) {
    const size_t common = std::min(placed.depth(), next.depth());
    int needed = placed.right.at(0) + step;
    for (size_t level = 1; level < common; ++level)
        needed = std::max(needed, placed.right.at(level) - next.left.at(level) + step);
    return needed;
}

// Adds the subtree outline next, moved by dx, to the right of placed. Only
// the levels the shallower outline has are touched.
void merge(Outline& placed, Outline next, int dx) {
    const size_t placed_depth = placed.depth();
    const size_t next_depth = next.depth();
    if (next_depth >= placed_depth) {
        next.right.shift(dx);
        placed.right = std::move(next.right);
    } else {
        for (size_t level = 0; level < next_depth; ++level) placed.right.set(level, next.right.at(level) + dx);
    }
    if (next_depth > placed_depth) {
        next.left.shift(dx);
        for (size_t level = 0; level < placed_depth; ++level) next.left.set(level, placed.left.at(level));
        placed.left = std::move(next.left);
    }
}

}  // namespace

// Bottom-up, each subtree is arranged on its own: its children's subtrees are
// packed left to right, each as far left as the outline of the ones before it
// allows, and the element goes to the truncated mean x of its children; child
// x holds the offset from the parent meanwhile. Top-down, the offsets become
// page positions, shifted so that the leftmost box stands at x 0. Subtrees
// move as blocks, so every parent stays centred and no level gets boxes closer
// than one step, whatever the shape.
class TreeEl::TidyLayout {
public:
    explicit TidyLayout(int step) : step(step) {}

    Outline arrange(TreeEl* root) {
        std::vector<Frame> stack;
        stack.push_back(Frame{root});
        while (true) {
            Frame& frame = stack.back();
            if (frame.next_child < frame.el->children.size()) {
                stack.push_back(Frame{frame.el->children[frame.next_child++]});
                continue;
            }
            Outline done = finish(frame);
            stack.pop_back();
            if (stack.empty()) return done;
            adopt(stack.back(), std::move(done));
        }
    }

    static void place(TreeEl* root, int root_x, int root_level, int level_step) {
        root->x = root_x;
        root->o_lvl = root_level;
        std::vector<TreeEl*> pending{root};
        while (!pending.empty()) {
            TreeEl* el = pending.back();
            pending.pop_back();
            el->y = level_step * el->o_lvl;
            for (TreeEl* child : el->children) {
                child->x += el->x;
                child->o_lvl = el->o_lvl + 1;
                pending.push_back(child);
            }
        }
    }

private:
    struct Frame {
        TreeEl* el;
        size_t next_child = 0;
        Outline children_outline{};
        int64_t children_x_sum = 0;
    };

    void adopt(Frame& parent, Outline child_outline) {
        TreeEl* child = parent.el->children[parent.next_child - 1];
        if (parent.next_child == 1) {
            child->x = 0;
            parent.children_outline = std::move(child_outline);
            return;
        }
        child->x = separation(parent.children_outline, child_outline, step);
        parent.children_x_sum += child->x;
        merge(parent.children_outline, std::move(child_outline), child->x);
    }

    static Outline finish(Frame& frame) {
        const TreeElList& children = frame.el->children;
        if (children.empty()) return std::move(frame.children_outline);  // a leaf: itself at 0
        // Children stand at x >= 0 here, so the division truncates as on the page.
        const int parent_x = static_cast<int>(frame.children_x_sum / static_cast<int64_t>(children.size()));
        for (TreeEl* child : children) child->x -= parent_x;
        Outline outline = std::move(frame.children_outline);
        outline.left.put_under(parent_x);
        outline.right.put_under(parent_x);
        return outline;
    }

    int step;
};

void TreeEl::calculate_pos(int gap, int box_width, int box_height, bool first) {
    const Outline outline = TidyLayout(gap + box_width).arrange(this);
    int leftmost = 0;
    for (size_t level = 0; level < outline.depth(); ++level) leftmost = std::min(leftmost, outline.left.at(level));
    TidyLayout::place(this, -leftmost, first ? 0 : o_lvl, 2 * gap + box_height);
}

void TreeEl::calculate_init_pos(int gap, int box_width, int box_height) {
    calculate_init_pos(gap, box_width, box_height, 0, 0);
}

void TreeEl::calculate_init_pos(int gap, int box_width, int box_height, int level, int leaf_slot) {
    get_width();
    struct Placing {
        TreeEl* el;
        int level;
        int slot;
    };
    std::vector<Placing> pending{{this, level, leaf_slot}};
    while (!pending.empty()) {
        const Placing p = pending.back();
        pending.pop_back();
        TreeEl* el = p.el;
        el->o_lvl = p.level;
        el->y = (2 * gap + box_height) * p.level;
        const int spread = el->width - 1;
        el->x = (spread * box_width + spread * gap) / 2 + (gap + box_width) * p.slot;
        int slot = p.slot;
        for (TreeEl* child : el->children) {
            pending.push_back({child, p.level + 1, slot});
            slot += child->width;
        }
    }
}

void TreeEl::shift_tree(int dx) {
    std::vector<TreeEl*> pending{this};
    while (!pending.empty()) {
        TreeEl* el = pending.back();
        pending.pop_back();
        el->x += dx;
        pending.insert(pending.end(), el->children.begin(), el->children.end());
    }
}
