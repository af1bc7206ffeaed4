#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "pdf/doc/font_metrics.h"

namespace pdf {

// A4 in points; 841, not 842, as the reports have always been laid out.
inline constexpr int PDF_A4_WIDTH = 595;
inline constexpr int PDF_A4_HEIGHT = 841;

// What a failed write reports first.
inline const std::string PDF_SAVE_FAILED = "Saving pdf file didn\u2019t complete correctly.";

// Destination names of headings: the tag followed by the section number with
// "_" in place of ".".
inline const std::string PDF_HEADER_LINK_TAG = "header_link_";

// Our own PDF 1.1 writer and text layout engine. A report feeds it headings,
// paragraphs, inline runs and two-column rows in reading order (all UTF-8);
// it measures them with the core fonts' metrics, wraps them into lines and
// places them on A4 pages, collecting numbered headings, named destinations
// and links. add_intro_pages then puts the title page and the table of
// contents in front, and write_pdf_file writes one uncompressed PDF 1.1 file.
// Text is converted to Windows-1252 once, when it enters the layout; text
// outside page content (document title, author, outline) stays UTF-8 until
// it is written as a PDF text string. One instance makes one document.
class PDFdoc {
public:
    // One positioned piece of text: line i is drawn at baseline y - i * line_height.
    struct PdfTextBlock {
        pFont font = Helvetica;
        int size = 11;
        int line_height = 13;
        std::vector<std::string> lines;  // Windows-1252
        int x = 0;
        int y = 0;
        double r = 0, g = 0, b = 0;

        int last_baseline() const { return y - (static_cast<int>(lines.size()) - 1) * line_height; }
    };

    // A named point to jump to. page counts from the first body page (0);
    // the title and contents pages in front are negative. y is the top of the view.
    struct PdfLinkDestination {
        int page = 0;
        int x = 0;
        int y = 0;
        std::string name;
    };

    // A clickable rectangle: to a destination name, or to a web address.
    // page counts from the first body page; contents pages are negative.
    struct PdfLinkAnnotation {
        int object_number = -1;
        int page = 0;
        int x = 0, y = 0, w = 0, h = 0;
        std::string name;
        std::string uri;
    };

    // One outline item; title in UTF-8.
    struct PdfBookmark {
        int object_number = 0;
        std::string title;
        std::string name;
        std::vector<PdfBookmark> children;
    };

    // A numbered heading as the contents and the outline list it.
    struct PdfHeading {
        std::string number;  // "2.3"
        std::string title;   // UTF-8, for the outline
        std::string text;    // Windows-1252, for the contents
        int page = 0;        // body page index
    };

    PDFdoc();

    // ---- Measurement ----
    // Width of the text in points in the working block's font and size.
    int text_width(std::string_view winansi) const;
    // Width of one blank in the working block's font and size, unrounded.
    double space_width() const;
    // The working block's font, size, line height and colour for a level
    // (0 body, 1..4 headings, deeper levels as 4).
    void set_font(int level, bool is_link);
    int get_section_extra_spacing(int level) const;
    int get_leader_indent(int level) const;
    // Greedy line breaking of Windows-1252 words in the working block's font:
    // the first line is width - indent wide (for a positive indent), the
    // others width + indent (for a negative one). A word wider than a line is
    // broken across lines. No words give one empty line.
    std::vector<std::string> words_to_lines(const std::vector<std::string>& words, int width, int indent) const;

    // ---- Layout (texts in UTF-8; empty names mean none) ----
    void add_new_page();
    // A numbered heading; destination, when given, names it as well.
    void add_header(int level, const std::string& text, const std::string& destination);
    // A paragraph extra_space points below the previous text, optionally
    // named and linked (link: a destination name). Unless single_block, every
    // line of the text is a paragraph of its own and empty lines become gaps
    // of paragraph_gap points.
    void add_below(const std::string& text, int extra_space, const std::string& destination = {},
                   const std::string& link = {}, bool single_block = true, int paragraph_gap = 0);
    // A list of paragraphs; destinations and links are empty or parallel to texts.
    void add_below(const std::vector<std::string>& texts, int extra_space, int paragraph_gap,
                   const std::vector<std::string>& destinations, const std::vector<std::string>& links);
    // An inline run that continues the previous text, after a blank when
    // add_space. A run with an internal link is never split.
    void add_after(const std::string& text, const std::string& destination, const std::string& link,
                   const std::string& uri, bool add_space);
    // One table row; x_positions are the columns' left edges from the left
    // margin, the other lists are empty or parallel to texts.
    void add_columns_below(const std::vector<std::string>& texts, const std::vector<int>& x_positions,
                           int extra_space, const std::vector<std::string>& destinations,
                           const std::vector<std::string>& links, const std::vector<std::string>& uris);

    // ---- Destinations and links ----
    // A named destination with the top of its view; the first of a name counts.
    void add_named_destination(const std::string& name, int page, int x, int top);
    void add_link(int page, int x, int y, int w, int h, const std::string& name, const std::string& uri);
    // The explicit destination of a name, "[page 0 R /XYZ x y null]"; an
    // unknown name opens the top of the first body page. Valid when writing.
    std::string get_link_dest_string(const std::string& name) const;

