#include "core/reference/reference.h"

#include <algorithm>
#include <string_view>

#include "core/reference/link_parts.h"
#include "core/text/sentences.h"
#include "core/text/text_utils.h"

namespace {

const std::string unknown_type = "Unknown";

struct ExtensionGroup {
    std::string_view type;
    std::vector<std::string_view> extensions;
};

const std::vector<ExtensionGroup>& extension_table() {
    static const std::vector<ExtensionGroup> table{
        {"Report", {".pdf", ".doc", ".docx", ".odt", ".rtf"}},
        {"Document", {".txt", ".md", ".csv", ".xls", ".xlsx"}},
        {"Presentatiom", {".ppt", ".pptx", ".pps", ".ppsx", ".pot", ".potx"}},
        {"Image", {".jpg", ".jpeg", ".png", ".gif", ".bmp", ".tif", ".tiff", ".webp", ".svg", ".ico", ".heic", ".heif"}},
        {"Video", {".mp4", ".avi", ".mov", ".mkv", ".wmv", ".mpeg", ".mpg", ".webm", ".m4v", ".3gp"}},
        {"2D CAD", {".dwg", ".dxf", ".dws", ".dwt", ".dgn", ".catdrawing", ".mi", ".ami"}},
        {"3D CAD", {".step", ".stp", ".iges", ".igs", ".stl", ".obj", ".3ds", ".x_t", ".x_b", ".sat",
                    ".sab", ".3mf", ".jt", ".catproduct", ".catpart", ".ifc", ".sldprt", ".sldasm", ".ipt",
                    ".iam", ".prt", ".asm", ".xpr", ".xas", ".par", ".psm", ".neu", ".model", ".exp"}},
        {"ReqIF", {".reqif", ".reqifz"}},
    };
    return table;
}

// Three video-sharing sites, each with and without "www." and under both
// schemes, and the short-link host of the first: fourteen prefixes.
const std::vector<std::string>& video_prefixes() {
    static const std::vector<std::string> prefixes = [] {
        std::vector<std::string> list;
        for (const char* host : {"youtube.com", "vimeo.com", "dailymotion.com"})
            for (const char* start : {"https://www.", "http://www.", "https://", "http://"})
                list.push_back(std::string(start) + host + "/");
        for (const char* start : {"https://", "http://"}) list.push_back(std::string(start) + "youtu.be/");
        return list;
    }();
    return prefixes;
}

bool on_video_site(const std::string& lower) {
    return std::any_of(video_prefixes().begin(), video_prefixes().end(),
                       [&](const std::string& prefix) { return lower.find(prefix) != std::string::npos; });
}

std::string cut_query_and_fragment(const std::string& link) {
    std::string cut = link.substr(0, link.find('?'));
    return cut.substr(0, cut.find('#'));
}

}  // namespace

Reference::Reference(const std::string& name, const std::string& description, const std::string& link)
    : name_(name), description_(description), link_(link), type_(guess_type(link)) {}

Reference::Reference(const std::string& name, const std::string& description, const std::string& link,
                     const std::string& type)
    : name_(name), description_(description), link_(link) {
    set_type(type);
}

void Reference::set_type(const std::string& type) {
    type_ = (type != unknown_type && is_valid_type(type)) ? type : guess_type(link_);
}

bool Reference::is_valid_type(const std::string& type) {
    return std::find(s_possibleTypes.begin(), s_possibleTypes.end(), type) != s_possibleTypes.end();
}

const std::vector<std::string>& Reference::possible_types() { return s_possibleTypes; }

std::string Reference::guess_type(const std::string& link) {
    if (link.empty()) return unknown_type;
    const std::string lower = MyStrF::_toLowerCase(link);
    if (on_video_site(lower)) return "Video";

    const bool is_web =
        MyStrF::_startsWith(lower, "http://") || MyStrF::_startsWith(lower, "https://") || MyStrF::_startsWith(lower, "www.");
    const std::string extension = MyStrF::_trimLink(reference_links::path_extension(cut_query_and_fragment(link)));
    for (const auto& group : extension_table())
        if (std::find(group.extensions.begin(), group.extensions.end(), extension) != group.extensions.end())
            return std::string(group.type);
    if (is_web) return "Web Page";
    return extension.empty() ? unknown_type : "File";
}

std::string Reference::get_str() const { return " " + name_ + " " + description_ + " " + link_ + " " + type_; }
