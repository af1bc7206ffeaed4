#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/layout/tree_el.h"

namespace {

enum class Shape { Random, Deep, Chain, Fan, FanOfFans, Caterpillar, Bushy, Mixed };
constexpr Shape all_shapes[] = {Shape::Random, Shape::Deep,  Shape::Chain, Shape::Fan,
                                Shape::FanOfFans, Shape::Caterpillar, Shape::Bushy, Shape::Mixed};

// Picks the parent of element i (1 <= i) among the elements made before it.
size_t pick_parent(Shape shape, size_t i, std::mt19937& rng) {
    auto uniform = [&](size_t lo, size_t hi) { return std::uniform_int_distribution<size_t>(lo, hi)(rng); };
    switch (shape) {
        case Shape::Random: return uniform(0, i - 1);
        case Shape::Deep: return i - uniform(1, std::min<size_t>(i, 3));
        case Shape::Chain: return i - 1;
        case Shape::Fan: return 0;
        case Shape::FanOfFans: return i <= 4 ? 0 : uniform(1, 4);
        case Shape::Caterpillar: return (i % 2 == 1) ? (i >= 2 ? i - 2 : 0) : i - 1;
        case Shape::Bushy: return (i - 1) / 3;
        case Shape::Mixed: return pick_parent(all_shapes[uniform(0, 6)], i, rng);
    }
    return 0;
}

std::unique_ptr<TreeEl> random_tree(Shape shape, size_t size, std::mt19937& rng) {
    auto root = std::make_unique<TreeEl>(nullptr);
    std::vector<TreeEl*> made{root.get()};
    for (size_t i = 1; i < size; ++i) made.push_back(made[pick_parent(shape, i, rng)]->add_child(nullptr));
    return root;
}

struct Sizes {
    int gap;
    int box_w;
    int box_h;
    int step() const { return gap + box_w; }
};

// Every element with its level, level by level in depth-first order.
std::vector<std::vector<const TreeEl*>> levels_of(const TreeEl* root) {
    std::vector<std::vector<const TreeEl*>> levels;
    std::vector<std::pair<const TreeEl*, size_t>> pending{{root, 0}};
    while (!pending.empty()) {
        const auto [el, level] = pending.back();
        pending.pop_back();
        if (levels.size() <= level) levels.resize(level + 1);
        levels[level].push_back(el);
        const TreeElList& children = el->get_children();
        for (auto it = children.rbegin(); it != children.rend(); ++it) pending.emplace_back(*it, level + 1);
    }
    return levels;
}

// The promises of the compacted layout, for any tree.
void expect_sound_layout(TreeEl* root, const Sizes& s, const std::string& what) {
    const auto levels = levels_of(root);
    int leftmost = INT32_MAX;
    int rightmost = INT32_MIN;
    for (size_t level = 0; level < levels.size(); ++level) {
        const auto& row = levels[level];
        for (size_t k = 0; k < row.size(); ++k) {
            const TreeEl* el = row[k];
            leftmost = std::min(leftmost, el->get_x_pos());
            rightmost = std::max(rightmost, el->get_x_pos());
            ASSERT_EQ(el->get_o_lvl(), static_cast<int>(level)) << what;
            ASSERT_EQ(el->get_y_pos(), static_cast<int>(level) * (2 * s.gap + s.box_h)) << what;
            // Boxes of a level keep the depth-first order, so children stay in
            // their order, and stand at least one step apart.
            if (k > 0) {
                ASSERT_GE(el->get_x_pos() - row[k - 1]->get_x_pos(), s.step()) << what << " level " << level;
            }
            // A parent stands at the mean x of its children, truncated.
            const TreeElList& children = el->get_children();
            if (!children.empty()) {
                int64_t sum = 0;
                for (const TreeEl* child : children) sum += child->get_x_pos();
                ASSERT_EQ(el->get_x_pos(), sum / static_cast<int64_t>(children.size())) << what;
            }
        }
    }
    // The leftmost box touches the left edge, and the tree is never wider than
    // its leaf grid, by which the pages size their canvas.
    ASSERT_EQ(leftmost, 0) << what;
    ASSERT_LE(rightmost, (root->get_width() - 1) * s.step()) << what;
}

TEST(CompactedLayoutProperties, HoldForThousandsOfRandomTrees) {
    std::mt19937 rng(20240307);
    const Sizes sizes[] = {{10, 100, 40}, {5, 37, 20}, {1, 1, 1}, {13, 120, 61}};
    for (int round = 0; round < 500; ++round) {
        for (const Shape shape : all_shapes) {
            const size_t size = std::uniform_int_distribution<size_t>(1, round % 5 == 0 ? 400 : 60)(rng);
            const Sizes& s = sizes[std::uniform_int_distribution<size_t>(0, 3)(rng)];
            auto root = random_tree(shape, size, rng);
            root->calculate_pos(s.gap, s.box_w, s.box_h, true);
            const std::string what = "shape " + std::to_string(static_cast<int>(shape)) + " size " +
                                     std::to_string(size) + " round " + std::to_string(round);
            ASSERT_NO_FATAL_FAILURE(expect_sound_layout(root.get(), s, what));
        }
    }
}

TEST(CompactedLayoutProperties, HoldForLargeDeepAndWideTrees) {
    std::mt19937 rng(7);
    const Sizes s{10, 100, 40};
    for (const Shape shape : {Shape::Chain, Shape::Fan, Shape::Random, Shape::Deep, Shape::Bushy}) {
        auto root = random_tree(shape, 3000, rng);
        root->calculate_pos(s.gap, s.box_w, s.box_h, true);
        ASSERT_NO_FATAL_FAILURE(expect_sound_layout(root.get(), s, "large"));
    }
}

}  // namespace
