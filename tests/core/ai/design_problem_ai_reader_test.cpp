#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/text/tag_parser.h"
#include "core/text/text_utils.h"
#include "tests/core/ai/ai_test_support.h"
#include "tests/support/core/core_test.h"
#include "tests/support/core/model_dump.h"
#include "tests/support/core/small_project.h"

namespace {

using ai_test::Footprint;
using ai_test::live;

std::string solution(const std::string& subject, const std::string& description = "",
                     const std::string& ref_name = "", const std::string& ref_descr = "",
                     const std::string& ref_link = "") {
    return "   <solution>\n      <subject>" + subject + "</subject>\n      <description>" + description +
           "</description>\n      <reference_name>" + ref_name + "</reference_name>\n      <reference_descr>" +
           ref_descr + "</reference_descr>\n      <reference_link>" + ref_link + "</reference_link>\n   </solution>\n";
}

std::string answer_of(const std::string& solutions) {
    return "```xml\n<solutions>\n" + solutions + "</solutions>\n```";
}

class DesignProblemAiReader : public testing_support::CoreTest {
protected:
    testing_support::SmallProject small;
};

std::vector<std::string> subjects_of(const std::vector<Option*>& options) {
    std::vector<std::string> subjects;
    for (const Option* o : options) subjects.push_back(o->get_subject());
    return subjects;
}

TEST_F(DesignProblemAiReader, OneOptionPerRecordWithSubjectInOneUndoStep) {
    const Footprint before = Footprint::of(*small.project);
    const auto options =
        small.d->add_child_options(answer_of(solution("  Locking\n") + solution("   ", "no subject") +
                                             "<solution><description>no subject element</description></solution>" +
                                             solution("Guarding &amp; watching")));
    EXPECT_EQ(subjects_of(options), (std::vector<std::string>{"Locking", "Guarding & watching"}));
    EXPECT_EQ(subjects_of(small.d->get_child_options(false)), subjects_of(options));
    const Footprint after = Footprint::of(*small.project);
    EXPECT_EQ(after.states, before.states + 1);
    EXPECT_EQ(after.objects, before.objects + 2);

    const std::string d_uid = small.d->get_uid();
    const auto subjects = subjects_of(options);
    small.project->goto_previous_state();
    EXPECT_TRUE(Footprint::of(*small.project).same_content(before));
    EXPECT_TRUE(live<DesignProblem>(d_uid)->get_child_options(false).empty());
    small.project->goto_next_state();
    EXPECT_EQ(subjects_of(live<DesignProblem>(d_uid)->get_child_options(false)), subjects);
    EXPECT_TRUE(fake().messages.empty());
}

TEST_F(DesignProblemAiReader, DescriptionBecomesWrappedTooltipAndReferencesAreAttached) {
    const std::string description =
        "A bolt &amp; a strike plate keep the door shut; the key holder alone can open it again from outside.";
    const auto options = small.d->add_child_options(
        answer_of(solution("Lock", description) + solution("Guard", "", "", "", " https://guards.invalid ") +
                  solution("Wall", "", "EN 1627", "&quot;Resistance&quot; classes")));
    ASSERT_EQ(options.size(), 3u);
    EXPECT_EQ(options[0]->get_tooltip_txt(), MyStrF::_WrapText(MyStrF::_decode_xml_entities(description), 60));
    EXPECT_NE(options[0]->get_tooltip_txt().find('\n'), std::string::npos);
    EXPECT_TRUE(options[0]->get_ref_ids().empty());

    ASSERT_EQ(options[1]->get_ref_ids().size(), 1u);
    const Reference* link_only = small.project->get_reference(options[1]->get_ref_ids()[0]);
    EXPECT_EQ(link_only->name(), "");
    EXPECT_EQ(link_only->description(), "");
    EXPECT_EQ(link_only->link(), "https://guards.invalid");

    const Reference* named = small.project->get_reference(options[2]->get_ref_ids().at(0));
    EXPECT_EQ(named->name(), "EN 1627");
    EXPECT_EQ(named->description(), "\"Resistance\" classes");
}

// An answer's texts enter the model as every file can hold them.
TEST_F(DesignProblemAiReader, ControlCharactersOfAnAnswerAreDropped) {
    const auto options = small.d->add_child_options(answer_of(solution("Lo\x01" "ck\x1B", "a\x02" "b")));
    ASSERT_EQ(options.size(), 1u);
    EXPECT_EQ(options[0]->get_subject(), "Lock");
    EXPECT_EQ(options[0]->get_tooltip_txt(), "ab");
}

TEST_F(DesignProblemAiReader, SameLinkIsOneReferenceAndUndoRemovesIt) {
    const Footprint before = Footprint::of(*small.project);
    const auto options = small.d->add_child_options(answer_of(solution("Lock", "", "A", "", "https://x.invalid") +
                                                              solution("Bolt", "", "B", "", "https://x.invalid")));
    ASSERT_EQ(options.size(), 2u);
    EXPECT_EQ(options[0]->get_ref_ids(), options[1]->get_ref_ids());
    EXPECT_EQ(small.project->get_references().size(), before.references + 1);
    small.project->goto_previous_state();
    EXPECT_EQ(small.project->get_references().size(), before.references);
    small.project->goto_next_state();
    EXPECT_EQ(small.project->get_references().size(), before.references + 1);
}

TEST_F(DesignProblemAiReader, SiblingOptionsGetIntegrationRequirementsInTheSameStep) {
    // A second top-level problem: pasting into it makes the two problems siblings
    // with options, so every option gets its integration requirement.
    Option* existing = small.d->add_child_option("motor", true);
    Requirement* r2 = small.mandate->add_f_requirement(small.story, true);
    DesignProblem* d2 = r2->add_designproblem();
    ASSERT_EQ(existing->get_integration_requirement(), nullptr);
    const Footprint before = Footprint::of(*small.project);
    const std::string dump_before = testing_support::dump_project(*small.project);

    const auto options = d2->add_child_options(answer_of(solution("Sensor") + solution("Camera")));
    const std::string dump_after = testing_support::dump_project(*small.project);
    ASSERT_EQ(options.size(), 2u);
    ASSERT_NE(existing->get_integration_requirement(), nullptr);
    for (Option* o : options) EXPECT_NE(o->get_integration_requirement(), nullptr) << o->get_subject();
    const Footprint after = Footprint::of(*small.project);
    EXPECT_EQ(after.states, before.states + 1);
    EXPECT_EQ(after.objects, before.objects + 5);

    const std::vector<std::string> uids = {existing->get_uid(), options[0]->get_uid(), options[1]->get_uid()};
    small.project->goto_previous_state();
    EXPECT_EQ(testing_support::dump_difference(dump_before, testing_support::dump_project(*small.project)), "");
    EXPECT_EQ(live<Option>(uids[0])->get_integration_requirement(), nullptr);
    small.project->goto_next_state();
    EXPECT_EQ(testing_support::dump_difference(dump_after, testing_support::dump_project(*small.project)), "");
    for (const std::string& uid : uids) {
        Option* again = live<Option>(uid);
        ASSERT_NE(again, nullptr);
        EXPECT_NE(again->get_integration_requirement(), nullptr);
    }
}

TEST_F(DesignProblemAiReader, NoRecordWithSubjectCreatesNothingAndSaysSo) {
    for (const std::string& answer : {std::string(), std::string("No idea."), answer_of(solution(" \n ", "text")),
                                     std::string("<solution><subject>unclosed</subject>")}) {
        fake().messages.clear();
        const Footprint before = Footprint::of(*small.project);
        EXPECT_TRUE(small.d->add_child_options(answer).empty()) << answer;
        const Footprint after = Footprint::of(*small.project);
        EXPECT_TRUE(after.same_content(before));
        EXPECT_EQ(after.states, before.states);
        ASSERT_EQ(fake().messages.size(), 1u);
        EXPECT_EQ(fake().messages[0].kind, platform::MessageKind::Information);
        EXPECT_EQ(fake().messages[0].caption, "Information");
    }
}

}  // namespace
