#pragma once

#include <cstdint>
#include <string>

class Node;
class Parameter;
class QMenu;
class QPoint;
struct BoxCommandContext;

namespace kinds {

// The quantity commands of a requirement or an evidence, framed by
// separators: "Change the Quantification", "Change to a Goal" (a requirement
// that is no goal), "Edit Importance" (a goal) and "Change to a Functional
// Requirement" (anything quantified). An integration requirement gets none.
// Each change records one undo state and rebuilds the tree and the page.
void add_quantity_items(QMenu& menu, const BoxCommandContext& context, Node& node);

// The notice after the quantity type of a requirement changed from old_type:
// the requirements below its arguments that still have old_type, by uid, in
// a read-only window at `at`. Nothing for other objects or when there are none.
void ask_change_derived_reqs(const std::string& requirement_uid, uint32_t old_type, const QPoint& at);

// Whether an entered value (in the unit it was entered in) differs from the
// value stored, in that unit, beyond what converting it for the dialog
// rounds away. Every real edit counts, however small against the value.
bool value_differs(double entered, double stored);

}  // namespace kinds
