#include "ui/kinds/evidence_box_commands.h"

#include <QDialog>
#include <QMenu>

#include "core/constants/gcc.h"
#include "core/model/evidence.h"
#include "core/model/project.h"
#include "core/quantity/parameter.h"
#include "core/reference/reference.h"
#include "ui/boxes/box_commands.h"
#include "ui/boxes/box_menu.h"
#include "ui/boxes/common_commands.h"
#include "ui/boxes/reference_commands.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/kinds/arg_evd_support.h"
#include "ui/kinds/kind_rebuild.h"
#include "ui/kinds/quantity_commands.h"
#include "ui/kinds/verb_cap_commands.h"
#include "ui/theme/captions.h"

namespace kinds {
namespace {

std::vector<std::string> level_texts() {
    const auto& levels = ReadinessLevel::get_levels();
    return {levels.begin(), levels.end()};
}

int achieved_level(const Evidence& evidence) { return evidence.get_rlevel().get_min_level(false); }

void change_readiness_level(const BoxCommandContext& c) {
    const Evidence* evidence = evidence_of(c);
    if (!evidence) return;
    const auto dialog =
        dialogs::InputDialog::one_choice_row(c.dialog_position, "Change Readiness Level", "Define the readiness level:",
                                             evidence->get_rlevel().get_min_level_txt_ptr(), level_texts());
    if (dialogs::run_modal(*dialog) != QDialog::Accepted) return;
    Evidence* now = evidence_of(c);
    const int level = dialog->result_combo_index(0);
    if (!now || level < 0 || level == achieved_level(*now)) return;
    now->get_rlevel().set_levels(level);
    GCC::RP->add_uid_state(now);
    rebuild();
}

void edit_evidence(const BoxCommandContext& c) {
    const Evidence* evidence = evidence_of(c);
    if (!evidence) return;
    const Parameter& par = evidence->get_par();
    std::vector<std::string> prompts{"Edit the verb:", "Edit the capability:", "Edit a quantification:",
                                     "Edit readiness level:"};
    std::vector<std::string> defaults{evidence->get_verb_cap()->get_verb(), evidence->get_verb_cap()->get_capability(),
                                      "", evidence->get_rlevel().get_min_level_txt_ptr()};
    std::vector<std::vector<std::string>> choices{{}, {}, {}, level_texts()};
    const bool with_reference = boxes::add_reference_inputs(*evidence, prompts, defaults, choices) != nullptr;
    const uint64_t reference_id = with_reference ? evidence->get_ref_ids().front() : 0;
    dialogs::InputDialog dialog(
        c.dialog_position, "Edit the Evidence", prompts, defaults, choices,
        dialogs::QuantitySeed{par.get_type_int(), par.get_value(), par.get_unit_int(), par.get_target_int()});
    if (dialogs::run_modal(dialog) != QDialog::Accepted) return;
    Evidence* now = evidence_of(c);
    const Parameter* answer = dialog.par();
    if (!now || !answer) return;

    Parameter& quantity = now->get_par();
    bool structural = false;
    const bool type_changed = answer->get_type_int() != quantity.get_type_int();
    if (type_changed) quantity.set_type(answer->get_type_int(), true);
    const bool unit_changed = answer->get_unit_int() != quantity.get_unit_int();
    if (unit_changed) quantity.set_unit(answer->get_unit_int());
    if (type_changed || unit_changed || value_differs(answer->get_value(), quantity.get_value())) {
        quantity.set_value(answer->get_value(), true);
        structural = true;
    }
    if (answer->get_target_int() != quantity.get_target_int()) {
        quantity.set_target_type(answer->get_target_int(), true);
        structural = true;
    }
    structural = structural || type_changed || unit_changed;
    const int level = dialog.result_combo_index(3);
    if (level >= 0 && level != achieved_level(*now)) {
        now->get_rlevel().set_levels(level);
        structural = true;
    }
    if (with_reference) {
        const auto& ids = now->get_ref_ids();
        Reference* reference =
            ids.size() == 1 && ids.front() == reference_id ? GCC::RP->get_reference(reference_id) : nullptr;
        boxes::fill_reference_inputs(*now, reference, dialog.result_std_string(4), dialog.result_std_string(5),
                                     dialog.result_std_string(6), dialog.result_std_string(7));
    }
    // Only the evidence's own text changes: its boxes are read again, the page
    // stays. Anything that holds the same pair changes with it and is recorded.
    bool changed = structural;
    NodeList recorded{now};
    const std::string verb = dialog.result_std_string(0);
    const std::string capability = dialog.result_std_string(1);
    if (verb != now->get_verb_cap()->get_verb() || capability != now->get_verb_cap()->get_capability()) {
        recorded = now->get_impacted_by_vc_change();
        if (verb != now->get_verb_cap()->get_verb()) now->change_verb(verb);
        if (capability != now->get_verb_cap()->get_capability()) now->change_capability(capability);
        changed = true;
    }
    boxes::conditional_update(c, changed, structural, recorded);
}

void add_items(QMenu& menu, const BoxCommandContext& context, Node& node) {
    if (!node.is_evd()) return;
    add_verb_cap_items(menu, context, node);
    add_quantity_items(menu, context, node);
    boxes::add_item(menu, gcm::box::evd_change_level, [context] { change_readiness_level(context); });
}

}  // namespace

void install_evidence_commands() {
    boxes::install_kind_commands(page_geometry::NodeKind::Evidence,
                                 {add_items, edit_evidence, change_readiness_level});
}

}  // namespace kinds
