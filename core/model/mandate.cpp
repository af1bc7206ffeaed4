#include "core/model/mandate.h"

#include <algorithm>
#include <unordered_set>

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/model_batch.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/queries/node_filters.h"
#include "core/text/sentences.h"
#include "core/text/text_utils.h"

Mandate::Mandate(Node* parent, const std::string& rem, int32_t required_level, bool auto_add)
    : Node(parent), remark(rem) {
    ReadinessLevel::set_reqd_level(required_level);
    if (parent) {
        parent->get_subject();
        subject = parent->subject_ptr();
    }
    set_uid("");
    if (GCC::RP && !ModelBatch::active())
        for (UserStory* s : GCC::RP->get_child_user_stories()) add_parent(s, true);
    if (auto_add) auto_add_reqs();
}

Mandate::~Mandate() {
    // The required level follows the current project's mandate: without one it is 1.
    if (!GraphTeardown::active() && GCC::RP && GCC::RP->_get_pointer_to_node_with_uid(uid) == this) {
        ReadinessLevel::_reqd_lvl = 1;
        recompute_when_deletion_ends();
    }
}

std::string Mandate::get_nd_name() const { return GCC::man_nd_name; }

std::vector<UserStory*> Mandate::get_parent_user_stories() {
    std::vector<UserStory*> stories = MyFF::filter_user_stories(parents);
    if (!GCC::RP) return stories;
    const auto all = GCC::RP->get_child_user_stories();
    if (all.size() <= stories.size()) return stories;
    std::unordered_set<std::string> known;
    for (const UserStory* s : stories) known.insert(s->get_uid());
    for (UserStory* s : all) {
        if (known.count(s->get_uid())) continue;
        add_parent(s, true);
        stories.push_back(s);
    }
    return stories;
}

Requirement* Mandate::add_f_requirement(UserStory* story, bool record_undo) {
    auto* r = new Requirement(this, story);
    if (record_undo) make_uids_state({this, story, r});
    return r;
}

Requirement* Mandate::add_q_requirement(UserStory* story, uint32_t type, double value, uint16_t unit,
                                        uint16_t target, uint16_t goal_weight) {
    auto* r = new Requirement(this, story, type, value, unit, target, goal_weight);
    make_uids_state({this, story, r});
    return r;
}

Requirement* Mandate::add_q_requirement(const std::string& verb, const std::string& capability, uint32_t type,
                                        double value, uint16_t unit, uint16_t target, uint16_t goal_weight) {
    Requirement* r = nullptr;
    for (UserStory* s : get_parent_user_stories()) {
        if (s->get_verb_cap()->is_same_verb(verb) && s->get_verb_cap()->is_same_cap(capability)) {
            r = new Requirement(this, s->get_verb_cap(), type, value, unit, target, goal_weight);
            break;
        }
    }
    if (!r) r = new Requirement(this, verb, capability, type, value, unit, target, goal_weight);
    make_uids_state({this, r});
    return r;
}

void Mandate::auto_add_reqs() {
    for (UserStory* s : get_parent_user_stories())
        if (!s->has_derived_requirement()) add_f_requirement(s, false);
}

std::vector<Requirement*> Mandate::get_child_requirements() const { return MyFF::filter_requirements(children); }

NodeList Mandate::get_nodes_that_lack_evd(int32_t min_level) const {
    NodeList result;
    if (!GCC::RP) return result;
    const auto& registry = GCC::RP->get_nd_map();
    for (const auto& [key, n] : registry) {
        if (!n->is_evd()) continue;
        if (min_level >= 0 && n->get_rlevel().get_min_level(false) >= min_level) continue;
        const auto& ps = n->get_parents();
        const bool invalidated = std::any_of(ps.begin(), ps.end(), [](const Node* p) {
            return p->is_arg() && !static_cast<const Argument*>(p)->get_validates();
        });
        if (!invalidated) result.push_back(n);
    }
    for (const auto& [key, n] : registry) {
        if (n->is_evd() || !n->get_children().empty()) continue;
        if (n->is_arg() && !static_cast<const Argument*>(n)->get_validates()) continue;
        if (min_level >= 0 && n->get_rlevel().get_min_level(false) >= min_level) continue;
        result.push_back(n);
    }
    return result;
}

std::string Mandate::get_txt() const {
    const uint16_t level = ReadinessLevel::get_reqd_level();
    std::string text = "The " + get_subject() + " must be developed to readiness level " + std::to_string(level) +
                       " (" + ReadinessLevel::get_reqd_level_txt_ptr() + ").";
    if (!remark.empty()) text += "\n" + remark + ".";
    return text;
}

std::string Mandate::get_short_txt(size_t max_len) const {
    return MyStrF::_toMaxLengthWithPoints(
        get_subject() + " readiness level " + std::to_string(ReadinessLevel::get_reqd_level()), max_len);
}

std::string Mandate::get_str(bool lower) const {
    std::string text = Node::get_str(false) + ReadinessLevel::get_reqd_level_txt_ptr();
    return lower ? MyStrF::_toLowerCase(text) : text;
}
