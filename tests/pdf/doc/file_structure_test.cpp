#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <locale>
#include <string>

#include "core/text/xml_text.h"
#include "pdf/doc/pdf_doc.h"
#include "pdf/doc/pdf_strings.h"
#include "tests/support/fake_platform.h"
#include "tests/support/pdf/pdf_reader.h"

namespace {

using pdf::PDFdoc;
using testing_support::PdfReader;

// A small document with every kind of object: headings that skip levels,
// internal links, web links with non-ASCII addresses, several pages and
// texts outside page content that need Unicode.
class PdfFile : public testing_support::PlatformTest {
protected:
    PdfFile() {
        doc.add_new_page();
        doc.add_header(1, "Caf\xC3\xA9 \xE2\x80\x93 M\xC3\xBCller", "chapter-one");
        doc.add_below("A paragraph (with parentheses) and a back\\slash.", 10);
        doc.add_header(3, "Skipped level", "");
        doc.add_header(3, "Same depth", "");
        doc.add_header(2, "\xD0\x96\xD1\x83\xD0\xBA", "");  // Cyrillic: outside every single-byte encoding
        doc.add_columns_below({"link:", "https://example.org/\xC3\xA4 b"}, {0, 100}, 10, {}, {},
                              {"", "https://example.org/\xC3\xA4 b"});
        doc.add_below("Back to the first chapter", 10, "", "chapter-one");
        doc.add_below("Nowhere", 10, "", "no-such-destination");
        doc.add_new_page();
        doc.add_header(1, "Second", "");
        doc.add_new_page();
        doc.add_header(4, "Deep", "");
        doc.add_intro_pages("Caf\xC3\xA9 \xE2\x80\x93 M\xC3\xBCller", "\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0", "");
    }

