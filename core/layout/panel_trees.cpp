#include "core/layout/panel_trees.h"

#include <vector>

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/queries/node_lists.h"

namespace MyFF {
namespace {

bool can_build(const Node* selected, int gap, int box_width, int box_height) {
    return selected && GCC::RP && gap > 0 && box_width > 0 && box_height > 0;
}

bool with_integration_requirements() { return GCC::RP->get_settings().get_incl_int_req(); }

std::vector<DesignProblem*> problems_below(const std::vector<Requirement*>& requirements) {
    std::vector<DesignProblem*> problems;
    for (const Requirement* r : requirements)
        for (DesignProblem* dp : r->get_child_designproblems()) problems.push_back(dp);
    return remove_duplicate_dprs(problems);
}

// The integration requirement (when shown) and then the requirements that the
// option's arguments derive, each once.
std::vector<Requirement*> requirements_of_option(const Option* option) {
    std::vector<Requirement*> requirements;
    if (with_integration_requirements())
        if (Requirement* integration = option->get_integration_requirement()) requirements.push_back(integration);
    for (const Argument* a : option->get_child_arguments())
        for (Requirement* r : a->get_child_requirements()) requirements.push_back(r);
    return remove_duplicate_reqs(requirements);
}

// One tree under construction: the elements made and the uids placed, so that
// a node gets one element and its other places get links. Each add_* places
// the nodes below el and expands every element made for them.
class TreeBuild {
public:
    explicit TreeBuild(Node* selected) : root(new TreeEl(selected)) {}

    TreeEl* const root;
    TreeElList made;
    PlacedUids placed;

    void add_requirements_with_problems(TreeEl* el, const std::vector<Requirement*>& requirements) {
        place_all(el, requirements, [&](Requirement* r, TreeEl* child) { r->dpr_req_tree(child, made, placed); });
    }

    void add_problems_with_options(TreeEl* el, const std::vector<DesignProblem*>& problems) {
        place_all(el, problems, [&](DesignProblem* dp, TreeEl* child) { dp->opt_dpr_tree(child, made, placed); });
    }

    void add_requirements_with_arguments(TreeEl* el, const std::vector<Requirement*>& requirements) {
        place_all(el, requirements, [&](Requirement* r, TreeEl* child) { r->arg_req_tree(child, made, placed); });
    }

    // The option's integration requirement (when shown), then its arguments.
    void add_option_arguments(TreeEl* el, const Option* option) {
        if (with_integration_requirements())
            if (Requirement* integration = option->get_integration_requirement())
                add_requirements_with_arguments(el, {integration});
        place_all(el, option->get_child_arguments(),
                  [&](Argument* a, TreeEl* child) { a->req_arg_tree(child, made, placed); });
    }

