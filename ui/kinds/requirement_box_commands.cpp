#include "ui/kinds/requirement_box_commands.h"

#include <QDialog>
#include <QMenu>
#include <algorithm>
#include <string>
#include <vector>

#include "core/constants/ai_prompt_texts.h"
#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/text/clipboard.h"
#include "core/text/number_format.h"
#include "ui/boxes/box_commands.h"
#include "ui/boxes/box_menu.h"
#include "ui/boxes/common_commands.h"
#include "ui/boxes/reference_commands.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/glue/text_conversion.h"
#include "ui/kinds/goal_rows.h"
#include "ui/kinds/kind_rebuild.h"
#include "ui/kinds/quantity_commands.h"
#include "ui/kinds/verb_cap_commands.h"
#include "ui/main_window/main_window_services.h"
#include "ui/pages/page_painter.h"
#include "ui/theme/captions.h"
#include "ui/toolkit/message_box.h"

namespace kinds {
namespace {

namespace caption = gcm::box;

Requirement* requirement_of(const BoxCommandContext& context) {
    Node* node = context.node();
    return node && node->is_req() ? static_cast<Requirement*>(node) : nullptr;
}

// The requirement now, or null after telling that it is gone.
Requirement* requirement_or_error(const BoxCommandContext& context, const char* handler) {
    Requirement* requirement = requirement_of(context);
    if (!requirement) toolkit::show_error(QStringLiteral("No object in ") + QString::fromLatin1(handler));
    return requirement;
}

// The option the Validation page shows, or null.
Option* validation_option() {
    Node* node = boxes::resolve(pages::current_validation_tabpage_option());
    return node && node->is_opt() ? static_cast<Option*>(node) : nullptr;
}

std::vector<Option*> potential_arg_options(Requirement& requirement) {
    if (!main_window()) return {};
    return requirement.get_potential_arg_options(validation_option());
}

// A parameter's value shown in another unit of its type.
double value_in_unit(const Parameter& par, uint16_t unit) {
    const std::vector<double> factors = par.get_current_type_factors(false);
    const std::vector<double> deltas = par.get_current_type_deltas(false);
    if (unit >= factors.size()) return par.get_value();
    return (par.get_base_value() + deltas[unit]) / factors[unit];
}

template <class T>
std::vector<std::string> short_texts(const std::vector<T*>& nodes) {
    std::vector<std::string> texts;
    for (const T* node : nodes) texts.push_back(node->get_short_txt(0));
    return texts;
}

template <class T>
std::vector<std::string> uids_of(const std::vector<T*>& nodes) {
    std::vector<std::string> uids;
    for (const T* node : nodes) uids.push_back(node->get_uid());
    return uids;
}

void add_design_problem(const BoxCommandContext& context) {
    Requirement* requirement = requirement_or_error(context, "MenuItemAddDesignProblem_Click");
    if (!requirement) return;
    // The model records the undo state.
    requirement->add_designproblem();
    rebuild();
}

void add_to_design_problem(const BoxCommandContext& context) {
    Requirement* requirement = requirement_or_error(context, "MenuItemAddToDesignProblem_Click");
    if (!requirement) return;
    const std::vector<DesignProblem*> candidates = requirement->get_potential_child_design_problems();
    if (candidates.empty()) {
        toolkit::show_info(QStringLiteral(
            "No candidate Design Problems available.\n\nCandidate Design Problems are children of the\nparent Option "
            "or parent Mandate.\nAlready linked Design Problems are excluded.\n\nPlease define candidate Design "
            "Problems."));
        return;
    }
    const std::vector<std::string> uids = uids_of(candidates);
    auto dialog = dialogs::InputDialog::one_choice_row(
        context.dialog_position, "Add to Design Problem",
        "Select to which Design Problem\nthis Requirement must be added:", "", short_texts(candidates));
    if (dialogs::run_modal(*dialog) != QDialog::Accepted) return;
    const int chosen = dialog->result_combo_index(0);
    if (!(requirement = requirement_or_error(context, "MenuItemAddToDesignProblem_Click"))) return;
    Node* problem = chosen >= 0 && static_cast<size_t>(chosen) < uids.size()
                        ? boxes::resolve(uids[static_cast<size_t>(chosen)])
                        : nullptr;
    if (!problem || !problem->is_dpr()) return;
    const std::string failure = requirement->add_to_existing_designproblem(static_cast<DesignProblem*>(problem));
    if (!failure.empty()) {
        toolkit::show_error(glue::to_ui(failure));
        return;
    }
    rebuild();
}

void add_argument(const BoxCommandContext& context) {
    Requirement* requirement = requirement_or_error(context, "MenuItemAddArgument_Click");
    if (!requirement) return;
    const std::vector<Option*> candidates = potential_arg_options(*requirement);
    if (candidates.empty()) {
        toolkit::show_info(QStringLiteral("No Option could be found to add the Argument object to."));
        return;
    }
    std::string option_uid = candidates.front()->get_uid();
    bool validates = true;
    if (candidates.size() > 1) {
        const std::vector<std::string> uids = uids_of(candidates);
        auto dialog = dialogs::InputDialog::two_rows(
            context.dialog_position, "Add Argument", "Select which Option the\nArgument is going to cover:", "",
            short_texts(candidates),
            "Select whether the Argument \nvalidates or invalidates the Requirement\n(meets or does not meet the "
            "Requirement).",
            "validates", {"validates", "invalidates"});
        if (dialogs::run_modal(*dialog) != QDialog::Accepted) return;
        const int chosen = dialog->result_combo_index(0);
        if (chosen < 0 || static_cast<size_t>(chosen) >= uids.size()) return;
        option_uid = uids[static_cast<size_t>(chosen)];
        validates = dialog->result_combo_index(1) != 1;
        if (!(requirement = requirement_or_error(context, "MenuItemAddArgument_Click"))) return;
    }
    Node* option = boxes::resolve(option_uid);
    if (!option || !option->is_opt()) return;
    // The model records the undo state.
    if (!static_cast<Option*>(option)->add_child_argument(requirement, validates)) {
        toolkit::show_error(glue::to_ui("Adding Argument to Option " + option_uid + " failed.\nRequirement " +
                                        requirement->get_uid() + " is not in its parents."));
        return;
    }
    rebuild();
}

void allocate(const BoxCommandContext& context) {
    Requirement* requirement = requirement_or_error(context, "MenuItemEditAllocateReq_Click");
    if (!requirement) return;
    Option* option = validation_option();
    if (!option) return;
    const std::string option_uid = option->get_uid();
    const std::vector<Option*> leaves = option->get_top_option()->get_leaf_options();
    const auto allocated = option->get_allocated_requirement_lsts(requirement);
    const size_t n = leaves.size();
    if (n == 0 || allocated.size() != n) return;
    const Parameter& par = requirement->get_par();
    const uint16_t unit = par.get_unit_int();

    // Existing items are listed only when their value changes, so what is
    // confirmed unchanged keeps its unit and value exactly.
    std::vector<std::vector<std::string>> item_uids(n);
    std::vector<std::vector<double>> changed_values(n);
    std::vector<std::vector<double>> new_values(n);
    if (par.is_min_max()) {
        for (size_t i = 0; i < n; ++i)
            if (allocated[i].empty()) new_values[i].push_back(0.0);
    } else {
        // Every value in the requirement's unit: items may show theirs in another.
        double sum = 0.0;
        for (const auto& items : allocated)
            for (const VerbCapParamBase* item : items) sum += value_in_unit(item->get_par(), unit);
        const double preset = (par.get_value() - sum) / static_cast<double>(n);
        const std::string symbol = par.get_unit_symbol();
        std::vector<std::string> prompts{"Allocate the Requirement below\n\n" + requirement->get_txt() +
                                         "\n\nto a derived Requirement for each Option below."};
        std::vector<std::string> defaults{dialogs::InputDialog::ONLY_LABEL};
        std::vector<double> exact;  // the value each row starts from
        for (size_t i = 0; i < n; ++i) {
            if (allocated[i].empty()) {
                prompts.push_back("Specify value in " + symbol + " for Option " + leaves[i]->get_subject() + ".");
                defaults.push_back(MyStrF::_double_to_string(preset));
                exact.push_back(preset);
            }
            for (const VerbCapParamBase* item : allocated[i]) {
                const double current = value_in_unit(item->get_par(), unit);
                prompts.push_back("Modify value in " + symbol + " for Requirement\n" + item->get_txt());
                defaults.push_back(MyStrF::_double_to_string(current));
                exact.push_back(current);
            }
        }
        std::vector<std::vector<std::string>> choices(prompts.size());
        dialogs::InputDialog dialog(context.dialog_position, "Allocate the Requirement", prompts, defaults, choices);
        if (dialogs::run_modal(dialog) != QDialog::Accepted) return;
        // A row left as shown keeps its exact value, not the rounded text.
        const auto answer = [&](int row) {
            const size_t r = static_cast<size_t>(row);
            return dialog.result_std_string(row) == defaults[r] ? exact[r - 1] : dialog.result_double(row);
        };
        int row = 1;
        for (size_t i = 0; i < n; ++i) {
            if (allocated[i].empty()) new_values[i].push_back(answer(row++));
            for (const VerbCapParamBase* item : allocated[i]) {
                const double value = answer(row);
                if (value_differs(value, exact[static_cast<size_t>(row) - 1])) {
                    item_uids[i].push_back(item->get_uid());
                    changed_values[i].push_back(value);
                }
                ++row;
            }
        }
        if (!(requirement = requirement_or_error(context, "MenuItemEditAllocateReq_Click"))) return;
        Node* still = boxes::resolve(option_uid);
        if (!still || !still->is_opt()) return;
        option = static_cast<Option*>(still);
    }
    std::vector<std::vector<VerbCapParamBase*>> items(n);
    bool anything = false;
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j < item_uids[i].size(); ++j) {
            Node* item = boxes::resolve(item_uids[i][j]);
            if (!item || !(item->is_req() || item->is_evd())) {
                changed_values[i].erase(changed_values[i].begin() + static_cast<std::ptrdiff_t>(items[i].size()));
                continue;
            }
            items[i].push_back(static_cast<VerbCapParamBase*>(item));
        }
        anything = anything || !items[i].empty() || !new_values[i].empty();
    }
    // The model records one undo state for the whole allocation.
    const std::string report = option->edit_allocation(requirement, items, changed_values, new_values);
    toolkit::show_info(glue::to_ui(report));
    if (anything) rebuild();
}

