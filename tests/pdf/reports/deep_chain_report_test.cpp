#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <unordered_set>

#include "core/chapters/section_depth.h"
#include "core/io/project_reader.h"
#include "core/model/process_state.h"
#include "pdf/reports/export_pdf.h"
#include "pdf/reports/export_req_pdf.h"
#include "tests/pdf/reports/report_cases.h"
#include "tests/support/core/deep_chain.h"
#include "tests/support/small_stack.h"

namespace report_cases {
namespace {

using testing_support::DeepChain;

// Far deeper than a stack this small allows nested calls per level.
constexpr size_t stack_bytes = 256 * 1024;

class DeepChainReports : public ReportTest, public ::testing::WithParamInterface<DeepChain> {
protected:
    // A new current project holding the chain.
    Project& open_chain(int levels) {
        reset_process_state();
        auto* project = new Project("Deep", "");
        const std::string file = testing_support::deep_chain_file(GetParam(), levels);
        EXPECT_TRUE(project_file::read_project_buffer(*project, file.data(), file.size(), "deep.xml").opened);
        return *project;
    }

    // Exports the report of a chain of that depth as `name`.pdf on a small stack; checks
    // that every heading has a number of its own of at most the deepest
    // section's parts, and returns the file's bytes per object.
    template <class Report>
    double export_chain(int levels, const std::string& name) {
        const Project& project = open_chain(levels);
        Report report;
        std::string error = "not run";
        testing_support::run_on_small_stack(stack_bytes,
                                            [&] { error = report.export_pdf(fake().root, name + ".pdf"); });
        EXPECT_EQ(error, "");
        std::unordered_set<std::string> numbers;
        size_t most_parts = 0;
        for (const auto& heading : report.headings) {
            EXPECT_TRUE(numbers.insert(heading.number).second) << heading.number;
            const auto dots = std::count(heading.number.begin(), heading.number.end(), '.');
            most_parts = std::max(most_parts, static_cast<size_t>(dots) + 1);
        }
        EXPECT_LE(most_parts, chapters::max_section_depth);
        const auto bytes = static_cast<double>(std::filesystem::file_size(path(name)));
        return bytes / static_cast<double>(project.get_nd_map().size());
    }

    // Both depths: the deeper file takes about the same bytes per object.
    template <class Report>
    void expect_linear_growth(const std::string& kind) {
        SCOPED_TRACE(kind);
        const double shallow = export_chain<Report>(1000, kind + "1000");
        EXPECT_EQ(read(kind + "1000").problems(), "");
        const double deep = export_chain<Report>(2000, kind + "2000");
        EXPECT_LE(deep, 1.05 * shallow);
    }
};

// Heading numbers stop growing below a fixed depth (deeper headings count on
// in the last part), so both reports grow linearly with the depth of a chain
// and are written without nested calls per level.
TEST_P(DeepChainReports, GrowLinearlyWithBoundedHeadingNumbers) {
    expect_linear_growth<pdf::ExportPDF>("full");
    expect_linear_growth<pdf::ExportReqPDF>("requirements");
}

INSTANTIATE_TEST_SUITE_P(Kinds, DeepChainReports,
                         ::testing::Values(DeepChain::DerivedRequirements, DeepChain::SubOptions),
                         [](const auto& info) {
                             return info.param == DeepChain::SubOptions ? "SubOptions" : "DerivedRequirements";
                         });

}  // namespace
}  // namespace report_cases
