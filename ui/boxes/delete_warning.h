#pragma once

#include <string>

struct DeletionDryRun;

namespace boxes {

// The question asked before a deletion that takes more than the object: every
// object it removes (indented below what brings it down) and the arguments
// that go over to the parent option. "" when it takes nothing along. A long
// list ends with the count of the objects not shown.
std::string delete_warning_text(const DeletionDryRun& run);

}  // namespace boxes