void copy_ai_prompt(const BoxCommandContext& context) {
    const Requirement* requirement = requirement_of(context);
    if (!requirement) return;
    MyStrF::_copy_text_to_clipboard(GCC::val_AI_prompt_prefix + requirement->get_txt() + GCC::val_AI_prompt_addition1 +
                                    GCC::get_ai_par_types_and_units() + GCC::val_AI_prompt_addition2);
}

void paste_ai_answer(const BoxCommandContext& context) {
    Requirement* requirement = requirement_or_error(context, "MenuItemAIanswerFromClipboard_Click");
    if (!requirement) return;
    Option* option = validation_option();
    if (!option) return;
    // The model records one undo state for the whole answer; an answer that
    // only brought quantity types creates no object but changed the project.
    const size_t types_before = Parameter::get_poss_parameters().size();
    const NodeList created = requirement->add_ai_objects(MyStrF::_get_text_from_clipboard(), option);
    if (!created.empty() || Parameter::get_poss_parameters().size() != types_before) rebuild();
}

void show_why(const BoxCommandContext& context) {
    if (!requirement_or_error(context, "MenuItemShowWhy_Click")) return;
    main_window()->show_origin_tree(context.uid(), context.dialog_position);
}

}  // namespace

void add_requirement_items(QMenu& menu, const BoxCommandContext& context, Node& node) {
    if (!node.is_req()) return;
    auto& requirement = static_cast<Requirement&>(node);
    add_verb_cap_items(menu, context, node);
    add_quantity_items(menu, context, node);
    if (context.description.ai_commands) {
        boxes::add_item(menu, caption::dpr_ai_prompt, [context] { copy_ai_prompt(context); });
        boxes::add_item(menu, caption::dpr_ai_answer, [context] { paste_ai_answer(context); });
    }
    boxes::add_item(menu, caption::req_show_why, [context] { show_why(context); });
    boxes::add_separator(menu);
    boxes::add_item(menu, caption::req_add_design_problem, [context] { add_design_problem(context); });
    boxes::add_item(menu, caption::req_add_to_design_problem, [context] { add_to_design_problem(context); });
    if (context.description.argument_commands && !potential_arg_options(requirement).empty())
        boxes::add_item(menu, caption::req_add_argument, [context] { add_argument(context); });
    if (context.description.argument_commands && requirement.get_par().get_type_int() != 0)
        boxes::add_item(menu, caption::req_allocate, [context] { allocate(context); });
}

