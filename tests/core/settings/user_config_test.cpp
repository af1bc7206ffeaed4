#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "core/settings/project_settings.h"
#include "tests/core/settings/colour_fields.h"
#include "tests/support/fake_platform.h"
#include "tests/support/file_size_limit.h"

namespace {

namespace fs = std::filesystem;
using testing_support::read_file;

// Keys of the configuration file in writing order; key i holds colour field i.
const std::vector<std::string> colour_keys{
    "Colors",        "PRJ_color",        "USY_color",         "MAN_color",         "DPR_color",
    "REQ_color",     "OPT_INV_color",    "OPT_VAL_color",     "OPT_OPT_color",     "ARG_color",
    "EVD_color",     "PAR_color",        "PRJ_txt_color",     "USY_txt_color",     "MAN_txt_color",
    "DPR_txt_color", "REQ_txt_color",    "OPT_INV_txt_color", "OPT_VAL_txt_color", "OPT_OPT_txt_color",
    "ARG_txt_color", "EVD_txt_color",    "PAR_txt_color",     "PNL_color",         "PNL_sel_color",
    "PNL_txt_color", "PNL_sel_txt_color", "BOX_connect_color", "BOX_border_color", "BOX_btn_color"};

class UserConfig : public testing_support::PlatformTest {
protected:
    fs::path folder() { return fs::path(fake().config) / "Morvanta"; }
    fs::path file() { return folder() / "Morvanta_config.xml"; }

    void write_config(const std::string& xml) {
        fs::create_directories(folder());
        std::ofstream(file(), std::ios::binary) << xml;
    }

    // A file written from settings, then changed by edit before it is read back.
    template <class Edit>
    void write_edited(const ProjectSettings& from, Edit edit) {
        ASSERT_EQ(from.export_settings_to_config(), "");
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_file(file().c_str()));
        edit(doc.child("Settings"));
        ASSERT_TRUE(doc.save_file(file().c_str(), "\t"));
    }
};

TEST_F(UserConfig, DarkSchemeRoundTripsThroughTheShiftedKeys) {
    ProjectSettings written;
    written.colors_to_dark();
    written.font_size = 20;
    written.add_recent_file("/home/u/b.xml");
    written.add_recent_file("/home/u/\xC3\xA4 & <a>.xml");
    ASSERT_EQ(written.export_settings_to_config(), "");

    const std::string text = read_file(file().string());
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Settings>\n\t<Morvanta_version>", 0), 0u);
    EXPECT_NE(text.find("\n\t<Settings>\n\t\t<Colors>R046G046B046</Colors>\n\t\t<PRJ_color>"), std::string::npos);
    // Each key holds the colour one row below its name.
    EXPECT_NE(text.find("<PAR_color>R220G220B220</PAR_color>"), std::string::npos);
    EXPECT_NE(text.find("<PAR_txt_color>R030G030B030</PAR_txt_color>"), std::string::npos);
    EXPECT_NE(text.find("<BOX_btn_color>R080G080B080</BOX_btn_color>"), std::string::npos);
    EXPECT_NE(text.find("\n\t<Base_font_size>20</Base_font_size>\n"), std::string::npos);
    EXPECT_NE(text.find("\t\t<Recent_File>/home/u/\xC3\xA4 &amp; &lt;a&gt;.xml</Recent_File>\n"), std::string::npos);

    ProjectSettings read;
    EXPECT_TRUE(read.import_settings_from_config());
    EXPECT_EQ(read, written);
    EXPECT_TRUE(fake().messages.empty());
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder()), fs::directory_iterator()), 1);
}

TEST_F(UserConfig, KeysAreWrittenInFieldOrderHoldingTheirFields) {
    ProjectSettings s;
    for (size_t i = 0; i < colour_fields.size(); ++i) s.*colour_fields[i] = RGB_Color(int32_t(i), 0, 200);
    ASSERT_EQ(s.export_settings_to_config(), "");

    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_file(file().c_str()));
    const pugi::xml_node root = doc.child("Settings");
    std::vector<std::string> root_children;
    for (pugi::xml_node child : root.children()) root_children.emplace_back(child.name());
    EXPECT_EQ(root_children, (std::vector<std::string>{"Morvanta_version", "Settings", "Base_font_size"}));

    size_t i = 0;
    for (pugi::xml_node key : root.child("Settings").children()) {
        ASSERT_LT(i, colour_keys.size());
        EXPECT_EQ(key.name(), colour_keys[i]);
        EXPECT_EQ(key.text().get(), RGB_Color(int32_t(i), 0, 200).get_rgb_str()) << key.name();
        ++i;
    }
    EXPECT_EQ(i, colour_keys.size());
}

