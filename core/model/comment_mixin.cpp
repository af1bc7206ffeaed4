#include "core/model/comment_mixin.h"

#include "core/text/text_utils.h"

namespace {
std::string author_or_current_user(const std::string& author) {
    return author.empty() ? MyStrF::find_current_user_name() : author;
}
}  // namespace

void CommentMixin::add_comment(const std::string& author, const std::string& text) {
    authors.push_back(author_or_current_user(author));
    comments.push_back(text);
}

void CommentMixin::set_comment_author(uint32_t i, const std::string& author) {
    if (i < authors.size()) authors[i] = author_or_current_user(author);
}

void CommentMixin::set_comment_content(uint32_t i, const std::string& text) {
    if (i < comments.size()) comments[i] = text;
}

void CommentMixin::delete_comment(uint32_t i) {
    if (i >= comments.size()) return;
    authors.erase(authors.begin() + i);
    comments.erase(comments.begin() + i);
}

void CommentMixin::clear_comments() {
    authors.clear();
    comments.clear();
}

uint32_t CommentMixin::validate_index(uint32_t i) const {
    if (i < comments.size()) return i;
    return comments.empty() ? 0 : static_cast<uint32_t>(comments.size() - 1);
}

std::string CommentMixin::get_author(uint32_t i) const {
    return authors.empty() ? std::string() : authors[validate_index(i)];
}

std::string CommentMixin::get_comment(uint32_t i) const {
    return comments.empty() ? std::string() : comments[validate_index(i)];
}
