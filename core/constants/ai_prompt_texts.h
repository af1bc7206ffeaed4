#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The texts exchanged with an outside AI assistant. The prompts are composed
// from the tag-name constants, so a tag renamed here changes the prompts and
// the answer readers together.
namespace GCC {

// Tag names: the element names of the answer schema.
inline const std::string prompt_solutions = "solutions";
inline const std::string prompt_solution = "solution";
inline const std::string prompt_subject = "subject";
inline const std::string prompt_description = "description";
inline const std::string prompt_reference_name = "reference_name";
inline const std::string prompt_reference_descr = "reference_descr";
inline const std::string prompt_reference_link = "reference_link";
inline const std::string prompt_new_poss_pars = "possible_units";
inline const std::string prompt_new_poss_par = "possible_unit";
inline const std::string prompt_new_poss_type = "unit_type";
inline const std::string prompt_new_poss_unit_symbol = "unit_symbol";
inline const std::string prompt_conditions = "conditions";
inline const std::string prompt_requirement = "requirement";
inline const std::string prompt_proof = "proof";
inline const std::string prompt_evidence = "evidence";
inline const std::string prompt_verb = "verb";
inline const std::string prompt_capability = "capability";
inline const std::string prompt_value = "value";
inline const std::string prompt_unit = "unit";
inline const std::string prompt_target_type = "target_type";

// Target phrases; the position is the target type of a quantity.
inline const std::string ai_as_small_as_possible = "as small as possible";
inline const std::string ai_lower_than = "lower than";
inline const std::string ai_at_most = "at most";
inline const std::string ai_equal_to = "equal to";
inline const std::string ai_at_least = "at least";
inline const std::string ai_larger_than = "larger than";
inline const std::string ai_as_large_as_possible = "as large as possible";
inline const std::vector<std::string> ai_target_phrases = {ai_as_small_as_possible, ai_lower_than, ai_at_most,
                                                           ai_equal_to, ai_at_least, ai_larger_than,
                                                           ai_as_large_as_possible};

// Target type of a phrase, compared exactly; anything else is 3 ("equal to").
std::uint16_t get_ai_parameter_int(const std::string& phrase);

namespace detail {

// " 'a', 'b', 'c' ": each item in single quotes, with a blank at both ends.
inline std::string quoted_list(const std::vector<std::string>& items) {
    std::string text = " '";
    for (size_t i = 0; i < items.size(); ++i) text += (i == 0 ? "" : "', '") + items[i];
    return text + "' ";
}

inline std::string open_mark(const std::string& tag) { return "<" + tag + ">"; }
inline std::string close_mark(const std::string& tag) { return "</" + tag + ">"; }

// A block of the answer schema: the block's marks around one record with its
// empty fields and a line asking for more records.
inline std::string schema_block(const std::string& block, const std::string& record,
                                const std::vector<std::string>& fields, const std::string& more_records_name) {
    std::string text = open_mark(block) + "\n   " + open_mark(record) + "\n";
    for (const std::string& field : fields) text += "      " + open_mark(field) + close_mark(field) + "\n";
    text += "   " + close_mark(record) + "\n";
    text += "   ...additional " + more_records_name + " elements...\n";
    return text + close_mark(block) + "\n";
}

// Stored as UTF-8 like all model text.
inline const std::string en_dash = "\u2013";
inline const std::string em_dash = "\u2014";

inline std::string field_definition(const std::string& tag, const std::string& definition) {
    return open_mark(tag) + " " + em_dash + " " + definition + "\n";
}

inline const std::string no_reference_found = "(leave empty if no relevant reference is found).";
inline const std::string reference_descr_definition =
    field_definition(prompt_reference_descr, "short description of the applicable reference " + no_reference_found);
inline const std::string reference_link_definition = field_definition(
    prompt_reference_link, "URL to where the applicable reference can be found " + no_reference_found);
inline const std::string validate_before_output =
    "Before generating output, validate internally that all formatting and schema rules are satisfied.";

// The worked example of the requirement prompt, built from example field values.
inline const std::string example_requirement_sentence =
    "The 'door' must 'withstand' 'forced entry' with a force of '" + ai_equal_to + "' '200.0N'";

}  // namespace detail

// The seven phrases quoted for the prompt: " 'a', 'b', ... 'g' ".
inline const std::string ai_target_options = detail::quoted_list(ai_target_phrases);

// Follows the design problem's text and a line feed.
inline const std::string dpr_AI_prompt_addition =
    "\n"
    "Your task:\n"
    "1) Try to come up with high-level principles or categories FIRST.\n"
    "2) Try to come up with concrete solutions ONLY IF no high-level principles or categories can be found.\n"
    "3) Principles, categories or concrete solutions MUST be expressed as " +
    detail::open_mark(prompt_solution) +
    " elements.\n"
    "\n"
    "Output format:\n"
    "Your answer MUST consist of exactly one code block containing XML with the following structure:\n" +
    detail::schema_block(prompt_solutions, prompt_solution,
                         {prompt_subject, prompt_description, prompt_reference_name, prompt_reference_descr,
                          prompt_reference_link},
                         prompt_solution) +
    "\n"
    "Rules for output:\n"
    "- The XML code block MUST contain ONLY valid XML and nothing else.\n"
    "- Do NOT omit fields.\n"
    "- If a field is not applicable, it MUST be present but EMPTY.\n"
    "- Do NOT invent facts or technical specifications.\n"
    "- NO commentary, explanation, or reasoning outside the XML.\n"
    "- " +
    detail::open_mark(prompt_subject) + " MUST be a short label(1" + detail::en_dash +
    "3 words) describing the principle, category, or solution.\n"
    "- " +
    detail::open_mark(prompt_description) +
    " must explain the principles, categories or concrete solutions clearly.\n"
    "\n"
    "Field definitions:\n" +
    detail::field_definition(
        prompt_subject,
        "a very short description of the principle, category or concrete solution, preferably one word.") +
    detail::field_definition(
        prompt_description,
        "a description of how this principle, category or concrete solution helps solve the problem.") +
    detail::field_definition(prompt_reference_name,
                             "short name of an applicable reference (can be an example image, patent or other "
                             "supporting information " +
                                 detail::no_reference_found) +
    detail::reference_descr_definition + detail::reference_link_definition + "\n" + detail::validate_before_output;

// The requirement prompt: prefix, the requirement's sentence, addition 1, the
// list of quantity types and their units, addition 2.
inline const std::string val_AI_prompt_prefix = "The assumption is that ";

inline const std::string val_AI_prompt_addition1 =
    "\n"
    "Produce:\n"
    "1) A list of the requirements that must be met for this assumption to be true. For example:\n"
    "   Assumption: 'door can keep out people'\n"
    "   Requirement: " +
    detail::example_requirement_sentence +
    "\n"
    "2) A list of evidence that proves that this assumption is true.\n"
    "   The evidence MUST have an applicable reference.\n"
    "   If several applicable references exist, define several evidence objects.\n"
    "\n"
    "The " +
    prompt_conditions + " and " + prompt_requirement +
    " output MUST strictly follow the schema:\n" +
    detail::schema_block(prompt_new_poss_pars, prompt_new_poss_par,
                         {prompt_new_poss_type, prompt_new_poss_unit_symbol}, detail::open_mark(prompt_new_poss_par)) +
    detail::schema_block(prompt_conditions, prompt_requirement,
                         {prompt_verb, prompt_capability, prompt_value, prompt_unit, prompt_target_type,
                          prompt_reference_name, prompt_reference_descr, prompt_reference_link},
                         detail::open_mark(prompt_requirement)) +
    detail::schema_block(prompt_proof, prompt_evidence,
                         {prompt_verb, prompt_capability, prompt_value, prompt_unit, prompt_target_type,
                          prompt_reference_name, prompt_reference_descr, prompt_reference_link, prompt_description},
                         detail::open_mark(prompt_evidence)) +
    "Rules for output:\n"
    "- The code block MUST contain ONLY valid XML and nothing else.\n"
    "- Do NOT invent facts or technical specifications.\n"
    "- Do NOT omit fields. If a field is not applicable, it MUST be present but empty.\n"
    "- Do NOT invent values. If a numerical threshold is unknown, leave " +
    detail::open_mark(prompt_value) + " and " + detail::open_mark(prompt_unit) +
    " empty.\n"
    "- If " +
    detail::open_mark(prompt_value) + " is empty, " + detail::open_mark(prompt_unit) +
    " MUST also be empty.\n"
    "- If " +
    detail::open_mark(prompt_value) + " has a number, " + detail::open_mark(prompt_unit) +
    " MUST contain a valid unit.\n"
    "- Strings MUST NOT include quotation marks.\n"
    "- The XML must be well-formed.\n"
    "- " +
    prompt_new_poss_pars + " currently available are: ";

inline const std::string val_AI_prompt_addition2 =
    "- New " + prompt_new_poss_pars + " are only to be defined if a " + prompt_requirement + " or " +
    prompt_evidence + " needs to quantify that " + prompt_new_poss_type +
    ".\n"
    "\n"
    "Field definitions:\n" +
    detail::field_definition(prompt_new_poss_type,
                             "the quantity type of a newly defined unit (e.g. 'pressure', 'acceleration').") +
    detail::field_definition(prompt_new_poss_unit_symbol,
                             "the unit symbol of a newly defined unit (e.g. 'N/mm2', 'm/s2').") +
    detail::field_definition(prompt_verb, "the action the system performs (e.g. 'withstand').") +
    detail::field_definition(prompt_capability, "the phenomenon or action being addressed (e.g. 'forced entry').") +
    detail::field_definition(
        prompt_value, "a numerical threshold (use digits only, no units e.g. 200.0). Leave empty if not known.") +
    detail::field_definition(prompt_unit, "the unit of the value (e.g. 'N'). MUST be empty if " +
                                              detail::open_mark(prompt_value) + " is empty.") +
    detail::field_definition(prompt_target_type,
                             "the relationship between the numerical value and the acceptable performance target: "
                             "how the value is interpreted to determine compliance (e.g. '" +
                                 ai_equal_to + "').") +
    "The " + prompt_target_type + " MUST be defined with one of the following descriptions: " + ai_target_options +
    "\n" +
    detail::field_definition(prompt_reference_name,
                             "short name of an applicable reference (can be an example image, patent or other "
                             "supporting information, e.g. proof that the " +
                                 detail::open_mark(prompt_evidence) + " is valid) " + detail::no_reference_found) +
    detail::reference_descr_definition + detail::reference_link_definition +
    detail::field_definition(prompt_description, "a short description of how the " +
                                                     detail::open_mark(prompt_evidence) +
                                                     " supports the assumption.") +
    "\n"
    "The subject from the assumption (e.g. door) and the field content will be used to build a sentence for each " +
    detail::open_mark(prompt_requirement) + " and " + detail::open_mark(prompt_evidence) +
    ", for example:\n"
    "   " +
    detail::example_requirement_sentence +
    "\n"
    "\n" +
    detail::validate_before_output;

}  // namespace GCC
