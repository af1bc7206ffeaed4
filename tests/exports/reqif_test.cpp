#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include <pugixml.hpp>

#include "core/constants/gcc.h"
#include "core/examples/example_projects.h"
#include "core/model/user_story.h"
#include "exports/exports.h"
#include "tests/exports/export_test.h"
#include "tests/support/core/built_without_states.h"

namespace {

using namespace export_tests;

class ReqifExport : public ExportTest {};

TEST_F(ReqifExport, CasesValidateResolveAndMatchTheirExpectedFiles) {
    testing_support::BuiltWithoutStates built_without_states;
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
    testing_support::BuiltWithoutStates built_without_states;
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

// Texts longer than the string datatype's usual maximum are written whole,
// and the datatype then declares the length of the longest string value (in
// characters, not bytes); otherwise it keeps the usual maximum.
TEST_F(ReqifExport, LongTextsAreWholeUnderAMaximumThatCoversThem) {
    const std::string accented = std::string(149999, 'a') + "\u00e9";  // 150,000 characters in 150,001 bytes
    const std::vector<std::vector<std::string>> table = {
        {"short"},
        {std::string(99000, 'b')},
        {std::string(100001, 'b')},
        {accented, std::string(120000, 'c')},
    };
    for (const auto& descriptions : table) {
        SCOPED_TRACE(descriptions.front().size());
        Project& project = make(&MyEx::create_explain_project);
        project.set_description(descriptions.back());
        project.get_child_user_stories().front()->set_description(descriptions.front());
        const std::string text = written(exports::export_reqif, project, "long.reqif");
        EXPECT_EQ(schema_problems(folder() / "long.reqif"), "");
        EXPECT_EQ(reqif_problems(text), std::vector<std::string>{});
        for (const std::string& description : descriptions)
            EXPECT_NE(text.find("THE-VALUE=\"" + description + "\""), std::string::npos);

        pugi::xml_document document;
        ASSERT_TRUE(document.load_string(text.c_str()));
        size_t longest = 0;
        for (const pugi::xpath_node& value : document.select_nodes("//ATTRIBUTE-VALUE-STRING/@THE-VALUE")) {
            const std::string_view v = value.attribute().value();
            const auto characters = std::count_if(v.begin(), v.end(), [](char c) {
                return (static_cast<unsigned char>(c) & 0xc0) != 0x80;  // not a continuation byte
            });
            longest = std::max(longest, static_cast<size_t>(characters));
        }
        EXPECT_GE(longest, descriptions.front().size() - 1);
        const std::string declared =
            document.select_node("//DATATYPE-DEFINITION-STRING").node().attribute("MAX-LENGTH").value();
        EXPECT_EQ(declared, longest > 100000 ? std::to_string(longest) : "100000");
    }
}

}  // namespace
