#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/theme/captions.h"

class Node;
class QMenu;
struct BoxCommandContext;

namespace dialogs {
class InputDialog;
}

// What the commands of the first-layer boxes share: menu items bound to the
// box's context, the ending of an own-text edit and the reference rows of the
// edit dialogs.
namespace kinds {

using BoxCommand = void (*)(const BoxCommandContext&);

// An item that runs command with the box's context.
void add_command(QMenu& menu, const gcm::Caption& caption, const BoxCommandContext& context, BoxCommand command);


// After an edit of the object's own text: the tree is drawn anew and the
// boxes of the object read it again; the project is unsaved.
void refresh_own_text(const BoxCommandContext& context);

// The four reference rows of an edit dialog, for an object with exactly one
// reference. The reference is named by its id, not held, so that a dialog
// left open across an undo writes into nothing stale.
class ReferenceRows {
public:
    // Appends the rows (at the end of the lists) when the object has one reference.
    ReferenceRows(const Node& node, std::vector<std::string>& prompts, std::vector<std::string>& defaults,
                  std::vector<std::vector<std::string>>& choices);
    // The answers written back, when the object still holds that one
    // reference; one undo state when anything differs.
    void write_back(Node& node, const dialogs::InputDialog& dialog) const;

private:
    std::optional<uint64_t> id_;
    int first_row_ = 0;
};

}  // namespace kinds
