#include "ui/kinds/design_problem_box_commands.h"

#include <QDialog>
#include <QMenu>

#include "core/constants/ai_prompt_texts.h"
#include "core/constants/gcc.h"
#include "core/model/design_problem.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/reference/reference.h"
#include "core/text/clipboard.h"
#include "ui/boxes/box_commands.h"
#include "ui/boxes/box_menu.h"
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

DesignProblem* problem_of(const BoxCommandContext& context) {
    Node* node = context.node();
    return node && node->is_dpr() ? static_cast<DesignProblem*>(node) : nullptr;
}

// Asks for one of the requirements; the chosen one as it is after the dialog,
// or null (cancelled, or gone meanwhile).
Requirement* ask_requirement(const BoxCommandContext& context, const std::string& title, const std::string& prompt,
                             const std::vector<Requirement*>& requirements) {
    const RequirementChoice choice(requirements);
    const auto dialog =
        dialogs::InputDialog::one_choice_row(context.dialog_position, title, prompt, "", choice.texts());
    if (dialogs::run_modal(*dialog) != QDialog::Accepted) return nullptr;
    return choice.requirement(dialog->result_combo_index(0));
}

void remove_requirement(const BoxCommandContext& context) {
    DesignProblem* problem = problem_of(context);
    if (!problem) return;
    if (problem->get_parent_requirements().size() <= 1) {
        toolkit::show_info(QStringLiteral("Removing Requirements is not possible.\nThis would orphan this Design "
                                          "Problem.\nPlease add other Requirements first."));
        return;
    }
    Requirement* chosen = ask_requirement(context, "Remove a Requirement",
                                          "Be aware that removing Requirements\npotentially also deletes any child\n"
                                          "Arguments and their children as well.\n\nSelect a Requirement to remove:",
                                          problem->get_parent_requirements());
    problem = problem_of(context);
    // The problem keeps at least one requirement, whatever happened meanwhile.
    if (!problem || !chosen || !problem->has_parent(chosen) || problem->get_parent_requirements().size() <= 1) return;
    problem->remove_parent(chosen, true);
    GCC::RP->add_full_state();
    rebuild();
}

void add_requirement(const BoxCommandContext& context) {
    const DesignProblem* problem = problem_of(context);
    if (!problem) return;
    const std::vector<Requirement*> candidates = problem->get_potential_parent_requirements();
    if (candidates.empty()) {
        toolkit::show_info(QStringLiteral("No Requirements available to add.\nPlease define more Requirements first."));
        return;
    }
    Requirement* chosen = ask_requirement(context, "Add a Requirement", "Select a Requirement to add:", candidates);
    DesignProblem* now = problem_of(context);
    if (!now || !chosen) return;
    // The model records the undo state.
    const std::string error = now->add_parent_requirement(chosen);
    if (error.empty())
        rebuild();
    else
        toolkit::show_error(glue::to_ui(error));
}

void add_option(const BoxCommandContext& context) {
    if (!problem_of(context)) return;
    const auto dialog = dialogs::InputDialog::one_text_row(context.dialog_position, "Define an Option",
                                                           "Specify the Option Subject:", "solution");
    if (dialogs::run_modal(*dialog) != QDialog::Accepted) return;
    DesignProblem* problem = problem_of(context);
    if (!problem) return;
    // Also gives the options of sibling problems their integration
    // requirements, all in the one undo state the model records.
    problem->add_child_option(dialog->result_std_string(0), true);
    rebuild();
}

void copy_ai_prompt(const BoxCommandContext& context) {
    if (const DesignProblem* problem = problem_of(context))
        MyStrF::_copy_text_to_clipboard(problem->get_txt() + "\n" + GCC::dpr_AI_prompt_addition);
}

void paste_ai_answer(const BoxCommandContext& context) {
    DesignProblem* problem = problem_of(context);
    if (!problem) return;
    // The reader tells the user what it could not read and records one undo
    // state for the whole answer.
    if (!problem->add_child_options(MyStrF::_get_text_from_clipboard()).empty()) rebuild();
}

// Only the problem's single reference is edited here: its text follows from
// its requirements.
void edit_design_problem(const BoxCommandContext& context) {
    const DesignProblem* problem = problem_of(context);
    if (!problem) return;
    std::vector<std::string> prompts, defaults;
    std::vector<std::vector<std::string>> choices;
    if (!boxes::add_reference_inputs(*problem, prompts, defaults, choices)) return;
    const uint64_t reference_id = problem->get_ref_ids().front();
    dialogs::InputDialog dialog(context.dialog_position, "Edit the Design Problem", prompts, defaults, choices);
    if (dialogs::run_modal(dialog) != QDialog::Accepted) return;
    DesignProblem* now = problem_of(context);
    if (!now || now->get_ref_ids() != std::vector<uint64_t>{reference_id}) return;
    boxes::fill_reference_inputs(*now, GCC::RP->get_reference(reference_id), dialog.result_std_string(0),
                                 dialog.result_std_string(1), dialog.result_std_string(2),
                                 dialog.result_std_string(3));
}

void add_items(QMenu& menu, const BoxCommandContext& context, Node&) {
    const auto item = [&menu, &context](const gcm::Caption& text, void (*command)(const BoxCommandContext&)) {
        boxes::add_item(menu, text, [context, command] { command(context); });
    };
    item(caption::dpr_remove_req, remove_requirement);
    item(caption::dpr_add_req, add_requirement);
    item(caption::dpr_add_option, add_option);
    boxes::add_separator(menu);
    item(caption::dpr_ai_prompt, copy_ai_prompt);
    item(caption::dpr_ai_answer, paste_ai_answer);
}

}  // namespace

void install_design_problem_commands() {
    boxes::install_kind_commands(page_geometry::NodeKind::DesignProblem, {add_items, edit_design_problem});
}

}  // namespace kinds
