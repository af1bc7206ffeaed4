#include "tests/pdf/reports/report_cases.h"

#include <cstdlib>
#include <fstream>

#include <gtest/gtest.h>

#include "core/constants/gcc.h"
#include "core/examples/example_projects.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/mandate.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"

namespace report_cases {
namespace {

// A validating argument of option about requirement, with one evidence.
Argument* prove(Option* option, Requirement* requirement, int level) {
    Argument* argument = option->add_child_argument(requirement, true);
    argument->add_child_evidence(level, requirement->get_verb_cap()->get_verb(),
                                 requirement->get_verb_cap()->get_capability(), 0u, 0.0, 0, 3, "");
    return argument;
}

void build_long_url(Project* project) {
    project->set_name("Links");
    project->set_description("A description with a word longer than a line: " + std::string(150, 'w') + ".");
    UserStory* story = project->add_user_story("open", "remotely", "gate", "", false);
    Mandate* mandate = story->add_mandate("", 1, false);
    Requirement* r = mandate->add_f_requirement(story, false);
    Option* option = r->add_designproblem()->add_child_option("barrier", false);
    prove(option, r, 2);
    std::string url = "https://example.org/catalogue/";
    for (int i = 0; i < 12; ++i) url += "section-" + std::to_string(i) + "/";
    url += "gr\xC3\xB6\xC3\x9F" "e?item=barri\xC3\xA8re&lang=fr";
    option->add_reference_to_node("Supplier catalogue", "All barrier sizes", url, "Web Page");
    option->add_comment("Reviewer", "See " + url + " for the sizes.");
}

void build_non_ascii(Project* project) {
    project->set_name("Caf\xC3\xA9 \xE2\x80\x93 M\xC3\xBCller \xE2\x9C\x93");
    project->set_description("Stra\xC3\x9F" "enbahn f\xC3\xBCr Z\xC3\xBCrich \xF0\x9F\x9A\x8B");
    UserStory* story = project->add_user_story("\xC3\xB6" "ffnen", "ferngesteuert", "Schranke", "", false);
    Mandate* mandate = story->add_mandate("Genehmigt f\xC3\xBCr \xE2\x82\xAC" "5000", 2, false);
    Requirement* r = mandate->add_f_requirement(story, false);
    Option* option = r->add_designproblem()->add_child_option("\xD0\x9C\xD0\xBE\xD1\x82\xD0\xBE\xD1\x80", false);
    prove(option, r, 3);
    option->add_comment("\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0", "\xC2\xAB" "Gut\xC2\xBB \xE2\x80\x94 \xE2\x80\x9Cgood\xE2\x80\x9D");
}

}  // namespace

void build_no_mandate(Project* project) {
    project->set_name("Pump");
    UserStory* story = project->add_user_story("pump", "water uphill", "pump station", "Needed for the village", false);
    auto* r = new Requirement(story, story);
    DesignProblem* d = r->add_designproblem();
    prove(d->add_child_option("piston pump", false), r, 3);
    prove(d->add_child_option("screw pump", false), r, 1);
}

// drive > motor > winding, each leaf proven; the winding derives a
// requirement with a design problem of its own.
void build_deep_sub_options(Project* project) {
    project->set_name("Deep");
    UserStory* story = project->add_user_story("move", "the barrier", "gate", "", false);
    Mandate* mandate = story->add_mandate("", 1, false);
    Requirement* r = mandate->add_f_requirement(story, false);
    Option* drive = r->add_designproblem()->add_child_option("drive", false);
    Option* motor = drive->add_sub_option("motor");
    Option* gearbox = drive->add_sub_option("gearbox");
    Option* winding = motor->add_sub_option("winding");
    prove(gearbox, r, 2);
    Argument* argument = prove(winding, r, 2);
    Requirement* derived = argument->add_f_requirement("carry", "the start current", false);
    prove(derived->add_designproblem()->add_child_option("copper wire", false), derived, 2);
}

void close_cycle_in_deep_case(Project* project) {
    Requirement* top = project->get_top_lvl_reqs().front();
    for (const auto& [uid, node] : project->get_nd_map())
        if (node->is_arg() && node->get_parents().front()->get_txt() == "Copper wire")
            static_cast<Argument*>(node)->link_existing_requirement(top);
}

const std::vector<Case>& golden_cases() {
    static const std::vector<Case> cases = {
        {"explain", &MyEx::create_explain_project}, {"gate", &MyEx::create_gate_project},
        {"no_mandate", &build_no_mandate},          {"deep_sub_options", &build_deep_sub_options},
        {"long_url", &build_long_url},              {"non_ascii", &build_non_ascii},
    };
    return cases;
}

Project* make_project(void (*build)(Project*)) {
    delete GCC::RP;
    auto* project = new Project();
    build(project);
    return project;
}

testing_support::PdfReader ReportTest::read(const std::string& name) {
    const std::string bytes = testing_support::read_file(path(name));
    EXPECT_FALSE(bytes.empty()) << name;
    return testing_support::PdfReader(bytes);
}

std::string ReportTest::all_text(const testing_support::PdfReader& reader) {
    std::string text;
    for (size_t p = 0; p < reader.page_count(); ++p) text += reader.page_text(p) + "\n";
    return text;
}

void ReportTest::expect_golden(const std::string& folder, const std::string& name, const std::string& actual) {
    const std::string golden = std::string(MORVANTA_TEST_DATA_DIR) + "/pdf/" + folder + "/" + name + ".txt";
    if (std::getenv("MORVANTA_UPDATE_GOLDEN")) {
        std::ofstream(golden, std::ios::binary) << actual;
        return;
    }
    const std::string expected = testing_support::read_file(golden);
    ASSERT_FALSE(expected.empty()) << "missing golden file " << golden;
    if (expected == actual) return;
    size_t line = 1, at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) line += expected[at++] == '\n';
    ADD_FAILURE() << golden << " differs from line " << line << "; set MORVANTA_UPDATE_GOLDEN=1 to rewrite it";
}

void ReportTest::expect_qpdf_accepts(const std::string& name) {
    const auto check = testing_support::run_command("qpdf --check '" + path(name) + "'");
    EXPECT_EQ(check.status, 0) << check.output;
    EXPECT_EQ(check.output.find("WARNING"), std::string::npos) << check.output;
}

void ReportTest::expect_golden_export(Exporter exporter, const std::string& folder, const std::string& name,
                                      const std::vector<std::string>& titles) {
    ASSERT_EQ(exporter(*GCC::RP, path(name)), "");
    const auto reader = read(name);
    EXPECT_EQ(reader.problems(), "");
    expect_golden(folder, name, reader.dump());
    expect_qpdf_accepts(name);
    expect_in_order(name, titles);
}

void ReportTest::expect_in_order(const std::string& name, const std::vector<std::string>& titles) {
    const testing_support::PdfReader reader = read(name);
    size_t first_body_page = 0;
    while (first_body_page < reader.page_count() && reader.page_text(first_body_page).rfind("Morvanta | 1\n", 0) != 0)
        ++first_body_page;
    const auto text = testing_support::run_command("pdftotext -f " + std::to_string(first_body_page + 1) + " '" +
                                                   path(name) + "' -");
    ASSERT_EQ(text.status, 0) << text.output;
    size_t at = 0;
    for (const std::string& title : titles) {
        const size_t found = text.output.find(title, at);
        ASSERT_NE(found, std::string::npos) << title << " missing or out of order in " << name;
        at = found + title.size();
    }
}

}  // namespace report_cases
