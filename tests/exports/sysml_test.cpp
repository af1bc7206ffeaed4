#include <gtest/gtest.h>
#include <pugixml.hpp>

#include "core/model/design_problem.h"
#include "core/model/option.h"
#include "core/model/requirement.h"
#include "exports/exports.h"
#include "tests/exports/export_test.h"
#include "tests/support/core/built_without_states.h"
#include "tests/support/core/small_project.h"

namespace {

using namespace export_tests;

class SysmlExport : public ExportTest {
protected:
    pugi::xml_document parsed(Project& project) {
        pugi::xml_document document;
        EXPECT_TRUE(document.load_string(written(exports::export_sysml, project, "model.xmi").c_str()));
        return document;
    }
};

TEST_F(SysmlExport, CasesAreSoundAndMatchTheirExpectedFiles) {
    testing_support::BuiltWithoutStates built_without_states;
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        Project& project = make(c.builder);
        const std::string text = written(exports::export_sysml, project, std::string(c.name) + ".xmi");
        EXPECT_EQ(xmi_problems(text), std::vector<std::string>{});
        expect_golden(text, std::string("xmi/") + c.name + "/expected.xmi");
    }
}

// Objects that share a subject (here all but the options) still get names of
// their own; the same text twice is told apart by the uids.
TEST_F(SysmlExport, ClassNamesAreDistinct) {
    testing_support::SmallProject p;
    Requirement* again = p.mandate->add_f_requirement(p.story, true);
    const pugi::xml_document document = parsed(*p.project);
    auto name_of = [&](const Node* node) {
        return std::string(document.select_node(("//packagedElement[@xmi:id='mrv_" + node->get_uid() + "']").c_str())
                               .node()
                               .attribute("name")
                               .value());
    };
    EXPECT_EQ(name_of(p.story), "User Story: Gate open remotely");
    EXPECT_EQ(name_of(p.r), "Requirement: Gate open remotely (" + p.r->get_uid() + ")");
    EXPECT_EQ(name_of(again), "Requirement: Gate open remotely (" + again->get_uid() + ")");
    EXPECT_EQ(name_of(p.d), "Design Problem: " + p.d->get_short_txt(0));
}

// A valid option satisfies every requirement its problem serves; an invalid
// one satisfies none.
TEST_F(SysmlExport, ValidOptionsSatisfyTheRequirementsOfTheirProblem) {
    testing_support::SmallProject p;
    Requirement* second = p.mandate->add_f_requirement(p.story, true);
    second->add_to_existing_designproblem(p.d);
    Option* proven = p.d->add_child_option("motor", true);
    Option* unproven = p.d->add_child_option("spring", true);
    p.prove(proven, p.r, 3);
    p.prove(proven, second, 3);
    ASSERT_TRUE(proven->get_rlevel().is_valid());
    ASSERT_FALSE(unproven->get_rlevel().is_valid());
    const pugi::xml_document document = parsed(*p.project);
    std::vector<std::pair<std::string, std::string>> satisfied;
    for (const auto& found : document.select_nodes("//packagedElement[@xmi:type='uml:Abstraction']"))
        satisfied.emplace_back(found.node().attribute("client").value(), found.node().attribute("supplier").value());
    const std::string option = "mrv_" + proven->get_uid();
    EXPECT_EQ(satisfied, (std::vector<std::pair<std::string, std::string>>{{option, "mrv_" + p.r->get_uid()},
                                                                          {option, "mrv_" + second->get_uid()}}));
    EXPECT_EQ(document.select_nodes("//sysml:Satisfy").size(), 2u);
}

// The validation view nests what the report lists flat: an option holds its
// problem, the problem the requirements, a requirement the option's argument,
// the argument its evidence. Each level's id repeats the "mrv_" prefix.
TEST_F(SysmlExport, ViewsNestTheWalksOfTheReport) {
    testing_support::SmallProject p;
    Option* motor = p.d->add_child_option("motor", true);
    Evidence* evidence = p.prove(motor, p.r, 3);
    const pugi::xml_document document = parsed(*p.project);
    const pugi::xml_node view = document.select_node("//packagedElement[@xmi:id='mrv_view_validation']").node();
    const pugi::xml_node deepest = view.select_node((".//elementImport[@importedElement='mrv_" + evidence->get_uid() + "']").c_str())
                                       .node()
                                       .parent();
    std::vector<std::string> imported;
    for (pugi::xml_node e = deepest; e != view; e = e.parent())
        imported.insert(imported.begin(), e.child("elementImport").attribute("importedElement").value());
    const Argument* argument = motor->get_child_arguments().front();
    EXPECT_EQ(imported, (std::vector<std::string>{"mrv_" + motor->get_uid(), "mrv_" + p.d->get_uid(),
                                                  "mrv_" + p.r->get_uid(), "mrv_" + argument->get_uid(),
                                                  "mrv_" + evidence->get_uid()}));
    EXPECT_EQ(std::string(deepest.parent().attribute("xmi:id").value()).rfind("mrv_mrv_mrv_mrv_mrv_view_validation", 0),
              0u);
}

}  // namespace
