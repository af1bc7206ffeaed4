#include "ui/kinds/user_story_box_commands.h"

#include <QDialog>
#include <QMenu>

#include "core/constants/gcc.h"
#include "core/model/mandate.h"
#include "core/model/project.h"
#include "core/model/readiness_level.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/quantity/parameter.h"
#include "core/text/sentences.h"
#include "ui/boxes/box_commands.h"
#include "ui/boxes/box_menu.h"
#include "ui/boxes/common_commands.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/kinds/goal_rows.h"
#include "ui/kinds/kind_command_support.h"
#include "ui/kinds/kind_rebuild.h"
#include "ui/kinds/verb_cap_commands.h"
#include "ui/theme/captions.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/message_box.h"

namespace kinds {
namespace {

namespace caption = gcm::box;

const std::string add_mandate_first = "Please Add a Mandate first.";

UserStory* story_of(const BoxCommandContext& c) {
    Node* node = c.node();
    return node && node->is_usy() ? static_cast<UserStory*>(node) : nullptr;
}

// The mandate to derive the story's requirement below, when deriving would
// make one: the story has the mandate, and neither the story nor the mandate
// holds a requirement with the story's verb and capability. The menu offers
// the item, and the command acts, on this one test.
Mandate* mandate_to_derive_below(const UserStory& story) {
    Mandate* mandate = story.get_child_mandate();
    if (!mandate || story.has_derived_requirement()) return nullptr;
    for (const Requirement* r : mandate->get_child_requirements())
        if (r->get_verb_cap() == story.get_verb_cap()) return nullptr;
    return mandate;
}

// The prompt of the verb row of the requirement and goal dialogs.
std::string verb_prompt(const UserStory& story) {
    return MyStrF::_addArticle(story.get_subject(), false) + " must <verb> <capability>\n\n" +
           std::string(caption::define_verb_text);
}

// The story's mandate, or null after telling the user that it needs one.
Mandate* mandate_or_tell(const UserStory& story) {
    Mandate* mandate = story.get_child_mandate();
    if (!mandate) toolkit::show_info(QString::fromStdString(add_mandate_first));
    return mandate;
}

void edit_description(const BoxCommandContext& c) {
    UserStory* story = story_of(c);
    if (!story) return;
    const std::string description = story->get_description();
    const auto dialog = dialogs::InputDialog::one_text_row(
        c.dialog_position, "Enter New Description",
        "Current description: " + description + "\n\nEnter a new description:", description);
    if (dialogs::run_modal(*dialog) != QDialog::Accepted) return;
    story = story_of(c);
    if (!story) return;
    story->set_description(dialog->result_std_string(0));
    GCC::RP->add_uid_state(story);
    refresh_own_text(c);
}

void add_mandate(const BoxCommandContext& c) {
    if (!story_of(c)) return;
    const auto& levels = ReadinessLevel::get_levels();
    const std::string derive_now = "Automatically derive Requirements";
    dialogs::InputDialog dialog(
        c.dialog_position, "Define New Mandate",
        {"Define the required readiness level:", "Define the remark:", "Create Requirements based on User Stories."},
        {ReadinessLevel::get_reqd_level_txt_ptr(), "", derive_now},
        {{levels.begin(), levels.end()}, {}, {derive_now, "Create derived Requirements later"}});
    if (dialogs::run_modal(dialog) != QDialog::Accepted) return;
    UserStory* story = story_of(c);
    const int level = dialog.result_combo_index(0);
    if (!story || level < 0) return;
    story->add_mandate(dialog.result_std_string(1), level, dialog.result_combo_index(2) == 0);
    rebuild();
}

void derive_requirement(const BoxCommandContext& c) {
    UserStory* story = story_of(c);
    Mandate* mandate = story ? mandate_to_derive_below(*story) : nullptr;
    if (!mandate) return;
    mandate->add_f_requirement(story, true);
    rebuild();
}

void define_requirement(const BoxCommandContext& c) {
    UserStory* story = story_of(c);
    if (!story || !mandate_or_tell(*story)) return;
    const std::string verb = story->get_verb_cap()->get_verb();
    const std::string capability = story->get_verb_cap()->get_capability();
    dialogs::InputDialog dialog(
        c.dialog_position, "Add a Requirement",
        {verb_prompt(*story), std::string(caption::define_cap_text), std::string(caption::define_quant_text)},
        {verb, capability, ""}, {{}, {}, {}}, dialogs::QuantitySeed{0, 0.0, 0, 3});
    if (dialogs::run_modal(dialog) != QDialog::Accepted) return;
    story = story_of(c);
    if (!story || !dialog.par()) return;
    Mandate* mandate = mandate_or_tell(*story);
    if (!mandate) return;
    const Parameter& quantity = *dialog.par();
    mandate->add_q_requirement(dialog.result_std_string(0), dialog.result_std_string(1), quantity.get_type_int(),
                               quantity.get_value(), quantity.get_unit_int(), quantity.get_target_int(), 100);
    rebuild();
}

void define_goal(const BoxCommandContext& c) {
    UserStory* story = story_of(c);
    if (!story || !mandate_or_tell(*story)) return;
    const GoalProperties properties = goal_properties();
    if (properties.names.empty()) return;
    const std::string minimize = "Minimize";
    dialogs::InputDialog dialog(c.dialog_position, "Define a Goal",
                                {verb_prompt(*story), std::string(caption::define_cap_text), "Select a Property:",
                                 "Minimize or Maximize the Property:", "Importance (0-100): "},
                                {story->get_verb_cap()->get_verb(), story->get_verb_cap()->get_capability(),
                                 properties.names.front(), minimize, "100"},
                                {{}, {}, properties.names, {minimize, "Maximize"}, {}});
    // The first property is chosen by its entry, not by its name, which a
    // custom type may share.
    dialog.combo_box(2)->set_selected_index(0);
    if (dialogs::run_modal(dialog) != QDialog::Accepted) return;
    story = story_of(c);
    if (!story) return;
    Mandate* mandate = mandate_or_tell(*story);
    if (!mandate) return;
    const uint16_t target = dialog.result_combo_index(3) == 1 ? 6 : 0;
    mandate->add_q_requirement(dialog.result_std_string(0), dialog.result_std_string(1),
                               properties.type_of(dialog.result_combo_index(2)), 0.0, 0, target,
                               goal_weight_from_answer(dialog.result_int(4)));
    rebuild();
}

void edit_story(const BoxCommandContext& c) {
    UserStory* story = story_of(c);
    if (!story) return;
    std::vector<std::string> prompts{"Edit the subject:", "Edit the verb:", "Edit the capability:",
                                     "Edit the description:"};
    std::vector<std::string> defaults{story->get_subject(), story->get_verb_cap()->get_verb(),
                                      story->get_verb_cap()->get_capability(), story->get_description()};
    std::vector<std::vector<std::string>> choices(4);
    const ReferenceRows references(*story, prompts, defaults, choices);
    dialogs::InputDialog dialog(c.dialog_position, "Edit the User Story", prompts, defaults, choices);
    if (dialogs::run_modal(dialog) != QDialog::Accepted) return;
    story = story_of(c);
    if (!story) return;

    NodeList changed_nodes{story};
    const auto join = [&changed_nodes](const NodeList& nodes) {
        changed_nodes.insert(changed_nodes.end(), nodes.begin(), nodes.end());
    };
    bool changed = false;
    bool structural = false;
    if (const std::string subject = dialog.result_std_string(0); subject != story->get_subject()) {
        join(story->get_impacted_by_subject_change());
        story->set_subject(subject, false);
        changed = structural = true;
    }
    const std::string verb = dialog.result_std_string(1);
    const std::string capability = dialog.result_std_string(2);
    const bool new_verb = verb != story->get_verb_cap()->get_verb();
    const bool new_capability = capability != story->get_verb_cap()->get_capability();
    if (new_verb) story->change_verb(verb);
    if (new_capability) story->change_capability(capability);
    if (new_verb || new_capability) {
        // Every sharer of the pair changed with it.
        join(story->get_impacted_by_vc_change());
        changed = structural = true;
    }
    if (const std::string description = dialog.result_std_string(3); description != story->get_description()) {
        story->set_description(description);
        changed = true;
    }
    references.write_back(*story, dialog);
    boxes::conditional_update(c, changed, structural, changed_nodes);
}

void add_items(QMenu& menu, const BoxCommandContext& context, Node& node) {
    const auto& story = static_cast<const UserStory&>(node);
    add_verb_cap_items(menu, context, node);
    add_command(menu, caption::usy_edit_description, context, edit_description);
    boxes::add_separator(menu);
    if (!story.get_child_mandate()) {
        add_command(menu, caption::usy_add_mandate, context, add_mandate);
        return;
    }
    if (mandate_to_derive_below(story)) add_command(menu, caption::usy_derive_req, context, derive_requirement);
    add_command(menu, caption::usy_define_req, context, define_requirement);
    add_command(menu, caption::usy_define_goal, context, define_goal);
}

}  // namespace

void install_user_story_commands() {
    boxes::install_kind_commands(page_geometry::NodeKind::UserStory, {add_items, edit_story});
}

}  // namespace kinds
