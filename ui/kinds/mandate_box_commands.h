#pragma once

// The Mandate box: its remark, the project's required readiness level, the
// requirements derived from the user stories and the evidence review; the
// double click edits remark, level and the mandate's one reference.
namespace kinds {

void install_mandate_commands();

}  // namespace kinds
