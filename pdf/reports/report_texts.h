#pragma once

#include <string>

namespace pdf {

class ExportNodesPDF;

// The subject both reports speak of: that of the project's first user story
// ("" without one, so the sentences leave it out).
std::string report_subject();

// The summary paragraph both reports show twice: what the project set out to
// develop, whether its solutions are valid and to which readiness level,
// its goals and the valid top options with their characteristics. The
// requirements report puts each option's subject before its characteristics.
void add_summary_text(ExportNodesPDF& report, bool subject_before_characteristics);

// A one-blank line with no space above it, separating the summary from the
// introduction on the same page.
void add_spacer_line(ExportNodesPDF& report);

}  // namespace pdf