TEST_F(UserConfig, WithoutNestedSettingsTheColoursStay) {
    write_config(
        "<Settings><Base_font_size>18</Base_font_size>"
        "<Recent_Files><Recent_File>/a.xml</Recent_File><Recent_File>/b.xml</Recent_File></Recent_Files></Settings>");
    ProjectSettings s;
    s.colors_to_light_colorful();
    ProjectSettings expected = s;
    EXPECT_TRUE(s.import_settings_from_config());
    expected.font_size = 18;
    expected.recent_files = {"/a.xml", "/b.xml"};
    EXPECT_EQ(s, expected);
}

TEST_F(UserConfig, AMissingOrMalformedColourGivesTheDefaultScheme) {
    ProjectSettings dark;
    dark.colors_to_dark();
    ProjectSettings defaults;
    defaults.colors_to_default();
    const std::vector<std::pair<std::string, std::string>> damages{{"REQ_txt_color", ""}, {"PNL_color", "R65G105B225"},
                                                                   {"Colors", "R046Gx46B046"}};
    for (const auto& [key, value] : damages) {
        SCOPED_TRACE(key);
        write_edited(dark, [&](pugi::xml_node root) {
            pugi::xml_node colours = root.child("Settings");
            if (value.empty())
                colours.remove_child(key.c_str());
            else
                colours.child(key.c_str()).text().set(value.c_str());
        });
        ProjectSettings s;
        s.colors_to_white();
        EXPECT_TRUE(s.import_settings_from_config());
        EXPECT_EQ(s, defaults);
    }
    EXPECT_TRUE(fake().messages.empty());
}

TEST_F(UserConfig, AnEmptyRecentListIsNotWrittenAndLeavesTheReadersList) {
    ProjectSettings empty;
    ASSERT_EQ(empty.export_settings_to_config(), "");
    EXPECT_EQ(read_file(file().string()).find("Recent_Files"), std::string::npos);

    ProjectSettings s;
    s.add_recent_file("/kept.xml");
    EXPECT_TRUE(s.import_settings_from_config());
    EXPECT_EQ(s.recent_files, std::vector<std::string>{"/kept.xml"});
}

TEST_F(UserConfig, TwentyRecentFilesAreReadAndCutByTheNextAdd) {
    std::string xml = "<Settings><Recent_Files>";
    for (int i = 0; i < 20; ++i) xml += "<Recent_File>/f" + std::to_string(i) + ".xml</Recent_File>";
    write_config(xml + "</Recent_Files></Settings>");

    ProjectSettings s;
    s.add_recent_file("/replaced.xml");
    EXPECT_TRUE(s.import_settings_from_config());
    ASSERT_EQ(s.recent_files.size(), 20u);
    EXPECT_EQ(s.recent_files[0], "/f0.xml");
    EXPECT_EQ(s.recent_files[19], "/f19.xml");

    s.add_recent_file("/new.xml");
    ASSERT_EQ(s.recent_files.size(), 15u);
    EXPECT_EQ(s.recent_files[0], "/new.xml");
    EXPECT_EQ(s.recent_files[14], "/f13.xml");
}

TEST_F(UserConfig, FontSizeIsReadIntoTheDrawableRange) {
    const std::vector<std::pair<std::string, int>> cases{{"<Base_font_size>0</Base_font_size>", 6},
                                                         {"<Base_font_size> 21 pt</Base_font_size>", 21},
                                                         {"<Base_font_size>99</Base_font_size>", 33},
                                                         {"<Base_font_size>big</Base_font_size>", 14},
                                                         {"", 14}};
    for (const auto& [element, expected] : cases) {
        SCOPED_TRACE(element);
        write_config("<Settings>" + element + "</Settings>");
        ProjectSettings s;
        s.font_size = 10;
        EXPECT_TRUE(s.import_settings_from_config());
        EXPECT_EQ(s.font_size, expected);
    }
    EXPECT_TRUE(fake().messages.empty());
}

TEST_F(UserConfig, MissingFileOrForeignRootChangesNothingSilently) {
    ProjectSettings s;
    s.colors_to_dark();
    const ProjectSettings before = s;
    EXPECT_FALSE(s.import_settings_from_config());
    write_config("<Config><Base_font_size>20</Base_font_size></Config>");
    EXPECT_FALSE(s.import_settings_from_config());
    EXPECT_EQ(s, before);
    EXPECT_TRUE(fake().messages.empty());
}

