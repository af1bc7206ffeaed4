#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/text/text_utils.h"
#include "tests/core/ai/ai_test_support.h"
#include "tests/support/core/core_test.h"
#include "tests/support/core/model_dump.h"
#include "tests/support/core/small_project.h"

namespace {

using ai_test::evidence_record;
using ai_test::Footprint;
using ai_test::live;
using ai_test::requirement_record;
using ai_test::unit_record;

const std::string long_description =
    "The door leaf passed the static load test of the standard with a margin of twenty percent.";

// An answer laid out as the prompt asks, inside a code block with chatter around it.
const std::string sample_answer =
    "Sure! Here is the XML:\n```xml\n<possible_units>\n" + unit_record("pressure", "bar") +
    "</possible_units>\n<conditions>\n" +
    requirement_record("withstand", "forced entry", "200.0", "N", "equal to", "EN 1627", "Burglar resistance",
                       "https://norms.invalid/en1627") +
    requirement_record("hold", "air pressure", "2", "bar", "at least") +
    requirement_record("stay", "closed", "", "N", "at least") + "</conditions>\n<proof>\n" +
    evidence_record("resists", "a force", "250", "N", "at least", long_description, "Test report 12") +
    evidence_record("is", "tested", "", "", "", "Lab test.", "", "", "https://lab.invalid/report") +
    "</proof>\n```\nLet me know if you need more.";

class RequirementAiReader : public testing_support::CoreTest {
protected:
    RequirementAiReader() { option = small.d->add_child_option("door", true); }

    NodeList paste(const std::string& answer) { return small.r->add_ai_objects(answer, option); }