    PDFdoc doc;
};

TEST_F(PdfFile, StructureHoldsForAnIndependentReader) {
    const PdfReader reader(doc.create_pdf_file_string());
    EXPECT_EQ(reader.problems(), "");
    // 3 body pages, the title page and one contents page: pages 18..22,
    // their streams 23..27, the first link annotation 28.
    ASSERT_EQ(reader.page_count(), 5u);
    EXPECT_NE(reader.object(18).find("/Type /Page\n"), std::string::npos);
    EXPECT_NE(reader.object(23).find("stream\n"), std::string::npos);
    EXPECT_NE(reader.object(28).find("/Type /Annot"), std::string::npos);
}

TEST_F(PdfFile, OutlineListsTwoLevelsByDepthWithUnicodeTitles) {
    const PdfReader reader(doc.create_pdf_file_string());
    const auto& outline = reader.outline();
    ASSERT_EQ(outline.size(), 3u);
    EXPECT_EQ(outline[0].title, "Table of Contents");
    EXPECT_EQ(outline[0].target_page, 1);
    EXPECT_EQ(outline[1].title, "1  Caf\xC3\xA9 \xE2\x80\x93 M\xC3\xBCller");
    EXPECT_EQ(outline[1].target_page, 2);
    ASSERT_EQ(outline[1].children.size(), 3u);
    EXPECT_EQ(outline[1].children[1].title, "1.2  Same depth");
    EXPECT_EQ(outline[1].children[2].title, "1.3  \xD0\x96\xD1\x83\xD0\xBA");
    EXPECT_EQ(outline[2].title, "2  Second");
    ASSERT_EQ(outline[2].children.size(), 1u);
    EXPECT_EQ(outline[2].children[0].title, "2.1  Deep");
    EXPECT_EQ(outline[2].children[0].target_page, 4);
    EXPECT_EQ(reader.info("/Title"), "Caf\xC3\xA9 \xE2\x80\x93 M\xC3\xBCller");
    EXPECT_EQ(reader.info("/Author"), "\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0");
}

TEST_F(PdfFile, LinksOpenTheirTargetsAndUrisAreSevenBit) {
    const PdfReader reader(doc.create_pdf_file_string());
    bool uri_seen = false, chapter_link_seen = false, fallback_seen = false;
    for (const auto& link : reader.links()) {
        if (!link.uri.empty()) {
            EXPECT_EQ(link.uri, "https://example.org/%C3%A4%20b");
            uri_seen = true;
        } else if (link.page == 2 && link.target_page == 2) {
            chapter_link_seen = true;
        }
        if (link.page == 2 && link.target_page == 2 && link.y2 < 700) fallback_seen = true;
    }
    EXPECT_TRUE(uri_seen);
    EXPECT_TRUE(chapter_link_seen);
    EXPECT_TRUE(fallback_seen);  // an unknown name opens the first body page
    // Contents entries open the pages of their headings.
    size_t on_contents = 0;
    for (const auto& link : reader.links())
        if (link.page == 1) ++on_contents;
    EXPECT_EQ(on_contents, doc.headings.size());
}

TEST_F(PdfFile, PagesCarryHeadersFootersAndNumbersExceptTheTitlePage) {
    const PdfReader reader(doc.create_pdf_file_string());
    EXPECT_EQ(reader.page_text(0).find("Morvanta"), std::string::npos);
    EXPECT_EQ(reader.page_text(1).find("Morvanta"), 0u);  // contents: header, no number
    EXPECT_EQ(reader.page_text(1).find("Morvanta | "), std::string::npos);
    EXPECT_EQ(reader.page_text(2).find("Morvanta | 1"), 0u);
    EXPECT_NE(reader.page_text(4).find("Morvanta | 3"), std::string::npos);
    // The author, in Windows-1252 like all page text: Cyrillic has no code there.
    EXPECT_NE(reader.page_text(2).find("???? | 2024-03-07"), std::string::npos);
    EXPECT_NE(reader.page_text(2).find("A paragraph (with parentheses) and a back\\slash."), std::string::npos);
}

TEST_F(PdfFile, QpdfAcceptsTheFileWithoutWarnings) {
    const std::string path = fake().root + "/check.pdf";
    ASSERT_EQ(doc.write_pdf_file(path), "");
    EXPECT_EQ(testing_support::read_file(path), doc.create_pdf_file_string());
    const auto check = testing_support::run_command("qpdf --check '" + path + "'");
    EXPECT_EQ(check.status, 0) << check.output;
    EXPECT_EQ(check.output.find("WARNING"), std::string::npos) << check.output;
}

TEST_F(PdfFile, FailedWriteReportsInValidUtf8) {
    const std::string result = doc.write_pdf_file(fake().root + "/no such folder/\xC3\xA9.pdf");
    EXPECT_EQ(result.rfind("Saving pdf file didn\xE2\x80\x99t complete correctly.", 0), 0u) << result;
    EXPECT_TRUE(MyStrF::is_xml_clean(result));
}

// The UTC offset in force travels with the local time.
TEST_F(PdfFile, DatesCarryTheUtcOffset) {
    EXPECT_EQ(PDFdoc::get_pdf_date(), "(D:20240307140509+00'00')");
    fake().now.tm_gmtoff = 2 * 3600;
    EXPECT_EQ(PDFdoc::get_pdf_date(), "(D:20240307140509+02'00')");
    fake().now.tm_gmtoff = -(5 * 3600 + 30 * 60);
    EXPECT_EQ(PDFdoc::get_pdf_date(), "(D:20240307140509-05'30')");
    EXPECT_EQ(PDFdoc::get_current_date(), "2024-03-07");
    const PdfReader reader(doc.create_pdf_file_string());
    EXPECT_EQ(reader.info("/CreationDate"), "D:20240307140509-05'30'");
}

struct DecimalComma : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

// Colours and positions are written the same under a decimal-comma locale.
TEST_F(PdfFile, NumbersIgnoreTheLocale) {
    const std::string plain = doc.create_pdf_file_string();
    const std::string saved_c = std::setlocale(LC_ALL, nullptr);
    const std::locale saved_cpp;
    std::locale::global(std::locale(std::locale::classic(), new DecimalComma));
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8"})
        if (std::setlocale(LC_ALL, name)) break;
    const std::string localised = doc.create_pdf_file_string();
    std::locale::global(saved_cpp);
    std::setlocale(LC_ALL, saved_c.c_str());
    EXPECT_EQ(localised, plain);
    EXPECT_NE(plain.find("0 0.4 0.8 rg\n"), std::string::npos);
}

TEST(PdfStrings, TextStringsUsePdfDocEncodingOrUtf16) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Plain", "(Plain)"},
        {"Caf\xC3\xA9 \xE2\x80\x93 M\xC3\xBCller", "(Caf\xE9 \x85 M\xFCller)"},
        {"a(b)\\c\td", "(a\\(b\\)\\\\c\\td)"},
        {"\xE2\x82\xAC", "(\xA0)"},
        {"\xD0\x96", "<FEFF0416>"},
        {"\xF0\x9F\x98\x80", "<FEFFD83DDE00>"},
        {"a\xFF", "<FEFF0061FFFD>"},  // invalid UTF-8
        {"", "()"},
    };
    for (const auto& [utf8, expected] : cases) EXPECT_EQ(pdf::pdf_text_string(utf8), expected) << utf8;
    EXPECT_EQ(pdf::uri_ascii("http://x.org/a b\xC3\xA4?q=(1)"), "http://x.org/a%20b%C3%A4?q=(1)");
}

}  // namespace
