#pragma once

#include <map>
#include <string>
#include <vector>

namespace testing_support {

// An independent reader of the uncompressed PDF files our writer makes,
// for checking them: it follows the cross-reference table, not the writer's
// own bookkeeping.
class PdfReader {
public:
    struct TextLine {
        int x = 0;
        int y = 0;
        std::string font;  // "/F5"
        double size = 0;
        std::string text;  // UTF-8, decoded from Windows-1252
    };
    struct Link {
        int page = 0;           // 0-based
        int target_page = -1;   // internal links: 0-based page opened
        std::string uri;        // web links
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    };
    struct OutlineItem {
        std::string title;  // UTF-8
        int target_page = -1;
        std::vector<OutlineItem> children;
    };

    explicit PdfReader(std::string bytes);

    // Every fault found in the file's structure, one per line; "" when sound:
    // header and trailer, every cross-reference offset at its object's
    // header, /Size, every stream's /Length, the page tree, link and outline
    // destinations on existing pages, outline /Count, /First, /Last, /Prev,
    // /Next and /Parent.
    const std::string& problems() const { return problems_; }

    size_t page_count() const { return pages_.size(); }
    const std::vector<TextLine>& lines(size_t page) const { return pages_[page]; }
    const std::vector<Link>& links() const { return links_; }
    const std::vector<OutlineItem>& outline() const { return outline_; }
    // A document information entry as UTF-8 (text strings decoded).
    std::string info(const std::string& key) const;
    // The raw bytes of an object's dictionary and content, by object number.
    std::string object(int number) const;

    // Text of a page, one line per baseline from the top, pieces on the
    // same baseline joined by " | " from left to right.
    std::string page_text(size_t page) const;
    // Every page's text, the outline and the links, as compared with golden files.
    std::string dump() const;

private:
    void read();
    void fail(const std::string& what);
    std::string dictionary_value(const std::string& body, const std::string& key) const;
    int reference(const std::string& body, const std::string& key) const;
    void read_outline(int first, int parent, std::vector<OutlineItem>& into, int depth);
    int page_of_destination(const std::string& dest) const;

    std::string bytes_;
    std::string problems_;
    std::map<int, size_t> offsets_;
    std::vector<int> page_objects_;
    std::vector<std::vector<TextLine>> pages_;
    std::vector<Link> links_;
    std::vector<OutlineItem> outline_;
    int info_object_ = 0;
};

// Windows-1252 to UTF-8.
std::string winansi_to_utf8(const std::string& bytes);

// Runs a shell command; its exit status and what it wrote (stdout and stderr).
struct CommandResult {
    int status = -1;
    std::string output;
};
CommandResult run_command(const std::string& command);

}  // namespace testing_support