    // Sub-options get plain elements, outside the once-only bookkeeping, and
    // below each what fill gives that sub-option; an option without
    // sub-options gets it below the root.
    template <class Fill>
    void per_sub_option(Option* option, Fill fill) {
        const auto subs = option->get_sub_options(false);
        if (subs.empty()) {
            fill(root, option);
            return;
        }
        for (Option* sub : subs) fill(root->add_child(sub), sub);
    }

private:
    template <class T, class Expand>
    void place_all(TreeEl* el, const std::vector<T*>& nodes, Expand expand) {
        for (T* node : nodes)
            if (TreeEl* child = el->add_child(node, made, placed)) expand(node, child);
    }
};

TreeEl* laid_out(TreeEl* root, int gap, int box_width, int box_height) {
    root->calculate_pos(gap, box_width, box_height, true);
    return root;
}

TreeEl* problems_tree(Node* selected) {
    if (selected->is_prj()) return static_cast<Project*>(selected)->create_dpr_req_tree();
    TreeBuild build(selected);
    TreeEl* root = build.root;
    if (selected->is_dpr()) {
        static_cast<DesignProblem*>(selected)->req_dpr_tree(root, build.made, build.placed);
    } else if (selected->is_req()) {
        static_cast<Requirement*>(selected)->dpr_req_tree(root, build.made, build.placed);
    } else if (selected->is_opt()) {
        build.per_sub_option(static_cast<Option*>(selected), [&](TreeEl* el, const Option* option) {
            build.add_requirements_with_problems(el, requirements_of_option(option));
        });
    } else if (selected->is_arg()) {
        build.add_requirements_with_problems(root, static_cast<Argument*>(selected)->get_child_requirements());
    } else if (selected->is_man()) {
        build.add_requirements_with_problems(root, GCC::RP->get_top_lvl_reqs());
    } else if (selected->is_usy()) {
        build.add_requirements_with_problems(root, static_cast<UserStory*>(selected)->get_child_requirements());
    }
    return root;
}

TreeEl* options_tree(Node* selected) {
    if (selected->is_prj()) return static_cast<Project*>(selected)->create_opt_dpr_tree();
    TreeBuild build(selected);
    TreeEl* root = build.root;
    if (selected->is_dpr()) {
        static_cast<DesignProblem*>(selected)->opt_dpr_tree(root, build.made, build.placed);
    } else if (selected->is_req()) {
        build.add_problems_with_options(root, static_cast<Requirement*>(selected)->get_child_designproblems());
    } else if (selected->is_opt()) {
        static_cast<Option*>(selected)->dpr_opt_tree(root, build.made, build.placed);
    } else if (selected->is_arg()) {
        build.add_problems_with_options(root,
                                        problems_below(static_cast<Argument*>(selected)->get_child_requirements()));
    } else if (selected->is_man()) {
        build.add_problems_with_options(root, GCC::RP->get_top_designproblems());
    } else if (selected->is_usy()) {
        build.add_problems_with_options(root,
                                        problems_below(static_cast<UserStory*>(selected)->get_child_requirements()));
    }
    return root;
}

TreeEl* requirements_tree(Node* selected) {
    if (selected->is_prj()) return static_cast<Project*>(selected)->create_req_arg_tree();
    TreeBuild build(selected);
    TreeEl* root = build.root;
    if (selected->is_dpr()) {
        for (const Option* o : static_cast<DesignProblem*>(selected)->get_child_options(false))
            build.add_option_arguments(root, o);
    } else if (selected->is_req()) {
        static_cast<Requirement*>(selected)->arg_req_tree(root, build.made, build.placed);
    } else if (selected->is_opt()) {
        build.per_sub_option(static_cast<Option*>(selected),
                             [&](TreeEl* el, const Option* option) { build.add_option_arguments(el, option); });
    } else if (selected->is_arg()) {
        static_cast<Argument*>(selected)->req_arg_tree(root, build.made, build.placed);
    } else if (selected->is_man()) {
        build.add_requirements_with_arguments(root, GCC::RP->get_top_lvl_reqs());
    } else if (selected->is_usy()) {
        build.add_requirements_with_arguments(root, static_cast<UserStory*>(selected)->get_child_requirements());
    }
    return root;
}

}  // namespace

TreeEl* get_problems_panel_tree(Node* selected, int gap, int box_width, int box_height) {
    if (!can_build(selected, gap, box_width, box_height)) return nullptr;
    TreeEl* root = problems_tree(selected);
    root->group_children_with_same_grandchild();
    return laid_out(root, gap, box_width, box_height);
}

TreeEl* get_options_panel_tree(Node* selected, int gap, int box_width, int box_height) {
    if (!can_build(selected, gap, box_width, box_height)) return nullptr;
    return laid_out(options_tree(selected), gap, box_width, box_height);
}

TreeEl* get_requirements_panel_tree(Node* selected, int gap, int box_width, int box_height) {
    if (!can_build(selected, gap, box_width, box_height)) return nullptr;
    return laid_out(requirements_tree(selected), gap, box_width, box_height);
}

}  // namespace MyFF
