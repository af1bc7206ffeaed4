#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <string>

#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"

namespace bench_support {

// A project of about `objects` objects, built the way a user would through
// the model operations: three user stories with their mandate and twelve
// top-level requirements, and below every design problem three options (every
// third one split into two sub-options), each with a validating argument that
// derives two requirements and one piece of evidence; every derived
// requirement opens the next design problem. Breadth first, so the graph is
// wide and a few levels deep. The new project is the current project;
// deleting it clears that.
inline std::unique_ptr<Project> generated_project(size_t objects) {
    auto project = std::make_unique<Project>("Generated", "benchmark project");
    auto made = [&] { return project->get_nd_map().size(); };
    std::deque<std::pair<DesignProblem*, Requirement*>> open;
    UserStory* first_story = nullptr;
    Mandate* mandate = nullptr;
    for (int s = 0; s < 3; ++s) {
        UserStory* story = project->add_user_story("act" + std::to_string(s), "well", "machine", "", false);
        if (!first_story) {
            first_story = story;
            mandate = story->add_mandate("", 1, false);
        }
        for (int r = 0; r < 4; ++r) {
            Requirement* top = mandate->add_f_requirement(story, false);
            open.emplace_back(top->add_designproblem(), top);
        }
    }
    size_t counter = 0;
    while (made() < objects && !open.empty()) {
        auto [problem, reason] = open.front();
        open.pop_front();
        for (int k = 0; k < 3 && made() < objects; ++k) {
            const std::string id = std::to_string(++counter);
            Option* option = problem->add_child_option("part" + id + "x", false);
            Option* argued = option;
            if (counter % 3 == 0) {
                argued = option->add_sub_option("piece" + id + "a");
                option->add_sub_option("piece" + id + "b");
            }
            Argument* argument = argued->add_child_argument(reason, true);
            argument->add_child_evidence(3, "prove" + id, "gear works", "function", 0.0, "-", 3, "", false);
            for (int d = 0; d < 2 && made() < objects; ++d) {
                Requirement* derived = argument->add_f_requirement("turn" + id, "gear " + std::to_string(d), false);
                open.emplace_back(derived->add_designproblem(), derived);
            }
        }
    }
    return project;
}

}  // namespace bench_support
