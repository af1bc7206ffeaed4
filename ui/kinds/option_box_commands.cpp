#include "ui/kinds/option_box_commands.h"

#include <QDialog>
#include <QMenu>
#include <string>

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/queries/node_lists.h"
#include "core/reference/reference.h"
#include "ui/boxes/box_commands.h"
#include "ui/boxes/box_menu.h"
#include "ui/boxes/common_commands.h"
#include "ui/boxes/reference_commands.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/glue/text_conversion.h"
#include "ui/kinds/kind_rebuild.h"
#include "ui/kinds/requirement_choice.h"
#include "ui/theme/captions.h"
#include "ui/toolkit/message_box.h"

namespace kinds {
namespace {

namespace caption = gcm::box;

Option* option_of(const BoxCommandContext& context) {
    Node* node = context.node();
    return node && node->is_opt() ? static_cast<Option*>(node) : nullptr;
}

// The subject the option shares with its relatives, and the integration
// requirements that name it; the objects whose text changes with it are
// collected before the change.
NodeList rename_subject(Option& option, const std::string& subject) {
    NodeList impacted = option.get_impacted_by_subject_change();
    option.set_subject(subject, false);
    return impacted;
}

void change_subject(const BoxCommandContext& context) {
    const Option* option = option_of(context);
    if (!option) return;
    const std::string subject = option->get_subject();
    const auto dialog = dialogs::InputDialog::one_text_row(
        context.dialog_position, "Enter New Subject",
        "Current subject: " + subject + "\nChanges the Subject of all related objects as well\n\nEnter a new subject:",
        subject);
    if (dialogs::run_modal(*dialog) != QDialog::Accepted) return;
    Option* now = option_of(context);
    if (!now) return;
    GCC::RP->add_uids_state(rename_subject(*now, dialog->result_std_string(0)));
    rebuild();
}

void add_sub_option(const BoxCommandContext& context) {
    const Option* option = option_of(context);
    if (!option) return;
    const std::string preset =
        option->get_subject() + " sub option " + std::to_string(option->get_sub_options(false).size() + 1);
    const auto dialog = dialogs::InputDialog::one_text_row(
        context.dialog_position, "Add Sub Option",
        "An integration Requirement is created whenever a Sub Option is defined.\n\nDefine the Option subject:",
        preset);
    if (dialogs::run_modal(*dialog) != QDialog::Accepted) return;
    Option* now = option_of(context);
    if (!now) return;
    // The model records the undo state: the sub-option, its integration
    // requirement and the arguments it takes over.
    now->add_sub_option(dialog->result_std_string(0));
    rebuild();
}

// A sub-option is integrated into its parent option.
void add_sub_option_integration_requirement(const BoxCommandContext& context) {
    Option* option = option_of(context);
    if (!option || option->get_integration_requirement()) return;
    const Option* parent = option->get_parent_option();
    if (!parent) return;
    auto* requirement = new Requirement(option, parent->get_subject());
    GCC::RP->add_uids_state({option, requirement});
    rebuild();
}

// A top option is integrated with the options of its problem's siblings.
void add_problem_integration_requirement(const BoxCommandContext& context) {
    Option* option = option_of(context);
    if (!option) return;
    const NodeList made = option->add_dpr_integration_req();
    if (made.empty()) return;
    NodeList changed{option};
    changed.insert(changed.end(), made.begin(), made.end());
    Node::make_uids_state(MyFF::remove_duplicate_uids(changed));
    rebuild();
}

void add_argument(const BoxCommandContext& context) {
    Option* option = option_of(context);
    if (!option) return;
    const std::vector<Requirement*> candidates = option->get_potential_parent_reqs(true);
    if (candidates.empty()) {
        toolkit::show_info(QStringLiteral(
            "All Requirements already have an Argument object.\n\nEach Requirements of the parent Design Problem "
            "already has an Argument. Please use one of the existing Arguments to validate or invalidate the "
            "Requirement.\n\nAdding more Arguments can only be done if more Requirements are added to the parent "
            "Design Problem."));
        return;
    }
    const RequirementChoice choice(candidates);
    const auto dialog = dialogs::InputDialog::two_rows(
        context.dialog_position, "Add Child Argument", "Select which Requirement the\nArgument is going to cover:", "",
        choice.texts(),
        "Select whether the Argument \nvalidates or invalidates the Requirement\n(meets or does not meet the "
        "Requirement).",
        "validates", {"validates", "invalidates"});
    if (dialogs::run_modal(*dialog) != QDialog::Accepted) return;
    option = option_of(context);
    if (!option) return;
    const int entry = dialog->result_combo_index(0);
    // The model records the undo state.
    if (option->add_child_argument(choice.requirement(entry), dialog->result_combo_index(1) == 0)) {
        rebuild();
        return;
    }
    toolkit::show_error(glue::to_ui("No Argument added to Option " + option->get_uid() + ".\nRequirement " +
                                    choice.uid(entry) + " is not in its parents."));
}

// One validating argument for every requirement still without one, on every
// leaf option below; one undo state for the whole batch, so that one click
// never pushes the earlier history out of the bounded undo list.
void add_all_arguments(const BoxCommandContext& context) {
    Option* option = option_of(context);
    if (!option) return;
    NodeList changed;
    for (Option* leaf : option->get_leaf_options())
        for (Requirement* requirement : leaf->get_potential_parent_reqs(true)) {
            auto* argument = new Argument(leaf, requirement, true);
            changed.insert(changed.end(), {leaf, argument, requirement});
        }
    if (changed.empty()) return;
    GCC::RP->add_uids_state(MyFF::remove_duplicate_uids(changed));
    rebuild();
}

void edit_option(const BoxCommandContext& context) {
    const Option* option = option_of(context);
    if (!option) return;
    const std::string subject = option->get_subject();
    std::vector<std::string> prompts{"Edit the subject"}, defaults{subject};
    std::vector<std::vector<std::string>> choices{{}};
    const bool with_reference = boxes::add_reference_inputs(*option, prompts, defaults, choices) != nullptr;
    const uint64_t reference_id = with_reference ? option->get_ref_ids().front() : 0;
    dialogs::InputDialog dialog(context.dialog_position, "Edit the Option", prompts, defaults, choices);
    if (dialogs::run_modal(dialog) != QDialog::Accepted) return;
    Option* now = option_of(context);
    if (!now) return;
    NodeList changed_nodes{now};
    const std::string new_subject = dialog.result_std_string(0);
    const bool renamed = new_subject != now->get_subject();
    if (renamed) {
        const NodeList impacted = rename_subject(*now, new_subject);
        changed_nodes.insert(changed_nodes.end(), impacted.begin(), impacted.end());
    }
    // The new subject is recorded before the reference, so that undoing the
    // reference leaves the renamed objects consistent.
    boxes::conditional_update(context, renamed, renamed, changed_nodes);
    if (with_reference && now->get_ref_ids() == std::vector<uint64_t>{reference_id})
        boxes::fill_reference_inputs(*now, GCC::RP->get_reference(reference_id), dialog.result_std_string(1),
                                     dialog.result_std_string(2), dialog.result_std_string(3),
                                     dialog.result_std_string(4));
}

void add_items(QMenu& menu, const BoxCommandContext& context, Node& node) {
    if (!node.is_opt()) return;
    auto& option = static_cast<Option&>(node);
    const auto item = [&menu, &context](const gcm::Caption& text, void (*command)(const BoxCommandContext&)) {
        boxes::add_item(menu, text, [context, command] { command(context); });
    };
    const bool top = option.get_parent_option() == nullptr;
    const bool integrated = option.get_integration_requirement() != nullptr;
    item(caption::opt_change_subject, change_subject);
    if (top) item(caption::opt_add_sub_option, add_sub_option);
    if (top && !integrated) {
        const DesignProblem* problem = option.get_parent_designproblem();
        if (problem && problem->get_siblings().size() > 1)
            item(caption::opt_add_int_req, add_problem_integration_requirement);
    }
    if (!top && !integrated) item(caption::opt_add_int_req, add_sub_option_integration_requirement);
    if (option.get_sub_options(false).empty() && !option.get_potential_parent_reqs(true).empty()) {
        item(caption::opt_add_argument, add_argument);
        item(caption::opt_add_arguments, add_all_arguments);
    }
}

}  // namespace

void install_option_commands() {
    boxes::install_kind_commands(page_geometry::NodeKind::Option, {add_items, edit_option});
}

}  // namespace kinds
