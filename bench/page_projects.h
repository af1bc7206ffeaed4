#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "bench/generated_project.h"
#include "core/model/graph_builder.h"
#include "core/model/project.h"
#include "core/text/number_format.h"
#include "ui/geometry/pages.h"

// Generated projects whose tab page shows about 100, 1,000 or 5,000 boxes,
// one kind per page.
namespace bench_support {

// Many user stories, each with three top-level requirements: the Project page
// shows 2 + 4 x stories boxes. Built in one pass through GraphBuilder: every
// story added through the model records an undo state of all stories and
// what hangs below them, which makes a thousand stories slow to build.
inline std::unique_ptr<Project> stories_project(int stories) {
    auto project = std::make_unique<Project>("Stories", "benchmark project");
    GraphBuilder builder(*project);
    using Sharing = GraphBuilder::SubjectSharing;
    builder.set_subject(project.get(), "machine", Sharing::Own);
    uint32_t counter = 0;
    auto adopt = [&](Node* node, const char* kind, std::vector<std::string> parents) {
        builder.adopt(node, std::string(kind) + "_2024_03_07_14_05_09_" +
                                MyStrF::_intToStringWithLength(static_cast<int>(++counter), 8));
        builder.set_links(node, std::move(parents), {});
        builder.set_subject(node, "", Sharing::WithSource);
    };
    std::vector<UserStory*> made;
    std::vector<std::string> story_uids;
    for (int s = 0; s < stories; ++s) {
        const std::string verb = "act" + std::to_string(s);
        auto* story = new UserStory(nullptr, verb, "well", "", "", false);
        adopt(story, "USY", {project->get_uid()});
        builder.set_verb_capability(story, verb, "well", 0);
        made.push_back(story);
        story_uids.push_back(story->get_uid());
    }
    auto* mandate = new Mandate(nullptr, "", 1, false);
    adopt(mandate, "MAN", story_uids);
    for (UserStory* story : made)
        for (int r = 0; r < 3; ++r) {
            auto* requirement = new Requirement(nullptr, "", "");
            adopt(requirement, "REQ", {mandate->get_uid(), story->get_uid()});
            builder.set_verb_capability(requirement, story->get_verb_cap()->get_verb(), "well", 0);
        }
    builder.finish();
    return project;
}

// One design problem answering `requirements` requirements with one option
// split into `parts` sub-options, each arguing every requirement with a
// derived requirement and a piece of evidence: the Validation page of the
// option shows 2 + 2 parts + requirements + 3 parts x requirements boxes.
inline std::unique_ptr<Project> validation_project(int parts, int requirements, Node*& shown) {
    auto project = std::make_unique<Project>("Validation", "benchmark project");
    UserStory* story = project->add_user_story("act", "well", "machine", "", false);
    Mandate* mandate = story->add_mandate("", 1, false);
    std::vector<Requirement*> reasons;
    for (int r = 0; r < requirements; ++r) reasons.push_back(mandate->add_f_requirement(story, false));
    DesignProblem* problem = reasons.front()->add_designproblem();
    for (size_t r = 1; r < reasons.size(); ++r) reasons[r]->add_to_existing_designproblem(problem);
    Option* top = problem->add_child_option("whole", false);
    for (int p = 0; p < parts; ++p) {
        Option* part = top->add_sub_option("part" + std::to_string(p));
        for (Requirement* reason : reasons) {
            Argument* argument = part->add_child_argument(reason, true);
            argument->add_f_requirement("hold", "part" + std::to_string(p), false);
            argument->add_child_evidence(3, "prove", "part works", "function", 0.0, "-", 3, "", false);
        }
    }
    shown = top;
    return project;
}

// `layers` layers of `width` requirements, each opening a problem with two
// options; the first argues the requirement with evidence and derives the
// next layer's requirement. The V-diagram shows about layers x (3 width + 7)
// boxes: one shown requirement with its stack, and per problem the shown
// option, its shadow and its evidence.
inline std::unique_ptr<Project> layered_project(int layers, int width) {
    auto project = std::make_unique<Project>("Layers", "benchmark project");
    UserStory* story = project->add_user_story("act", "well", "machine", "", false);
    Mandate* mandate = story->add_mandate("", 1, false);
    std::vector<Requirement*> layer;
    for (int r = 0; r < width; ++r) layer.push_back(mandate->add_f_requirement(story, false));
    for (int l = 0; l < layers; ++l) {
        std::vector<Requirement*> next;
        for (Requirement* reason : layer) {
            DesignProblem* problem = reason->add_designproblem();
            Option* chosen = problem->add_child_option("chosen", false);
            problem->add_child_option("other", false);
            Argument* argument = chosen->add_child_argument(reason, true);
            argument->add_child_evidence(3, "prove", "it works", "function", 0.0, "-", 3, "", false);
            if (l + 1 < layers) next.push_back(argument->add_f_requirement("hold", "load", false));
        }
        layer = std::move(next);
    }
    return project;
}

// A project for the page with about `boxes` boxes on it, and the object the
// page is drawn from (null: nothing selected). The project is the current one.
struct PageProject {
    std::unique_ptr<Project> project;
    Node* selected = nullptr;
};

inline PageProject page_project(page_geometry::TabPage page, int64_t boxes) {
    using page_geometry::TabPage;
    PageProject made;
    const int size_class = boxes <= 100 ? 0 : boxes <= 1000 ? 1 : 2;
    switch (page) {
        case TabPage::Project: made.project = stories_project(std::vector{25, 250, 1250}[size_class]); break;
        case TabPage::Validation: {
            const int parts[] = {4, 10, 20};
            const int requirements[] = {7, 32, 80};
            made.project = validation_project(parts[size_class], requirements[size_class], made.selected);
            break;
        }
        case TabPage::VDiagram: {
            const int layers[] = {3, 10, 20};
            const int width[] = {10, 31, 80};
            made.project = layered_project(layers[size_class], width[size_class]);
            break;
        }
        // The tree pages draw a different share of a generated project.
        case TabPage::Problems:
            made.project = generated_project(std::vector<size_t>{140, 1380, 6900}[size_class]);
            break;
        case TabPage::Options:
            made.project = generated_project(std::vector<size_t>{250, 2500, 12500}[size_class]);
            break;
        case TabPage::Requirements:
            made.project = generated_project(std::vector<size_t>{135, 1330, 6600}[size_class]);
            break;
    }
    return made;
}

}  // namespace bench_support
