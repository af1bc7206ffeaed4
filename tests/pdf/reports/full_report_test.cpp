#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/constants/gcc.h"
#include "core/model/mandate.h"
#include "core/model/project.h"
#include "pdf/pdf_export.h"
#include "tests/pdf/reports/report_cases.h"
#include "tests/support/core/built_without_states.h"

namespace report_cases {
namespace {

const std::vector<std::string> kChapterTitles = {
    "Introduction",       "Summary",           "Project Tree",           "Design Problem Tree",
    "Options Tree",       "Validation Trees",  "Requirements Trees",     "V-diagram",
    "Project Object",     "User Story Objects", "Mandate Object",        "Requirement Objects",
    "Design Problem Objects", "Option Objects", "Argument Objects",      "Evidence Objects",
    "Conclusion"};

class FullReport : public ReportTest, public ::testing::WithParamInterface<Case> {};

TEST_P(FullReport, MatchesItsGoldenFileAndOutsideReadersAcceptIt) {
    testing_support::BuiltWithoutStates built_without_states;
    const Project* project = make_project(GetParam().build);
    std::vector<std::string> titles = kChapterTitles;
    if (!project->get_mandate()) titles.erase(titles.begin() + 10);
    expect_golden_export(&pdf::export_full_report, "full_report", GetParam().name, titles);
}

INSTANTIATE_TEST_SUITE_P(GoldenCases, FullReport, ::testing::ValuesIn(golden_cases()),
                         [](const auto& info) { return info.param.name; });

class FullReportRun : public ReportTest {
protected:
    testing_support::PdfReader exported(const std::string& name) {
        EXPECT_EQ(pdf::export_full_report(*GCC::RP, path(name)), "");
        auto reader = read(name);
        EXPECT_EQ(reader.problems(), "");
        return reader;
    }
};

// The outline holds the seventeen chapters as top items after the contents.
TEST_F(FullReportRun, SeventeenChaptersWithAMandate) {
    testing_support::BuiltWithoutStates built_without_states;
    make_project(build_deep_sub_options);
    const auto reader = exported("chapters");
    ASSERT_EQ(reader.outline().size(), 18u);
    for (size_t i = 0; i < kChapterTitles.size(); ++i)
        EXPECT_EQ(reader.outline()[i + 1].title, std::to_string(i + 1) + "  " + kChapterTitles[i]);
}

// Without a mandate the later chapters move up by one, and the
// introduction's links name and open the chapters they point to.
TEST_F(FullReportRun, IntroductionNamesTheRightChaptersWithoutAMandate) {
    testing_support::BuiltWithoutStates built_without_states;
    make_project(build_no_mandate);
    const auto reader = exported("no_mandate");
    const auto& outline = reader.outline();
    ASSERT_EQ(outline.size(), 17u);
    EXPECT_EQ(outline[11].title, "11  Requirement Objects");
    EXPECT_EQ(outline[13].title, "13  Option Objects");
    EXPECT_EQ(outline[16].title, "16  Conclusion");
    // Pieces of a sentence are apart by " | " on one line, by a line end across lines.
    std::string text;
    for (const char c : all_text(reader)) text += c == '\n' ? std::string(" | ") : std::string(1, c);
    EXPECT_NE(text.find("(see | Chapter 11"), std::string::npos) << text.substr(0, 3000);
    EXPECT_NE(text.find("(see | Chapter 13"), std::string::npos);
    EXPECT_NE(text.find("(see | Chapter 16"), std::string::npos);
    // The three chapter links of the introduction page open those chapters.
    std::vector<int> targets;
    for (const auto& link : reader.links())
        if (link.page == outline[1].target_page && link.uri.empty()) targets.push_back(link.target_page);
    EXPECT_EQ(targets, (std::vector<int>{outline[11].target_page, outline[13].target_page, outline[16].target_page}));
    EXPECT_NE(text.find("No Mandate objects defined here."), std::string::npos);
}

TEST_F(FullReportRun, ArgumentSectionsReadOptionSubjectIsSelected) {
    testing_support::BuiltWithoutStates built_without_states;
    make_project(build_no_mandate);
    std::string text = all_text(exported("selected"));
    std::replace(text.begin(), text.end(), '\n', ' ');  // the sentence wraps
    EXPECT_NE(text.find("followed if Option piston pump is selected."), std::string::npos);
}

TEST_F(FullReportRun, DisplayFilterIsTheUsersAgainAfterTheExport) {
    testing_support::BuiltWithoutStates built_without_states;
    Project* project = make_project(build_deep_sub_options);
    project->get_settings().set_show_str(uint16_t{3});
    const std::string users_filter = project->get_settings().get_show_str();
    exported("filter");
    EXPECT_EQ(project->get_settings().get_show_str(), users_filter);
    const std::string failed = pdf::export_full_report(*project, fake().root + "/missing/deeper/report.pdf");
    EXPECT_EQ(failed.rfind("Failed to create export directory: ", 0), 0u);
    EXPECT_EQ(project->get_settings().get_show_str(), users_filter);
}

// A requirement linked back below its own options closes a cycle: the
// tree chapters say where its content stands instead of repeating it
// forever. (Shared subtrees are bounded by the same walk, with its own tests.)
TEST_F(FullReportRun, CyclesEndWithAPointerToTheContentAbove) {
    testing_support::BuiltWithoutStates built_without_states;
    close_cycle_in_deep_case(make_project(build_deep_sub_options));
    const std::string text = all_text(exported("cycle"));
    EXPECT_NE(text.find("The objects below this Requirement are shown earlier in this chapter."), std::string::npos);
}

}  // namespace
}  // namespace report_cases
