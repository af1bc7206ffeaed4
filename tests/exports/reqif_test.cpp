#include <gtest/gtest.h>

#include <string>

#include "core/constants/gcc.h"
#include "core/examples/example_projects.h"
#include "exports/exports.h"
#include "tests/exports/export_test.h"

namespace {

using namespace export_tests;

class ReqifExport : public ExportTest {};

TEST_F(ReqifExport, CasesValidateResolveAndMatchTheirExpectedFiles) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        Project& project = make(c.builder);
        const std::string file = std::string(c.name) + ".reqif";
        const std::string text = written(exports::export_reqif, project, file);
        EXPECT_EQ(schema_problems(folder() / file), "");
        EXPECT_EQ(reqif_problems(text), std::vector<std::string>{});
        expect_golden(text, std::string("reqif/") + c.name + "/expected.reqif");
    }
}

// The sentence of an argument's section puts a blank between the option's
// subject and "is selected.", as the PDF report does.
TEST_F(ReqifExport, ArgumentSectionsReadOptionSubjectIsSelected) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        const std::string text = written(exports::export_reqif, make(c.builder), std::string(c.name) + ".reqif");
        const std::string& is_selected = GCC::cf14_arg_opt_2;
        for (size_t at = text.find(is_selected); at != std::string::npos; at = text.find(is_selected, at + 1))
            EXPECT_EQ(text[at - 1], ' ') << text.substr(at - 30, 42);
    }
    const std::string text = written(exports::export_reqif, make(&MyEx::create_explain_project), "sentence.reqif");
    EXPECT_NE(text.find("should be followed if Option option 1 is selected."), std::string::npos);
    EXPECT_NE(text.find("should be followed if Option option 1A is selected."), std::string::npos);
}

// The maker has no web address: the tool is named by the program's name and
// version, and the placeholder address appears nowhere.
TEST_F(ReqifExport, ToolIdIsTheProgramsNameAndVersion) {
    ASSERT_FALSE(GCC::app_version.empty());
    const std::string text = written(exports::export_reqif, make(&MyEx::create_gate_project), "tool.reqif");
    EXPECT_NE(text.find("<REQ-IF-TOOL-ID>Morvanta " + GCC::app_version + "</REQ-IF-TOOL-ID>"), std::string::npos);
    EXPECT_EQ(text.find(GCC::about_link1), std::string::npos);
}

}  // namespace
