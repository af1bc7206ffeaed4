#include "ui/kinds/kind_command_support.h"

#include <QMenu>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "ui/boxes/box_commands.h"
#include "ui/boxes/box_menu.h"
#include "ui/boxes/common_commands.h"
#include "ui/boxes/reference_commands.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/main_window/main_window_services.h"

namespace kinds {
namespace {

// The id of the object's one reference the project's table holds, if it has exactly one.
std::optional<uint64_t> only_reference_id(const Node& node) {
    const std::vector<size_t> positions = boxes::references_of(node);
    if (positions.size() != 1) return std::nullopt;
    return node.get_ref_ids()[positions.front()];
}

}  // namespace

void add_command(QMenu& menu, const gcm::Caption& caption, const BoxCommandContext& context, BoxCommand command) {
    boxes::add_item(menu, caption, [context, command] { command(context); });
}

void refresh_own_text(const BoxCommandContext& context) {
    MainWindowServices* window = main_window();
    if (!window) return;
    window->request_tree_rebuild();
    window->set_saved(false);
    boxes::refill_boxes(context);
}

ReferenceRows::ReferenceRows(const Node& node, std::vector<std::string>& prompts, std::vector<std::string>& defaults,
                             std::vector<std::vector<std::string>>& choices) {
    const int first = static_cast<int>(prompts.size());
    if (!boxes::add_reference_inputs(node, prompts, defaults, choices)) return;
    id_ = only_reference_id(node);
    first_row_ = first;
}

void ReferenceRows::write_back(Node& node, const dialogs::InputDialog& dialog) const {
    if (!id_ || !GCC::RP || only_reference_id(node) != id_) return;
    boxes::fill_reference_inputs(node, GCC::RP->get_reference(*id_), dialog.result_std_string(first_row_),
                                 dialog.result_std_string(first_row_ + 1), dialog.result_std_string(first_row_ + 2),
                                 dialog.result_std_string(first_row_ + 3));
}

}  // namespace kinds
