#include "tests/support/core/random_editor.h"

#include "core/model/argument.h"
#include "core/model/deletion_record.h"
#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/readiness_level.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/quantity/parameter.h"
#include "core/text/number_format.h"

namespace history_testing {
namespace {

std::string decimal(size_t value) { return MyStrF::_intToStringWithLength(static_cast<int>(value), 1); }

const std::vector<std::string> verbs = {"open", "close", "lock"};
const std::vector<std::string> capabilities = {"remotely", "quietly", "safely"};
const std::vector<std::string> subjects = {"gate", "motor", "frame", "sensor"};
const std::vector<double> values = {0.5, 1.0, 2.5, 10.0, 1.0011, 1.0014, 1001.4};

bool is_story(const Node* n) { return n->is_usy(); }
bool is_requirement(const Node* n) { return n->is_req(); }
bool is_problem(const Node* n) { return n->is_dpr(); }
bool is_option(const Node* n) { return n->is_opt(); }
bool is_argument(const Node* n) { return n->is_arg(); }
bool is_quantified(const Node* n) { return n->is_req() || n->is_evd(); }
bool is_phrased(const Node* n) { return n->is_usy() || n->is_evd() || (n->is_req() && !static_cast<const Requirement*>(n)->is_int()); }
bool has_subject_command(const Node* n) { return is_phrased(n) || n->is_opt(); }
bool is_object(const Node* n) { return !n->is_prj(); }
bool is_anything(const Node*) { return true; }
bool is_evidence(const Node* n) { return n->is_evd(); }
bool is_requirement_or_evidence_holder(const Node* n) { return n->is_arg() && !n->get_children().empty(); }
bool is_project(const Node* n) { return n->is_prj(); }
bool is_mandate(const Node* n) { return n->is_man(); }
bool is_top_option(const Node* n) { return n->is_opt() && !static_cast<const Option*>(n)->get_parent_option(); }
bool is_sub_option(const Node* n) { return n->is_opt() && static_cast<const Option*>(n)->get_parent_option(); }
bool is_top_requirement(const Node* n) { return n->is_req() && static_cast<const Requirement*>(n)->is_tlr(); }
bool is_derived_requirement(const Node* n) { return n->is_req() && !static_cast<const Requirement*>(n)->is_tlr(); }

using KindTest = bool (*)(const Node*);

// What a paste copies below what (the copy rules), then what it fills with
// the values of an object of the same kind.
const std::vector<std::pair<KindTest, KindTest>> paste_pairs = {
    {is_story, is_project},        {is_requirement, is_story},       {is_problem, is_requirement},
    {is_option, is_problem},       {is_sub_option, is_top_option},   {is_requirement, is_option},
    {is_requirement, is_argument}, {is_evidence, is_argument},       {is_story, is_story},
    {is_mandate, is_mandate},      {is_requirement, is_requirement}, {is_problem, is_problem},
    {is_option, is_option},        {is_argument, is_argument},       {is_evidence, is_evidence},
};

// Every level of the graph, so that each kind is deleted as often as any other.
const std::vector<KindTest> deletable_kinds = {
    is_story,      is_mandate,  is_top_requirement, is_derived_requirement, is_problem, is_top_option,
    is_sub_option, is_argument, is_evidence,
};

const std::vector<std::string> units = {"N", "kg", "bar", "m", "s", "", "furlong"};
const std::vector<std::string> targets = {"at least", "at most", "equal to", "minimal", "maximal", "", "above"};
const std::vector<std::string> numbers = {"2", "0.5", "200.0", "", "12e3", "-4", "many"};

// Whether node is root or lies below it (a paste there is refused with a message).
bool is_below(const Node* node, const Node* root) {
    std::vector<const Node*> pending{node};
    while (!pending.empty()) {
        const Node* n = pending.back();
        pending.pop_back();
        if (n == root) return true;
        pending.insert(pending.end(), n->get_parents().begin(), n->get_parents().end());
    }
    return false;
}

}  // namespace

std::vector<Node*> RandomEditor::objects(Project& project, bool (*kind)(const Node*)) {
    std::vector<Node*> found;
    for (const auto& [uid, node] : project.get_nd_map())
        if (kind(node)) found.push_back(node);
    return found;
}

std::string RandomEditor::edit(Project& project) {
    using Edit = std::string (RandomEditor::*)(Project&);
    static const Edit edits[] = {
        &RandomEditor::add_story,        &RandomEditor::add_mandate,     &RandomEditor::add_requirement,
        &RandomEditor::add_requirement,  &RandomEditor::add_design_problem, &RandomEditor::link_requirement,
        &RandomEditor::add_option,       &RandomEditor::add_option,      &RandomEditor::add_sub_option,
        &RandomEditor::add_argument,     &RandomEditor::add_argument,    &RandomEditor::add_evidence,
        &RandomEditor::add_evidence,     &RandomEditor::toggle_validates, &RandomEditor::change_quantity,
        &RandomEditor::change_subject,   &RandomEditor::change_verb,     &RandomEditor::add_comment,
        &RandomEditor::delete_object,    &RandomEditor::add_custom_type, &RandomEditor::add_derived_requirement,
        &RandomEditor::add_derived_requirement, &RandomEditor::link_existing_child, &RandomEditor::unlink_child,
        &RandomEditor::change_evidence_level, &RandomEditor::change_capability, &RandomEditor::change_to_functional,
        &RandomEditor::paste,            &RandomEditor::add_custom_unit,
    };
    // A long session stays at a size where every step is quick: past it,
    // every other edit is a deletion.
    if (project.get_nd_map().size() > size_limit && coin()) return delete_object(project);
    return (this->*edits[below(std::size(edits))])(project);
}

void RandomEditor::grow_layers(Project& project, int depth) {
    constexpr uint32_t type = 2;
    auto target = [&] { return static_cast<uint16_t>(below(7)); };
    auto weight = [&] { return static_cast<uint16_t>(1 + below(100)); };
    auto value = [&] { return values[below(values.size())]; };
    UserStory* story = project.add_user_story(any_of(verbs), any_of(capabilities), any_of(subjects), "why", false);
    // At level 0 every option is valid, those that argue nothing too.
    Mandate* mandate = story->add_mandate("remark", static_cast<int>(below(2)), false);
    std::vector<std::pair<Requirement*, DesignProblem*>> layer;
    for (int i = 0; i < 2; ++i) {
        Requirement* r = mandate->add_q_requirement(story, type, value(), 0, target(), weight());
        layer.emplace_back(r, r->add_designproblem());
    }
    for (int level = 1; level <= depth; ++level) {
        std::vector<std::pair<Requirement*, DesignProblem*>> next;
        for (const auto& [reason, problem] : layer) {
            // Some problems, and those of the last layer, are elected among
            // options that argue nothing.
            const bool argues = level < depth && below(3) != 0;
            for (int k = 0; k < 2; ++k) {
                Option* option = problem->add_child_option(any_of(subjects), true);
                std::vector<Option*> argued{option};
                if (coin()) argued = {option->add_sub_option(any_of(subjects)), option->add_sub_option(any_of(subjects))};
                if (!argues) continue;
                for (Option* o : argued) {
                    Argument* argument = o->add_child_argument(reason, below(4) != 0);
                    argument->add_child_evidence(static_cast<int>(1 + below(9)), any_of(verbs),
                                                 any_of(capabilities), type, value(), 0, target(), "");
                    const auto& phrase = reason->get_verb_cap();
                    const bool same_phrase = coin();
                    Requirement* derived = argument->add_q_requirement(
                        same_phrase ? phrase->get_verb() : any_of(verbs),
                        same_phrase ? phrase->get_capability() : any_of(capabilities), type, value(), 0, target(),
                        weight());
                    next.emplace_back(derived, derived->add_designproblem());
                }
            }
        }
        layer = std::move(next);
    }
}

std::string RandomEditor::edit_data(Project& project) {
    using Edit = std::string (RandomEditor::*)(Project&);
    static const Edit edits[] = {
        &RandomEditor::change_quantity,      &RandomEditor::change_quantity,        &RandomEditor::change_quantity,
        &RandomEditor::change_verb,          &RandomEditor::change_verb,            &RandomEditor::change_capability,
        &RandomEditor::change_to_functional, &RandomEditor::change_evidence_level,  &RandomEditor::change_evidence_level,
        &RandomEditor::toggle_validates,     &RandomEditor::add_derived_requirement, &RandomEditor::delete_object,
    };
    return (this->*edits[below(std::size(edits))])(project);
}

std::string RandomEditor::edit_any(Project& project) {
    using Edit = std::string (RandomEditor::*)(Project&);
    static const Edit edits[] = {
        &RandomEditor::paste_by_kind,  &RandomEditor::paste_by_kind,          &RandomEditor::paste_by_kind,
        &RandomEditor::delete_by_kind, &RandomEditor::delete_by_kind,         &RandomEditor::allocate,
        &RandomEditor::allocate,       &RandomEditor::answer_for_requirement, &RandomEditor::answer_for_problem,
        &RandomEditor::add_mandate,    &RandomEditor::change_required_level,  &RandomEditor::derive_from_stories,
        &RandomEditor::unlink_child,   &RandomEditor::link_existing_child,    &RandomEditor::link_requirement,
    };
    if (project.get_nd_map().size() > size_limit && coin()) return delete_by_kind(project);
    static const Edit growing[] = {
        &RandomEditor::add_story,          &RandomEditor::add_mandate,
        &RandomEditor::add_requirement,    &RandomEditor::add_requirement,
        &RandomEditor::add_design_problem, &RandomEditor::add_option,
        &RandomEditor::add_sub_option,     &RandomEditor::add_argument,
        &RandomEditor::add_evidence,       &RandomEditor::add_derived_requirement,
        &RandomEditor::answer_for_problem, &RandomEditor::answer_for_requirement,
        &RandomEditor::paste_by_kind,
    };
    // A small project grows first, mostly by the edits that add objects.
    if (project.get_nd_map().size() < size_limit / 2 && below(3) != 0)
        return (this->*growing[below(std::size(growing))])(project);
    switch (below(3)) {
    case 0: return edit(project);
    case 1: return edit_data(project);
    default: return (this->*edits[below(std::size(edits))])(project);
    }
}

std::string RandomEditor::add_story(Project& project) {
    const std::string subject = coin() ? any_of(subjects) : "";
    UserStory* story = project.add_user_story(any_of(verbs), any_of(capabilities), subject, "why", false);
    return "add story " + story->get_uid() + " subject '" + subject + "'";
}

std::string RandomEditor::add_mandate(Project& project) {
    auto* story = pick<UserStory>(project, is_story);
    if (!story) return {};
    const int level = static_cast<int>(below(5));
    story->add_mandate("remark", level, false);
    return "add mandate below " + story->get_uid() + " level " + decimal(level);
}

std::string RandomEditor::add_requirement(Project& project) {
    Mandate* mandate = project.get_mandate();
    auto* story = pick<UserStory>(project, is_story);
    if (!mandate || !story) return {};
    const auto type = static_cast<uint32_t>(below(Parameter::_possible_par_types.size()));
    const auto unit = static_cast<uint16_t>(below(Parameter::_possible_par_types[type].unit_count()));
    const double value = values[below(values.size())];
    const auto target = static_cast<uint16_t>(below(7));
    const auto weight = static_cast<uint16_t>(1 + below(100));
    Requirement* r = nullptr;
    switch (below(3)) {
        case 0: r = mandate->add_f_requirement(story, true); break;
        case 1: r = mandate->add_q_requirement(story, type, value, unit, target, weight); break;
        default: r = mandate->add_q_requirement(any_of(verbs), any_of(capabilities), type, value, unit, target, weight);
    }
    return "add requirement " + r->get_uid() + " type " + decimal(type) + " target " + decimal(target);
}

std::string RandomEditor::add_design_problem(Project& project) {
    auto* r = pick<Requirement>(project, is_requirement);
    if (!r) return {};
    return "add design problem " + r->add_designproblem()->get_uid() + " below " + r->get_uid();
}

std::string RandomEditor::link_requirement(Project& project) {
    auto* r = pick<Requirement>(project, is_requirement);
    if (!r) return {};
    const auto candidates = r->get_potential_child_design_problems();
    if (candidates.empty()) return {};
    DesignProblem* dp = candidates[below(candidates.size())];
    r->add_to_existing_designproblem(dp);
    return "link " + r->get_uid() + " to " + dp->get_uid();
}

std::string RandomEditor::add_option(Project& project) {
    auto* dp = pick<DesignProblem>(project, is_problem);
    if (!dp) return {};
    return "add option " + dp->add_child_option(any_of(subjects), true)->get_uid() + " below " + dp->get_uid();
}

std::string RandomEditor::add_sub_option(Project& project) {
    auto* option = pick<Option>(project, is_option);
    if (!option) return {};
    return "add sub-option " + option->add_sub_option(any_of(subjects))->get_uid() + " below " + option->get_uid();
}

std::string RandomEditor::add_argument(Project& project) {
    auto* option = pick<Option>(project, is_option);
    if (!option) return {};
    const auto requirements = option->get_potential_parent_reqs(true);
    if (requirements.empty()) return {};
    Requirement* r = requirements[below(requirements.size())];
    const bool validates = coin();
    Argument* a = option->add_child_argument(r, validates);
    if (!a) return {};
    return "add argument " + a->get_uid() + " of " + option->get_uid() + " about " + r->get_uid() +
           (validates ? " validating" : " invalidating");
}

std::string RandomEditor::add_evidence(Project& project) {
    auto* argument = pick<Argument>(project, is_argument);
    if (!argument) return {};
    const auto type = static_cast<uint32_t>(below(Parameter::_possible_par_types.size()));
    const auto unit = static_cast<uint16_t>(below(Parameter::_possible_par_types[type].unit_count()));
    const int level = static_cast<int>(below(10));
    Evidence* e = argument->add_child_evidence(level, any_of(verbs), any_of(capabilities), type,
                                               values[below(values.size())], unit,
                                               static_cast<uint16_t>(below(7)), "");
    return "add evidence " + e->get_uid() + " level " + decimal(level) + " type " + decimal(type) +
           " below " + argument->get_uid();
}

std::string RandomEditor::toggle_validates(Project& project) {
    auto* argument = pick<Argument>(project, is_argument);
    if (!argument) return {};
    argument->set_validates(!argument->get_validates());
    project.add_uid_state(argument);
    return "toggle validates of " + argument->get_uid();
}

std::string RandomEditor::change_quantity(Project& project) {
    auto* node = pick<VerbCapParamBase>(project, is_quantified);
    if (!node) return {};
    const double value = values[below(values.size())];
    node->get_par().set_value(value, true);
    if (coin()) node->get_par().set_target_type(static_cast<uint16_t>(below(7)), true);
    project.add_uid_state(node);
    return "change quantity of " + node->get_uid() + " to " + MyStrF::_double_to_roundtrip_string(value);
}

std::string RandomEditor::change_subject(Project& project) {
    Node* node = pick<Node>(project, has_subject_command);
    if (!node) return {};
    NodeList impacted = node->get_impacted_by_subject_change();
    impacted.push_back(node);
    // As the boxes do: evidence takes a subject of its own, every other kind
    // changes the subject it shares.
    const bool split = node->is_evd();
    const std::string& text = any_of(subjects);
    node->set_subject(text, split);
    project.add_uids_state(impacted);
    return "set subject of " + node->get_uid() + " to " + text + (split ? " (own)" : " (shared)");
}

std::string RandomEditor::change_verb(Project& project) {
    auto* node = pick<VerbCapBase>(project, is_phrased);
    if (!node) return {};
    const std::string& verb = any_of(verbs);
    node->change_verb(verb);
    project.add_uids_state(node->get_impacted_by_vc_change());
    return "change verb of " + node->get_uid() + " to " + verb;
}

std::string RandomEditor::add_comment(Project& project) {
    Node* node = pick<Node>(project, is_anything);
    node->add_comment(coin() ? "Ann" : "", "note");
    project.add_uid_state(node);
    return "comment on " + node->get_uid();
}

std::string RandomEditor::delete_object(Project& project) {
    Node* node = pick<Node>(project, is_object);
    if (!node) return {};
    const std::string uid = node->get_uid();
    DeletionRecord record;
    delete node;
    project.add_deletion_state(record);
    return "delete " + uid;
}

std::string RandomEditor::add_custom_type(Project& project) {
    // A few are enough; each one more is one more total of every option.
    if (custom_types == 6) return {};
    const std::string name = "custom" + decimal(++custom_types);
    Parameter::add_cust_poss_parameter(name, {"u", "ku"}, {1.0, 1000.0}, {0.0, 0.0}, {true, coin()},
                                       {"least", "below", "at most", "equal", "at least", "above", "most"});
    project.add_poss_par_state();
    return "add quantity type " + name;
}

std::string RandomEditor::add_derived_requirement(Project& project) {
    auto* argument = pick<Argument>(project, is_argument);
    if (!argument) return {};
    const auto type = static_cast<uint32_t>(below(Parameter::_possible_par_types.size()));
    const auto unit = static_cast<uint16_t>(below(Parameter::_possible_par_types[type].unit_count()));
    const auto target = static_cast<uint16_t>(below(7));
    // Often the verb and capability of the argument's requirement: the new one then shares them.
    const Requirement* above = argument->get_parent_requirement();
    const bool same_phrase = above && coin();
    const std::string verb = same_phrase ? above->get_verb_cap()->get_verb() : any_of(verbs);
    const std::string capability = same_phrase ? above->get_verb_cap()->get_capability() : any_of(capabilities);
    Requirement* r = argument->add_q_requirement(verb, capability, type, values[below(values.size())], unit, target,
                                                 static_cast<uint16_t>(1 + below(100)));
    return "add derived requirement " + r->get_uid() + " below " + argument->get_uid() + " type " + decimal(type);
}

std::string RandomEditor::link_existing_child(Project& project) {
    auto* argument = pick<Argument>(project, is_argument);
    if (!argument) return {};
    NodeList candidates;
    for (Requirement* r : argument->get_potential_child_requirements()) candidates.push_back(r);
    for (Evidence* e : argument->get_potential_child_evidences()) candidates.push_back(e);
    if (candidates.empty()) return {};
    Node* child = candidates[below(candidates.size())];
    if (child->is_req())
        argument->link_existing_requirement(static_cast<Requirement*>(child));
    else
        argument->link_existing_evidence(static_cast<Evidence*>(child));
    project.add_uids_state({child, argument});
    return "link " + child->get_uid() + " below " + argument->get_uid();
}

std::string RandomEditor::unlink_child(Project& project) {
    auto* argument = pick<Argument>(project, is_requirement_or_evidence_holder);
    if (!argument) return {};
    const NodeList& children = argument->get_children();
    Node* child = children[below(children.size())];
    const std::string uid = child->get_uid();
    // As the boxes do: the child may go with what hangs below it.
    DeletionRecord record;
    argument->remove_child(child, true);
    project.add_deletion_state(record);
    return "unlink " + uid + " from " + argument->get_uid();
}

std::string RandomEditor::change_evidence_level(Project& project) {
    auto* evidence = pick<Evidence>(project, is_evidence);
    if (!evidence) return {};
    const int level = static_cast<int>(below(10));
    evidence->get_rlevel().set_levels(level);
    project.add_uid_state(evidence);
    return "set level of " + evidence->get_uid() + " to " + decimal(level);
}

std::string RandomEditor::change_capability(Project& project) {
    auto* node = pick<VerbCapBase>(project, is_phrased);
    if (!node) return {};
    const std::string& capability = any_of(capabilities);
    node->change_capability(capability);
    project.add_uids_state(node->get_impacted_by_vc_change());
    return "change capability of " + node->get_uid() + " to " + capability;
}

std::string RandomEditor::change_to_functional(Project& project) {
    auto* node = pick<VerbCapParamBase>(project, is_quantified);
    if (!node) return {};
    node->get_par().set_type(0u, true);
    project.add_uids_state(node->get_impacted_by_vc_change());
    return "make " + node->get_uid() + " functional";
}

std::string RandomEditor::paste(Project& project) {
    Node* source = pick<Node>(project, is_anything);
    Node* target = pick<Node>(project, is_anything);
    // The refusals the paste answers with a message box are left out.
    if (!source || !target || is_below(target, source)) return {};
    if (target->is_opt() && source->is_req() && static_cast<Option*>(target)->get_integration_requirement())
        return {};
    source->copy_uid();
    if (!target->paste_uid()) return {};
    return "paste " + source->get_uid() + " onto " + target->get_uid();
}

std::string RandomEditor::add_custom_unit(Project& project) {
    if (custom_units == 12) return {};
    const auto type = static_cast<uint32_t>(2 + below(Parameter::_possible_par_types.size() - 2));
    const std::string symbol = "cu" + decimal(++custom_units);
    if (!Parameter::add_cust_unit(type, symbol, values[below(values.size())], 0.0, coin()).empty()) return {};
    project.add_poss_par_state();
    return "add unit " + symbol + " to type " + decimal(type);
}

std::string RandomEditor::paste_by_kind(Project& project) {
    const auto& [source_kind, target_kind] = paste_pairs[below(paste_pairs.size())];
    Node* source = pick<Node>(project, source_kind);
    Node* target = pick<Node>(project, target_kind);
    // The refusals the paste answers with a message box are left out.
    if (!source || !target || is_below(target, source)) return {};
    if (target->is_opt() && source->is_req() && static_cast<Option*>(target)->get_integration_requirement()) return {};
    source->copy_uid();
    if (!target->paste_uid()) return {};
    return "paste " + source->get_uid() + " onto " + target->get_uid();
}

std::string RandomEditor::delete_by_kind(Project& project) {
    Node* node = pick<Node>(project, deletable_kinds[below(deletable_kinds.size())]);
    if (!node) return {};
    const std::string uid = node->get_uid();
    DeletionRecord record;
    delete node;
    project.add_deletion_state(record);
    return "delete " + uid;
}

// As the requirement's allocation command: some existing items take new
// values and some leaves get new derived requirements, in the requirement's unit.
std::string RandomEditor::allocate(Project& project) {
    auto* option = pick<Option>(project, is_top_option);
    DesignProblem* problem = option ? option->get_parent_designproblem() : nullptr;
    if (!problem) return {};
    std::vector<Requirement*> quantified;
    for (Requirement* r : problem->get_parent_requirements())
        if (!r->is_functional()) quantified.push_back(r);
    if (quantified.empty()) return {};
    Requirement* requirement = quantified[below(quantified.size())];
    const auto items = option->get_allocated_requirement_lsts(requirement);
    std::vector<std::vector<VerbCapParamBase*>> changed_items(items.size());
    std::vector<std::vector<double>> changed_values(items.size());
    std::vector<std::vector<double>> new_values(items.size());
    for (size_t leaf = 0; leaf < items.size(); ++leaf) {
        for (VerbCapParamBase* item : items[leaf]) {
            if (!coin()) continue;
            changed_items[leaf].push_back(item);
            changed_values[leaf].push_back(values[below(values.size())]);
        }
        for (size_t k = below(3); k-- > 0;) new_values[leaf].push_back(values[below(values.size())]);
    }
    const std::string report = option->edit_allocation(requirement, changed_items, changed_values, new_values);
    return "allocate " + requirement->get_uid() + " over " + option->get_uid() + ": " +
           report.substr(report.find('\n') + 1);
}

// An answer laid out as the requirement prompt asks, with a few records of
// conditions and proof whose values, units and targets may not read.
std::string RandomEditor::answer_for_requirement(Project& project) {
    auto* option = pick<Option>(project, is_option);
    DesignProblem* problem = option ? option->get_top_option()->get_parent_designproblem() : nullptr;
    if (!problem) return {};
    const auto requirements = problem->get_parent_requirements();
    if (requirements.empty()) return {};
    Requirement* requirement = requirements[below(requirements.size())];
    auto fields = [&] {
        return "<verb>" + any_of(verbs) + "</verb><capability>" + any_of(capabilities) + "</capability><value>" +
               any_of(numbers) + "</value><unit>" + any_of(units) + "</unit><target_type>" + any_of(targets) +
               "</target_type><reference_name></reference_name><reference_descr></reference_descr>"
               "<reference_link></reference_link>";
    };
    std::string answer = "```xml\n<possible_units>\n";
    if (coin())
        answer += "<possible_unit><unit_type>length</unit_type><unit_symbol>furlong</unit_symbol></possible_unit>\n";
    answer += "</possible_units>\n<conditions>\n";
    for (size_t i = below(3); i-- > 0;) answer += "<requirement>" + fields() + "</requirement>\n";
    answer += "</conditions>\n<proof>\n";
    for (size_t i = below(3); i-- > 0;)
        answer += "<evidence>" + fields() + "<description>seen</description></evidence>\n";
    answer += "</proof>\n```";
    const NodeList made = requirement->add_ai_objects(answer, option);
    if (made.empty()) return {};
    return "answer about " + requirement->get_uid() + " for " + option->get_uid() + ": " + decimal(made.size()) +
           " objects";
}

std::string RandomEditor::answer_for_problem(Project& project) {
    auto* problem = pick<DesignProblem>(project, is_problem);
    if (!problem) return {};
    std::string answer = "```xml\n<solutions>\n";
    for (size_t i = 1 + below(3); i-- > 0;)
        answer += "<solution><subject>" + any_of(subjects) +
                  "</subject><description>why</description>"
                  "<reference_name></reference_name><reference_descr></reference_descr>"
                  "<reference_link></reference_link></solution>\n";
    answer += "</solutions>\n```";
    const auto made = problem->add_child_options(answer);
    return "answer for " + problem->get_uid() + ": " + decimal(made.size()) + " options";
}

// As the mandate's command: the level, then a state of the mandate.
std::string RandomEditor::change_required_level(Project& project) {
    Mandate* mandate = project.get_mandate();
    if (!mandate) return {};
    const int level = static_cast<int>(below(5));
    ReadinessLevel::set_reqd_level(level);
    project.add_uid_state(mandate);
    return "required level " + decimal(level);
}

// As the mandate's command: a requirement for every story that lacks one.
std::string RandomEditor::derive_from_stories(Project& project) {
    Mandate* mandate = project.get_mandate();
    if (!mandate) return {};
    mandate->auto_add_reqs();
    NodeList changed = mandate->get_children();
    const NodeList& stories = mandate->get_parents();
    changed.insert(changed.end(), stories.begin(), stories.end());
    changed.push_back(mandate);
    project.add_uids_state(changed);
    return "derive requirements of the stories";
}

}  // namespace history_testing
