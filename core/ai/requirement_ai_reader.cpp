// Reads an AI answer about how an option meets a requirement: new quantity
// types, then derived requirements (conditions), then evidence, all below the
// argument between the option and the requirement, in one undo step.
#include <optional>
#include <string>
#include <vector>

#include "core/ai/answer_records.h"
#include "core/ai/answer_report.h"
#include "core/ai/answer_values.h"
#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/evidence.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/platform/platform.h"
#include "core/quantity/parameter.h"
#include "core/text/sentences.h"
#include "core/text/text_utils.h"

namespace {

using MyAI::AnswerReport;

struct NewUnit {
    std::string type_name;
    std::string symbol;
};

// One <requirement> or <evidence> record, checked and ready to be made.
struct QuantityRecord {
    std::string verb;
    std::string capability;
    bool has_value = false;
    double value = 0.0;
    std::string unit;
    uint16_t target = 3;
    std::string reference_name;
    std::string reference_descr;
    std::string reference_link;
    std::string description;  // evidence only
};

enum Field { Verb, Capability, Value, Unit, TargetType, ReferenceName, ReferenceDescr, ReferenceLink, Description };

std::vector<std::string> quantity_field_tags(bool evidence) {
    std::vector<std::string> tags = {GCC::prompt_verb,           GCC::prompt_capability,
                                     GCC::prompt_value,          GCC::prompt_unit,
                                     GCC::prompt_target_type,    GCC::prompt_reference_name,
                                     GCC::prompt_reference_descr, GCC::prompt_reference_link};
    if (evidence) tags.push_back(GCC::prompt_description);
    return tags;
}

std::vector<NewUnit> read_new_units(const std::string& answer, AnswerReport& report) {
    std::vector<NewUnit> units;
    for (const MyAI::AnswerRecord& record : MyAI::read_answer_records(
             answer, GCC::prompt_new_poss_par, {GCC::prompt_new_poss_type, GCC::prompt_new_poss_unit_symbol})) {
        if (!record.complete) continue;
        const std::string& type_name = record.fields[0];
        const std::string& symbol = record.fields[1];
        if (type_name.empty() || symbol.empty()) {
            report.note("A " + GCC::prompt_new_poss_par + " record without " + GCC::prompt_new_poss_type + " or " +
                        GCC::prompt_new_poss_unit_symbol + " was skipped.");
            continue;
        }
        units.push_back({type_name, symbol});
    }
    return units;
}

// The value and the target phrase decide whether a record can be used: a
// value that is no finite number or a phrase outside the seven is not guessed.
std::optional<QuantityRecord> check_record(const std::vector<std::string>& fields, bool evidence,
                                           AnswerReport& report) {
    // Built whole: assigning member by member after default construction makes GCC 12 at -O2 warn of
    // a string it believes uninitialised.
    QuantityRecord r{.verb = fields[Verb],
                     .capability = fields[Capability],
                     .unit = fields[Unit],
                     .reference_name = fields[ReferenceName],
                     .reference_descr = fields[ReferenceDescr],
                     .reference_link = fields[ReferenceLink],
                     .description = evidence ? fields[Description] : std::string()};
    const std::string label =
        MyAI::record_label(evidence ? GCC::prompt_evidence : GCC::prompt_requirement, r.verb, r.capability);
    const std::string& value_text = fields[Value];
    if (value_text.empty()) return r;
    r.has_value = true;
    const MyAI::ValueReading reading = MyAI::read_value(value_text);
    if (reading.kind == MyAI::ValueKind::NotFinite) {
        report.note(label + ": the value '" + value_text + "' is not a finite number; the record was skipped.");
        return std::nullopt;
    }
    const std::string& phrase = fields[TargetType];
    const std::optional<uint16_t> target = MyAI::target_of_phrase(phrase);
    if (!target) {
        report.note(label + (phrase.empty() ? ": the target phrase is missing"
                                            : ": the target phrase '" + phrase + "' is unknown") +
                    "; the record was skipped.");
        return std::nullopt;
    }
    r.target = *target;
    if (reading.kind == MyAI::ValueKind::NotANumber)
        report.note(label + ": the value '" + value_text + "' is not a number; 0 was used.");
    r.value = reading.value;
    return r;
}

std::vector<QuantityRecord> read_quantity_records(const std::string& answer, bool evidence, AnswerReport& report) {
    std::vector<QuantityRecord> records;
    const std::string& tag = evidence ? GCC::prompt_evidence : GCC::prompt_requirement;
    for (const MyAI::AnswerRecord& record : MyAI::read_answer_records(answer, tag, quantity_field_tags(evidence))) {
        if (!record.complete) continue;  // an incomplete record is skipped without a word
        if (auto checked = check_record(record.fields, evidence, report)) records.push_back(std::move(*checked));
    }
    return records;
}

bool type_name_exists(const std::string& name) {
    const std::string key = MyStrF::_trimLwr(name);
    for (const std::string& existing : Parameter::get_all_possible_types(false))
        if (MyStrF::_trimLwr(existing) == key) return true;
    return false;
}

// Returns whether the quantity-type table changed. A unit that some type
// already has is reused; an existing type never gets a unit from an answer,
// whose conversion to that type's units is unknown.
bool add_new_units(const std::vector<NewUnit>& units, AnswerReport& report) {
    const size_t rows_before = Parameter::get_poss_parameters().size();
    for (const NewUnit& u : units) {
        if (MyAI::quantity_of_unit(u.symbol).known) continue;
        if (type_name_exists(u.type_name)) {
            report.note("The quantity type '" + u.type_name + "' exists without the unit '" + u.symbol +
                        "'; the unit was not added, as its conversion to the type's units is unknown.");
            continue;
        }
        const std::string problem = Parameter::add_cust_poss_parameter(u.type_name, {u.symbol}, {1.0}, {0.0}, {true},
                                                                      GCC::ai_target_phrases);
        if (!problem.empty()) report.note(problem);
    }
    return Parameter::get_poss_parameters().size() != rows_before;
}

// The quantity of a record with a value; a unit that no type knows is noted.
MyAI::UnitQuantity record_quantity(const QuantityRecord& r, bool evidence, AnswerReport& report) {
    MyAI::UnitQuantity quantity = MyAI::quantity_of_unit(r.unit);
    if (!quantity.known)
        report.note(MyAI::record_label(evidence ? GCC::prompt_evidence : GCC::prompt_requirement, r.verb,
                                       r.capability) +
                    ": the unit '" + r.unit + "' is unknown; the quantity type " + quantity.type_name +
                    " was used without a unit.");
    return quantity;
}

void add_reference(Node* node, const QuantityRecord& r) {
    if (r.reference_name.empty() && r.reference_descr.empty() && r.reference_link.empty()) return;
    node->add_reference_to_node(r.reference_name, r.reference_descr, r.reference_link, "");
}

Requirement* make_requirement(Argument* argument, const QuantityRecord& r, AnswerReport& report) {
    if (!r.has_value) return argument->add_f_requirement(r.verb, r.capability, false);
    const MyAI::UnitQuantity q = record_quantity(r, false, report);
    // Goal weight 0: the parameter raises it to its minimum.
    return argument->add_q_requirement(r.verb, r.capability, q.type_name, r.value, q.unit_symbol, r.target, 0, false);
}

Evidence* make_evidence(Argument* argument, const QuantityRecord& r, AnswerReport& report) {
    // Evidence from an answer is only observed in principle: level 1.
    constexpr int32_t answer_level = 1;
    const std::string tooltip = MyStrF::_WrapText(r.description, 60);
    if (!r.has_value)
        return argument->add_child_evidence(answer_level, r.verb, r.capability, "real", 0.0, "", 3, tooltip, false);
    const MyAI::UnitQuantity q = record_quantity(r, true, report);
    return argument->add_child_evidence(answer_level, r.verb, r.capability, q.type_name, r.value, q.unit_symbol,
                                        r.target, tooltip, false);
}

}  // namespace

