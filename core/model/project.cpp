#include "core/model/project.h"

#include <algorithm>

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/graph_order.h"
#include "core/model/mandate.h"
#include "core/model/model_batch.h"
#include "core/model/option.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/quantity/parameter.h"
#include "core/queries/node_filters.h"
#include "core/queries/node_lists.h"
#include "core/text/sentences.h"
#include "core/text/text_utils.h"

Project::Project(const std::string& project_name, const std::string& desc, const std::string& dir,
                 const std::string& file)
    : name(project_name), description(desc) {
    GCC::RP = this;
    set_directory(dir);
    set_filename(file);
    set_uid("");
    // A new project starts from the standard quantity types and the default
    // required level, whatever the previous project used.
    Parameter::reset_poss_parameters();
    ReadinessLevel::_reqd_lvl = 1;
    add_full_state();
}

Project::~Project() {
    // The graph dies quietly and touches no other project's registry; a
    // different current project stays current.
    Project* other = GCC::RP == this ? nullptr : GCC::RP;
    GCC::RP = this;
    clear_nd_map();
    GCC::RP = other;
}

std::string Project::get_nd_name() const { return GCC::prj_nd_name; }

UserStory* Project::add_user_story(const std::string& verb, const std::string& capability,
                                   const std::string& subject_text, const std::string& desc, bool auto_add_reqs) {
    auto* story = new UserStory(this, verb, capability, subject_text, desc, auto_add_reqs);
    NodeList changed;
    for (Node* s : children) {
        changed.push_back(s);
        for (Node* c : s->get_children()) {
            changed.push_back(c);
            for (Node* cc : c->get_children()) changed.push_back(cc);
        }
    }
    changed.push_back(this);
    // The subject may have renamed the integration requirements of the top options.
    const NodeList impacted = story->get_impacted_by_subject_change();
    changed.insert(changed.end(), impacted.begin(), impacted.end());
    add_uids_state(changed);
    return story;
}

std::vector<UserStory*> Project::get_child_user_stories() const { return MyFF::filter_user_stories(children); }

Mandate* Project::get_mandate() const {
    const auto stories = get_child_user_stories();
    return stories.empty() ? nullptr : stories.front()->get_child_mandate();
}

std::vector<Requirement*> Project::get_top_lvl_reqs() const {
    std::vector<Requirement*> requirements;
    if (Mandate* mandate = get_mandate()) {
        requirements = mandate->get_child_requirements();
    } else {
        for (UserStory* s : get_child_user_stories())
            for (Requirement* r : s->get_child_requirements()) requirements.push_back(r);
    }
    return MyFF::remove_duplicate_reqs(requirements);
}

std::vector<Requirement*> Project::get_top_lvl_goals() const {
    if (top_lvl_goals_while_recomputing) return *top_lvl_goals_while_recomputing;
    std::vector<Requirement*> goals;
    for (Requirement* r : get_top_lvl_reqs())
        if (r->is_goal()) goals.push_back(r);
    return goals;
}

std::vector<DesignProblem*> Project::get_top_designproblems() const {
    std::vector<DesignProblem*> problems;
    for (const Requirement* r : get_top_lvl_reqs())
        for (DesignProblem* dp : r->get_child_designproblems()) problems.push_back(dp);
    return MyFF::remove_duplicate_dprs(problems);
}

std::vector<Option*> Project::get_top_options(bool valid_only) const {
    std::vector<Option*> options;
    for (const DesignProblem* dp : get_top_designproblems())
        for (Option* o : dp->get_child_options(false))
            if (!valid_only || o->get_rlevel().is_valid()) options.push_back(o);
    return MyFF::remove_duplicate_options(options);
}

std::vector<Requirement*> Project::get_project_goals(bool all) const {
    std::vector<Requirement*> goals;
    for (Requirement* r : MyFF::filter_requirements(nd_map)) {
        if (!r->is_goal()) continue;
        bool refines = false;
        if (!all)
            for (const Argument* a : r->get_parent_arguments())
                if (const Requirement* above = a->get_parent_requirement();
                    above && above->is_goal() && above->get_par().get_type_int() == r->get_par().get_type_int())
                    refines = true;
        if (!refines) goals.push_back(r);
    }
    return goals;
}

std::vector<Option*> Project::get_options_that_need_int_req() const {
    std::vector<Option*> options;
    for (const auto& [key, n] : nd_map) {
        if (n->is_dpr()) {
            const auto* dp = static_cast<const DesignProblem*>(n);
            if (dp->get_siblings().size() > 1)
                for (Option* o : dp->get_child_options(false))
                    if (!o->get_integration_requirement()) options.push_back(o);
        } else if (n->is_opt()) {
            auto* o = static_cast<Option*>(n);
            if (o->get_parent_option() && !o->get_integration_requirement()) options.push_back(o);
        }
    }
    return options;
}

void Project::set_sel_uids(const NodeList& nodes) {
    sel_uids.clear();
    for (const Node* n : nodes)
        if (n) sel_uids.insert(n->get_uid());
}

NodeList Project::get_objects_with_string(const std::string& text, bool match_case, bool whole_word,
                                          bool exact_line) const {
    if (text.empty()) return {};
    std::string needle = MyStrF::_replace(text, "\n", " ");
    if (!match_case) needle = MyStrF::_toLowerCase(needle);
    auto search = [&](const std::string& word) {
        NodeList found;
        for (const auto& [key, n] : nd_map)
            if (MyStrF::_is_in_str(n->get_str(!match_case), word, whole_word)) found.push_back(n);
        return found;
    };
    if (exact_line) return search(needle);
    NodeList all;
    for (const std::string& word : MyStrF::_text_to_words(needle)) {
        NodeList found = search(word);
        all.insert(all.end(), found.begin(), found.end());
    }
    return MyFF::sort_with_uid(MyFF::remove_duplicate_uids(all));
}

std::string Project::get_txt() const {
    std::string text = get_nd_name() + " " + name;
    if (!description.empty()) text += "\n" + description;
    return text;
}

std::string Project::get_short_txt(size_t max_len) const { return MyStrF::_toMaxLengthWithPoints(name, max_len); }

std::string Project::get_str(bool lower) const {
    auto* self = const_cast<Project*>(this);
    std::string text = Node::get_str(false) + self->get_filename() + " " + self->get_directory() + " " +
                       self->get_export_directory();
    return lower ? MyStrF::_toLowerCase(text) : text;
}

void Project::recompute_all() {
    if (ModelBatch::active()) return;
    std::vector<Node*> roots;
    roots.reserve(nd_map.size());
    for (const auto& [key, n] : nd_map) roots.push_back(n);
    recompute_in_order(children_first(roots));
}

void Project::recompute_in_order(const std::vector<Node*>& children_first_order) {
    if (ModelBatch::active()) return;
    DesignProblem::ElectionPass elect_once;
    top_lvl_goals_while_recomputing = get_top_lvl_goals();
    for (Node* n : children_first_order) n->get_rlevel().recompute_local();
    top_lvl_goals_while_recomputing.reset();
}
