#include "core/settings/project_settings.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

#include "core/text/text_utils.h"

namespace {

struct FilterOption {
    const char* text;
    bool incl_invalid;
    bool incl_sub_opt;
    bool incl_int_req;
};

// The first word is padded to eight characters before the bar.
constexpr std::array<FilterOption, 5> filter_options{{
    {"All-    | Hide Integration Requirements", true, true, false},
    {"All+    | Show Integration Requirements", true, true, true},
    {"Valid-  | Hide Integration Requirements", false, true, false},
    {"Valid+  | Show Integration Requirements", false, true, true},
    {"Optimal | Show Integration Requirements", false, false, true},
}};

constexpr size_t max_recent_files = 15;
constexpr uint16_t reset_zoom_level = 100;

// In the order of the page flags: project, problems, options, validation,
// requirements, V-diagram.
constexpr std::array<uint16_t ProjectSettings::*, 6> zoom_fields{
    &ProjectSettings::zoom_prj, &ProjectSettings::zoom_prb, &ProjectSettings::zoom_opt,
    &ProjectSettings::zoom_val, &ProjectSettings::zoom_req, &ProjectSettings::zoom_vdi};

using PageFlags = std::array<bool, 6>;

// Index of the first flagged page, or the number of pages when none is flagged.
size_t addressed_page(const PageFlags& flags) {
    return static_cast<size_t>(std::find(flags.begin(), flags.end(), true) - flags.begin());
}

}  // namespace

ProjectSettings::ProjectSettings() {
    set_defaults();
    colors_to_default();
}

void ProjectSettings::copy_values_from(const ProjectSettings& other) {
    const auto limits = std::array{min_font_size, max_font_size, min_zoom, max_zoom};
    *this = other;
    min_font_size = limits[0];
    max_font_size = limits[1];
    min_zoom = limits[2];
    max_zoom = limits[3];
}

void ProjectSettings::set_defaults() {
    user_name = MyStrF::find_current_user_name();
    font_size = 14;
    for (auto field : zoom_fields) this->*field = reset_zoom_level;
    prj_node_expanded = true;
    req_node_expanded = false;
    dpr_node_expanded = false;
    opt_node_expanded = true;
    arg_node_expanded = false;
    evd_node_expanded = false;
    show_options.clear();
    for (const auto& option : filter_options) show_options.emplace_back(option.text);
    set_show_str(uint16_t{1});
}

std::string ProjectSettings::get_show_str() {
    if (show_str.empty()) set_show_str(uint16_t{1});
    return show_str;
}

uint16_t ProjectSettings::get_show_int() {
    auto found = std::find(show_options.begin(), show_options.end(), show_str);
    if (found == show_options.end()) {
        set_show_str(uint16_t{0});
        return 0;
    }
    return static_cast<uint16_t>(found - show_options.begin());
}

void ProjectSettings::set_show_str(const std::string& text) {
    auto found = std::find(show_options.begin(), show_options.end(), text);
    size_t index = static_cast<size_t>(found - show_options.begin());
    if (found == show_options.end() || index >= filter_options.size()) index = 0;
    const FilterOption& option = filter_options[index];
    show_str = option.text;
    incl_invalid = option.incl_invalid;
    incl_sub_opt = option.incl_sub_opt;
    incl_int_req = option.incl_int_req;
}

void ProjectSettings::set_show_str(uint16_t index) {
    if (index < show_options.size())
        set_show_str(show_options[index]);
    else
        set_show_str(std::string(filter_options[0].text));
}

bool ProjectSettings::can_increase_font_size() const { return font_size < max_font_size; }

bool ProjectSettings::increase_font_size() {
    if (!can_increase_font_size()) return false;
    ++font_size;
    return true;
}

bool ProjectSettings::can_decrease_font_size() const { return font_size > min_font_size; }

bool ProjectSettings::decrease_font_size() {
    if (!can_decrease_font_size()) return false;
    --font_size;
    return true;
}

bool ProjectSettings::zoom(bool prj, bool prb, bool opt, bool val, bool req, bool vdi, int32_t delta) {
    const size_t page = addressed_page({prj, prb, opt, val, req, vdi});
    if (page == zoom_fields.size()) return false;
    uint16_t& level = this->*zoom_fields[page];
    const int64_t step = delta;
    const int64_t distance = std::abs(step);
    const bool fits = (step < 0 && level > min_zoom + distance) || (step > 0 && level < max_zoom - distance);
    if (!fits) return false;
    level = static_cast<uint16_t>(level + step);
    return true;
}

void ProjectSettings::zoom_to(bool prj, bool prb, bool opt, bool val, bool req, bool vdi, int32_t value) {
    const PageFlags flags{prj, prb, opt, val, req, vdi};
    const auto level = static_cast<uint16_t>(std::clamp<int32_t>(value, min_zoom, max_zoom));
    for (size_t page = 0; page < flags.size(); ++page)
        if (flags[page]) this->*zoom_fields[page] = level;
}

uint16_t ProjectSettings::get_zoom_lvl(bool prj, bool prb, bool opt, bool val, bool req, bool vdi) const {
    const size_t page = addressed_page({prj, prb, opt, val, req, vdi});
    return page == zoom_fields.size() ? reset_zoom_level : this->*zoom_fields[page];
}

bool ProjectSettings::reset_zoom(bool prj, bool prb, bool opt, bool val, bool req, bool vdi) {
    const size_t page = addressed_page({prj, prb, opt, val, req, vdi});
    if (page == zoom_fields.size()) return false;
    uint16_t& level = this->*zoom_fields[page];
    if (level == reset_zoom_level) return false;
    level = reset_zoom_level;
    return true;
}

void ProjectSettings::add_recent_file(const std::string& path) {
    std::string entry = path;  // path may be one of the entries removed below
    std::erase(recent_files, entry);
    recent_files.insert(recent_files.begin(), std::move(entry));
    if (recent_files.size() > max_recent_files) recent_files.resize(max_recent_files);
}
