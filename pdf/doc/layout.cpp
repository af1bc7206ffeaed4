#include <algorithm>
#include <iterator>

#include "core/chapters/section_depth.h"
#include "core/text/text_utils.h"
#include "pdf/doc/pdf_doc.h"
#include "pdf/doc/pdf_strings.h"

namespace pdf {
namespace {

bool parallel_or_empty(const std::vector<std::string>& list, size_t size) { return list.empty() || list.size() == size; }

const std::string& entry_or_empty(const std::vector<std::string>& list, size_t i) {
    static const std::string none;
    return i < list.size() ? list[i] : none;
}

// Below a heading there must be room for this many lines of body text at the
// usual gap, or the heading starts the next page.
constexpr int kLinesKeptBelowHeading = 2;
constexpr int kGapBelowHeading = 10;

}  // namespace

void PDFdoc::add_new_page() {
    pages.emplace_back();
    flow_bottom = text_top();
    heading_run.open = false;
}

bool PDFdoc::new_page_carrying_headings() {
    const HeadingRun run = heading_run;
    if (!run.open || run.first_block == 0) {
        add_new_page();
        return false;
    }
    std::vector<PdfTextBlock>& foot = pages.back();
    const auto first = foot.begin() + static_cast<std::ptrdiff_t>(run.first_block);
    std::vector<PdfTextBlock> moving(std::make_move_iterator(first), std::make_move_iterator(foot.end()));
    foot.erase(first, foot.end());
    add_new_page();
    // The first heading sits where a heading starting a page sits; the rest keep their distances.
    const int shift = text_top() - moving.front().size - moving.front().y;
    for (PdfTextBlock& b : moving) {
        b.y += shift;
        append_block(std::move(b));
    }
    const int page = static_cast<int>(pages.size()) - 1;
    for (size_t i = run.first_destination; i < destinations.size(); ++i) {
        destinations[i].page = page;
        destinations[i].y += shift;
    }
    for (size_t i = run.first_heading; i < headings.size(); ++i) headings[i].page = page;
    heading_run = {true, 0, run.first_destination, run.first_heading};
    return true;
}

void PDFdoc::ensure_page() {
    if (pages.empty()) add_new_page();
}

void PDFdoc::append_block(PdfTextBlock piece) {
    flow_bottom = std::min(flow_bottom, piece.last_baseline());
    pages.back().push_back(std::move(piece));
    heading_run.open = false;
}

std::vector<PDFdoc::Placed> PDFdoc::place_below(std::vector<PdfTextBlock> columns, int extra_space, bool heading) {
    ensure_page();
    size_t rows = 1;
    for (const PdfTextBlock& c : columns) rows = std::max(rows, c.lines.size());
    const int line_height = columns.front().line_height;
    // The last line keeps one line height above the bottom margin.
    const int lowest = margin_bottom + line_height;
    const auto capacity = [&](int baseline) -> size_t {
        return baseline < lowest ? 0 : static_cast<size_t>((baseline - lowest) / line_height + 1);
    };
    const int body_line_height = static_cast<int>(level_font_size[0] * line_factor);
    const int kept_below = kLinesKeptBelowHeading * body_line_height + kGapBelowHeading;
    const auto fits = [&](int baseline) {
        if (capacity(baseline) < rows) return false;
        const int last = baseline - static_cast<int>(rows - 1) * line_height;
        return !heading || last - kept_below >= margin_bottom + body_line_height;
    };
    const int fresh = text_top() - columns.front().size;

    int baseline = pages.back().empty() ? fresh : flow_bottom - line_height - extra_space;
    if (!pages.back().empty() && !fits(baseline) && (capacity(fresh) >= rows || capacity(baseline) == 0))
        baseline = new_page_carrying_headings() ? flow_bottom - line_height - extra_space : fresh;
    HeadingRun run = heading_run;

    std::vector<Placed> placed_blocks;
    for (size_t start = 0; start < rows;) {
        if (start > 0) {
            add_new_page();
            baseline = fresh;
        }
        const size_t count = std::min(rows - start, std::max<size_t>(1, capacity(baseline)));
        for (size_t column = 0; column < columns.size(); ++column) {
            PdfTextBlock& c = columns[column];
            if (start > 0 && c.lines.size() <= start) continue;
            PdfTextBlock piece = c;
            if (start > 0 || count < c.lines.size()) {
                const size_t end = std::min(c.lines.size(), start + count);
                piece.lines.assign(c.lines.begin() + static_cast<std::ptrdiff_t>(std::min(start, c.lines.size())),
                                   c.lines.begin() + static_cast<std::ptrdiff_t>(end));
                if (piece.lines.empty()) piece.lines.emplace_back();
            }
            piece.y = baseline;
            append_block(std::move(piece));
            placed_blocks.push_back({pages.size() - 1, pages.back().size() - 1, column});
        }
        start += count;
    }
    if (heading && !run.open) run = {true, placed_blocks.front().index, destinations.size(), headings.size()};
    if (heading) heading_run = run;
    return placed_blocks;
}

void PDFdoc::add_link_over(const Placed& p, const std::string& name, const std::string& uri) {
    const PdfTextBlock& b = placed(p);
    int width = 0;
    for (const std::string& line : b.lines) width = std::max(width, pdf::text_width(b.font, b.size, line));
    const int height = (static_cast<int>(b.lines.size()) - 1) * b.line_height + b.size;
    add_link(static_cast<int>(p.page), b.x, b.last_baseline(), width, height, name, uri);
}

void PDFdoc::place_paragraph(const std::string& winansi, int extra_space, const std::string& destination,
                             const std::string& link) {
    const auto pieces = place_below({styled(wrap(winansi, usable_width()), margin_left)}, extra_space);
    const PdfTextBlock& first = placed(pieces.front());
    add_named_destination(destination, static_cast<int>(pieces.front().page), first.x, first.y + first.size);
    if (!link.empty())
        for (const Placed& p : pieces) add_link_over(p, link, {});
}

void PDFdoc::add_error_paragraph(const std::string& message) {
    set_font(0, false);
    block.r = 1;
    place_paragraph(message, 0, {}, {});
}

void PDFdoc::add_below(const std::string& text, int extra_space, const std::string& destination,
                       const std::string& link, bool single_block, int paragraph_gap) {
    if (text.empty()) return;
    if (single_block) {
        set_font(0, !link.empty());
        place_paragraph(to_winansi(text), extra_space, destination, link);
        return;
    }
    const std::vector<std::string> lines = MyStrF::_split_lines(text);
    const auto repeated = [&](const std::string& value) {
        return value.empty() ? std::vector<std::string>{} : std::vector<std::string>(lines.size(), value);
    };
    add_below(lines, extra_space, paragraph_gap, repeated(destination), repeated(link));
}

void PDFdoc::add_below(const std::vector<std::string>& texts, int extra_space, int paragraph_gap,
                       const std::vector<std::string>& destinations, const std::vector<std::string>& links_to) {
    if (texts.empty()) return;
    if (!parallel_or_empty(destinations, texts.size()) || !parallel_or_empty(links_to, texts.size())) {
        add_error_paragraph("Error: Unequal vector size in add_below().");
        return;
    }
    for (size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].empty()) {
            // An empty line between paragraphs is a gap of paragraph_gap
            // points; at the top of a page or where it would not fit, the next
            // paragraph's own placement decides.
            ensure_page();
            set_font(0, false);
            if (i > 0 && paragraph_gap > 0 && !pages.back().empty() &&
                flow_bottom - paragraph_gap >= margin_bottom + block.line_height)
                flow_bottom -= paragraph_gap;
            continue;
        }
        const std::string& link = entry_or_empty(links_to, i);
        set_font(0, !link.empty());
        place_paragraph(to_winansi(texts[i]), i == 0 ? extra_space : 0, entry_or_empty(destinations, i), link);
    }
}

