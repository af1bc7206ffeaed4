#include <gtest/gtest.h>

#include <filesystem>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "pdf/pdf_export.h"
#include "tests/pdf/reports/report_cases.h"
#include "tests/support/core/built_without_states.h"

namespace report_cases {
namespace {

class RequirementsReport : public ReportTest, public ::testing::WithParamInterface<Case> {};

TEST_P(RequirementsReport, MatchesItsGoldenFileAndOutsideReadersAcceptIt) {
    testing_support::BuiltWithoutStates built_without_states;
    make_project(GetParam().build);
    expect_golden_export(&pdf::export_requirements_report, "requirements_report", GetParam().name,
                         {"Introduction", "Summary", "Requirements", "User Stories", "Conclusion"});
}

INSTANTIATE_TEST_SUITE_P(GoldenCases, RequirementsReport, ::testing::ValuesIn(golden_cases()),
                         [](const auto& info) { return info.param.name; });

class RequirementsReportRun : public ReportTest {
protected:
    // The body text of the report written for the current project.
    std::string exported_text(const std::string& name) {
        EXPECT_EQ(pdf::export_requirements_report(*GCC::RP, path(name)), "");
        const auto reader = read(name);
        EXPECT_EQ(reader.problems(), "");
        return all_text(reader);
    }
};

size_t count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST_F(RequirementsReportRun, WithoutTopLevelRequirementsTheChapterEndsAfterTheUserStories) {
    make_project([](Project* p) { p->add_user_story("open", "remotely", "gate", "", false); });
    const std::string text = exported_text("bare");
    EXPECT_NE(text.find("No Top Level Requirement objects defined here."), std::string::npos);
    EXPECT_EQ(text.find("Level1"), std::string::npos);
}

// Sub-options are listed at every depth, and the requirements derived below
// the deepest one open the next layer.
TEST_F(RequirementsReportRun, ReachesBelowSubOptionsAtEveryDepth) {
    testing_support::BuiltWithoutStates built_without_states;
    make_project(build_deep_sub_options);
    const std::string text = exported_text("deep");
    EXPECT_NE(text.find("3.2.2.1.1.1 | Winding"), std::string::npos);
    EXPECT_NE(text.find("3.3.1.1 | Winding carry the start current"), std::string::npos);
    EXPECT_NE(text.find("Level 2 Options"), std::string::npos);
    EXPECT_NE(text.find("Copper wire carry the start current"), std::string::npos);
}

// Whatever the user's filter, integration requirements stay out, and the
// filter is the user's again afterwards.
TEST_F(RequirementsReportRun, IntegrationRequirementsStayOutAndTheFilterComesBack) {
    testing_support::BuiltWithoutStates built_without_states;
    Project* project = make_project(build_deep_sub_options);
    const std::string users_filter = "All+    | Show Integration Requirements";
    project->get_settings().set_show_str(users_filter);
    const std::string text = exported_text("filtered");
    EXPECT_EQ(text.find("integrated into"), std::string::npos);
    EXPECT_EQ(project->get_settings().get_show_str(), users_filter);
}

TEST_F(RequirementsReportRun, FailuresLeaveTheFilterAndReportTheReason) {
    testing_support::BuiltWithoutStates built_without_states;
    Project* project = make_project(build_no_mandate);
    project->get_settings().set_show_str(uint16_t{4});
    const std::string users_filter = project->get_settings().get_show_str();
    // Only one missing folder level is created.
    const std::string deep = fake().root + "/a/b/report.pdf";
    EXPECT_EQ(pdf::export_requirements_report(*project, deep), "Failed to create export directory: " + fake().root + "/a/b");
    EXPECT_EQ(project->get_settings().get_show_str(), users_filter);
    // A folder in the way of the file: the write fails after the report was built.
    std::filesystem::create_directories(fake().root + "/taken.pdf/inside");
    const std::string result = pdf::export_requirements_report(*project, fake().root + "/taken.pdf");
    EXPECT_EQ(result.rfind("Saving pdf file didn\xE2\x80\x99t complete correctly.", 0), 0u) << result;
    EXPECT_EQ(project->get_settings().get_show_str(), users_filter);
    EXPECT_TRUE(std::filesystem::is_directory(fake().root + "/taken.pdf/inside"));
}

TEST_F(RequirementsReportRun, EntryPointNamesTheFileAndWantsTheCurrentProject) {
    testing_support::BuiltWithoutStates built_without_states;
    Project* project = make_project(build_no_mandate);
    ASSERT_EQ(pdf::export_requirements_report(*project, fake().root + "/plain"), "");
    EXPECT_TRUE(std::filesystem::exists(fake().root + "/plain.pdf"));
    EXPECT_EQ(project->get_export_directory(), fake().root);
    new Project("Other");  // now the current project
    EXPECT_EQ(pdf::export_requirements_report(*project, fake().root + "/x.pdf"), "No root_project in export_pdf.");
    delete project;
}

// Both alternatives the user chose on the V-diagram page appear, and an
// automatic choice is remembered as the page remembers it.
TEST_F(RequirementsReportRun, ShownAlternativesFollowTheUsersChoice) {
    testing_support::BuiltWithoutStates built_without_states;
    Project* project = make_project(build_no_mandate);
    const std::string automatic = exported_text("automatic");
    EXPECT_NE(automatic.find("Piston pump"), std::string::npos);
    EXPECT_EQ(automatic.find("| Screw pump"), std::string::npos);
    EXPECT_EQ(project->get_shown_uids().size(), 1u);
    for (const auto& [uid, node] : project->get_nd_map())
        if (node->is_opt()) project->get_shown_uids().insert(uid);
    const std::string both = exported_text("both");
    EXPECT_NE(both.find("| Piston pump"), std::string::npos);
    EXPECT_NE(both.find("| Screw pump"), std::string::npos);
    // Each option's evidence once in the body (the contents list it too).
    EXPECT_EQ(count(both, "| Piston pump pump water uphill\n"), 1u);
    EXPECT_EQ(count(both, "| Screw pump pump water uphill\n"), 1u);
}

// A requirement linked back below its own layers makes a cycle: each
// requirement is laid out once and the walk ends.
TEST_F(RequirementsReportRun, CycleInTheGraphEndsTheLayers) {
    testing_support::BuiltWithoutStates built_without_states;
    close_cycle_in_deep_case(make_project(build_deep_sub_options));
    const std::string text = exported_text("cycle");
    EXPECT_EQ(count(text, "| Gate move the barrier\n"), 2u);  // the user story and the requirement
    EXPECT_EQ(text.find("Level3"), std::string::npos);
}

}  // namespace
}  // namespace report_cases
