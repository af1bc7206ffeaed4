#include <algorithm>

#include "core/settings/replace_file.h"
#include "core/text/xml_text.h"
#include "pdf/doc/pdf_doc.h"
#include "pdf/doc/pdf_objects.h"
#include "pdf/doc/pdf_strings.h"

namespace pdf {
namespace {

void append_object_header(std::string& out, std::vector<size_t>& offsets, int number) {
    offsets[static_cast<size_t>(number)] = out.size();
    append_int(out, number);
    out += " 0 obj\n";
}

void append_reference(std::string& out, int number) {
    append_int(out, number);
    out += " 0 R";
}

// One dictionary line "<key> n 0 R"; the key carries its indentation.
void append_reference_line(std::string& out, std::string_view key, int number) {
    out += key;
    out += ' ';
    append_reference(out, number);
    out += '\n';
}

void append_text_block(std::string& out, const PDFdoc::PdfTextBlock& b) {
    out += "BT\n/F";
    append_int(out, b.font);
    out += ' ';
    append_int(out, b.size);
    out += " Tf\n";
    append_number(out, b.r);
    out += ' ';
    append_number(out, b.g);
    out += ' ';
    append_number(out, b.b);
    out += " rg\n";
    int y = b.y;
    for (const std::string& line : b.lines) {
        out += "1 0 0 1 ";
        append_int(out, b.x);
        out += ' ';
        append_int(out, y);
        out += " Tm\n(";
        append_escaped(out, line);
        out += ") Tj\n";
        y -= b.line_height;
    }
    out += "ET\n";
}

void append_rule(std::string& out, int x1, int x2, int y) {
    out += "1 w\n0 0 0 RG\n";
    append_int(out, x1);
    out += ' ';
    append_int(out, y);
    out += " m\n";
    append_int(out, x2);
    out += ' ';
    append_int(out, y);
    out += " l\nS\n";
}

// A rough upper estimate of the file size, so the buffer grows at most once or twice.
size_t estimated_size(const std::vector<std::vector<PDFdoc::PdfTextBlock>>& pages, size_t links, size_t headings) {
    size_t size = 4096 + links * 220 + headings * 200;
    for (const auto& page : pages) {
        size += 900;
        for (const auto& b : page) {
            size += 48;
            for (const std::string& line : b.lines) size += 28 + line.size() + line.size() / 8;
        }
    }
    return size;
}

}  // namespace

std::string PDFdoc::create_pdf_file_string() {
    const int page_count = static_cast<int>(pages.size());
    const int first_stream = kFirstPageObject + page_count;
    const int first_link = first_stream + page_count;
    const int outline_root = first_link + static_cast<int>(links.size());
    const std::vector<PdfBookmark> outline = get_bookmark_tree(outline_root);
    int highest = outline_root - 1;
    for (const PdfBookmark& item : outline) {
        highest = std::max(highest, item.object_number);
        for (const PdfBookmark& child : item.children) highest = std::max(highest, child.object_number);
    }

    std::vector<size_t> offsets(static_cast<size_t>(highest) + 1, 0);
    std::string out;
    out.reserve(estimated_size(pages, links.size(), headings.size()));
    out += "%PDF-1.1\n\n";

    for (int k = 1; k <= kFontCount; ++k) {
        append_object_header(out, offsets, k);
        out += "<<\n   /Type     /Font\n   /Subtype  /Type1\n   /BaseFont /";
        out += FONTS[static_cast<size_t>(k - 1)];
        out += "\n   /Encoding /WinAnsiEncoding\n>>\nendobj\n\n";
    }

    const std::string pdf_date = get_pdf_date();
    append_object_header(out, offsets, kInfoObject);
    out += "<<\n   /Title " + pdf_text_string(title) + "\n   /Author " + pdf_text_string(author) +
           "\n   /Subject (Solution Exploration)\n   /Keywords (Morvanta, Requirement, Solution, Selection)\n"
           "   /Creator (Morvanta)\n   /Producer (Morvanta)\n   /CreationDate " +
           pdf_date + "\n   /ModDate " + pdf_date + "\n>>\nendobj\n\n";

    append_object_header(out, offsets, kResourcesObject);
    out += "<<\n   /Font <<\n";
    for (int k = 1; k <= kFontCount; ++k) append_reference_line(out, "      /F" + int_text(k), k);
    out += "   >>\n>>\nendobj\n\n";

    append_object_header(out, offsets, kCatalogObject);
    out += "<<\n   /Type /Catalog\n";
    append_reference_line(out, "   /Pages", kPageTreeObject);
    if (!outline.empty()) append_reference_line(out, "   /Outlines", outline_root);
    out += ">>\nendobj\n\n";

    append_object_header(out, offsets, kPageTreeObject);
    out += "<<\n   /Type /Pages\n   /MediaBox [ 0 0 ";
    append_int(out, page_width);
    out += ' ';
    append_int(out, page_height);
    out += " ]\n   /Count ";
    append_int(out, page_count);
    out += "\n   /Kids [";
    for (int i = 0; i < page_count; ++i) {
        out += ' ';
        append_reference(out, kFirstPageObject + i);
    }
    out += " ]\n>>\nendobj\n\n";

    // Link annotations by the page they lie on.
    std::vector<std::vector<int>> annotations(pages.size());
    for (size_t i = 0; i < links.size(); ++i) {
        links[i].object_number = first_link + static_cast<int>(i);
        const int page = links[i].page + intro_page_count;
        if (page >= 0 && page < page_count) annotations[static_cast<size_t>(page)].push_back(links[i].object_number);
    }
    for (int i = 0; i < page_count; ++i) {
        append_object_header(out, offsets, kFirstPageObject + i);
        out += "<<\n   /Type /Page\n";
        append_reference_line(out, "   /Parent", kPageTreeObject);
        append_reference_line(out, "   /Contents", first_stream + i);
        append_reference_line(out, "   /Resources", kResourcesObject);
        const auto& on_page = annotations[static_cast<size_t>(i)];
        if (!on_page.empty()) {
            out += "   /Annots [";
            for (size_t k = 0; k < on_page.size(); ++k) {
                if (k > 0) out += ' ';
                append_reference(out, on_page[k]);
            }
            out += "]\n";
        }
        out += ">>\nendobj\n\n";
    }

    // Each stream is written in place; its /Length is filled in afterwards
    // into room left for it (blanks are white space inside a dictionary).
    constexpr size_t length_room = 10;
    for (int i = 0; i < page_count; ++i) {
        append_object_header(out, offsets, first_stream + i);
        out += "<<\n   /Length ";
        const size_t length_at = out.size();
        out.append(length_room, ' ');
        out += "\n>>\nstream\n";
        const size_t start = out.size();
        append_page_content(out, static_cast<size_t>(i));
        const std::string length = int_text(static_cast<long long>(out.size() - start));
        out.replace(length_at, length.size(), length);
        out += "\nendstream\nendobj\n\n";
    }

    for (const PdfLinkAnnotation& link : links) {
        append_object_header(out, offsets, link.object_number);
        out += "<< /Type /Annot\n   /Subtype /Link\n   /Rect [";
        append_int(out, link.x);
        out += ' ';
        append_int(out, link.y);
        out += ' ';
        append_int(out, link.x + link.w);
        out += ' ';
        append_int(out, link.y + link.h);
        out += "]\n   /Border [0 0 0]\n";
        if (link.uri.empty()) {
            out += "   /A << /S /GoTo /D " + get_link_dest_string(link.name) + " >>\n";
        } else {
            out += "   /A << /S /URI /URI (";
            append_escaped(out, uri_ascii(link.uri));
            out += ") >>\n";
        }
        out += ">>\nendobj\n\n";
    }

    if (!outline.empty()) append_outline(out, offsets, outline, outline_root);

    const size_t xref = out.size();
    out += "xref\n0 ";
    append_int(out, highest + 1);
    out += "\n0000000000 65535 f \n";
    for (size_t n = 1; n < offsets.size(); ++n) {
        append_padded(out, static_cast<long long>(offsets[n]), 10);
        out += " 00000 n \n";
    }
    out += "trailer\n<<\n   /Size ";
    append_int(out, highest + 1);
    out += '\n';
    append_reference_line(out, "   /Root", kCatalogObject);
    append_reference_line(out, "   /Info", kInfoObject);
    out += ">>\nstartxref\n";
    append_int(out, static_cast<long long>(xref));
    out += "\n%%EOF\n";
    return out;
}

void PDFdoc::append_outline(std::string& out, std::vector<size_t>& offsets, const std::vector<PdfBookmark>& outline,
                            int root) const {
    // Every item starts closed: the root counts the top items only, and an
    // item with children gives their number negated.
    append_object_header(out, offsets, root);
    out += "<<\n   /Type /Outlines\n";
    append_reference_line(out, "   /First", outline.front().object_number);
    append_reference_line(out, "   /Last", outline.back().object_number);
    out += "   /Count ";
    append_int(out, static_cast<long long>(outline.size()));
    out += "\n>>\nendobj\n\n";

    const auto append_items = [&](const std::vector<PdfBookmark>& items, int parent) {
        for (size_t k = 0; k < items.size(); ++k) {
            const PdfBookmark& item = items[k];
            append_object_header(out, offsets, item.object_number);
            out += "<<\n  /Title " + pdf_text_string(item.title) + "\n";
            append_reference_line(out, "  /Parent", parent);
            if (k > 0) append_reference_line(out, "  /Prev", items[k - 1].object_number);
            if (k + 1 < items.size()) append_reference_line(out, "  /Next", items[k + 1].object_number);
            if (!item.children.empty()) {
                append_reference_line(out, "  /First", item.children.front().object_number);
                append_reference_line(out, "  /Last", item.children.back().object_number);
                out += "  /Count -";
                append_int(out, static_cast<long long>(item.children.size()));
                out += '\n';
            }
            out += "  /Dest " + get_link_dest_string(item.name) + "\n>>\nendobj\n\n";
        }
    };
    append_items(outline, root);
    for (const PdfBookmark& item : outline) append_items(item.children, item.object_number);
}

void PDFdoc::append_page_content(std::string& out, size_t page_index) const {
    for (const PdfTextBlock& b : pages[page_index]) append_text_block(out, b);
    append_header_footer(out, page_index);
}

void PDFdoc::append_header_footer(std::string& out, size_t page_index) const {
    if (page_index == 0 && !title.empty()) return;  // the title page stands alone
    PdfTextBlock b;
    b.font = Helvetica;
    b.size = 11;
    b.line_height = 11;
    const int right = page_width - margin_right;
    const int header = 2 * b.size - margin_top + page_height;
    const int footer = margin_bottom - 3 * b.size;
    const auto text_at = [&](const std::string& winansi, int x, int y) {
        if (winansi.empty()) return;
        b.lines = {winansi};
        b.x = x;
        b.y = y;
        append_text_block(out, b);
    };
    text_at(to_winansi(header_left), margin_left, header);
    text_at(to_winansi(author), margin_left, footer);
    const std::string shown_date = to_winansi(date);
    text_at(shown_date, right - pdf::text_width(Helvetica, b.size, shown_date), footer);
    append_rule(out, margin_left, right, page_height - margin_top + 10);
    append_rule(out, margin_left, right, margin_bottom - 10);
    const int body_page = static_cast<int>(page_index) - intro_page_count + 1;
    if (body_page >= 1) {
        std::string number;
        append_int(number, body_page);
        text_at(number, right - pdf::text_width(Helvetica, b.size, number), header);
    }
}

std::string PDFdoc::write_pdf_file(const std::filesystem::path& path) {
    const std::string reason = settings_io::replace_file(path, create_pdf_file_string());
    if (reason.empty()) return {};
    return MyStrF::xml_clean(PDF_SAVE_FAILED + "\n" + reason);
}

}  // namespace pdf