void PDFdoc::add_after(const std::string& text, const std::string& destination, const std::string& link,
                       const std::string& uri, bool add_space) {
    if (text.empty()) return;
    set_font(0, !link.empty() || !uri.empty());
    const std::string winansi = to_winansi(text);
    const auto link_over = [&](const Placed& p) {
        if (!link.empty()) add_link_over(p, link, {});
        if (!uri.empty()) add_link_over(p, {}, uri);
    };
    const auto place_as_paragraph = [&](std::vector<std::string> lines) {
        const auto pieces = place_below({styled(std::move(lines), margin_left)}, 0);
        const PdfTextBlock& first = placed(pieces.front());
        add_named_destination(destination, static_cast<int>(pieces.front().page), first.x, first.y + first.size);
        for (const Placed& p : pieces) link_over(p);
    };

    ensure_page();
    if (pages.back().empty()) {
        // Nothing to continue on this page: the run starts a paragraph.
        place_as_paragraph(wrap(winansi, usable_width()));
        return;
    }
    const PdfTextBlock& previous = pages.back().back();
    const int baseline = previous.last_baseline();
    int x_end = previous.x + pdf::text_width(previous.font, previous.size, previous.lines.back());
    if (add_space) x_end += static_cast<int>(space_width() + 0.5);
    const int right = page_width - margin_right;

    if (!link.empty()) {
        // A linked run is never split: it goes whole after the previous text
        // or on the next line.
        if (x_end + text_width(winansi) <= right) {
            PdfTextBlock run = styled({winansi}, x_end);
            run.y = baseline;
            append_block(std::move(run));
            const Placed p{pages.size() - 1, pages.back().size() - 1, 0};
            add_named_destination(destination, static_cast<int>(p.page), x_end, baseline + block.size);
            link_over(p);
        } else {
            place_as_paragraph(wrap(winansi, usable_width()));
        }
        return;
    }

    std::vector<std::string> lines = wrap(winansi, usable_width(), x_end - margin_left);
    std::vector<Placed> pieces;
    if (!lines.front().empty()) {
        PdfTextBlock run = styled({lines.front()}, x_end);
        run.y = baseline;
        append_block(std::move(run));
        pieces.push_back({pages.size() - 1, pages.back().size() - 1, 0});
    }
    if (lines.size() > 1) {
        lines.erase(lines.begin());
        const auto rest = place_below({styled(std::move(lines), margin_left)}, 0);
        pieces.insert(pieces.end(), rest.begin(), rest.end());
    }
    if (pieces.empty()) return;
    const PdfTextBlock& first = placed(pieces.front());
    add_named_destination(destination, static_cast<int>(pieces.front().page), first.x, first.y + first.size);
    for (const Placed& p : pieces) link_over(p);
}