// Only a regular file is read, and one that cannot be read says so.
TEST_F(UserConfig, NoRegularFileIsReportedAsUnreadable) {
    fs::create_directories(file());
    ProjectSettings s;
    EXPECT_FALSE(s.import_settings_from_config());
    fs::remove(file());
    ASSERT_EQ(mkfifo(file().c_str(), 0600), 0);
    EXPECT_FALSE(s.import_settings_from_config());
    EXPECT_EQ(s, ProjectSettings());
    ASSERT_EQ(fake().messages.size(), 2u);
    EXPECT_EQ(fake().messages[0].text.rfind("Failed to read the file:\n" + file().string(), 0), 0u);
    EXPECT_NE(fake().messages[0].text.find("it is a folder"), std::string::npos);
    EXPECT_NE(fake().messages[1].text.find("it is a pipe"), std::string::npos);
}

// Texts are written cleaned and read back as written.
TEST_F(UserConfig, RecentFilesWithControlCharactersReadBackAsWritten) {
    ProjectSettings written;
    written.add_recent_file(std::string("/a/b\x01" "c\xFF.xml"));
    ASSERT_EQ(written.export_settings_to_config(), "");
    ProjectSettings read;
    ASSERT_TRUE(read.import_settings_from_config());
    EXPECT_EQ(read.recent_files, std::vector<std::string>{"/a/bc\xEF\xBF\xBD.xml"});
}

TEST_F(UserConfig, CorruptFileKeepsDefaultsWithOneParseMessage) {
    write_config("<Settings><Settings><Colors>R000G000B000</Colors></Settings>");
    ProjectSettings s;
    EXPECT_FALSE(s.import_settings_from_config());
    EXPECT_EQ(s, ProjectSettings());
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_EQ(fake().messages[0].kind, platform::MessageKind::Error);
    EXPECT_EQ(fake().messages[0].caption, "XML Parse Error");
    EXPECT_EQ(fake().messages[0].text.rfind("Failed to parse XML file:\n" + file().string() + "\n\nError: ", 0), 0u);
}

TEST_F(UserConfig, NoConfigFolderIsReportedOnce) {
    fake().config = "";
    ProjectSettings s;
    EXPECT_FALSE(s.import_settings_from_config());
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_EQ(fake().messages[0].caption, "Error");
    EXPECT_EQ(fake().messages[0].text, "Failed to retrieve the Roaming AppData path.");
    EXPECT_TRUE(ProjectSettings::get_config_file_path().empty());
    EXPECT_NE(s.export_settings_to_config(), "");
}

TEST_F(UserConfig, UncreatableFolderIsADirectoryError) {
    const fs::path blocker = fs::path(fake().root) / "plain-file";
    std::ofstream(blocker) << "not a folder";
    fake().config = (blocker / "config").string();
    EXPECT_TRUE(ProjectSettings::get_user_roaming_path().empty());
    ASSERT_EQ(fake().messages.size(), 1u);
    EXPECT_EQ(fake().messages[0].caption, "Directory Error");
    EXPECT_EQ(fake().messages[0].text.rfind("Failed to create directory:\n" + (blocker / "config" / "Morvanta").string() +
                                                "\n\nError: ",
                                            0),
              0u);
}

TEST_F(UserConfig, CreatesTheFolderWithAllMissingLevels) {
    fake().config = fake().root + "/deep/er/config";
    EXPECT_EQ(ProjectSettings::get_config_file_path(), fs::path(fake().config) / "Morvanta" / "Morvanta_config.xml");
    EXPECT_TRUE(fs::is_directory(fs::path(fake().config) / "Morvanta"));
    EXPECT_TRUE(fake().messages.empty());
}

TEST_F(UserConfig, AFileThatHoldsTheSettingsAlreadyIsNotWrittenAgain) {
    ProjectSettings s;
    s.add_recent_file("/projects/gate.xml");
    ASSERT_EQ(s.export_settings_to_config(), "");
    const std::string written = read_file(file().string());
    // Any write would fail now; only a changed text is written.
    testing_support::FileSizeLimit limit(16);
    EXPECT_EQ(s.export_settings_to_config(), "");
    EXPECT_EQ(read_file(file().string()), written);
    s.add_recent_file("/projects/other.xml");
    EXPECT_NE(s.export_settings_to_config(), "");
    EXPECT_EQ(read_file(file().string()), written);
}

TEST_F(UserConfig, AFailedWriteIsReportedAndKeepsThePreviousFile) {
    ProjectSettings first;
    first.colors_to_dark();
    ASSERT_EQ(first.export_settings_to_config(), "");
    const std::string previous = read_file(file().string());

    ProjectSettings second;
    for (int i = 0; i < 15; ++i) second.add_recent_file("/a/rather/long/path/to/a/project/file" + std::to_string(i));
    std::string error;
    {
        testing_support::FileSizeLimit limit(512);
        error = second.export_settings_to_config();
    }
    EXPECT_EQ(error.rfind("The user configuration file was not written.\n", 0), 0u) << error;
    EXPECT_EQ(read_file(file().string()), previous);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder()), fs::directory_iterator()), 1);
}

}  // namespace
