#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/user_story.h"
#include "tests/core/io/io_test.h"

namespace {

class CommentImport : public io_testing::IoTest {
protected:
    CommentImport() {
        project = new Project("MyProject", "ProjectDescription");
        story = project->add_user_story("open", "remotely", "gate", "", false);
        story->add_comment("Bob", "known");
        project->add_uid_state(story);
    }
    static std::string comment(const std::string& author, const std::string& content) {
        return "<comment><author>" + author + "</author><content>" + content + "</content></comment>";
    }
    Project* project;
    UserStory* story;
};

TEST_F(CommentImport, AddsNewCommentsOnceAndOneUndoState) {
    put_file("comments.xml",
             project_file("<PRJ><uid>" + project->get_uid() + "</uid><comments>" + comment("Ann", "on the project") +
                          "</comments></PRJ><USY><uid>" + story->get_uid() + "</uid><verb>ignored</verb><comments>" +
                          comment("Bob", "known") + comment("Cy", "twice") + comment("Cy", "twice") +
                          "<comment><content>no author</content></comment></comments></USY>"
                          "<OPT><uid>OPT_missing</uid><comments>" + comment("Di", "lost") + "</comments></OPT>"));
    const size_t states = project->get_state_count();
    EXPECT_EQ(project->add_comments_from_file(documents(), "comments.xml"),
              "4 Comments have been added from the file.");
    EXPECT_EQ(project->get_comments(), std::vector<std::string>{"on the project"});
    EXPECT_EQ(story->get_comments(), (std::vector<std::string>{"known", "twice", "twice", "no author"}));
    EXPECT_EQ(story->get_authors(), (std::vector<std::string>{"Bob", "Cy", "Cy", "Test User"}));
    EXPECT_EQ(story->get_verb_cap()->get_verb(), "open");
    EXPECT_EQ(project->get_state_count(), states + 1);

    EXPECT_EQ(project->add_comments_from_file(documents(), "comments.xml"),
              "0 Comments have been added from the file.");
    EXPECT_EQ(story->get_comments_size(), 4u);
    EXPECT_EQ(project->get_state_count(), states + 1);

    project->goto_previous_state();
    EXPECT_EQ(GCC::RP->get_comments_size(), 0u);
}

TEST_F(CommentImport, UnreadableFileChangesNothing) {
    put_file("broken.xml", "<ROOT><USY>");
    EXPECT_EQ(project->add_comments_from_file(documents(), "broken.xml"),
              "Parse error when reading file: " + path_of("broken.xml"));
    EXPECT_EQ(story->get_comments_size(), 1u);
    EXPECT_EQ(project->get_filename(), "Morvanta_project.xml");
    EXPECT_TRUE(fake().messages.empty());
}

}  // namespace
