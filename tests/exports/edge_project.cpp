#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/quantity/parameter.h"
#include "tests/exports/export_test.h"

namespace export_tests {

namespace {

constexpr uint32_t length = 2;
constexpr uint16_t kilometre = 1;
constexpr uint32_t mass = 5;
constexpr uint16_t at_most = 2;
constexpr uint16_t equal_to = 3;

}  // namespace

void build_edge_project(Project* project) {
    project->set_name("T\xC3\xBCr & Tor <\xCE\xA9>");
    project->set_description("Line one\nline two\x01 with a bell\x07");
    // A custom type whose first unit is sixty base units.
    Parameter::add_cust_poss_parameter("rate", {"per min", "per h"}, {60.0, 1.0}, {0.0, 0.0}, {true, true},
                                       {"as slow as possible", "slower than", "at most", "equal to", "at least",
                                        "faster than", "as fast as possible"});
    const auto rate = static_cast<uint32_t>(Parameter::_possible_par_types.size() - 1);

    UserStory* story = project->add_user_story("open", "remotely & \"safely\"", "gate\x02",
                                               "As a guard\nI need it\x1b", false);
    Mandate* mandate = story->add_mandate("Remark\nsecond line", 1, false);
    Requirement* reach = mandate->add_q_requirement(story, length, 5.0, kilometre, at_most, 100);
    Requirement* open = mandate->add_f_requirement(story, true);
    DesignProblem* problem = reach->add_designproblem();
    open->add_to_existing_designproblem(problem);

    Option* motor = problem->add_child_option("motor", true);
    Option* spring = problem->add_child_option("spring\x03 \xE2\x82\xAC", true);
    Option* coil = motor->add_sub_option("coil");
    Option* wire = motor->add_sub_option("wire");

    Argument* coil_argument = coil->add_child_argument(reach, true);
    coil_argument->add_child_evidence(3, "reach", "far", length, 4.0, kilometre, equal_to, "proof\x04");
    // Two totals that together overflow in their parent option.
    coil_argument->add_child_evidence(3, "weigh", "much", mass, 1.5e308, 0, equal_to, "");
    Argument* wire_argument = wire->add_child_argument(reach, true);
    wire_argument->add_child_evidence(3, "weigh", "much", mass, 1.5e308, 0, equal_to, "");

    Argument* spring_argument = spring->add_child_argument(reach, false);
    Requirement* hold = spring_argument->add_f_requirement("hold", "the panel", true);
    spring_argument->add_child_evidence(4, "turn", "often", rate, 2.0, 0, equal_to, "");
    // Uids from a hand-edited file: no identifiers as they stand, and alike
    // once their odd characters are replaced.
    hold->set_uid("1 hold/\xC3\xA9");
    hold->add_designproblem()->set_uid("1 hold/\xC3\xA9 ");

    story->add_comment("Ann \xC3\x85", "first line\nsecond line\x0b");
    reach->add_comment("", "without author");
    reach->add_comment("", "");
    coil_argument->add_comment("Bob\x05", "checked");

    const uint64_t datasheet =
        reach->add_reference_to_node("Datasheet \xC3\xBC", "desc & <x>", "https://example.org/a b?x=1&y=2", "Unknown");
    const uint64_t drawing = reach->add_reference_to_node("Drawing", "", "C:\\docs\\gate sheet.pdf", "");
    reach->set_ref_ids({datasheet, 987654321, drawing});

    // A plain node below the story with a requirement below it, and a link
    // between kinds the model never links.
    auto* plain = new Node(story);
    plain->set_uid("");
    plain->add_child(open, true);
    reach->add_child(coil_argument->get_child_evidences().front(), true);
}

}  // namespace export_tests
