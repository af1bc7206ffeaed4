#pragma once

#include <cstdint>
#include <string>

class ProjectSettings;

namespace chapters {

// Shows the project as the exports describe it, "Valid-  | Hide Integration
// Requirements", for as long as it lives, and puts the user's display filter
// back when it goes, on every way out (a failed or throwing export too).
class ExportDisplayFilter {
public:
    explicit ExportDisplayFilter(ProjectSettings& settings);
    ~ExportDisplayFilter();
    ExportDisplayFilter(const ExportDisplayFilter&) = delete;
    ExportDisplayFilter& operator=(const ExportDisplayFilter&) = delete;

    // The filter an export selects, by its index among the filter options.
    static constexpr uint16_t export_filter_index = 2;

private:
    ProjectSettings& settings;
    std::string show_str;
    bool incl_invalid;
    bool incl_sub_opt;
    bool incl_int_req;
};

}  // namespace chapters
