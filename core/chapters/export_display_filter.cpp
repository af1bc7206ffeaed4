#include "core/chapters/export_display_filter.h"

#include "core/settings/project_settings.h"

namespace chapters {

ExportDisplayFilter::ExportDisplayFilter(ProjectSettings& s)
    : settings(s),
      show_str(s.show_str),
      incl_invalid(s.incl_invalid),
      incl_sub_opt(s.incl_sub_opt),
      incl_int_req(s.incl_int_req) {
    settings.set_show_str(export_filter_index);
}

ExportDisplayFilter::~ExportDisplayFilter() {
    // The fields as they were, not a re-selection by text: a filter text that
    // is not among the options must come back as it was too.
    settings.show_str = show_str;
    settings.incl_invalid = incl_invalid;
    settings.incl_sub_opt = incl_sub_opt;
    settings.incl_int_req = incl_int_req;
}

}  // namespace chapters
