#include "ui/kinds/project_box_commands.h"

#include <QDialog>
#include <QMenu>

#include "core/model/mandate.h"
#include "core/model/project.h"
#include "core/model/user_story.h"
#include "ui/boxes/box_commands.h"
#include "ui/boxes/box_menu.h"
#include "ui/boxes/common_commands.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/kinds/kind_command_support.h"
#include "ui/kinds/kind_rebuild.h"
#include "ui/theme/captions.h"

namespace kinds {
namespace {

namespace caption = gcm::box;

Project* project_of(const BoxCommandContext& c) {
    Node* node = c.node();
    return node && node->is_prj() ? static_cast<Project*>(node) : nullptr;
}

void change_name(const BoxCommandContext& c) {
    Project* project = project_of(c);
    if (!project) return;
    const std::string name = project->get_name();
    const auto dialog = dialogs::InputDialog::one_text_row(
        c.dialog_position, "Enter New Name", "Current name: " + name + "\n\nEnter a new name:", name);
    if (dialogs::run_modal(*dialog) != QDialog::Accepted) return;
    project = project_of(c);
    const std::string answer = dialog->result_std_string(0);
    if (!project || answer == project->get_name()) return;
    project->set_name(answer);
    project->add_uid_state(project);
    refresh_own_text(c);
}

void change_description(const BoxCommandContext& c) {
    Project* project = project_of(c);
    if (!project) return;
    const std::string description = project->get_description();
    const auto dialog = dialogs::InputDialog::one_text_row(
        c.dialog_position, "Enter New Description",
        "Current description: " + description + "\n\nEnter a new description:", description);
    if (dialogs::run_modal(*dialog) != QDialog::Accepted) return;
    project = project_of(c);
    const std::string answer = dialog->result_std_string(0);
    if (!project || answer == project->get_description()) return;
    project->set_description(answer);
    project->add_uid_state(project);
    refresh_own_text(c);
}

void add_user_story(const BoxCommandContext& c) {
    Project* project = project_of(c);
    if (!project) return;
    const std::vector<UserStory*> stories = project->get_child_user_stories();
    const bool has_mandate = project->get_mandate() != nullptr;
    const std::string derive_now = "Automatically derive Requirement";
    std::vector<std::string> prompts{
        "A <subject> is needed that can <verb> <capability>.\n\nDefine the subject:",
        std::string(caption::define_verb_text), std::string(caption::define_cap_text),
        std::string(caption::define_descr_text)};
    std::vector<std::string> defaults{stories.empty() ? std::string(caption::default_subject)
                                                      : stories.front()->get_subject(),
                                      std::string(caption::default_verb), std::string(caption::default_cap),
                                      std::string(caption::default_descr)};
    std::vector<std::vector<std::string>> choices(4);
    if (has_mandate) {
        prompts.push_back("Derive Requirement from User Story");
        defaults.push_back(derive_now);
        choices.push_back({derive_now, "Create derived Requirement later"});
    }
    dialogs::InputDialog dialog(c.dialog_position, "Define New User Story", prompts, defaults, choices);
    if (dialogs::run_modal(dialog) != QDialog::Accepted) return;
    project = project_of(c);
    if (!project) return;
    // The mandate is asked again: it may have gone while the dialog was open.
    const bool derive = has_mandate && project->get_mandate() && dialog.result_combo_index(4) == 0;
    project->add_user_story(dialog.result_std_string(1), dialog.result_std_string(2), dialog.result_std_string(0),
                            dialog.result_std_string(3), derive);
    rebuild();
}

void edit_project(const BoxCommandContext& c) {
    Project* project = project_of(c);
    if (!project) return;
    std::vector<std::string> prompts{"Edit the name:", "Edit the description:"};
    std::vector<std::string> defaults{project->get_name(), project->get_description()};
    std::vector<std::vector<std::string>> choices(2);
    const ReferenceRows references(*project, prompts, defaults, choices);
    dialogs::InputDialog dialog(c.dialog_position, "Edit the Project", prompts, defaults, choices);
    if (dialogs::run_modal(dialog) != QDialog::Accepted) return;
    project = project_of(c);
    if (!project) return;
    bool changed = false;
    if (const std::string name = dialog.result_std_string(0); name != project->get_name()) {
        project->set_name(name);
        changed = true;
    }
    if (const std::string description = dialog.result_std_string(1); description != project->get_description()) {
        project->set_description(description);
        changed = true;
    }
    references.write_back(*project, dialog);
    boxes::conditional_update(c, changed, false, {project});
}

}  // namespace

void install_project_commands() {
    boxes::install_kind_commands(page_geometry::NodeKind::Project,
                                 {[](QMenu& menu, const BoxCommandContext& context, Node&) {
                                      add_command(menu, caption::prj_change_name, context, change_name);
                                      add_command(menu, caption::prj_change_description, context, change_description);
                                      add_command(menu, caption::prj_add_user_story, context, add_user_story);
                                  },
                                  edit_project});
}

}  // namespace kinds
