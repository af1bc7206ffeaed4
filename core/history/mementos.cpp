#include "core/history/mementos.h"

#include <bit>
#include <cstdint>
#include <functional>

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/evidence.h"
#include "core/model/mandate.h"
#include "core/model/project.h"
#include "core/model/user_story.h"
#include "core/model/verb_cap_param_base.h"

namespace {
std::vector<std::string> uids_of(const NodeList& nodes) {
    std::vector<std::string> uids;
    uids.reserve(nodes.size());
    for (const Node* n : nodes) uids.push_back(n->get_uid());
    return uids;
}
bool same_uids(const std::vector<std::string>& uids, const NodeList& nodes) {
    if (uids.size() != nodes.size()) return false;
    for (size_t i = 0; i < uids.size(); ++i)
        if (uids[i] != nodes[i]->get_uid()) return false;
    return true;
}

// Field by field as the constructors below take them, without copying any.
bool same_common(const MC_NDE& m, const Node* n) {
    return m.acronym == n->get_nd_type() && m.uid == n->get_uid() && m.tooltip == n->get_tooltip_txt() &&
           same_uids(m.parent_uids, n->get_parents()) && same_uids(m.child_uids, n->get_children()) &&
           m.authors == n->get_authors() && m.comments == n->get_comments() && m.ref_ids == n->get_ref_ids() &&
           m.subject == *n->subject_ptr() && m.subject_shared_with_source == shares_subject_with_source(n);
}

bool same_phrase(const MC_VCB& m, const Node* n) {
    const auto& vc = static_cast<const VerbCapBase*>(n)->get_verb_cap();
    return m.verb == vc->get_verb() && m.capability == vc->get_capability() && m.vc_group == vc->get_group();
}

// Bit for bit: a restored -0 or NaN must be the value that was kept.
bool same_number(double a, double b) { return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b); }

bool same_quantity(const MC_REQ& m, const Node* n) {
    const Parameter& par = static_cast<const VerbCapParamBase*>(n)->get_par();
    return m.goal_weight == par.get_goal_weight() && m.type == static_cast<int32_t>(par.get_type_int()) &&
           m.unit == par.get_unit_int() && same_number(m.value, par.get_value()) &&
           same_number(m.base_value, par.get_base_value()) && m.target == par.get_target_int();
}

}  // namespace

bool still_describes(const MC_NDE& memento, const Node* node) {
    if (node->is_prj() || !same_common(memento, node)) return false;
    if (node->is_usy()) {
        const auto& m = static_cast<const MC_USY&>(memento);
        return same_phrase(m, node) && m.description == static_cast<const UserStory*>(node)->get_description();
    }
    if (node->is_man()) {
        const auto& m = static_cast<const MC_MAN&>(memento);
        return m.remark == static_cast<const Mandate*>(node)->get_remark() &&
               m.reqd_level == ReadinessLevel::get_reqd_level();
    }
    if (node->is_req()) {
        const auto& m = static_cast<const MC_REQ&>(memento);
        return same_phrase(m, node) && same_quantity(m, node);
    }
    if (node->is_arg())
        return static_cast<const MC_ARG&>(memento).validates == static_cast<const Argument*>(node)->get_validates();
    if (node->is_evd()) {
        const auto& m = static_cast<const MC_EVD&>(memento);
        return same_phrase(m, node) && same_quantity(m, node) &&
               m.achieved_level == node->get_rlevel().get_min_level(false);
    }
    return node->is_dpr() || node->is_opt();
}

MC_NDE::MC_NDE(const Node* node)
    : MC(false, true),
      uid_hash(std::hash<std::string>{}(node->get_uid())),
      uid(node->get_uid()),
      tooltip(node->get_tooltip_txt()),
      parent_uids(uids_of(node->get_parents())),
      child_uids(uids_of(node->get_children())),
      authors(node->get_authors()),
      comments(node->get_comments()),
      ref_ids(node->get_ref_ids()),
      subject(node->get_subject()) {
    acronym = node->get_nd_type();
    subject_shared_with_source = shares_subject_with_source(node);
}

bool shares_subject_with_source(const Node* node) {
    const Node* source = node->get_subject_source();
    return source && source->subject_ptr() == node->subject_ptr();
}

MC_VCB::MC_VCB(const Node* node) : MC_NDE(node) {
    const auto& vc = static_cast<const VerbCapBase*>(node)->get_verb_cap();
    verb = vc->get_verb();
    capability = vc->get_capability();
    vc_group = vc->get_group();
}

MC_USY::MC_USY(const Node* node) : MC_VCB(node), description(static_cast<const UserStory*>(node)->get_description()) {}

MC_MAN::MC_MAN(const Node* node)
    : MC_NDE(node), remark(static_cast<const Mandate*>(node)->get_remark()), reqd_level(ReadinessLevel::get_reqd_level()) {}

MC_REQ::MC_REQ(const Node* node) : MC_VCB(node) {
    const Parameter& par = static_cast<const VerbCapParamBase*>(node)->get_par();
    goal_weight = par.get_goal_weight();
    type = static_cast<int32_t>(par.get_type_int());
    unit = par.get_unit_int();
    value = par.get_value();
    base_value = par.get_base_value();
    target = par.get_target_int();
}

MC_EVD::MC_EVD(const Node* node) : MC_REQ(node), achieved_level(node->get_rlevel().get_min_level(false)) {}

MC_ARG::MC_ARG(const Node* node) : MC_NDE(node), validates(static_cast<const Argument*>(node)->get_validates()) {}

MC_OPT::MC_OPT(const Node* node) : MC_NDE(node) {}

MC_PRJ::MC_PRJ(const Node* node) : MC_NDE(node) {
    const auto* project = static_cast<const Project*>(node);
    name = project->get_name();
    description = project->get_description();
    shown_uids = project->get_shown_uids();
    sel_uids = project->get_sel_uids();
    settings = project->get_settings();
    references = project->get_references();
}

MC_PPA::MC_PPA(std::vector<std::vector<bool>> flags) : MC(true, false), active_flags(std::move(flags)) {
    acronym = "PPA";
}

MC_CPU::MC_CPU(const PossPar& type, uint64_t index) : MC(true, false), type_index(index) {
    acronym = "PPU";
    for (size_t u = 0; u < type.unit_count(); ++u) {
        if (!type.unit_is_custom[u]) continue;
        unit_symbols.push_back(type.unit_symbols[u]);
        factors.push_back(type.factors[u]);
        deltas.push_back(type.deltas[u]);
        unit_active.push_back(type.unit_is_active[u]);
    }
}

MC_CPP::MC_CPP(const PossPar& type) : MC_CPU(type, 0), name(type.name), target_texts(type.target_texts) {
    acronym = "PPN";
}
