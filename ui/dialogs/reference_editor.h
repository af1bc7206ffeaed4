#pragma once

#include <QPoint>

class Reference;

namespace dialogs {

// Edits a reference's name, description, link and type in the input dialog
// "Define Reference" at pos. True when the reference changed.
bool edit_reference(const QPoint& pos, Reference* reference);

}  // namespace dialogs