    // The destination name of a heading numbered like "2.3".
    static std::string header_destination(const std::string& number);

    // ---- Title page, contents and the file ----
    // Puts the title page and the table of contents in front; an empty
    // author or date keeps the current one (user name, today).
    void add_intro_pages(const std::string& title, const std::string& author, const std::string& date);
    // The complete file.
    std::string create_pdf_file_string();
    // Writes the file atomically: "" on success, otherwise the message to show.
    std::string write_pdf_file(const std::filesystem::path& path);

    // Today's local date as YYYY-MM-DD; a PDF date with the UTC offset.
    static std::string get_current_date();
    static std::string get_pdf_date();

    // ---- Geometry and state, readable by the reports and tests ----
    double line_factor = 1.2;
    int page_width = PDF_A4_WIDTH;
    int page_height = PDF_A4_HEIGHT;
    int margin_top = 84;
    int margin_bottom = 84;
    int margin_left = 59;
    int margin_right = 59;
    int intro_page_count = 0;
    int toc_font_size = 14;
    std::string header_left = "Morvanta";
    std::string title;   // UTF-8
    std::string author;  // UTF-8
    std::string date;    // UTF-8

    PdfTextBlock block;  // the working block: style of the current operation
    std::vector<std::vector<PdfTextBlock>> pages;
    std::vector<PdfLinkAnnotation> links;
    std::vector<PdfLinkDestination> destinations;
    std::vector<PdfHeading> headings;

    int usable_width() const { return page_width - margin_left - margin_right; }
    int text_top() const { return page_height - margin_top; }

private:
    // Where place_below put a block: page, position on it, and the column
    // of the group it came from.
    struct Placed {
        size_t page;
        size_t index;
        size_t column;
    };

    void ensure_page();
    // The number of a new heading at that level, of at most
    // chapters::max_section_depth parts.
    std::string next_section_number(int level);
    // Wraps Windows-1252 text in the working block's font.
    std::vector<std::string> wrap(std::string_view winansi, int width, int indent = 0) const;
    // A block in the working style with the given lines.
    PdfTextBlock styled(std::vector<std::string> lines, int x) const;
    // Places blocks that share one baseline and line height (a paragraph, a
    // heading with its number, a table row) below the previous text. A group
    // that does not fit goes to a new page; one taller than a page is split
    // across pages, line by line, so nothing runs off a page. A heading goes
    // to a new page unless the first two lines of its text fit below it, and
    // headings that nothing has followed yet go along to the next page with
    // whatever follows them: no page ends with a heading.
    std::vector<Placed> place_below(std::vector<PdfTextBlock> columns, int extra_space, bool heading = false);
    // A new page; the open heading run, unless it starts its page, moves to
    // the top of it. True when it moved.
    bool new_page_carrying_headings();
    void append_block(PdfTextBlock piece);
    const PdfTextBlock& placed(const Placed& p) const { return pages[p.page][p.index]; }
    // A link over a placed block.
    void add_link_over(const Placed& p, const std::string& name, const std::string& uri);
    void add_error_paragraph(const std::string& message);
    void place_paragraph(const std::string& winansi, int extra_space, const std::string& destination,
                         const std::string& link);

    std::vector<PdfTextBlock> build_title_page() const;
    std::vector<std::vector<PdfTextBlock>> build_contents_pages(std::vector<PdfLinkAnnotation>& contents_links) const;
    std::vector<PdfBookmark> get_bookmark_tree(int root) const;
    void append_outline(std::string& out, std::vector<size_t>& offsets, const std::vector<PdfBookmark>& outline,
                        int root) const;
    void append_page_content(std::string& out, size_t page_index) const;
    void append_header_footer(std::string& out, size_t page_index) const;

    // Extra space above a heading, the minimum hanging indent of its text,
    // its font size and font, by level 0..4.
    std::vector<int> section_extra_spacing{0, 10, 8, 6, 4};
    std::vector<int> leader_indent;
    std::vector<int> level_font_size{11, 20, 16, 14, 11};
    std::vector<pFont> level_font{Helvetica, HelveticaBold, HelveticaBold, HelveticaBold, HelveticaBoldOblique};
    // Open heading levels with their counters; a heading continues the count
    // of the entry it replaces, so siblings keep numbers of the same depth.
    struct SectionCounter {
        int level;
        int count;
    };
    std::vector<SectionCounter> section_number;
    // The headings at the foot of the last page that no text has followed
    // yet: where their blocks, destinations and contents entries start.
    struct HeadingRun {
        bool open = false;
        size_t first_block = 0;
        size_t first_destination = 0;
        size_t first_heading = 0;
    };
    HeadingRun heading_run;
    // Baseline of the lowest line on the last page; the top of the text area
    // while that page is empty. The next block goes below it.
    int flow_bottom = 0;
    std::unordered_map<std::string, size_t> destination_index;
};

}  // namespace pdf
