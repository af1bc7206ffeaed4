#pragma once

#include "core/model/node.h"

class QMenu;
struct BoxCommandContext;

// The commands every box offers after its kind's own: references, copy and
// paste of objects, the tree selection, deletion, the tooltip text, related
// objects and, on stacked boxes of the V-diagram, the choice of what is shown.
// Every command resolves its object by uid first and does nothing when it is
// gone; one that changes the model records one undo state.
namespace boxes {

// Appends the common items, as the object is now.
void add_common_items(QMenu& menu, const BoxCommandContext& context, Node& node);

// The end of an edit made through the box's own dialog: when anything
// changed, one undo state of the nodes and the tree rebuilt; then the page
// when the structure changed, otherwise only the boxes showing the object
// read it again.
void conditional_update(const BoxCommandContext& context, bool changed, bool structural, const NodeList& nodes);

// The boxes of the context's page that show its object read it again; the
// page is drawn anew when the context's box has gone meanwhile.
void refill_boxes(const BoxCommandContext& context);

}  // namespace boxes
