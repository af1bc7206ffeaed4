#include "core/ai/ai_prompts.h"

#include <string>

#include <gtest/gtest.h>

#include "tests/core/ai/ai_test_support.h"
#include "tests/support/core/core_test.h"
#include "tests/support/core/small_project.h"

namespace {

class AiPrompts : public testing_support::CoreTest {
protected:
    testing_support::SmallProject small;
};

// The text between the first opening and the last closing mark of tag, marks included.
std::string block(const std::string& text, const std::string& tag) {
    const size_t from = text.find("<" + tag + ">");
    const std::string close = "</" + tag + ">";
    const size_t to = text.rfind(close);
    if (from == std::string::npos || to == std::string::npos) return {};
    return text.substr(from, to + close.size() - from);
}

// Fills the empty element of tag with value everywhere in text.
std::string fill_element(std::string text, const std::string& tag, const std::string& value) {
    const std::string empty = "<" + tag + "></" + tag + ">";
    for (size_t at = text.find(empty); at != std::string::npos; at = text.find(empty, at + empty.size()))
        text.replace(at, empty.size(), "<" + tag + ">" + value + "</" + tag + ">");
    return text;
}

TEST_F(AiPrompts, DesignProblemPromptIsTheQuestionThenTheSchema) {
    const std::string prompt = GCC::compose_dpr_ai_prompt(*small.d);
    EXPECT_EQ(prompt, small.d->get_txt() + "\n" + GCC::dpr_AI_prompt_addition);
    EXPECT_EQ(prompt.rfind("How can a gate open remotely?\n\nYour task:\n", 0), 0u);
}

TEST_F(AiPrompts, RequirementPromptTakesTheRequirementAsAssumptionAndListsTheTypes) {
    Parameter::add_cust_poss_parameter("pressure", {"bar"}, {1.0}, {0.0}, {false}, GCC::ai_target_phrases);
    const std::string prompt = GCC::compose_req_ai_prompt(*small.r);
    EXPECT_EQ(prompt, "The assumption is that The gate must open remotely." + GCC::val_AI_prompt_addition1 +
                          GCC::get_ai_par_types_and_units() + GCC::val_AI_prompt_addition2);
    EXPECT_NE(prompt.find("currently available are: function units: -; real units: -; length units: m, km, mm"),
              std::string::npos);
    EXPECT_NE(prompt.find("; force units: N; pressure units: bar.\n- New possible_units"), std::string::npos);
}

TEST_F(AiPrompts, AnAnswerFollowingTheDesignProblemSchemaIsReadFieldForField) {
    std::string schema = block(GCC::compose_dpr_ai_prompt(*small.d), GCC::prompt_solutions);
    ASSERT_FALSE(schema.empty());
    for (const auto& [tag, value] : {std::pair{GCC::prompt_subject, "Remote control"},
                                     {GCC::prompt_description, "A radio link."},
                                     {GCC::prompt_reference_name, "RC"},
                                     {GCC::prompt_reference_descr, "Radio"},
                                     {GCC::prompt_reference_link, "https://rc.invalid"}})
        schema = fill_element(schema, tag, value);
    const auto options = small.d->add_child_options(schema);
    ASSERT_EQ(options.size(), 1u);
    EXPECT_EQ(options[0]->get_subject(), "Remote control");
    EXPECT_EQ(options[0]->get_tooltip_txt(), "A radio link.");
    EXPECT_EQ(small.project->get_reference(options[0]->get_ref_ids().at(0))->link(), "https://rc.invalid");
}

TEST_F(AiPrompts, AnAnswerFollowingTheRequirementSchemaIsReadFieldForField) {
    Option* option = small.d->add_child_option("radio", true);
    const std::string prompt = GCC::compose_req_ai_prompt(*small.r);
    std::string answer = block(prompt, GCC::prompt_new_poss_pars) + "\n" + block(prompt, GCC::prompt_conditions) +
                         "\n" + block(prompt, GCC::prompt_proof);
    for (const auto& [tag, value] : {std::pair{GCC::prompt_new_poss_type, "frequency"},
                                     {GCC::prompt_new_poss_unit_symbol, "MHz"},
                                     {GCC::prompt_verb, "transmit"},
                                     {GCC::prompt_capability, "commands"},
                                     {GCC::prompt_value, "433"},
                                     {GCC::prompt_unit, "MHz"},
                                     {GCC::prompt_target_type, "equal to"},
                                     {GCC::prompt_reference_name, "ISM"},
                                     {GCC::prompt_reference_descr, "band"},
                                     {GCC::prompt_reference_link, "https://ism.invalid"},
                                     {GCC::prompt_description, "Tested."}})
        answer = fill_element(answer, tag, value);
    const NodeList made = small.r->add_ai_objects(answer, option);
    ASSERT_EQ(made.size(), 3u) << answer;
    for (size_t i : {1u, 2u}) {
        const auto* q = static_cast<const VerbCapParamBase*>(made[i]);
        EXPECT_EQ(q->get_par().get_type(), "frequency");
        EXPECT_DOUBLE_EQ(q->get_par().get_value(), 433.0);
        EXPECT_EQ(q->get_verb_cap()->get_capability(), "commands");
    }
    EXPECT_TRUE(made[1]->is_req());
    EXPECT_TRUE(made[2]->is_evd());
    EXPECT_EQ(made[2]->get_tooltip_txt(), "Tested.");
    EXPECT_TRUE(fake().messages.empty());
}

}  // namespace
