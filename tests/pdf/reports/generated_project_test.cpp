#include <gtest/gtest.h>

#include "bench/bulk_project.h"
#include "core/constants/gcc.h"
#include "pdf/pdf_export.h"
#include "tests/pdf/reports/report_cases.h"

namespace report_cases {
namespace {

class GeneratedProject : public ReportTest {};

// The benchmarks' generated project (comments, tooltips, web and file
// references, custom units, sub-options, every kind of requirement) at a
// size that keeps the suite fast: both reports are sound files, and the
// full report describes every object.
TEST_F(GeneratedProject, BothReportsOfAThousandObjectsAreSound) {
    auto* project = new Project("Generated", "");
    ASSERT_EQ(bench_support::BulkProjectMaker(*project, 1000).make(), "");
    ASSERT_EQ(pdf::export_full_report(*project, path("full")), "");
    const auto full = read("full");
    EXPECT_EQ(full.problems(), "");
    // "Project Object" and "Mandate Object" are sections themselves; the
    // other object chapters hold one section per object.
    size_t sections = 0;
    for (const auto& chapter : full.outline())
        if (chapter.title.find(" Object") != std::string::npos)
            sections += chapter.children.empty() ? 1 : chapter.children.size();
    EXPECT_EQ(sections, project->get_nd_map().size());
    ASSERT_EQ(pdf::export_requirements_report(*project, path("requirements")), "");
    EXPECT_EQ(read("requirements").problems(), "");
}

}  // namespace
}  // namespace report_cases
