#include <algorithm>

#include "core/constants/gcc.h"
#include "core/text/text_utils.h"
#include "pdf/doc/pdf_doc.h"
#include "pdf/doc/pdf_strings.h"
#include "pdf/doc/pdf_objects.h"

namespace pdf {
namespace {

// Outline titles are one line: white space runs become single blanks.
std::string one_line(const std::string& text) {
    std::string line;
    for (const std::string& word : MyStrF::_text_to_words(text)) {
        if (!line.empty()) line += ' ';
        line += word;
    }
    return line;
}

size_t dots(const std::string& number) { return static_cast<size_t>(std::count(number.begin(), number.end(), '.')); }

}  // namespace

std::string PDFdoc::header_destination(const std::string& number) {
    std::string name = PDF_HEADER_LINK_TAG + number;
    std::replace(name.begin() + static_cast<std::ptrdiff_t>(PDF_HEADER_LINK_TAG.size()), name.end(), '.', '_');
    return name;
}

void PDFdoc::add_named_destination(const std::string& name, int page, int x, int top) {
    if (name.empty()) return;
    destination_index.try_emplace(name, destinations.size());
    destinations.push_back({page, x, top, name});
}

void PDFdoc::add_link(int page, int x, int y, int w, int h, const std::string& name, const std::string& uri) {
    links.push_back({-1, page, x, y, w, h, name, uri});
}

std::string PDFdoc::get_link_dest_string(const std::string& name) const {
    PdfLinkDestination target{0, 0, page_height, {}};
    if (const auto found = destination_index.find(name); found != destination_index.end())
        target = destinations[found->second];
    std::string dest = "[";
    append_int(dest, kFirstPageObject + intro_page_count + target.page);
    dest += " 0 R /XYZ ";
    append_int(dest, target.x);
    dest += ' ';
    append_int(dest, target.y);
    dest += " null]";
    return dest;
}

std::vector<PDFdoc::PdfBookmark> PDFdoc::get_bookmark_tree(int root) const {
    // Top items first (the contents, then every chapter), then the second
    // level in document order: siblings get consecutive numbers.
    std::vector<PdfBookmark> top;
    int n = root;
    const bool with_contents = intro_page_count > 0;
    if (with_contents)
        top.push_back({++n, GCC::tof_header, PDF_HEADER_LINK_TAG + GCC::tof_header, {}});
    for (const PdfHeading& h : headings)
        if (dots(h.number) == 0) top.push_back({++n, h.number + "  " + one_line(h.title), header_destination(h.number), {}});
    ptrdiff_t current = with_contents ? 0 : -1;
    for (const PdfHeading& h : headings) {
        const size_t depth = dots(h.number);
        if (depth == 0) ++current;
        if (depth == 1 && current >= 0)
            top[static_cast<size_t>(current)].children.push_back(
                {++n, h.number + "  " + one_line(h.title), header_destination(h.number), {}});
    }
    return top;
}

}  // namespace pdf