void edit_requirement(const BoxCommandContext& context) {
    Requirement* requirement = requirement_or_error(context, "objBoxREQ_DoubleClick");
    if (!requirement || requirement->is_int()) return;
    const Parameter& par = requirement->get_par();
    const bool goal = requirement->is_goal();
    const auto& vc = *requirement->get_verb_cap();
    std::vector<std::string> prompts{"Edit the verb:", "Edit the capability:", "Edit a quantification:"};
    std::vector<std::string> defaults{vc.get_verb(), vc.get_capability(), ""};
    if (goal) {
        prompts.push_back("Edit importance (0-100): ");
        defaults.push_back(std::to_string(par.get_goal_weight()));
    }
    std::vector<std::vector<std::string>> choices(prompts.size());
    const int first_reference_row = static_cast<int>(prompts.size());
    Reference* reference = boxes::add_reference_inputs(*requirement, prompts, defaults, choices);
    dialogs::InputDialog dialog(
        context.dialog_position, "Edit the Requirement", prompts, defaults, choices,
        dialogs::QuantitySeed{par.get_type_int(), par.get_value(), par.get_unit_int(), par.get_target_int()});
    if (dialogs::run_modal(dialog) != QDialog::Accepted) return;
    if (!(requirement = requirement_or_error(context, "objBoxREQ_DoubleClick"))) return;

    const Parameter& entered = *dialog.par();
    Parameter& own = requirement->get_par();
    const uint32_t old_type = own.get_type_int();
    NodeList touched{requirement};
    bool changed = false;
    bool type_or_unit = false;
    if (entered.get_type_int() != own.get_type_int()) {
        own.set_type(entered.get_type_int(), true);
        type_or_unit = true;
    }
    if (entered.get_unit_int() != own.get_unit_int()) {
        own.set_unit(entered.get_unit_int());
        type_or_unit = true;
    }
    changed = type_or_unit;
    if (type_or_unit || value_differs(entered.get_value(), own.get_value())) {
        own.set_value(entered.get_value(), true);
        changed = true;
    }
    if (entered.get_target_int() != own.get_target_int()) {
        own.set_target_type(entered.get_target_int(), true);
        changed = true;
    }
    if (goal) {
        const uint16_t weight = goal_weight_from_answer(dialog.result_int(3));
        if (weight != own.get_goal_weight()) {
            own.set_goal_weight(weight, true);
            changed = true;
        }
    }
    if (reference) {
        // The table may have lost it while the dialog was open.
        const auto& ids = requirement->get_ref_ids();
        const bool still_there =
            std::any_of(ids.begin(), ids.end(), [&](uint64_t id) { return GCC::RP->get_reference(id) == reference; });
        if (still_there)
            boxes::fill_reference_inputs(*requirement, reference, dialog.result_std_string(first_reference_row),
                                         dialog.result_std_string(first_reference_row + 1),
                                         dialog.result_std_string(first_reference_row + 2),
                                         dialog.result_std_string(first_reference_row + 3));
    }
    const std::string verb = dialog.result_std_string(0);
    const std::string capability = dialog.result_std_string(1);
    const bool new_verb = verb != requirement->get_verb_cap()->get_verb();
    const bool new_capability = capability != requirement->get_verb_cap()->get_capability();
    if (new_verb) requirement->change_verb(verb);
    if (new_capability) requirement->change_capability(capability);
    if (new_verb || new_capability) {
        for (Node* sharer : requirement->get_impacted_by_vc_change())
            if (std::find(touched.begin(), touched.end(), sharer) == touched.end()) touched.push_back(sharer);
        changed = true;
    }
    boxes::conditional_update(context, changed, changed, touched);
    if (changed) ask_change_derived_reqs(context.uid(), old_type, context.dialog_position);
}

void install_requirement_commands() {
    boxes::install_kind_commands(page_geometry::NodeKind::Requirement, {add_requirement_items, edit_requirement});
}

}  // namespace kinds
