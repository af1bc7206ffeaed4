#include <gtest/gtest.h>

#include <string>

#include "core/model/project.h"
#include "tests/support/core/core_test.h"

namespace {

using testing_support::read_file;

class GoldenFile : public testing_support::CoreTest {};

// Declaration, tab indentation, the twelve "PPA" rows, the project element with
// its default settings and the two swapped text colours of options.
TEST_F(GoldenFile, NewEmptyProjectIsWrittenAsReviewed) {
    auto* project = new Project("MyProject", "ProjectDescription");
    ASSERT_EQ(project->write("", ""), "");
    const std::string written = read_file(fake().documents + "/Morvanta_project.xml");
    EXPECT_EQ(written, read_file(std::string(MORVANTA_TEST_DATA_DIR) + "/io/new_project.xml"));
    EXPECT_TRUE(fake().messages.empty());
}

// Stored files hold the text colour of invalid options in the element named for
// optimal ones, and the other way round.
TEST_F(GoldenFile, OptionTextColoursUseTheSwappedElements) {
    auto* project = new Project("MyProject", "ProjectDescription");
    project->get_settings().txt_color_opt_inv = RGB_Color(255, 0, 0);
    project->get_settings().txt_color_opt_opt = RGB_Color(0, 255, 0);
    ASSERT_EQ(project->write("", "colours.xml"), "");
    const std::string written = read_file(fake().documents + "/colours.xml");
    EXPECT_NE(written.find("<sett_opt_opt_txt_color>R255G000B000</sett_opt_opt_txt_color>"), std::string::npos);
    EXPECT_NE(written.find("<sett_opt_inv_txt_color>R000G255B000</sett_opt_inv_txt_color>"), std::string::npos);
    delete project;
    auto* reopened = new Project("MyProject", "ProjectDescription");
    ASSERT_EQ(reopened->add_from_file(fake().documents, "colours.xml"), "");
    EXPECT_EQ(reopened->get_settings().txt_color_opt_inv, RGB_Color(255, 0, 0));
    EXPECT_EQ(reopened->get_settings().txt_color_opt_opt, RGB_Color(0, 255, 0));
}

}  // namespace