    testing_support::SmallProject small;
    Option* option = nullptr;
};

const Reference& reference_of(const Node* node) {
    return *GCC::RP->get_reference(node->get_ref_ids().at(0));
}

TEST_F(RequirementAiReader, SampleAnswerMakesArgumentTypesRequirementsAndEvidence) {
    const NodeList made = paste(sample_answer);
    ASSERT_EQ(made.size(), 6u);
    EXPECT_TRUE(fake().messages.empty()) << fake().messages.front().text;

    auto* argument = static_cast<Argument*>(made[0]);
    ASSERT_TRUE(argument->is_arg());
    EXPECT_TRUE(argument->get_validates());
    EXPECT_EQ(argument->get_parent_requirement(), small.r);
    EXPECT_EQ(argument->get_parent_options(false), std::vector<Option*>{option});
    for (size_t i = 1; i < made.size(); ++i) EXPECT_EQ(made[i]->get_parents(), NodeList{argument}) << i;

    // The new type comes first, so the second requirement can use it.
    const auto types = Parameter::get_poss_parameters();
    ASSERT_EQ(types.size(), 13u);
    EXPECT_EQ(types[12]->name, "pressure");
    EXPECT_EQ(types[12]->unit_symbols, std::vector<std::string>{"bar"});
    EXPECT_EQ(types[12]->target_texts, GCC::ai_target_phrases);

    auto* force = static_cast<Requirement*>(made[1]);
    ASSERT_TRUE(force->is_req());
    EXPECT_EQ(force->get_verb_cap()->get_verb(), "withstand");
    EXPECT_EQ(force->get_par().get_type(), "force");
    EXPECT_DOUBLE_EQ(force->get_par().get_value(), 200.0);
    EXPECT_EQ(force->get_par().get_target_int(), 3);
    const Reference& norm = reference_of(force);
    EXPECT_EQ(norm.name(), "EN 1627");
    EXPECT_EQ(norm.description(), "Burglar resistance");
    EXPECT_EQ(norm.link(), "https://norms.invalid/en1627");

    auto* pressure = static_cast<Requirement*>(made[2]);
    EXPECT_EQ(pressure->get_par().get_type(), "pressure");
    EXPECT_EQ(pressure->get_par().get_unit_symbol(), "bar");
    EXPECT_EQ(pressure->get_par().get_target_int(), 4);
    EXPECT_TRUE(pressure->get_ref_ids().empty());

    // An empty value makes a functional requirement, whatever unit and target say.
    EXPECT_TRUE(static_cast<Requirement*>(made[3])->is_functional());

    auto* tested = static_cast<Evidence*>(made[4]);
    ASSERT_TRUE(tested->is_evd());
    EXPECT_EQ(tested->get_rlevel().get_min_level(false), 1);
    EXPECT_EQ(tested->get_tooltip_txt(), MyStrF::_WrapText(long_description, 60));
    EXPECT_NE(tested->get_tooltip_txt().find('\n'), std::string::npos);
    EXPECT_EQ(tested->get_par().get_type(), "force");
    EXPECT_EQ(reference_of(tested).name(), "Test report 12");
    EXPECT_EQ(reference_of(tested).link(), "");

    auto* lab = static_cast<Evidence*>(made[5]);
    EXPECT_EQ(lab->get_par().get_type(), "real");
    EXPECT_EQ(lab->get_par().get_target_int(), 3);
    EXPECT_EQ(lab->get_rlevel().get_min_level(false), 1);
    EXPECT_EQ(reference_of(lab).name(), "");
    EXPECT_EQ(reference_of(lab).description(), "");
    EXPECT_EQ(reference_of(lab).link(), "https://lab.invalid/report");
}

TEST_F(RequirementAiReader, OnePasteIsOneUndoStepWithTypesAndReferences) {
    const Footprint before = Footprint::of(*small.project);
    const std::string dump_before = testing_support::dump_project(*small.project);
    ASSERT_EQ(paste(sample_answer).size(), 6u);
    const Footprint after = Footprint::of(*small.project);
    const std::string dump_after = testing_support::dump_project(*small.project);
    EXPECT_EQ(after.states, before.states + 1);
    EXPECT_EQ(after.current, before.current + 1);
    EXPECT_EQ(after.objects, before.objects + 6);
    EXPECT_EQ(after.references, before.references + 3);
    EXPECT_EQ(after.types, before.types + 1);

    const std::string r_uid = small.r->get_uid();
    small.project->goto_previous_state();
    EXPECT_TRUE(Footprint::of(*small.project).same_content(before));
    EXPECT_TRUE(live<Requirement>(r_uid)->get_child_arguments().empty());
    EXPECT_EQ(testing_support::dump_difference(dump_before, testing_support::dump_project(*small.project)), "");
    small.project->goto_next_state();
    EXPECT_TRUE(Footprint::of(*small.project).same_content(after));
    EXPECT_EQ(testing_support::dump_difference(dump_after, testing_support::dump_project(*small.project)), "");
    EXPECT_TRUE(fake().messages.empty());
}

TEST_F(RequirementAiReader, PastingTwiceReusesTheArgumentAndTheTypes) {
    const NodeList first = paste(sample_answer);
    const NodeList second = paste(sample_answer);
    ASSERT_EQ(first.size(), 6u);
    ASSERT_EQ(second.size(), 5u);  // no second argument
    EXPECT_FALSE(second[0]->is_arg());
    ASSERT_EQ(small.r->get_child_arguments().size(), 1u);
    EXPECT_EQ(small.r->get_child_arguments()[0]->get_children().size(), 10u);
    EXPECT_EQ(Parameter::get_poss_parameters().size(), 13u);
    // The same non-empty link is one reference; references without link are new each time.
    EXPECT_EQ(second[0]->get_ref_ids(), first[1]->get_ref_ids());
    EXPECT_NE(second[3]->get_ref_ids(), first[4]->get_ref_ids());
    EXPECT_TRUE(fake().messages.empty());
}

TEST_F(RequirementAiReader, EntitiesAreDecodedAndFieldsTrimmed) {
    const NodeList made = paste(
        requirement_record("  resist &amp; hold\n", " &lt;forced&gt; entry ", " 5 ", " MM ", "  At Least ",
                           "&quot;Norm&quot;", "it&apos;s", " https://x.invalid/?a=1&amp;b=2 ") +
        evidence_record("is", "proven", "", "", "", "  Tom &amp; Jerry &lt;3  "));
    ASSERT_EQ(made.size(), 3u);
    auto* r = static_cast<Requirement*>(made[1]);
    EXPECT_EQ(r->get_verb_cap()->get_verb(), "resist & hold");
    EXPECT_EQ(r->get_verb_cap()->get_capability(), "<forced> entry");
    EXPECT_EQ(r->get_par().get_type(), "length");
    EXPECT_EQ(r->get_par().get_unit_symbol(), "mm");
    EXPECT_DOUBLE_EQ(r->get_par().get_value(), 5.0);
    EXPECT_EQ(r->get_par().get_target_int(), 4);
    EXPECT_EQ(reference_of(r).name(), "\"Norm\"");
    EXPECT_EQ(reference_of(r).description(), "it's");
    EXPECT_EQ(reference_of(r).link(), "https://x.invalid/?a=1&b=2");
    EXPECT_EQ(made[2]->get_tooltip_txt(), "Tom & Jerry <3");
    EXPECT_TRUE(fake().messages.empty());
}

TEST_F(RequirementAiReader, UnknownTargetPhrasesAndNonFiniteValuesSkipTheirRecordInOneMessage) {
    const NodeList made = paste(requirement_record("withstand", "force", "10", "N", "bigger than") +
                                requirement_record("withstand", "heat", "inf", "C", "at most") +
                                requirement_record("open", "fast", "1e999", "sec", "at most") +
                                requirement_record("carry", "a load", "20 kg", "kg", "") +
                                requirement_record("weigh", "little", "heavy", "kg", "at most") +
                                requirement_record("be", "painted", "", "", "whatever") +
                                evidence_record("lasts", "long", "3", "furlongs", "at least", "x"));
    ASSERT_EQ(made.size(), 4u);  // argument, "weigh little", "be painted", the evidence
    auto* weigh = static_cast<Requirement*>(made[1]);
    EXPECT_EQ(weigh->get_verb_cap()->get_verb(), "weigh");
    EXPECT_DOUBLE_EQ(weigh->get_par().get_value(), 0.0);
    EXPECT_EQ(weigh->get_par().get_type(), "mass");
    EXPECT_TRUE(static_cast<Requirement*>(made[2])->is_functional());
    auto* lasts = static_cast<Evidence*>(made[3]);
    EXPECT_EQ(lasts->get_par().get_type(), "real");
    EXPECT_DOUBLE_EQ(lasts->get_par().get_value(), 3.0);

    ASSERT_EQ(fake().messages.size(), 1u);
    const auto& message = fake().messages[0];
    EXPECT_EQ(message.kind, platform::MessageKind::Warning);
    for (const char* part : {"'bigger than' is unknown", "'inf' is not a finite number", "'1e999' is not a finite",
                             "requirement 'carry a load': the target phrase is missing", "'heavy' is not a number",
                             "the unit 'furlongs' is unknown"})
        EXPECT_NE(message.text.find(part), std::string::npos) << part << "\n" << message.text;
}

TEST_F(RequirementAiReader, ValuesWithoutUnitOrWithTheDashAreReal) {
    const NodeList made = paste(requirement_record("score", "points", "7", "", "at least") +
                                requirement_record("rate", "quality", "0.5", "-", "at least"));
    ASSERT_EQ(made.size(), 3u);
    for (size_t i : {1u, 2u}) {
        auto* r = static_cast<Requirement*>(made[i]);
        EXPECT_EQ(r->get_par().get_type(), "real") << i;
        EXPECT_FALSE(r->is_functional()) << i;
    }
    EXPECT_TRUE(fake().messages.empty());
}

TEST_F(RequirementAiReader, IncompleteAndEmptyRecordsAreSkipped) {
    // An evidence without its description element has eight fields: skipped silently.
    std::string eight_fields = evidence_record("is", "proven", "", "", "", "d");
    eight_fields.replace(eight_fields.find("<description>"), std::string("<description>d</description>").size(), "");
    const NodeList made = paste(eight_fields + evidence_record("is", "shown", "", "", "", ""));
    ASSERT_EQ(made.size(), 2u);
    EXPECT_EQ(static_cast<Evidence*>(made[1])->get_verb_cap()->get_capability(), "shown");
    EXPECT_EQ(made[1]->get_tooltip_txt(), "");
    EXPECT_TRUE(fake().messages.empty());
}

TEST_F(RequirementAiReader, NoReadableRecordCreatesNothingAndSaysSo) {
    for (const std::string& answer :
         {std::string(), std::string("I cannot help with that."),
          std::string("<requirement><verb>cut</verb></requirement>"),  // fields missing
          unit_record("", "bar") + requirement_record("x", "y", "1", "N", "sort of")}) {
        fake().messages.clear();
        const Footprint before = Footprint::of(*small.project);
        EXPECT_TRUE(paste(answer).empty()) << answer;
        const Footprint after = Footprint::of(*small.project);
        EXPECT_TRUE(after.same_content(before)) << answer;
        EXPECT_EQ(after.states, before.states) << answer;
        EXPECT_TRUE(small.r->get_child_arguments().empty());
        ASSERT_EQ(fake().messages.size(), 1u) << answer;
        EXPECT_EQ(fake().messages[0].kind, platform::MessageKind::Information);
        EXPECT_EQ(fake().messages[0].text.rfind("Nothing was added from the AI answer", 0), 0u);
    }
    EXPECT_NE(fake().messages[0].text.find("'sort of' is unknown"), std::string::npos);
}

TEST_F(RequirementAiReader, ExistingTypesAndUnitsAreReused) {
    paste(unit_record("pressure", "bar") + requirement_record("a", "b", "1", "bar", "at most"));
    fake().messages.clear();
    const Footprint before = Footprint::of(*small.project);
    // Known unit (any type name), known type with a new unit, known type and unit.
    const NodeList made = paste(unit_record("Pressure", "bar") + unit_record("stress", "N") +
                                unit_record("length", "furlong") + unit_record("PRESSURE", "psi") +
                                requirement_record("c", "d", "2", "BAR", "at most"));
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(static_cast<Requirement*>(made[0])->get_par().get_type(), "pressure");
    EXPECT_EQ(Parameter::get_poss_parameters().size(), before.types);
    EXPECT_EQ(Parameter::get_poss_parameters()[12]->unit_symbols, std::vector<std::string>{"bar"});
    EXPECT_EQ(Parameter::get_poss_parameters()[2]->unit_count(), 5u);
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_NE(fake().messages[0].text.find("'length' exists without the unit 'furlong'"), std::string::npos);
    EXPECT_NE(fake().messages[0].text.find("'PRESSURE' exists without the unit 'psi'"), std::string::npos);

    // An answer that only repeats a known type adds nothing and says so.
    fake().messages.clear();
    const size_t states = small.project->get_state_count();
    EXPECT_TRUE(paste(unit_record("pressure", "bar")).empty());
    EXPECT_EQ(small.project->get_state_count(), states);
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_EQ(fake().messages[0].kind, platform::MessageKind::Information);

    // Undo of the second paste keeps the type of the first paste.
    small.project->goto_previous_state();
    EXPECT_EQ(Parameter::get_poss_parameters().size(), 13u);
}

TEST_F(RequirementAiReader, OnlyNewTypesStillMakeOneUndoStep) {
    paste(requirement_record("a", "b", "", "", ""));  // the argument exists from here on
    const Footprint before = Footprint::of(*small.project);
    EXPECT_TRUE(paste(unit_record("acceleration", "m/s2")).empty());
    EXPECT_EQ(Parameter::get_poss_parameters().size(), before.types + 1);
    EXPECT_EQ(small.project->get_state_count(), before.states + 1);
    small.project->goto_previous_state();
    EXPECT_EQ(Parameter::get_poss_parameters().size(), before.types);
    small.project->goto_next_state();
    EXPECT_EQ(Parameter::get_poss_parameters().size(), before.types + 1);
}

TEST_F(RequirementAiReader, AnOptionThatCannotArgueGetsTheErrorAndNothingElse) {
    // An option of another problem, whose requirements do not include r.
    Requirement* other = small.mandate->add_f_requirement(small.story, true);
    Option* elsewhere = other->add_designproblem()->add_child_option("fence", true);
    const Footprint before = Footprint::of(*small.project);
    EXPECT_TRUE(small.r->add_ai_objects(sample_answer, elsewhere).empty());
    const Footprint after = Footprint::of(*small.project);
    EXPECT_TRUE(after.same_content(before));
    EXPECT_EQ(after.states, before.states);
    ASSERT_EQ(fake().error_texts().size(), 1u);
    EXPECT_EQ(fake().error_texts()[0], "Adding Argument to Option " + elsewhere->get_uid() + " failed.\nRequirement " +
                                           small.r->get_uid() + " is not in its parents.");
    EXPECT_TRUE(small.r->add_ai_objects(sample_answer, nullptr).empty());
}

TEST_F(RequirementAiReader, AnArgumentOfAnAncestorOptionIsFound) {
    Argument* existing = option->add_child_argument(small.r, true);
    Option* part = option->add_sub_option("leaf");  // moves the argument down to the sub-option
    ASSERT_EQ(existing->get_parent_options(false), std::vector<Option*>{part});
    const NodeList made = small.r->add_ai_objects(requirement_record("a", "b", "", "", ""), option);
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(made[0]->get_parents(), NodeList{existing});
}

}  // namespace
