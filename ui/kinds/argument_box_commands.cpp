#include "ui/kinds/argument_box_commands.h"

#include <QDialog>
#include <QMenu>

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/project.h"
#include "core/reference/reference.h"
#include "ui/boxes/box_commands.h"
#include "ui/boxes/box_menu.h"
#include "ui/boxes/reference_commands.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/kinds/arg_evd_support.h"
#include "ui/kinds/kind_rebuild.h"
#include "ui/kinds/argument_child_links.h"
#include "ui/kinds/argument_new_children.h"
#include "ui/theme/captions.h"
#include "ui/toolkit/message_box.h"

namespace kinds {
namespace {

namespace caption = gcm::box;

// The argument's sense, "validates" first.
const std::vector<std::string>& sense_choices() {
    static const std::vector<std::string> choices{"validates", "invalidates"};
    return choices;
}

const std::string sense_prompt =
    "Select whether the Argument \nvalidates or invalidates the Requirement\n(meets or does not meet the Requirement).";

const std::string& sense_text(bool validates) { return sense_choices()[validates ? 0 : 1]; }

// A changed sense: readiness follows up to the options, one undo state.
bool apply_sense(Argument& argument, bool validates) {
    if (validates == argument.get_validates()) return false;
    argument.set_validates(validates);
    GCC::RP->add_uid_state(&argument);
    return true;
}

void toggle_validates(const BoxCommandContext& c) {
    Argument* argument = argument_of(c);
    if (!argument) {
        toolkit::show_error(QStringLiteral("object missing in MenuItemEditValidates_Click"));
        return;
    }
    const auto dialog = dialogs::InputDialog::one_choice_row(c.dialog_position, "Validates or Invalidates",
                                                             sense_prompt, sense_text(argument->get_validates()),
                                                             sense_choices());
    if (dialogs::run_modal(*dialog) != QDialog::Accepted) return;
    argument = argument_of(c);
    if (argument && apply_sense(*argument, dialog->result_combo_index(0) == 0)) rebuild();
}

// The sense, and the reference rows when the argument holds one reference.
// The reference is written back before the page is asked to be drawn anew,
// each change with its own undo state.
void edit_argument(const BoxCommandContext& c) {
    Argument* argument = argument_of(c);
    if (!argument) return;
    std::vector<std::string> prompts{sense_prompt};
    std::vector<std::string> defaults{sense_text(argument->get_validates())};
    std::vector<std::vector<std::string>> choices{sense_choices()};
    const bool with_reference = boxes::add_reference_inputs(*argument, prompts, defaults, choices) != nullptr;
    const uint64_t reference_id = with_reference ? argument->get_ref_ids().front() : 0;
    dialogs::InputDialog dialog(c.dialog_position, "Edit the Argument", prompts, defaults, choices);
    if (dialogs::run_modal(dialog) != QDialog::Accepted) return;
    argument = argument_of(c);
    if (!argument) return;
    const bool sense_changed = apply_sense(*argument, dialog.result_combo_index(0) == 0);
    if (with_reference) {
        const auto& ids = argument->get_ref_ids();
        Reference* reference =
            ids.size() == 1 && ids.front() == reference_id ? GCC::RP->get_reference(reference_id) : nullptr;
        boxes::fill_reference_inputs(*argument, reference, dialog.result_std_string(1), dialog.result_std_string(2),
                                     dialog.result_std_string(3), dialog.result_std_string(4));
    }
    if (sense_changed) rebuild();
}

void add_items(QMenu& menu, const BoxCommandContext& context, Node& node) {
    if (!node.is_arg()) return;
    const auto& argument = static_cast<const Argument&>(node);
    const auto item = [&menu, &context](const gcm::Caption& text, void (*command)(const BoxCommandContext&)) {
        boxes::add_item(menu, text, [context, command] { command(context); });
    };
    item(caption::arg_toggle_validates, toggle_validates);
    item(caption::add_goal, add_goal);
    boxes::add_separator(menu);
    item(caption::add_req, add_requirement);
    item(caption::arg_link_req, link_requirement);
    if (!argument.get_child_requirements().empty()) item(caption::arg_unlink_req, unlink_requirement);
    boxes::add_separator(menu);
    item(caption::arg_add_evd, add_evidence);
    item(caption::arg_link_evd, link_evidence);
    if (!argument.get_child_evidences().empty()) item(caption::arg_unlink_evd, unlink_evidence);
}

}  // namespace

void install_argument_commands() {
    boxes::install_kind_commands(page_geometry::NodeKind::Argument, {add_items, edit_argument});
}

}  // namespace kinds
