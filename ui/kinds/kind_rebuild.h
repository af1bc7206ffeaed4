#pragma once

#include "core/model/node.h"

namespace kinds {

// The end of an edit of the kinds' commands: one undo state over the objects
// it touched, then the tree (which marks the project unsaved) and the page
// are rebuilt.
void record_and_rebuild(const NodeList& touched);

// The tree and the page rebuilt, for edits whose model operation recorded its
// own undo state.
void rebuild();

}  // namespace kinds
