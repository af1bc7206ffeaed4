#include <gtest/gtest.h>

#include "core/reference/reference.h"

namespace {

struct GuessCase {
    const char* link;
    const char* type;
};

class GuessType : public ::testing::TestWithParam<GuessCase> {};

TEST_P(GuessType, FromTheLink) { EXPECT_EQ(Reference::guess_type(GetParam().link), GetParam().type); }

INSTANTIATE_TEST_SUITE_P(
    Links, GuessType,
    ::testing::Values(
        GuessCase{"", "Unknown"}, GuessCase{"notes", "Unknown"},
        // The query is cut and the extension lower-cased before the web test.
        GuessCase{"https://example.org/docs/b.PDF?version=2#p3", "Report"},
        GuessCase{"www.example.org", "Web Page"}, GuessCase{"https://example.org/docs/", "Web Page"},
        GuessCase{"http://example.org/index.html", "Web Page"}, GuessCase{"example.org", "File"},
        GuessCase{"C:\\models\\part.STEP", "3D CAD"}, GuessCase{"/home/u/plan.tar.gz", "File"},
        GuessCase{"/home/u/dir.d/", "Unknown"}, GuessCase{"\"/home/u/slides.pptx\"", "Presentatiom"},
        GuessCase{"/srv/plan.reqifz", "ReqIF"}, GuessCase{"file.x_t", "3D CAD"},
        GuessCase{"drawing.CATDrawing", "2D CAD"}, GuessCase{"/data/run.csv", "Document"},
        GuessCase{"/img/photo.heic", "Image"}, GuessCase{"/clips/take.3gp", "Video"},
        // Video sites win whatever the extension; the prefix may stand anywhere.
        GuessCase{"https://www.youtube.com/watch?v=abc", "Video"}, GuessCase{"http://youtube.com/x.pdf", "Video"},
        GuessCase{"see https://vimeo.com/123", "Video"}, GuessCase{"http://www.dailymotion.com/video/x", "Video"},
        GuessCase{"https://youtu.be/abc", "Video"}, GuessCase{"HTTPS://YOUTU.BE/ABC", "Video"},
        GuessCase{"https://notyoutube.com/watch", "Web Page"}, GuessCase{"https://youtube.com", "Web Page"}));

// Every extension of the table, as the only clue in the link.
TEST(GuessTypeTable, EveryExtensionGivesItsType) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> table{
        {"Report", {".pdf", ".doc", ".docx", ".odt", ".rtf"}},
        {"Document", {".txt", ".md", ".csv", ".xls", ".xlsx"}},
        {"Presentatiom", {".ppt", ".pptx", ".pps", ".ppsx", ".pot", ".potx"}},
        {"Image", {".jpg", ".jpeg", ".png", ".gif", ".bmp", ".tif", ".tiff", ".webp", ".svg", ".ico", ".heic", ".heif"}},
        {"Video", {".mp4", ".avi", ".mov", ".mkv", ".wmv", ".mpeg", ".mpg", ".webm", ".m4v", ".3gp"}},
        {"2D CAD", {".dwg", ".dxf", ".dws", ".dwt", ".dgn", ".catdrawing", ".mi", ".ami"}},
        {"3D CAD", {".step", ".stp", ".iges", ".igs", ".stl", ".obj", ".3ds", ".x_t", ".x_b", ".sat",
                    ".sab", ".3mf", ".jt", ".catproduct", ".catpart", ".ifc", ".sldprt", ".sldasm", ".ipt",
                    ".iam", ".prt", ".asm", ".xpr", ".xas", ".par", ".psm", ".neu", ".model", ".exp"}},
        {"ReqIF", {".reqif", ".reqifz"}},
    };
    for (const auto& [type, extensions] : table)
        for (const auto& extension : extensions) {
            EXPECT_EQ(Reference::guess_type("dir/name" + extension), type) << extension;
            EXPECT_EQ(Reference::guess_type("https://www.example.org/name" + extension), type) << extension;
        }
}

TEST(ReferenceTypes, TwelveNamesAndTheTypeRule) {
    EXPECT_EQ(Reference::possible_types(),
              (std::vector<std::string>{"Unknown", "Report", "Document", "Web Page", "Presentatiom", "Image", "Video",
                                        "2D CAD", "3D CAD", "ReqIF", "File", "Database Record"}));
    EXPECT_FALSE(Reference::is_valid_type("Presentation"));
    EXPECT_FALSE(Reference::is_valid_type("report"));

    EXPECT_EQ(Reference("n", "d", "plan.xlsx").type(), "Document");
    EXPECT_EQ(Reference("n", "d", "plan.xlsx", "Unknown").type(), "Document");
    EXPECT_EQ(Reference("n", "d", "plan.xlsx", "Spreadsheet").type(), "Document");
    EXPECT_EQ(Reference("n", "d", "plan.xlsx", "Database Record").type(), "Database Record");
    EXPECT_EQ(Reference("n", "d", "", "").type(), "Unknown");
}

TEST(ReferenceTypes, SetLinkKeepsTheTypeUntilSetTypeGuessesAgain) {
    Reference reference("n", "d", "https://example.org/a.pdf");
    reference.set_link("/models/gear.stp");
    EXPECT_EQ(reference.type(), "Report");
    reference.set_type("Image");
    EXPECT_EQ(reference.type(), "Image");
    reference.set_type("");
    EXPECT_EQ(reference.type(), "3D CAD");
}

TEST(ReferenceTypes, SearchTextAndCopies) {
    Reference reference("Manual", "the main one", "www.example.org");
    EXPECT_EQ(reference.get_str(), " Manual the main one www.example.org Web Page");
    Reference copy = reference;
    copy.set_name("Other");
    EXPECT_EQ(reference.name(), "Manual");
    EXPECT_EQ(copy.description(), "the main one");
    EXPECT_EQ(copy.link(), "www.example.org");
}

}  // namespace
