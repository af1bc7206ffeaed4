#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/constants/gcc.h"
#include "core/examples/example_projects.h"
#include "pdf/pdf_export.h"
#include "tests/pdf/reports/report_cases.h"

namespace report_cases {
namespace {

class Introduction : public ReportTest {};

// The maker has no web address to link to: both reports name the program and
// its version where an address would stand, and link to no web address.
TEST_F(Introduction, NamesTheProgramWithoutALinkToAnAddress) {
    ASSERT_FALSE(GCC::app_version.empty());
    const std::vector<std::pair<std::string, Exporter>> reports = {{"full", &pdf::export_full_report},
                                                                   {"requirements", &pdf::export_requirements_report}};
    for (const auto& [name, exporter] : reports) {
        make_project(&MyEx::create_explain_project);
        ASSERT_EQ(exporter(*GCC::RP, path(name)), "");
        const auto reader = read(name);
        std::string text = all_text(reader);
        std::replace(text.begin(), text.end(), '\n', ' ');  // the sentence wraps
        EXPECT_NE(text.find("The Morvanta tool ( | Morvanta " + GCC::app_version + " | ) was used"), std::string::npos)
            << name << "\n"
            << text.substr(0, 2500);
        EXPECT_EQ(text.find(GCC::about_link1), std::string::npos) << name;
        for (const auto& link : reader.links()) EXPECT_EQ(link.uri, "") << name;
    }
}

}  // namespace
}  // namespace report_cases