NodeList Requirement::add_ai_objects(const std::string& answer, Option* option) {
    if (!option) return {};
    AnswerReport report;
    const std::vector<NewUnit> units = read_new_units(answer, report);
    const std::vector<QuantityRecord> requirements = read_quantity_records(answer, false, report);
    const std::vector<QuantityRecord> evidences = read_quantity_records(answer, true, report);
    if (units.empty() && requirements.empty() && evidences.empty()) {
        report.show_nothing_added("it holds no readable " + GCC::prompt_new_poss_par + ", " + GCC::prompt_requirement +
                                  " or " + GCC::prompt_evidence + " record.");
        return {};
    }

    Argument* argument = nullptr;
    for (Argument* a : get_child_arguments())
        for (const Option* o : a->get_parent_options(true))
            if (o->get_uid() == option->get_uid()) argument = a;
    NodeList result;
    if (!argument) {
        bool may_argue = false;
        for (const Requirement* r : option->get_potential_parent_reqs(false))
            if (r->get_uid() == uid) may_argue = true;
        if (!may_argue) {
            platform::show_error("Adding Argument to Option " + option->get_uid() + " failed.\nRequirement " + uid +
                                 " is not in its parents.");
            return {};
        }
        // Made without a snapshot of its own: the whole answer is one undo step.
        argument = new Argument(option, this, true);
        result.push_back(argument);
    }

    const bool types_added = add_new_units(units, report);
    for (const QuantityRecord& r : requirements) {
        Requirement* made = make_requirement(argument, r, report);
        add_reference(made, r);
        result.push_back(made);
    }
    for (const QuantityRecord& r : evidences) {
        Evidence* made = make_evidence(argument, r, report);
        add_reference(made, r);
        result.push_back(made);
    }

    if (result.empty() && !types_added) {
        report.show_nothing_added("none of its records brought anything new.");
        return {};
    }
    // The project holds the reference table; the answer's references belong to this step.
    NodeList changed{this, option, argument, GCC::RP};
    changed.insert(changed.end(), result.begin(), result.end());
    if (GCC::RP) {
        if (types_added)
            GCC::RP->add_uids_and_types_state(changed);
        else
            GCC::RP->add_uids_state(changed);
    }
    report.show_if_any();
    return result;
}
