#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/constants/gcc.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "pdf/reports/export_nodes_pdf.h"
#include "tests/pdf/reports/report_cases.h"
#include "tests/support/core/built_without_states.h"

namespace report_cases {
namespace {

class ObjectSections : public ReportTest {};

TEST_F(ObjectSections, FileNamesEndInPdf) {
    testing_support::BuiltWithoutStates built_without_states;
    {
        pdf::ExportNodesPDF sections;
        EXPECT_EQ(sections.get_filename(), "no_root_project.pdf");
    }
    make_project(build_no_mandate);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "Pump.pdf"},           {"report", "report.pdf"}, {"report.pdf", "report.pdf"},
        {"report.PDF", "report.PDF.pdf"}, {"pdf", "pdf.pdf"},     {".pdf", ".pdf"}};
    for (const auto& [name, expected] : cases) {
        pdf::ExportNodesPDF sections;
        sections.set_filename(name);
        EXPECT_EQ(sections.get_filename(), expected) << name;
    }
}

// A section heading names the object, and every reference row to it links
// there; the row's label is plain text.
TEST_F(ObjectSections, ReferenceRowsLinkToTheSection) {
    testing_support::BuiltWithoutStates built_without_states;
    Project* project = make_project(build_no_mandate);
    Option* option = nullptr;
    for (const auto& [uid, node] : project->get_nd_map())
        if (node->is_opt() && !option) option = static_cast<Option*>(node);
    pdf::ExportNodesPDF sections;
    sections.add_option(option, 1, true, true);
    sections.add_node_ref(option);
    const auto& page = sections.pages.back();
    const auto& label = page[page.size() - 3];
    const auto& value = page[page.size() - 2];
    EXPECT_EQ(label.lines.front(), "Option");
    EXPECT_EQ(label.g, 0);
    EXPECT_EQ(value.lines.front(), option->get_uid());
    EXPECT_EQ(value.g, 0.4);
    ASSERT_FALSE(sections.links.empty());
    EXPECT_EQ(sections.links.back().name, option->get_uid());
    EXPECT_EQ(sections.links.back().x, 159);
    EXPECT_EQ(sections.get_link_dest_string(option->get_uid()), "[18 0 R /XYZ 59 757 null]");
}

}  // namespace
}  // namespace report_cases
