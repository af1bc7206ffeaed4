#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "core/platform/platform.h"
#include "core/reference/link_parts.h"
#include "core/reference/reference.h"
#include "core/text/clipboard.h"
#include "core/text/sentences.h"
#include "core/text/text_utils.h"

namespace {

const std::string failure_prefix = "Cannot open reference: ";
const std::string clipboard_suffix = "\nThe link has been put on the clipboard.";

// Handing these to the desktop would run them instead of showing them.
constexpr std::array<std::string_view, 18> program_extensions{
    ".sh",  ".bash", ".py",  ".pl",  ".rb",  ".exe",     ".bat",      ".cmd", ".com",
    ".msi", ".ps1",  ".vbs", ".js",  ".jar", ".desktop", ".appimage", ".run", ".bin"};

bool is_executable_file(const std::string& path) {
    std::error_code failed;
    const std::filesystem::file_status status = std::filesystem::status(path, failed);
    if (failed || !std::filesystem::is_regular_file(status)) return false;
    using std::filesystem::perms;
    return (status.permissions() & (perms::owner_exec | perms::group_exec | perms::others_exec)) != perms::none;
}

bool is_program_or_script(const std::string& path) {
    const std::string extension = MyStrF::_trimLink(reference_links::path_extension(path));
    return std::find(program_extensions.begin(), program_extensions.end(), extension) != program_extensions.end() ||
           is_executable_file(path);
}

// Why the desktop must not be asked to open target; "" when it may.
std::string refusal(const std::string& target) {
    const std::string scheme = reference_links::url_scheme(target);
    if (scheme == "http" || scheme == "https" || scheme == "mailto") return {};
    std::string path = target;
    if (scheme == "file")
        path = reference_links::file_url_path(target);
    else if (scheme.size() > 1)  // a single letter is a drive, as in C:\docs
        return "links starting with \"" + scheme + ":\" are not opened.";
    if (is_program_or_script(path)) return "the link points to a program or script and is not opened.";
    return {};
}

}  // namespace

bool Reference::open(std::string* error_out) const {
    if (error_out) error_out->clear();
    const auto fail = [error_out](const std::string& text) {
        if (error_out) *error_out = text;
        return false;
    };
    if (link_.empty()) return fail(failure_prefix + "link is empty.");

    MyStrF::_copy_text_to_clipboard(link_);
    std::string target = link_;
    if (MyStrF::_startsWith(MyStrF::_toLowerCase(link_), "www.")) target = "https://" + link_;
    if (MyStrF::utf8_to_wide(target).empty()) return fail(failure_prefix + "link is not valid UTF-8." + clipboard_suffix);
    if (const std::string why = refusal(target); !why.empty()) return fail(failure_prefix + why + clipboard_suffix);
    if (const std::string reason = platform::services().open_link(target); !reason.empty())
        return fail(failure_prefix + reason + clipboard_suffix);
    return true;
}
