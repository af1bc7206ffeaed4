#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/model/capability_search.h"
#include "core/text/ascii.h"
#include "core/text/sentences.h"
#include "tests/support/core/core_test.h"
#include "tests/support/core/random_editor.h"
#include "tests/support/core/small_project.h"

// Finding the options whose requirement names a text must give exactly what
// looking at every option of the project gives, whatever edits, undos and
// redos made and changed the capabilities before.

namespace {

using Found = std::vector<std::string>;

std::string lowered(std::string text) {
    for (char& c : text) c = MyStrF::ascii::to_lower(c);
    return text;
}

// "option uid/requirement uid", sorted.
Found sorted(const std::vector<std::pair<Node*, Requirement*>>& pairs) {
    Found found;
    for (const auto& [option, r] : pairs) found.push_back(option->get_uid() + "/" + r->get_uid());
    std::sort(found.begin(), found.end());
    return found;
}

Found searched(const Project& project, const std::string& text) {
    return sorted(options_whose_requirement_holds(project, text));
}

// Every registered option with exactly one requirement child whose
// capability, in lower case, holds the text.
Found scanned(const Project& project, const std::string& text) {
    std::vector<std::pair<Node*, Requirement*>> found;
    for (const auto& [uid, n] : project.get_nd_map()) {
        if (!n->is_opt()) continue;
        std::vector<Requirement*> requirements;
        for (Node* c : n->get_children())
            if (c->is_req()) requirements.push_back(static_cast<Requirement*>(c));
        if (requirements.size() == 1 &&
            lowered(requirements.front()->get_verb_cap()->get_capability()).find(text) != std::string::npos)
            found.emplace_back(n, requirements.front());
    }
    return sorted(found);
}

class CapabilitySearch : public testing_support::CoreTest {};

TEST_F(CapabilitySearch, FollowsCapabilitiesAsTheyChangeAndLeave) {
    testing_support::SmallProject p;
    Option* frame = p.d->add_child_option("Frame", true);
    Option* left = frame->add_sub_option("left");
    Option* right = frame->add_sub_option("right");
    const std::string both = left->get_uid() + "/" + left->get_integration_requirement()->get_uid();
    const std::string only_right = right->get_uid() + "/" + right->get_integration_requirement()->get_uid();
    const Found left_and_right = [&] {
        Found f{both, only_right};
        std::sort(f.begin(), f.end());
        return f;
    }();

    struct Case {
        std::string text;
        Found expected;
    };
    // The capabilities are "integrated into a Frame": letter case aside,
    // any part of it, and nothing beyond it.
    for (const Case& c : std::vector<Case>{{"frame", left_and_right},
                                           {"integrated into a frame", left_and_right},
                                           {"o a f", left_and_right},
                                           {"frames", {}},
                                           {"left", {}},
                                           {"", left_and_right}}) {
        EXPECT_EQ(searched(*p.project, c.text), c.expected) << c.text;
        EXPECT_EQ(scanned(*p.project, c.text), c.expected) << c.text;
    }

    frame->set_subject("Gate Post", false);
    p.project->add_node_state();
    EXPECT_TRUE(searched(*p.project, "frame").empty());
    EXPECT_EQ(searched(*p.project, "gate post"), left_and_right);

    delete left;
    p.project->add_node_state();
    EXPECT_EQ(searched(*p.project, "gate post"), Found{only_right});

    // Undo remakes the deleted option and its requirement, then the old name.
    p.project->goto_previous_state();
    EXPECT_EQ(searched(*p.project, "gate post").size(), 2u);
    p.project->goto_previous_state();
    EXPECT_TRUE(searched(*p.project, "gate post").empty());
    EXPECT_EQ(searched(*p.project, "frame").size(), 2u);
}

TEST_F(CapabilitySearch, NamesOnlyOptionsOfTheProjectAsked) {
    testing_support::SmallProject first;
    first.d->add_child_option("frame", true)->add_sub_option("left");
    first.d->add_child_option("other", true);
    ASSERT_EQ(searched(*first.project, "frame").size(), 1u);

    auto* second = new Project("Second", "");
    EXPECT_TRUE(searched(*second, "frame").empty());
    delete second;
    GCC::RP = first.project;
}

// Random sessions: edits of every kind (subjects, capabilities, deletions,
// paste, sub-options), subjects in mixed case, undos and redos in place.
// After every step the search must agree with the scan for every subject
// and capability of the project and parts of them.
TEST_F(CapabilitySearch, AgreesWithTheScanThroughEditsUndoAndRedo) {
    const std::vector<std::string> mixed_case = {"Gate", "MOTOR Frame", "Sensor Arm", "hinge"};
    for (uint32_t seed : {3u, 17u, 101u}) {
        reset_process_state();
        auto* project = new Project("Walk", "");
        history_testing::RandomEditor editor(seed, 80);
        // Layers of split options, whose integration requirements name the
        // subjects above them.
        editor.grow_layers(*project, 2);
        std::mt19937 rng(seed);
        auto below = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
        for (int step = 0; step < 400; ++step) {
            const size_t choice = below(10);
            if (choice < 6) {
                editor.edit(*project);
            } else if (choice < 7) {
                std::vector<Node*> options;
                for (const auto& [uid, n] : project->get_nd_map())
                    if (n->is_opt()) options.push_back(n);
                if (options.empty()) continue;
                Node* option = options[below(options.size())];
                NodeList changed = option->get_impacted_by_subject_change();
                option->set_subject(mixed_case[below(mixed_case.size())], false);
                changed.push_back(option);
                project->add_uids_state(changed);
            } else if (choice < 9) {
                project->goto_previous_state();
            } else {
                project->goto_next_state();
            }
            std::set<std::string> texts{"integrated into", "a g", "or", "gate", "motor", "frame",
                                        "sensor", "hinge", "arm"};
            for (const auto& [uid, n] : project->get_nd_map()) {
                texts.insert(MyStrF::_toLowerCase(n->get_subject()));
                if (n->is_req()) {
                    const std::string capability = lowered(static_cast<Requirement*>(n)->get_verb_cap()->get_capability());
                    texts.insert(capability);
                    texts.insert(capability.substr(capability.size() / 2));
                }
            }
            for (const std::string& text : texts)
                ASSERT_EQ(searched(*project, text), scanned(*project, text))
                    << "seed " << seed << ", step " << step << ", text \"" << text << "\"";
        }
    }
}

}  // namespace
