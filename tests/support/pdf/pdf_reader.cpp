#include "tests/support/pdf/pdf_reader.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <sys/wait.h>

namespace testing_support {
namespace {

bool is_white(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0'; }

long long to_number(std::string_view text) {
    long long value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() ? value : -1;
}

double to_double(std::string_view text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

void append_utf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | cp >> 6);
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | cp >> 12);
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | cp >> 18);
        out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Code points of bytes 0x80..0xA0 in PDFDocEncoding (0 where undefined).
constexpr uint32_t kPdfDocHigh[] = {0x2022, 0x2020, 0x2021, 0x2026, 0x2014, 0x2013, 0x0192, 0x2044, 0x2039,
                                    0x203A, 0x2212, 0x2030, 0x201E, 0x201C, 0x201D, 0x2018, 0x2019, 0x201A,
                                    0x2122, 0xFB01, 0xFB02, 0x0141, 0x0152, 0x0160, 0x0178, 0x017D, 0x0131,
                                    0x0142, 0x0153, 0x0161, 0x017E, 0,      0x20AC};
// Code points of bytes 0x80..0x9F in Windows-1252 (0 where undefined).
constexpr uint32_t kWinAnsiHigh[] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                     0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The bytes of a literal string starting at its "(".
std::string literal_string(const std::string& s, size_t& i) {
    std::string out;
    int depth = 0;
    for (++i; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '\\' && i + 1 < s.size()) {
            const char e = s[++i];
            switch (e) {
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                case 't': out += '\t'; break;
                case 'b': out += '\b'; break;
                case 'f': out += '\f'; break;
                default: out += e;
            }
        } else if (c == '(') {
            ++depth;
            out += c;
        } else if (c == ')') {
            if (depth-- == 0) {
                ++i;
                return out;
            }
            out += c;
        } else {
            out += c;
        }
    }
    return out;
}

// A text string token (literal in PDFDocEncoding, or hex UTF-16BE) as UTF-8.
std::string text_string(const std::string& token) {
    std::string out;
    if (token.rfind("<FEFF", 0) == 0) {
        std::vector<uint16_t> units;
        for (size_t i = 5; i + 4 <= token.size() - 1; i += 4)
            units.push_back(static_cast<uint16_t>(std::stoul(token.substr(i, 4), nullptr, 16)));
        for (size_t i = 0; i < units.size(); ++i) {
            uint32_t cp = units[i];
            if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < units.size())
                cp = 0x10000 + ((cp - 0xD800) << 10) + (units[++i] - 0xDC00);
            append_utf8(out, cp);
        }
        return out;
    }
    size_t i = 0;
    for (unsigned char c : literal_string(token, i)) {
        if (c >= 0x80 && c <= 0xA0)
            append_utf8(out, kPdfDocHigh[c - 0x80] ? kPdfDocHigh[c - 0x80] : 0xFFFD);
        else
            append_utf8(out, c);
    }
    return out;
}

// The token at i of a dictionary value: a string, an array, a dictionary or a word.
std::string value_token(const std::string& s, size_t i) {
    while (i < s.size() && is_white(s[i])) ++i;
    if (i >= s.size()) return {};
    const size_t start = i;
    if (s[i] == '(') {
        literal_string(s, i);
        return s.substr(start, i - start);
    }
    if (s.compare(i, 2, "<<") == 0 || s[i] == '[') {
        const std::string open = s[i] == '[' ? "[" : "<<", close = s[i] == '[' ? "]" : ">>";
        int depth = 0;
        while (i < s.size()) {
            if (s[i] == '(') {
                literal_string(s, i);
                continue;
            }
            if (s.compare(i, open.size(), open) == 0) {
                ++depth;
                i += open.size();
            } else if (s.compare(i, close.size(), close) == 0) {
                i += close.size();
                if (--depth == 0) break;
            } else {
                ++i;
            }
        }
        return s.substr(start, i - start);
    }
    if (s[i] == '<') return s.substr(start, s.find('>', i) + 1 - start);
    if (s[i] == '/') ++i;  // a name
    // A reference "n 0 R" or a single word.
    size_t end = i;
    while (end < s.size() && !is_white(s[end]) && s[end] != '/' && s[end] != '>' && s[end] != ']' && s[end] != '(')
        ++end;
    if (s.compare(end, 4, " 0 R") == 0) end += 4;
    return s.substr(start, end - start);
}

}  // namespace