void PDFdoc::add_columns_below(const std::vector<std::string>& texts, const std::vector<int>& x_positions,
                               int extra_space, const std::vector<std::string>& destinations,
                               const std::vector<std::string>& links_to, const std::vector<std::string>& uris) {
    if (texts.empty()) return;
    if (x_positions.size() != texts.size() || !parallel_or_empty(destinations, texts.size()) ||
        !parallel_or_empty(links_to, texts.size()) || !parallel_or_empty(uris, texts.size())) {
        add_error_paragraph("Error: Unequal vector size in add_columns_below().");
        return;
    }
    std::vector<PdfTextBlock> columns;
    for (size_t i = 0; i < texts.size(); ++i) {
        const bool blue = uris.empty() ? !entry_or_empty(links_to, i).empty() : !uris[i].empty();
        set_font(0, blue);
        const int right = i + 1 < texts.size() ? x_positions[i + 1] : usable_width();
        columns.push_back(styled(wrap(to_winansi(texts[i]), right - x_positions[i] - 10), margin_left + x_positions[i]));
    }
    set_font(0, false);
    std::vector<bool> named(texts.size(), false);
    for (const Placed& p : place_below(std::move(columns), extra_space)) {
        const PdfTextBlock& b = placed(p);
        if (!named[p.column]) {
            named[p.column] = true;
            add_named_destination(entry_or_empty(destinations, p.column), static_cast<int>(p.page), b.x, b.y + b.size);
        }
        const std::string& link = entry_or_empty(links_to, p.column);
        const std::string& uri = entry_or_empty(uris, p.column);
        if (!link.empty()) add_link_over(p, link, {});
        if (!uri.empty()) add_link_over(p, {}, uri);
    }
}

std::string PDFdoc::next_section_number(int level) {
    size_t depth = 0;
    while (depth < section_number.size() && section_number[depth].level < level) ++depth;
    // A heading below the deepest numbered part counts on in that part.
    depth = std::min(depth, chapters::max_section_depth - 1);
    const int count = depth < section_number.size() ? section_number[depth].count + 1 : 1;
    section_number.resize(depth);
    section_number.push_back({level, count});
    std::string number;
    for (const SectionCounter& c : section_number) {
        if (!number.empty()) number += '.';
        append_int(number, c.count);
    }
    return number;
}

void PDFdoc::add_header(int level, const std::string& text, const std::string& destination) {
    level = std::max(level, 1);
    set_font(level, false);
    const std::string number = next_section_number(level);
    const int hang = std::max(static_cast<int>(space_width() + text_width(number)), get_leader_indent(level));
    std::string winansi = to_winansi(text);
    auto lines = wrap(winansi, usable_width() - hang);
    const auto pieces = place_below({styled({number}, margin_left), styled(std::move(lines), margin_left + hang)},
                                    get_section_extra_spacing(level), true);
    const int page = static_cast<int>(pieces.front().page);
    const int top = placed(pieces.front()).y + block.size;
    add_named_destination(header_destination(number), page, margin_left, top);
    add_named_destination(destination, page, margin_left, top);
    headings.push_back({number, text, std::move(winansi), page});
}

}  // namespace pdf
