#include "core/constants/gcc.h"
#include "core/text/text_utils.h"
#include "pdf/doc/line_breaking.h"
#include "pdf/doc/pdf_doc.h"
#include "pdf/doc/pdf_strings.h"

namespace pdf {
namespace {

PDFdoc::PdfTextBlock black_block(pFont font, int size, int line_height, std::vector<std::string> lines, int x, int y) {
    PDFdoc::PdfTextBlock b;
    b.font = font;
    b.size = size;
    b.line_height = line_height;
    b.lines = std::move(lines);
    b.x = x;
    b.y = y;
    return b;
}

std::vector<std::string> wrap_in(pFont font, int size, const std::string& winansi, int width) {
    return break_lines(*get_font(font), size, MyStrF::_text_to_words(winansi), width, 0);
}

}  // namespace

std::vector<PDFdoc::PdfTextBlock> PDFdoc::build_title_page() const {
    std::vector<PdfTextBlock> page;
    const int width = usable_width();
    if (!title.empty()) {
        constexpr int size = 30;
        const std::string text = to_winansi(title);
        const int measured = pdf::text_width(HelveticaBold, size, text);
        const int y = page_height * 7 / 10;
        if (measured < width)
            page.push_back(black_block(HelveticaBold, size, size, {text}, margin_left + (width - measured) / 2, y));
        else
            page.push_back(black_block(HelveticaBold, size, size, wrap_in(HelveticaBold, size, text, width - 2 * margin_left),
                                       2 * margin_left, y));
    }
    constexpr int size = 16;
    const int line_height = size * 6 / 5;
    const int label_width = pdf::text_width(Helvetica, size, "author:  ");
    const int x = 2 * margin_left;
    int y = page_height * 2 / 10;
    const auto labelled = [&](const std::string& label, const std::string& value) {
        auto lines = wrap_in(Helvetica, size, to_winansi(value), width - label_width - margin_left);
        const int count = static_cast<int>(lines.size());
        page.push_back(black_block(Helvetica, size, line_height, {label}, x, y));
        page.push_back(black_block(Helvetica, size, line_height, std::move(lines), x + label_width, y));
        y -= count * line_height;
    };
    if (!author.empty()) labelled("author:", author);
    if (!date.empty()) labelled("date:", date);
    return page;
}

std::vector<std::vector<PDFdoc::PdfTextBlock>> PDFdoc::build_contents_pages(
    std::vector<PdfLinkAnnotation>& contents_links) const {
    const int width = usable_width();
    const int size = toc_font_size;
    const int line_height = size * 6 / 5;
    const int number_column = pdf::text_width(Helvetica, size, "0.0.0.00");
    const int page_column = pdf::text_width(Helvetica, size, "000");
    const int text_margin = pdf::text_width(Helvetica, size, "00000");
    // The number column leaves a digit's width after a four-level number; a
    // wider number keeps that gap before its title rather than running into it.
    const int number_gap = number_column - pdf::text_width(Helvetica, size, "0.0.0.0");

    std::vector<std::vector<PdfTextBlock>> contents(1);
    const int heading_baseline = text_top() - level_font_size[1] - section_extra_spacing[1];
    contents.back().push_back(
        black_block(HelveticaBold, level_font_size[1], level_font_size[1], {to_winansi(GCC::tof_header)}, margin_left,
                    heading_baseline));

    int y = heading_baseline - 11;
    int previous_lines = 1;
    for (const PdfHeading& h : headings) {
        const int hang = std::max(pdf::text_width(Helvetica, size, h.number) + number_gap, number_column);
        auto lines = wrap_in(Helvetica, size, h.text, width - (text_margin + hang));
        const int extra_lines = static_cast<int>(lines.size()) - 1;
        y -= line_height * previous_lines;
        if (y - extra_lines * line_height < margin_bottom) {
            contents.emplace_back();
            y = page_height - 2 * size - margin_bottom;
        }
        std::string page_number;
        append_int(page_number, h.page + 1);
        auto& page = contents.back();
        page.push_back(black_block(Helvetica, size, line_height, {h.number}, margin_left, y));
        page.push_back(black_block(Helvetica, size, line_height, std::move(lines), margin_left + hang, y));
        page.push_back(black_block(Helvetica, size, line_height, {page_number}, page_width - page_column - margin_right, y));
        contents_links.push_back({-1, static_cast<int>(contents.size()) - 1, margin_left, y - extra_lines * line_height,
                                  width, extra_lines * line_height + size, header_destination(h.number), {}});
        previous_lines = extra_lines + 1;
    }
    return contents;
}

void PDFdoc::add_intro_pages(const std::string& new_title, const std::string& new_author, const std::string& new_date) {
    title = new_title;
    if (!new_author.empty()) author = new_author;
    if (!new_date.empty()) date = new_date;

    std::vector<PdfLinkAnnotation> contents_links;
    auto contents = build_contents_pages(contents_links);
    std::vector<std::vector<PdfTextBlock>> intro;
    intro.push_back(build_title_page());
    for (auto& page : contents) intro.push_back(std::move(page));
    intro_page_count = static_cast<int>(intro.size());

    // Page indices count from the first body page: the intro pages are negative.
    for (PdfLinkAnnotation& link : contents_links) {
        link.page += 1 - intro_page_count;
        links.push_back(std::move(link));
    }
    pages.insert(pages.begin(), std::make_move_iterator(intro.begin()), std::make_move_iterator(intro.end()));
    add_named_destination(PDF_HEADER_LINK_TAG + GCC::tof_header, 1 - intro_page_count, margin_left,
                          text_top() + toc_font_size);
}

}  // namespace pdf
