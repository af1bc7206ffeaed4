#include "ui/kinds/argument_new_children.h"

#include <QDialog>

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/evidence.h"
#include "core/model/project.h"
#include "core/quantity/parameter.h"
#include "core/reference/reference.h"
#include "ui/boxes/box_commands.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/kinds/arg_evd_support.h"
#include "ui/kinds/kind_rebuild.h"
#include "ui/kinds/argument_presets.h"
#include "ui/kinds/goal_rows.h"
#include "ui/theme/captions.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/message_box.h"

namespace kinds {
namespace {

using Choices = std::vector<std::vector<std::string>>;

std::string text(std::string_view view) { return std::string(view); }

// "a gate must <verb> <capability>", then the verb's own prompt.
std::string must_verb_prompt(const Argument& argument) {
    return subject_with_article(argument) + " must <verb> <capability>\n\n" + text(gcm::box::define_verb_text);
}

const std::vector<std::string>& min_max_choices() {
    static const std::vector<std::string> choices{"Minimize", "Maximize"};
    return choices;
}

}  // namespace

void add_goal(const BoxCommandContext& c) {
    const Argument* argument = argument_of(c);
    if (!argument) return;
    const GoalProperties properties = goal_properties();
    if (properties.names.empty()) {
        toolkit::show_info(QStringLiteral(
            "No quantity type is active.\n\nActivate one in 'Tools' => 'Customize Parameters' first."));
        return;
    }
    const DerivedPreset preset = derived_preset(*argument);
    const std::vector<std::string> prompts{must_verb_prompt(*argument), text(gcm::box::define_cap_text),
                                           "Select a Property:", "Minimize or Maximize the Property:",
                                           "Importance (0-100): "};
    const std::vector<std::string> defaults{preset.verb, preset.capability, preset.type_name,
                                            min_max_choices()[preset.quantity.target < 3 ? 0 : 1], "100"};
    dialogs::InputDialog dialog(c.dialog_position, "Define a Goal", prompts, defaults,
                                Choices{{}, {}, properties.names, min_max_choices(), {}});
    // The preset property by its row of the table, not by its name.
    if (const int entry = properties.entry_of(preset.quantity.type); entry >= 0 && dialog.combo_box(2))
        dialog.combo_box(2)->set_selected_index(entry);
    if (dialogs::run_modal(dialog) != QDialog::Accepted) return;
    Argument* now = argument_of(c);
    if (!now) return;
    const uint16_t target = dialog.result_combo_index(3) == 0 ? 0 : 6;
    now->add_q_requirement(dialog.result_std_string(0), dialog.result_std_string(1),
                           properties.type_of(dialog.result_combo_index(2)), 0.0, 0, target,
                           goal_weight_from_answer(dialog.result_int(4)));
    rebuild();
}

void add_requirement(const BoxCommandContext& c) {
    const Argument* argument = argument_of(c);
    if (!argument) return;
    const DerivedPreset preset = derived_preset(*argument);
    const std::vector<std::string> prompts{must_verb_prompt(*argument), text(gcm::box::define_cap_text),
                                           text(gcm::box::define_quant_text)};
    dialogs::InputDialog dialog(c.dialog_position, "Add a Requirement", prompts, {preset.verb, preset.capability, ""},
                                Choices{{}, {}, {}}, preset.quantity);
    if (dialogs::run_modal(dialog) != QDialog::Accepted) return;
    Argument* now = argument_of(c);
    const Parameter* quantity = dialog.par();
    if (!now || !quantity) return;
    now->add_q_requirement(dialog.result_std_string(0), dialog.result_std_string(1), quantity->get_type_int(),
                           quantity->get_value(), quantity->get_unit_int(), quantity->get_target_int(), 100);
    rebuild();
}

void add_evidence(const BoxCommandContext& c) {
    const Argument* argument = argument_of(c);
    if (!argument) {
        toolkit::show_error(QStringLiteral("object missing in MenuItemAddEv_Click"));
        return;
    }
    const DerivedPreset preset = derived_preset(*argument);
    const auto& levels = ReadinessLevel::get_levels();
    const std::vector<std::string> level_texts(levels.begin(), levels.end());
    const std::vector<std::string> prompts{
        "Evidence that " + subject_with_article(*argument) + " <verb> <capability>\n\n" +
            text(gcm::box::define_verb_text),
        text(gcm::box::define_cap_text),
        text(gcm::box::define_quant_text),
        "Proves readiness level:",
        text(gcm::box::reference_name_prompt),
        text(gcm::box::reference_descr_prompt),
        text(gcm::box::reference_link_prompt),
        text(gcm::box::reference_type_prompt)};
    const std::vector<std::string> defaults{
        preset.verb, preset.capability, "", ReadinessLevel::get_reqd_level_txt_ptr(), "", "", "", "Unknown"};
    dialogs::InputDialog dialog(c.dialog_position, "Add Evidence", prompts, defaults,
                                Choices{{}, {}, {}, level_texts, {}, {}, {}, Reference::possible_types()},
                                preset.quantity);
    if (dialogs::run_modal(dialog) != QDialog::Accepted) return;
    Argument* now = argument_of(c);
    const Parameter* quantity = dialog.par();
    if (!now || !quantity) return;
    const int level = std::max(dialog.result_combo_index(3), 0);
    const std::string name = dialog.result_std_string(4);
    const std::string description = dialog.result_std_string(5);
    const std::string link = dialog.result_std_string(6);
    if (name.empty() && description.empty() && link.empty()) {
        now->add_child_evidence(level, dialog.result_std_string(0), dialog.result_std_string(1),
                                quantity->get_type_int(), quantity->get_value(), quantity->get_unit_int(),
                                quantity->get_target_int(), "");
    } else {
        // The evidence and its reference are one step for the user: one undo
        // state of the argument, the new evidence and the project's table.
        auto* evidence = new Evidence(now, level, dialog.result_std_string(0), dialog.result_std_string(1),
                                      quantity->get_type_int(), quantity->get_value(), quantity->get_unit_int(),
                                      quantity->get_target_int(), "");
        evidence->add_reference_to_node(name, description, link, dialog.result_std_string(7));
        GCC::RP->add_uids_state({now, evidence, GCC::RP});
    }
    rebuild();
}

}  // namespace kinds