std::string winansi_to_utf8(const std::string& bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        if (c >= 0x80 && c <= 0x9F)
            append_utf8(out, kWinAnsiHigh[c - 0x80] ? kWinAnsiHigh[c - 0x80] : 0xFFFD);
        else
            append_utf8(out, c);
    }
    return out;
}

CommandResult run_command(const std::string& command) {
    CommandResult result;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

PdfReader::PdfReader(std::string bytes) : bytes_(std::move(bytes)) { read(); }

void PdfReader::fail(const std::string& what) { problems_ += what + "\n"; }

std::string PdfReader::object(int number) const {
    const auto found = offsets_.find(number);
    if (found == offsets_.end()) return {};
    const size_t start = bytes_.find(" obj\n", found->second);
    const size_t end = bytes_.find("\nendobj", start);
    if (start == std::string::npos || end == std::string::npos) return {};
    return bytes_.substr(start + 5, end - start - 5);
}

std::string PdfReader::dictionary_value(const std::string& body, const std::string& key) const {
    // Keys are matched as whole names at any depth, which is enough for the
    // flat dictionaries of these files.
    for (size_t at = body.find(key); at != std::string::npos; at = body.find(key, at + 1)) {
        const size_t after = at + key.size();
        if (after < body.size() && (is_white(body[after]) || body[after] == '(' || body[after] == '[' ||
                                    body[after] == '<' || body[after] == '/'))
            return value_token(body, after);
    }
    return {};
}

int PdfReader::reference(const std::string& body, const std::string& key) const {
    const std::string value = dictionary_value(body, key);
    if (value.size() < 5 || value.compare(value.size() - 4, 4, " 0 R") != 0) return -1;
    return static_cast<int>(to_number(value.substr(0, value.size() - 4)));
}

int PdfReader::page_of_destination(const std::string& dest) const {
    // [n 0 R /XYZ x y null]
    if (dest.size() < 2 || dest.front() != '[') return -1;
    const int object_number = static_cast<int>(to_number(dest.substr(1, dest.find(' ') - 1)));
    const auto found = std::find(page_objects_.begin(), page_objects_.end(), object_number);
    if (found == page_objects_.end() || dest.find(" 0 R /XYZ ") == std::string::npos) return -1;
    return static_cast<int>(found - page_objects_.begin());
}

void PdfReader::read() {
    if (bytes_.rfind("%PDF-1.1\n", 0) != 0) fail("no %PDF-1.1 header");
    const size_t start_xref = bytes_.rfind("startxref\n");
    if (start_xref == std::string::npos || bytes_.size() < 6 || bytes_.compare(bytes_.size() - 6, 6, "%%EOF\n") != 0) {
        fail("no startxref or %%EOF at the end");
        return;
    }
    const auto xref = static_cast<size_t>(to_number(bytes_.substr(start_xref + 10)));
    if (bytes_.compare(xref, 7, "xref\n0 ") != 0) {
        fail("startxref does not point at the xref table");
        return;
    }
    const size_t count_end = bytes_.find('\n', xref + 7);
    const long long size = to_number(bytes_.substr(xref + 7, count_end - xref - 7));
    size_t entry = count_end + 1;
    if (bytes_.compare(entry, 20, "0000000000 65535 f \n") != 0) fail("entry 0 is not the free head");
    for (long long n = 1; n < size; ++n) {
        entry += 20;
        const std::string line = bytes_.substr(entry, 20);
        if (line.size() != 20 || line.compare(10, 10, " 00000 n \n") != 0) {
            fail("xref entry " + std::to_string(n) + " is not 20 bytes in form");
            return;
        }
        const auto offset = static_cast<size_t>(to_number(line.substr(0, 10)));
        const std::string header = std::to_string(n) + " 0 obj\n";
        if (bytes_.compare(offset, header.size(), header) != 0 || (offset > 0 && bytes_[offset - 1] != '\n'))
            fail("xref entry " + std::to_string(n) + " does not point at its object");
        offsets_[static_cast<int>(n)] = offset;
    }
    const size_t trailer = entry + 20;
    if (bytes_.compare(trailer, 8, "trailer\n") != 0) fail("no trailer after the xref table");
    const std::string trailer_body = bytes_.substr(trailer, start_xref - trailer);
    if (to_number(dictionary_value(trailer_body, "/Size")) != size) fail("/Size is not the xref table's size");
    size_t headers = 0;
    for (size_t at = bytes_.find(" 0 obj\n"); at != std::string::npos; at = bytes_.find(" 0 obj\n", at + 1)) ++headers;
    if (static_cast<long long>(headers) != size - 1) fail("objects in the file and in the xref table differ");

    for (const auto& [number, offset] : offsets_) {
        const std::string body = object(number);
        const size_t stream = body.find(">>\nstream\n");
        if (stream == std::string::npos) continue;
        const auto length = static_cast<size_t>(to_number(dictionary_value(body, "/Length")));
        if (body.compare(stream + 10 + length, 10, "\nendstream") != 0)
            fail("object " + std::to_string(number) + " has a wrong /Length");
    }

    info_object_ = reference(trailer_body, "/Info");
    const std::string catalog = object(reference(trailer_body, "/Root"));
    const std::string tree = object(reference(catalog, "/Pages"));
    const std::string kids = dictionary_value(tree, "/Kids");
    for (size_t at = 1; at < kids.size();) {
        const size_t ref = kids.find(" 0 R", at);
        if (ref == std::string::npos) break;
        page_objects_.push_back(static_cast<int>(to_number(kids.substr(kids.find_first_not_of(' ', at)))));
        at = ref + 4;
    }
    if (to_number(dictionary_value(tree, "/Count")) != static_cast<long long>(page_objects_.size()))
        fail("the page tree's /Count is not the number of its kids");

    for (size_t p = 0; p < page_objects_.size(); ++p) {
        const std::string page = object(page_objects_[p]);
        const std::string content = object(reference(page, "/Contents"));
        const size_t stream = content.find("stream\n");
        std::vector<TextLine> lines;
        std::vector<std::string> operands;
        TextLine state;
        for (size_t i = stream == std::string::npos ? content.size() : stream + 7; i < content.size();) {
            if (is_white(content[i])) {
                ++i;
                continue;
            }
            if (content[i] == '(') {
                operands.push_back(literal_string(content, i));
                continue;
            }
            size_t end = i;
            while (end < content.size() && !is_white(content[end])) ++end;
            const std::string token = content.substr(i, end - i);
            i = end;
            if (token == "endstream") break;
            if (token == "Tf" && operands.size() == 2) {
                state.font = operands[0];
                state.size = to_double(operands[1]);
            } else if (token == "Tm" && operands.size() == 6) {
                state.x = static_cast<int>(to_number(operands[4]));
                state.y = static_cast<int>(to_number(operands[5]));
            } else if (token == "Tj" && operands.size() == 1) {
                TextLine line = state;
                line.text = winansi_to_utf8(operands[0]);
                lines.push_back(line);
            } else if (token.find_first_not_of("0123456789.-") == std::string::npos || token[0] == '/') {
                operands.push_back(token);
                continue;
            }
            operands.clear();
        }
        pages_.push_back(std::move(lines));

        const std::string annots = dictionary_value(page, "/Annots");
        for (size_t at = 1; at < annots.size();) {
            const size_t ref = annots.find(" 0 R", at);
            if (ref == std::string::npos) break;
            const int number = static_cast<int>(to_number(annots.substr(annots.find_first_not_of(' ', at))));
            at = ref + 4;
            const std::string annot = object(number);
            Link link;
            link.page = static_cast<int>(p);
            const std::string rect = dictionary_value(annot, "/Rect");
            if (std::sscanf(rect.c_str(), "[%d %d %d %d]", &link.x1, &link.y1, &link.x2, &link.y2) != 4)
                fail("link " + std::to_string(number) + " has no integer /Rect");
            if (link.x1 < 0 || link.y1 < 0 || link.x2 > 595 || link.y2 > 841 || link.x1 > link.x2 || link.y1 > link.y2)
                fail("link " + std::to_string(number) + " lies outside the page");
            // "/S /URI /URI (...)": the second /URI is the key.
            if (size_t i = annot.find("/URI ("); i != std::string::npos) {
                i += 5;
                link.uri = literal_string(annot, i);
                if (std::any_of(link.uri.begin(), link.uri.end(), [](char c) { return c <= ' ' || c > '~'; }))
                    fail("link " + std::to_string(number) + " has a URI that is not 7-bit text");
            } else {
                link.target_page = page_of_destination(dictionary_value(annot, "/D"));
                if (link.target_page < 0) fail("link " + std::to_string(number) + " opens no page of the file");
            }
            links_.push_back(link);
        }
    }

    if (const int root = reference(catalog, "/Outlines"); root > 0) {
        const std::string body = object(root);
        read_outline(reference(body, "/First"), root, outline_, 0);
        if (outline_.empty() || to_number(dictionary_value(body, "/Count")) != static_cast<long long>(outline_.size()))
            fail("the outline root's /Count is not the number of its (closed) top items");
    }
}

void PdfReader::read_outline(int first, int parent, std::vector<OutlineItem>& into, int depth) {
    if (depth > 8) {
        fail("outline nested too deeply");
        return;
    }
    int previous = -1;
    for (int item = first; item > 0;) {
        const std::string body = object(item);
        if (reference(body, "/Parent") != parent) fail("outline item " + std::to_string(item) + " has a wrong /Parent");
        if (reference(body, "/Prev") != previous) fail("outline item " + std::to_string(item) + " has a wrong /Prev");
        OutlineItem entry;
        entry.title = text_string(dictionary_value(body, "/Title"));
        entry.target_page = page_of_destination(dictionary_value(body, "/Dest"));
        if (entry.target_page < 0) fail("outline item " + std::to_string(item) + " opens no page of the file");
        const int child = reference(body, "/First");
        if (child > 0) {
            read_outline(child, item, entry.children, depth + 1);
            if (to_number(dictionary_value(body, "/Count")) != -static_cast<long long>(entry.children.size()))
                fail("outline item " + std::to_string(item) + " is not counted as closed with its children");
        } else if (!dictionary_value(body, "/Count").empty()) {
            fail("outline item " + std::to_string(item) + " without children has a /Count");
        }
        into.push_back(std::move(entry));
        previous = item;
        item = reference(body, "/Next");
        if (into.size() > offsets_.size()) {
            fail("outline siblings loop");
            return;
        }
    }
    if (previous > 0 && reference(object(parent), "/Last") != previous)
        fail("outline item " + std::to_string(parent) + " has a wrong /Last");
}

std::string PdfReader::info(const std::string& key) const {
    return text_string(dictionary_value(object(info_object_), key));
}

std::string PdfReader::page_text(size_t page) const {
    std::vector<TextLine> sorted = pages_[page];
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const TextLine& a, const TextLine& b) { return a.y != b.y ? a.y > b.y : a.x < b.x; });
    std::string text;
    for (size_t i = 0; i < sorted.size(); ++i) {
        const bool same_line = i > 0 && sorted[i].y == sorted[i - 1].y;
        text += same_line ? " | " : (i > 0 ? "\n" : "");
        text += sorted[i].text;
    }
    return text;
}

std::string PdfReader::dump() const {
    std::string out;
    for (size_t p = 0; p < pages_.size(); ++p) {
        out += "=== page " + std::to_string(p + 1) + "\n" + page_text(p) + "\n";
        for (const Link& link : links_)
            if (link.page == static_cast<int>(p))
                out += link.uri.empty() ? "  [link to page " + std::to_string(link.target_page + 1) + "]\n"
                                        : "  [link to " + link.uri + "]\n";
    }
    out += "=== outline\n";
    for (const OutlineItem& item : outline_) {
        out += item.title + " -> page " + std::to_string(item.target_page + 1) + "\n";
        for (const OutlineItem& child : item.children)
            out += "    " + child.title + " -> page " + std::to_string(child.target_page + 1) + "\n";
    }
    return out;
}

}  // namespace testing_support
