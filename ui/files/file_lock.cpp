#include "ui/files/file_lock.h"

#include <charconv>
#include <string_view>

namespace file_commands {
namespace {

std::string decimal(int64_t value) {
    char digits[24];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    return error == std::errc() ? std::string(digits, end) : std::string();
}

}  // namespace

std::filesystem::path lock_file_path(const std::filesystem::path& project_file) {
    return project_file.parent_path() / ("." + project_file.filename().string() + ".lock");
}

std::string describe_holder(const LockHolder& holder) {
    if (holder.pid <= 0) return {};
    std::string text = holder.program.empty() ? std::string("a program") : holder.program;
    text += " (process " + decimal(holder.pid) + ")";
    if (!holder.host.empty()) text += " on " + holder.host;
    return text;
}

std::string lock_file_content(const LockHolder& holder) {
    return decimal(holder.pid) + "\n" + holder.program + "\n" + holder.host + "\n";
}

LockHolder parse_lock_file_content(const std::string& content) {
    // Three lines; anything after them (QLockFile adds more) is ignored.
    std::string_view rest(content);
    std::string_view lines[3];
    for (std::string_view& line : lines) {
        const size_t end = rest.find('\n');
        if (end == std::string_view::npos) return {};
        line = rest.substr(0, end);
        rest.remove_prefix(end + 1);
    }
    LockHolder holder;
    const char* last = lines[0].data() + lines[0].size();
    const auto [stop, error] = std::from_chars(lines[0].data(), last, holder.pid);
    if (error != std::errc() || stop != last || holder.pid <= 0) return {};
    holder.program = lines[1];
    holder.host = lines[2];
    return holder;
}

}  // namespace file_commands
