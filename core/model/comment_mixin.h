#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The comments of an object: author i wrote comment i.
class CommentMixin {
public:
    // An empty author is replaced by the current user's name.
    void add_comment(const std::string& author, const std::string& text);
    // Setters address an existing comment; an index past the end changes nothing.
    void set_comment_author(uint32_t i, const std::string& author);
    void set_comment_content(uint32_t i, const std::string& text);
    void delete_comment(uint32_t i);
    void clear_comments();

    // Getters clamp the index to the last comment; "" when there are none.
    std::string get_author(uint32_t i) const;
    std::string get_comment(uint32_t i) const;
    const std::vector<std::string>& get_authors() const { return authors; }
    const std::vector<std::string>& get_comments() const { return comments; }
    size_t get_comments_size() const { return comments.size(); }
    uint32_t validate_index(uint32_t i) const;

protected:
    std::vector<std::string> authors;
    std::vector<std::string> comments;
};
