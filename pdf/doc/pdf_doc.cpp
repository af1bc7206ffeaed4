#include "pdf/doc/pdf_doc.h"

#include <algorithm>

#include "core/text/text_utils.h"
#include "pdf/doc/line_breaking.h"

namespace pdf {
namespace {

constexpr int kLevels = 5;

int clamp_level(int level) { return std::clamp(level, 0, kLevels - 1); }

}  // namespace

PDFdoc::PDFdoc() : author(MyStrF::find_current_user_name()), date(get_current_date()) {
    // The smallest hanging indent of a heading's text: room for a number of
    // the usual width at that level.
    const char* leaders[kLevels] = {"-  ", "00 ", "00.0 ", "00.0.0 ", "00.0.0.0 "};
    for (int level = 0; level < kLevels; ++level)
        leader_indent.push_back(pdf::text_width(level_font[level], level_font_size[level], leaders[level]));
    set_font(0, false);
}

int PDFdoc::text_width(std::string_view winansi) const { return pdf::text_width(block.font, block.size, winansi); }

double PDFdoc::space_width() const { return (*get_font(block.font))[' '] * block.size / 1000.0; }

void PDFdoc::set_font(int level, bool is_link) {
    const int l = clamp_level(level);
    block.font = level_font[static_cast<size_t>(l)];
    block.size = level_font_size[static_cast<size_t>(l)];
    block.line_height = static_cast<int>(block.size * line_factor + 1e-9);
    block.r = 0;
    block.g = is_link ? 0.4 : 0;
    block.b = is_link ? 0.8 : 0;
}

int PDFdoc::get_section_extra_spacing(int level) const {
    return section_extra_spacing[static_cast<size_t>(clamp_level(level))];
}

int PDFdoc::get_leader_indent(int level) const { return leader_indent[static_cast<size_t>(clamp_level(level))]; }

std::vector<std::string> PDFdoc::words_to_lines(const std::vector<std::string>& words, int width, int indent) const {
    return break_lines(*get_font(block.font), block.size, words, width, indent);
}

std::vector<std::string> PDFdoc::wrap(std::string_view winansi, int width, int indent) const {
    return words_to_lines(MyStrF::_text_to_words(std::string(winansi)), width, indent);
}

PDFdoc::PdfTextBlock PDFdoc::styled(std::vector<std::string> lines, int x) const {
    PdfTextBlock b = block;
    b.lines = std::move(lines);
    b.x = x;
    return b;
}

}  // namespace pdf
