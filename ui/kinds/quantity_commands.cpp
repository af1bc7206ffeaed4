#include "ui/kinds/quantity_commands.h"

#include <QDialog>
#include <QPoint>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "ui/boxes/box_commands.h"
#include "ui/boxes/box_menu.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/dialogs/input_text_box_dialog.h"
#include "ui/glue/text_conversion.h"
#include "ui/glue/text_measure.h"
#include "ui/kinds/goal_rows.h"
#include "ui/kinds/kind_rebuild.h"
#include "ui/kinds/verb_cap_commands.h"
#include "ui/theme/captions.h"
#include "ui/theme/fonts.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/message_box.h"

namespace kinds {
namespace {

namespace caption = gcm::box;

// The quantified object of the context now, or null when it is gone.
VerbCapParamBase* quantified(const BoxCommandContext& context) {
    Node* node = context.node();
    if (!node || !(node->is_req() || node->is_evd()) || !takes_phrase_commands(*node)) return nullptr;
    return static_cast<VerbCapParamBase*>(node);
}

void change_quantification(const BoxCommandContext& context) {
    VerbCapParamBase* object = quantified(context);
    if (!object) return;
    const Parameter& before = object->get_par();
    const dialogs::QuantitySeed seed{before.get_type_int(), before.get_value(), before.get_unit_int(),
                                     before.get_target_int()};
    auto dialog = dialogs::InputDialog::quantity_only(context.dialog_position, "Change the Quantification",
                                                      std::string(caption::define_quant_text), seed);
    if (dialogs::run_modal(*dialog) != QDialog::Accepted || !(object = quantified(context))) return;
    const Parameter& entered = *dialog->par();
    Parameter& par = object->get_par();
    const uint32_t old_type = par.get_type_int();
    bool changed = false;
    if (entered.get_type_int() != par.get_type_int()) {
        par.set_type(entered.get_type_int(), true);
        changed = true;
    }
    // After a type change the unit is that type's first; the entered one is
    // compared with what the object has now.
    if (entered.get_unit_int() != par.get_unit_int()) {
        par.set_unit(entered.get_unit_int());
        changed = true;
    }
    if (entered.get_target_int() != par.get_target_int()) {
        par.set_target_type(entered.get_target_int(), true);
        changed = true;
    }
    if (entered.get_type_int() != old_type || value_differs(entered.get_value(), par.get_value())) {
        par.set_value(entered.get_value(), true);
        changed = true;
    }
    if (!changed) return;
    GCC::RP->add_uid_state(object);
    rebuild();
    ask_change_derived_reqs(context.uid(), old_type, context.dialog_position);
}

void change_to_goal(const BoxCommandContext& context) {
    VerbCapParamBase* object = quantified(context);
    if (!object) return;
    const GoalProperties properties = goal_properties();
    if (properties.names.empty()) {
        toolkit::show_info(
            QStringLiteral("No quantity type is active.\n\nActivate one in 'Tools' => 'Customize "
                           "Parameters' first."));
        return;
    }
    const int preset = preset_goal_entry(properties, object->get_par().get_type_int());
    dialogs::InputDialog dialog(context.dialog_position, "Change to Goal",
                                {"Select a Property:", "Minimize or Maximize the Property:", "Importance (0-100): "},
                                {properties.names[static_cast<size_t>(preset)], "Minimize", "100"},
                                {properties.names, {"Minimize", "Maximize"}, {}});
    // By position: a repeated name must not preset its first holder.
    dialog.combo_box(0)->set_selected_index(preset);
    if (dialogs::run_modal(dialog) != QDialog::Accepted || !(object = quantified(context))) return;
    const uint32_t type = properties.type_of(dialog.result_combo_index(0));
    const uint16_t target = dialog.result_combo_index(1) == 1 ? 6 : 0;
    const uint16_t weight = goal_weight_from_answer(dialog.result_int(2));
    Parameter& par = object->get_par();
    // The same type keeps the unit it is shown in.
    if (par.get_type_int() != type) par.set_type(type, true);
    par.set_target_type(target, true);
    par.set_goal_weight(weight, true);
    GCC::RP->add_uid_state(object);
    rebuild();
}

void edit_importance(const BoxCommandContext& context) {
    VerbCapParamBase* object = quantified(context);
    if (!object) return;
    auto dialog = dialogs::InputDialog::one_text_row(
        context.dialog_position, "Edit the Importance value",
        "Edit importance (0-100): ", std::to_string(object->get_par().get_goal_weight()));
    if (dialogs::run_modal(*dialog) != QDialog::Accepted || !(object = quantified(context))) return;
    // An answer that is no whole number keeps the weight.
    const uint16_t weight = goal_weight_from_answer(dialog->result_int(0));
    if (weight == object->get_par().get_goal_weight()) return;
    object->get_par().set_goal_weight(weight, true);
    GCC::RP->add_uid_state(object);
    rebuild();
}

void change_to_functional(const BoxCommandContext& context) {
    VerbCapParamBase* object = quantified(context);
    if (!object) return;
    const std::string verb = object->get_verb_cap()->get_verb();
    const std::string capability = object->get_verb_cap()->get_capability();
    auto dialog = dialogs::InputDialog::two_rows(
        context.dialog_position, "Change to Functional Requirement",
        "Current verb: " + verb + "\n\nEnter a new verb:", verb, {},
        "Current capability: " + capability + "\n\nEnter a new capability:", capability, {});
    if (dialogs::run_modal(*dialog) != QDialog::Accepted || !(object = quantified(context))) return;
    object->get_par().set_type(0u, true);
    object->change_verb(dialog->result_std_string(0));
    object->change_capability(dialog->result_std_string(1));
    record_and_rebuild(object->get_impacted_by_vc_change());
}

}  // namespace

bool value_differs(double entered, double stored) {
    // The dialog converts the stored base value into the unit and back:
    // a few units of the last place are rounding, anything more is an edit.
    const double scale = std::max(std::abs(entered), std::abs(stored));
    return std::abs(entered - stored) > 1e-12 * scale;
}

void add_quantity_items(QMenu& menu, const BoxCommandContext& context, Node& node) {
    if (!(node.is_req() || node.is_evd()) || !takes_phrase_commands(node)) return;
    const auto& object = static_cast<const VerbCapParamBase&>(node);
    boxes::add_separator(menu);
    boxes::add_item(menu, caption::vcp_change_quantity, [context] { change_quantification(context); });
    if (node.is_req()) {
        if (!object.is_goal())
            boxes::add_item(menu, caption::vcp_make_goal, [context] { change_to_goal(context); });
        else
            boxes::add_item(menu, caption::vcp_edit_goal_weight, [context] { edit_importance(context); });
    }
    if (!object.is_functional())
        boxes::add_item(menu, caption::vcp_make_functional, [context] { change_to_functional(context); });
    boxes::add_separator(menu);
}

void ask_change_derived_reqs(const std::string& requirement_uid, uint32_t old_type, const QPoint& at) {
    const Node* node = boxes::resolve(requirement_uid);
    if (!node || !node->is_req()) return;
    std::vector<std::string> uids;
    for (const Argument* argument : static_cast<const Requirement*>(node)->get_child_arguments())
        for (const Requirement* derived : argument->get_child_requirements())
            if (derived->get_par().get_type_int() == old_type &&
                std::find(uids.begin(), uids.end(), derived->get_uid()) == uids.end())
                uids.push_back(derived->get_uid());
    if (uids.empty()) return;
    std::string list;
    for (const std::string& uid : uids) list += (list.empty() ? "" : "\n") + uid;
    const std::string label = "Consider changing derived Requirements as well:";
    QString measured_label = glue::to_ui(label);
    QString measured_list = glue::to_ui(list);
    const int f = gcm::app_font_height();
    const int width = std::max(glue::text_width(measured_label, gcm::app_font(), 0),
                               glue::text_width(measured_list, gcm::app_font(), 0)) +
                      4 * f;
    const int height = (static_cast<int>(uids.size()) + 7) * f;
    dialogs::InputTextBoxDialog notice("Impacted Objects", label, list, at, true, width, height);
    dialogs::run_modal(notice);
}

}  // namespace kinds
