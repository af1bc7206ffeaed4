#include <gtest/gtest.h>

#include <string>

#include "tests/core/io/io_test.h"
#include "tests/core/io/rich_project.h"
#include "tests/support/core/built_without_states.h"
#include "tests/support/core/model_dump.h"

namespace {

using testing_support::dump_difference;
using testing_support::dump_project;

class Recovery : public io_testing::IoTest {
protected:
    const std::string recovery_name = "2024_03_07_14_05_recover_Morvanta_project.xml";
    std::string saved_text() {
        return "An unexpected error occurred.\nThe Project has been saved in:\n" + path_of(recovery_name) + "\n\n";
    }
    // What a new project reads from the recovery file.
    std::string reopened_recovery() {
        delete GCC::RP;
        auto* project = new Project("MyProject", "ProjectDescription");
        EXPECT_EQ(project->add_from_file(documents(), recovery_name), "");
        return dump_project(*project);
    }
};

TEST_F(Recovery, WritesTheCurrentStateUnderAPrefixedName) {
    testing_support::BuiltWithoutStates built_without_states;
    io_testing::build_rich_project();
    const std::string current = dump_project(*GCC::RP);
    EXPECT_EQ(GCC::RP->save_recovery_file(), saved_text());
    EXPECT_EQ(GCC::RP->save_recovery_attempt(), saved_text());
    EXPECT_EQ(dump_difference(current, reopened_recovery()), "");
}

TEST_F(Recovery, RightAfterOpeningHoldsTheOpenedProject) {
    testing_support::BuiltWithoutStates built_without_states;
    io_testing::build_rich_project();
    ASSERT_EQ(GCC::RP->write("", "rich.xml"), "");
    delete GCC::RP;
    auto* opened = new Project("MyProject", "ProjectDescription");
    ASSERT_EQ(opened->add_from_file(documents(), "rich.xml"), "");
    opened->add_full_state();
    opened->set_filename("Morvanta_project.xml");
    const std::string current = dump_project(*opened);
    EXPECT_EQ(opened->save_recovery_file(), saved_text());
    EXPECT_EQ(dump_difference(current, reopened_recovery()), "");
}

TEST_F(Recovery, AFailedWriteIsReportedAsSuch) {
    auto* project = new Project("MyProject", "ProjectDescription");
    put_file("a_file", "");
    project->set_directory(path_of("a_file"));
    const std::string text = project->save_recovery_file();
    EXPECT_NE(text.find("could not be saved"), std::string::npos) << text;
    EXPECT_EQ(text.find("has been saved"), std::string::npos) << text;
}

}  // namespace
