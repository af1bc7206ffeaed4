#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/constants/gcc.h"
#include "core/examples/example_projects.h"
#include "pdf/pdf_export.h"
#include "tests/pdf/reports/report_cases.h"

namespace report_cases {
namespace {

class PageBreaks : public ReportTest {};

// Headings are set in Helvetica-Bold (/F6) and Helvetica-BoldOblique (/F8),
// body text in Helvetica (/F5).
bool is_heading(const testing_support::PdfReader::TextLine& line) { return line.font == "/F6" || line.font == "/F8"; }

// The lines of a page's lowest baseline between the margins (the page header
// and footer lie outside them).
std::vector<testing_support::PdfReader::TextLine> foot(const testing_support::PdfReader& reader, size_t page) {
    std::vector<testing_support::PdfReader::TextLine> lowest;
    for (const auto& line : reader.lines(page)) {
        if (line.y < 84 || line.y > 757) continue;
        if (!lowest.empty() && line.y > lowest.front().y) continue;
        if (!lowest.empty() && line.y < lowest.front().y) lowest.clear();
        lowest.push_back(line);
    }
    return lowest;
}

TEST_F(PageBreaks, NoPageOfTheExampleReportsEndsWithAHeading) {
    const std::vector<std::pair<std::string, Exporter>> reports = {{"full", &pdf::export_full_report},
                                                                   {"requirements", &pdf::export_requirements_report}};
    const std::vector<Case> examples = {{"explain", &MyEx::create_explain_project},
                                        {"gate", &MyEx::create_gate_project}};
    for (const auto& [kind, exporter] : reports)
        for (const Case& example : examples) {
            const std::string name = kind + "_" + example.name;
            make_project(example.build);
            ASSERT_EQ(exporter(*GCC::RP, path(name)), "");
            const auto reader = read(name);
            ASSERT_GT(reader.page_count(), 5u) << name;
            for (size_t page = 0; page < reader.page_count(); ++page) {
                const auto lowest = foot(reader, page);
                ASSERT_FALSE(lowest.empty()) << name << " page " << page + 1;
                for (const auto& line : lowest)
                    EXPECT_FALSE(is_heading(line)) << name << " page " << page + 1 << " ends with " << line.text;
            }
        }
}

}  // namespace
}  // namespace report_cases
