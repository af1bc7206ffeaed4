#include "core/model/argument.h"

#include <unordered_set>

#include "core/constants/gcc.h"
#include "core/layout/tree_walk.h"
#include "core/model/evidence.h"
#include "core/model/option.h"
#include "core/model/requirement.h"
#include "core/queries/node_filters.h"
#include "core/queries/node_lists.h"
#include "core/text/number_format.h"
#include "core/text/sentences.h"
#include "core/text/text_utils.h"

Argument::Argument(Option* option, Node* requirement, bool value) : Node(option) {
    set_uid("");
    add_parent(requirement, true);
    validates = value;
    // Its option counted it before it had its requirement and its value.
    rlevel.update();
}

Argument::~Argument() = default;

std::string Argument::get_nd_name() const { return GCC::arg_nd_name; }

void Argument::set_validates(bool value) {
    validates = value;
    rlevel.update();
}

Requirement* Argument::get_parent_requirement() const { return MyFF::filter_requirement(parents); }

std::vector<Option*> Argument::get_parent_options(bool with_ancestors) const {
    std::vector<Option*> options;
    for (Option* o : MyFF::filter_options(parents)) {
        options.push_back(o);
        if (with_ancestors)
            for (Option* up : o->get_parent_options()) options.push_back(up);
    }
    return options;
}

std::vector<Requirement*> Argument::get_child_requirements() const { return MyFF::filter_requirements(children); }

std::vector<Evidence*> Argument::get_child_evidences() const { return MyFF::filter_evidences(children); }

void Argument::link_existing_requirement(Requirement* requirement) { add_child(requirement, true); }

void Argument::link_existing_evidence(Evidence* evidence) { add_child(evidence, true); }

namespace {
NodeList potential_children(const Argument& self) {
    std::unordered_set<std::string> own;
    for (const Node* c : self.get_children()) own.insert(c->get_uid());
    NodeList candidates;
    for (const Option* o : self.get_parent_options(false))
        for (const Argument* a : o->get_child_arguments()) {
            for (Requirement* r : a->get_child_requirements()) candidates.push_back(r);
            for (Evidence* e : a->get_child_evidences()) candidates.push_back(e);
        }
    return MyFF::remove_duplicate_uids(candidates, own);
}
}  // namespace

std::vector<Requirement*> Argument::get_potential_child_requirements() const {
    return MyFF::filter_requirements(potential_children(*this));
}

std::vector<Evidence*> Argument::get_potential_child_evidences() const {
    return MyFF::filter_evidences(potential_children(*this));
}

Requirement* Argument::add_f_requirement(const std::string& verb, const std::string& capability, bool record_undo) {
    auto* r = new Requirement(this, verb, capability);
    if (record_undo) make_uids_state({this, r});
    return r;
}

Requirement* Argument::add_q_requirement(const std::string& verb, const std::string& capability,
                                         const std::string& type_name, double value, const std::string& unit_symbol,
                                         uint16_t target, uint16_t goal_weight, bool record_undo) {
    auto* r = new Requirement(this, verb, capability, type_name, value, unit_symbol, target, goal_weight);
    if (record_undo) make_uids_state({this, r});
    return r;
}

Requirement* Argument::add_q_requirement(const std::string& verb, const std::string& capability, uint32_t type,
                                         double value, uint16_t unit, uint16_t target, uint16_t goal_weight) {
    Requirement* parent = get_parent_requirement();
    Requirement* r = nullptr;
    if (parent && parent->get_verb_cap()->is_same_verb(verb) && parent->get_verb_cap()->is_same_cap(capability))
        r = new Requirement(this, parent->get_verb_cap(), type, value, unit, target, goal_weight);
    else
        r = new Requirement(this, verb, capability, type, value, unit, target, goal_weight);
    make_uids_state({this, r});
    return r;
}

Evidence* Argument::add_child_evidence(int32_t level, const std::string& verb, const std::string& capability,
                                       const std::string& type_name, double value, const std::string& unit_symbol,
                                       uint16_t target, const std::string& tooltip, bool record_undo) {
    auto* e = new Evidence(this, level, verb, capability, type_name, value, unit_symbol, target, tooltip);
    if (record_undo) make_uids_state({this, e});
    return e;
}

Evidence* Argument::add_child_evidence(int32_t level, const std::string& verb, const std::string& capability,
                                       uint32_t type, double value, uint16_t unit, uint16_t target,
                                       const std::string& tooltip) {
    auto* e = new Evidence(this, level, verb, capability, type, value, unit, target, tooltip);
    make_uids_state({this, e});
    return e;
}

void Argument::req_arg_tree(TreeEl* el, TreeElList& made, PlacedUids& placed) {
    TreeWalk::run(made, placed, [&](TreeWalk& walk) { req_arg_tree(el, walk); });
}

void Argument::req_arg_tree(TreeEl* el, TreeWalk& walk) {
    std::vector<TreeWalk::Step> steps;
    for (Requirement* r : get_child_requirements())
        steps.push_back(TreeWalk::place(el, r, &Requirement::arg_req_tree, true));
    for (Evidence* e : get_child_evidences()) steps.push_back(TreeWalk::place(el, e));
    walk.expand(std::move(steps));
}

std::string Argument::get_txt() const {
    const Requirement* requirement = get_parent_requirement();
    if (!requirement) return "<<no parent Requirement>>";
    const auto options = get_parent_options(true);
    if (options.empty()) return "<<no parent Option>>";
    std::string text = MyStrF::_addArticle(options.front()->get_subject(), true);
    for (size_t i = 1; i < options.size(); ++i) text += " of " + MyStrF::_addArticle(options[i]->get_subject(), false);
    const auto& vc = *requirement->get_verb_cap();
    const std::string verb = vc.get_verb().empty() ? "is" : vc.get_verb();
    text += " " + (validates ? MyStrF::_to_third_person_singular(verb) : MyStrF::_to_denial_verb(verb));
    if (!vc.get_capability().empty()) text += " " + vc.get_capability();
    if (!requirement->is_functional()) {
        const Parameter& par = requirement->get_par();
        text += " with " + MyStrF::_addArticle(par.get_type(), false) + " " + par.get_target_txt();
        if (!requirement->is_goal()) text += " " + MyStrF::_double_to_string(par);
    }
    if (validates) return text + " if:";
    return text + (children.empty() ? "." : " because:");
}

std::string Argument::get_short_txt(size_t max_len) const {
    std::string text;
    const auto options = get_parent_options(true);
    if (!options.empty()) {
        text = MyStrF::_capitalFirstLetter(options.front()->get_subject());
        if (options.size() > 1) {
            text += "(";
            for (size_t i = 1; i < options.size(); ++i) text += (i > 1 ? ", " : "") + options[i]->get_subject();
            text += ")";
        }
    }
    if (const Requirement* requirement = get_parent_requirement()) {
        const auto& vc = *requirement->get_verb_cap();
        const Parameter& par = requirement->get_par();
        text += " " + vc.get_verb() + " " + vc.get_capability();
        if (requirement->is_goal())
            text += " " + par.get_target_symbol() + " " + par.get_type();
        else if (!requirement->is_functional())
            text += " " + par.get_type() + " " + par.get_target_symbol() + " " + MyStrF::_double_to_string(par);
    } else {
        text += "\n\n<<no parent Requirement>>\n";
    }
    return MyStrF::_toMaxLengthWithPoints(text, max_len);
}

std::string Argument::get_str(bool lower) const {
    std::string text = Node::get_str(false) + get_short_txt(0) + " " + MyStrF::_bool_to_string(validates);
    return lower ? MyStrF::_toLowerCase(text) : text;
}
