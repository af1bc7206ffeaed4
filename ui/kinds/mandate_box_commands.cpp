#include "ui/kinds/mandate_box_commands.h"

#include <QDialog>
#include <QMenu>
#include <algorithm>

#include "core/constants/gcc.h"
#include "core/model/mandate.h"
#include "core/model/project.h"
#include "core/model/readiness_level.h"
#include "core/model/user_story.h"
#include "ui/boxes/box_commands.h"
#include "ui/boxes/common_commands.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/kinds/kind_command_support.h"
#include "ui/kinds/kind_rebuild.h"
#include "ui/main_window/main_window_services.h"
#include "ui/theme/captions.h"

namespace kinds {
namespace {

namespace caption = gcm::box;

const std::string level_prompt = "Define the required readiness level:";

Mandate* mandate_of(const BoxCommandContext& c) {
    Node* node = c.node();
    return node && node->is_man() ? static_cast<Mandate*>(node) : nullptr;
}

std::vector<std::string> level_texts() {
    const auto& levels = ReadinessLevel::get_levels();
    return {levels.begin(), levels.end()};
}

// Some story of the project lacks a derived requirement. The project's
// stories are the mandate's parents (the mandate is below each of them), and
// reading them from the project leaves the links untouched while a menu is built.
bool some_story_lacks_requirement() {
    if (!GCC::RP) return false;
    const std::vector<UserStory*> stories = GCC::RP->get_child_user_stories();
    return std::any_of(stories.begin(), stories.end(),
                       [](const UserStory* s) { return !s->has_derived_requirement(); });
}

void change_remark(const BoxCommandContext& c) {
    Mandate* mandate = mandate_of(c);
    if (!mandate) return;
    const std::string remark = mandate->get_remark();
    const auto dialog = dialogs::InputDialog::one_text_row(
        c.dialog_position, "Enter New Remark", "Current remark:\n" + remark + "\n\nEnter a new remark:", remark);
    if (dialogs::run_modal(*dialog) != QDialog::Accepted) return;
    mandate = mandate_of(c);
    if (!mandate) return;
    mandate->set_remark(dialog->result_std_string(0));
    GCC::RP->add_uid_state(mandate);
    refresh_own_text(c);
}

void change_required_level(const BoxCommandContext& c) {
    if (!mandate_of(c)) return;
    const auto dialog = dialogs::InputDialog::one_choice_row(c.dialog_position, "Enter New Readiness Level",
                                                             level_prompt, ReadinessLevel::get_reqd_level_txt_ptr(),
                                                             level_texts());
    if (dialogs::run_modal(*dialog) != QDialog::Accepted) return;
    Mandate* mandate = mandate_of(c);
    const int level = dialog->result_combo_index(0);
    if (!mandate || level < 0) return;
    ReadinessLevel::set_reqd_level(level);
    GCC::RP->add_uid_state(mandate);
    rebuild();
}

void derive_requirements(const BoxCommandContext& c) {
    Mandate* mandate = mandate_of(c);
    // Offered and done on the same test: something to derive.
    if (!mandate || !some_story_lacks_requirement()) return;
    mandate->auto_add_reqs();
    // The stories gain the new requirements as children, and the mandate
    // every story as a parent.
    NodeList changed = mandate->get_children();
    const NodeList& stories = mandate->get_parents();
    changed.insert(changed.end(), stories.begin(), stories.end());
    changed.push_back(mandate);
    GCC::RP->add_uids_state(changed);
    rebuild();
}

void review_evidence(const BoxCommandContext& c) {
    if (mandate_of(c)) main_window()->show_evidence_review(c.uid(), c.dialog_position);
}

void edit_mandate(const BoxCommandContext& c) {
    Mandate* mandate = mandate_of(c);
    if (!mandate) return;
    std::vector<std::string> prompts{"Edit the remark", "Edit required readiness level:"};
    std::vector<std::string> defaults{mandate->get_remark(), ReadinessLevel::get_reqd_level_txt_ptr()};
    std::vector<std::vector<std::string>> choices{{}, level_texts()};
    const ReferenceRows references(*mandate, prompts, defaults, choices);
    dialogs::InputDialog dialog(c.dialog_position, "Edit the Mandate", prompts, defaults, choices);
    if (dialogs::run_modal(dialog) != QDialog::Accepted) return;
    mandate = mandate_of(c);
    if (!mandate) return;
    bool changed = false;
    bool structural = false;
    if (const std::string remark = dialog.result_std_string(0); remark != mandate->get_remark()) {
        mandate->set_remark(remark);
        changed = true;
    }
    if (const int level = dialog.result_combo_index(1); level >= 0 && level != ReadinessLevel::get_reqd_level()) {
        ReadinessLevel::set_reqd_level(level);
        changed = structural = true;
    }
    references.write_back(*mandate, dialog);
    boxes::conditional_update(c, changed, structural, {mandate});
}

}  // namespace

void install_mandate_commands() {
    boxes::install_kind_commands(page_geometry::NodeKind::Mandate,
                                 {[](QMenu& menu, const BoxCommandContext& context, Node&) {
                                      add_command(menu, caption::man_change_remark, context, change_remark);
                                      add_command(menu, caption::man_change_level, context, change_required_level);
                                      if (some_story_lacks_requirement())
                                          add_command(menu, caption::man_derive_reqs, context, derive_requirements);
                                      add_command(menu, caption::man_review_evidence, context, review_evidence);
                                  },
                                  edit_mandate});
}

}  // namespace kinds
