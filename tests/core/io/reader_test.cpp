#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <regex>
#include <string>
#include <vector>

#include "core/model/option.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/quantity/parameter.h"
#include "tests/core/io/io_test.h"
#include "tests/support/core/model_dump.h"

namespace {

using testing_support::dump_difference;
using testing_support::dump_project;
using testing_support::read_file;

// A project element without colours resets the scheme and says so.
const std::string colours_missing = "Error when reading color informatiom.\nColors have been set to default.\n";

class Reader : public io_testing::IoTest {
protected:
    Reader() { new Project("MyProject", "ProjectDescription"); }

    // Uids in the order of their elements in a written file.
    static std::vector<std::string> element_uids(const std::string& file) {
        std::vector<std::string> uids;
        const std::regex element("\n\t<[A-Z]{3}>\n\t\t<uid>([^<]*)</uid>");
        for (auto it = std::sregex_iterator(file.begin(), file.end(), element); it != std::sregex_iterator(); ++it)
            uids.push_back((*it)[1]);
        return uids;
    }
    static std::vector<std::string> uids(const NodeList& nodes) {
        std::vector<std::string> result;
        for (const Node* n : nodes) result.push_back(n->get_uid());
        return result;
    }
};

// A file that is no project leaves the open project as it was, bound to its
// own file, so that a later save cannot overwrite anything with an empty project.
TEST_F(Reader, FileThatIsNoProjectLeavesTheProjectUntouched) {
    GCC::RP->add_user_story("open", "remotely", "gate", "", false);
    GCC::RP->set_filename("mine.xml");
    const std::string before = dump_project(*GCC::RP);
    const struct {
        const char* name;
        const char* content;
        const char* reported;
    } broken[] = {
        {"garbage.xml", "this is not XML <", "Parse error when reading file: "},
        {"other.xml", "<?xml version=\"1.0\"?><Settings><x/></Settings>", "has no \"ROOT\" element"},
    };
    for (const auto& file : broken) {
        const std::string text = open_file(file.name, file.content);
        EXPECT_NE(text.find(file.reported), std::string::npos) << text;
        EXPECT_NE(text.find(path_of(file.name)), std::string::npos) << text;
        EXPECT_EQ(dump_difference(before, dump_project(*GCC::RP)), "");
        EXPECT_EQ(GCC::RP->get_filename(), "mine.xml");
        EXPECT_TRUE(GCC::RP->get_settings().recent_files.empty());
    }
    EXPECT_TRUE(fake().messages.empty());
}

// Only regular files are read: a pipe would block, a folder is no file.
TEST_F(Reader, OnlyRegularFilesAreRead) {
    std::filesystem::create_directory(path_of("folder.xml"));
    ASSERT_EQ(mkfifo(path_of("pipe.xml").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/null", path_of("device.xml"));
    put_file("locked.xml", project_file("<PRJ><uid>P</uid></PRJ>"));
    std::filesystem::permissions(path_of("locked.xml"), std::filesystem::perms::none);
    // Root reads a file whatever its permission bits say.
    const bool may_be_refused_by_permissions = geteuid() != 0;
    const struct {
        const char* name;
        const char* reported;
        bool applies;
    } refused[] = {
        {"folder.xml", "it is a folder", true},
        {"pipe.xml", "it is a pipe", true},
        {"device.xml", "it is a device", true},
        {"locked.xml", "cannot be read: Permission denied", may_be_refused_by_permissions},
        {"missing.xml", "File was not found: ", true},
    };
    for (const auto& file : refused) {
        if (!file.applies) continue;
        const std::string text = GCC::RP->add_from_file(documents(), file.name);
        EXPECT_NE(text.find(file.reported), std::string::npos) << text;
        EXPECT_NE(text.find(path_of(file.name)), std::string::npos) << text;
    }
}

// Files written on systems with "\r\n" line ends read with plain "\n".
TEST_F(Reader, CarriageReturnLineEndsReadAsNewlines) {
    std::string file = project_file("<PRJ><uid>P</uid><child>U</child><description>first\r\nsecond</description></PRJ>"
                                    "<USY><uid>U</uid><parent>P</parent><description>one\r\ntwo\r\n</description></USY>");
    for (size_t at = file.find('\n'); at != std::string::npos; at = file.find('\n', at + 2)) {
        if (at == 0 || file[at - 1] != '\r') file.insert(at, 1, '\r');
    }
    open_file("crlf.xml", file);
    EXPECT_EQ(GCC::RP->get_description(), "first\nsecond");
    EXPECT_EQ(object<UserStory>("U")->get_description(), "one\ntwo\n");
}

// Children keep the stored order, not the order of the elements, and the
// objects keep the order of the file (evidence is not moved to the end).
TEST_F(Reader, StoredOrdersAreKept) {
    const std::string text = open_file(
        "order.xml", project_file("<PRJ><uid>P</uid><child>U</child></PRJ>"
                                  "<USY><uid>U</uid><parent>P</parent><child>R</child></USY>"
                                  "<EVD><uid>E</uid><parent>A</parent></EVD>"
                                  "<REQ><uid>R</uid><parent>U</parent><child>D</child></REQ>"
                                  "<DPR><uid>D</uid><parent>R</parent><child>O2</child><child>O1</child></DPR>"
                                  "<OPT><uid>O1</uid><parent>D</parent><subject>one</subject></OPT>"
                                  "<OPT><uid>O2</uid><parent>D</parent><subject>two</subject><child>A</child></OPT>"
                                  "<ARG><uid>A</uid><parent>O2</parent><parent>R</parent><child>E</child></ARG>"));
    EXPECT_EQ(text, colours_missing);
    EXPECT_EQ(uids(object("D")->get_children()), (std::vector<std::string>{"O2", "O1"}));
    EXPECT_EQ(uids(object("A")->get_parents()), (std::vector<std::string>{"O2", "R"}));
    ASSERT_EQ(GCC::RP->write("", "saved.xml"), "");
    EXPECT_EQ(element_uids(read_file(path_of("saved.xml"))),
              (std::vector<std::string>{"P", "U", "E", "R", "D", "O1", "O2", "A"}));
}

TEST_F(Reader, ValuesComeBackAsStored) {
    const std::string max_id = "18446744073709551615";
    const std::string text = open_file(
        "values.xml",
        project_file("<PRJ><uid>P</uid><child>U</child><REF><ref_id>" + max_id +
                     "</ref_id><ref_link>https://example.com/a.pdf</ref_link><ref_type>Sketch</ref_type></REF></PRJ>"
                     "<USY><uid>U</uid><parent>P</parent><verb>Open</verb><capability>remotely</capability>"
                     "<child>R</child><child>R2</child></USY>"
                     "<REQ><uid>R</uid><parent>U</parent><verb>open </verb><capability>Remotely</capability>"
                     "<ref_id>" + max_id + "</ref_id><ref_id>" + max_id + "</ref_id><child>D</child></REQ>"
                     "<REQ><uid>R2</uid><parent>U</parent><verb>Open</verb><capability>remotely</capability></REQ>"
                     "<DPR><uid>D</uid><parent>R</parent><child>O</child></DPR>"
                     "<OPT><uid>O</uid><parent>D</parent></OPT>"));
    EXPECT_EQ(text, colours_missing);
    EXPECT_EQ(object("R")->get_ref_ids(), (std::vector<uint64_t>{std::numeric_limits<uint64_t>::max()}));
    ASSERT_NE(GCC::RP->get_reference(std::numeric_limits<uint64_t>::max()), nullptr);
    EXPECT_EQ(GCC::RP->get_reference(std::numeric_limits<uint64_t>::max())->type(), "Report");
    // A pair is shared only with the same texts: reading never changes one.
    EXPECT_EQ(object<Requirement>("R2")->get_verb_cap(), object<UserStory>("U")->get_verb_cap());
    EXPECT_NE(object<Requirement>("R")->get_verb_cap(), object<UserStory>("U")->get_verb_cap());
    EXPECT_EQ(object<Requirement>("R")->get_verb_cap()->get_verb(), "open ");
    EXPECT_EQ(object<Requirement>("R")->get_verb_cap()->get_capability(), "Remotely");
    EXPECT_EQ(object("O")->get_subject(), "");
    // Defaults of a project element that lacks them.
    EXPECT_EQ(GCC::RP->get_settings().font_size, 9);
    EXPECT_FALSE(GCC::RP->get_settings().req_node_expanded);
    EXPECT_TRUE(GCC::RP->get_settings().opt_node_expanded);
    EXPECT_EQ(GCC::RP->get_name(), "MyProject");
}

// The format leaves empty values out, target phrases of custom types too.
TEST_F(Reader, CustomTypeWithFewerTargetPhrasesKeepsItsQuantities) {
    open_file("six.xml",
              project_file("<PPN><par_type>flow</par_type><par_target_text>least</par_target_text>"
                           "<par_target_text>below</par_target_text><par_target_text>at most</par_target_text>"
                           "<par_target_text>equal</par_target_text><par_target_text>at least</par_target_text>"
                           "<par_target_text>above</par_target_text><PPU><par_unit_symbol>l/s</par_unit_symbol>"
                           "<par_factor>1</par_factor></PPU></PPN>"
                           "<PRJ><uid>P</uid><child>U</child></PRJ><USY><uid>U</uid><child>R</child></USY>"
                           "<REQ><uid>R</uid><par_type>flow</par_type><par_value>2</par_value>"
                           "<par_target_int>2</par_target_int></REQ>"));
    ASSERT_EQ(Parameter::_possible_par_types.size(), 13u);
    EXPECT_EQ(Parameter::_possible_par_types.back().target_texts,
              (std::vector<std::string>{"least", "below", "at most", "equal", "at least", "above", ""}));
    EXPECT_EQ(object<Requirement>("R")->get_par().get_type(), "flow");
}

TEST_F(Reader, FileNodeElementGivesTheProjectItsCommonPart) {
    const std::string text = open_file("fln.xml", project_file("<FLN><uid>F</uid><tooltip_txt>tip</tooltip_txt>"
                                                               "<comments><comment><author>Ann</author>"
                                                               "<content>hello</content></comment></comments></FLN>"));
    EXPECT_EQ(text, "");
    EXPECT_EQ(GCC::RP->get_uid(), "F");
    EXPECT_EQ(GCC::RP->get_tooltip_txt(), "tip");
    EXPECT_EQ(GCC::RP->get_comments(), std::vector<std::string>{"hello"});
}

TEST_F(Reader, OpeningAddsTheRecentFileAndRewritesTheConfiguration) {
    EXPECT_EQ(open_file("good.xml", project_file("<PRJ><uid>P</uid></PRJ>")), colours_missing);
    ASSERT_FALSE(GCC::RP->get_settings().recent_files.empty());
    EXPECT_EQ(GCC::RP->get_settings().recent_files.front(), path_of("good.xml"));
    EXPECT_NE(read_file(fake().config + "/Morvanta/Morvanta_config.xml").find(path_of("good.xml")), std::string::npos);
    EXPECT_EQ(GCC::RP->get_filename(), "good.xml");
}

}  // namespace
