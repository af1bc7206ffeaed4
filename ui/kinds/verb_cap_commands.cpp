#include "ui/kinds/verb_cap_commands.h"

#include <QDialog>
#include <optional>
#include <string>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "ui/boxes/box_commands.h"
#include "ui/boxes/box_menu.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/kinds/kind_rebuild.h"
#include "ui/theme/captions.h"

namespace kinds {
namespace {

namespace caption = gcm::box;

// The phrased object of the context now, or null when it is gone.
VerbCapBase* phrased(const BoxCommandContext& context) {
    Node* node = context.node();
    if (!node || !takes_phrase_commands(*node)) return nullptr;
    return static_cast<VerbCapBase*>(node);
}

// Asks for one text; the answer, or nothing when cancelled.
std::optional<std::string> ask_text(const BoxCommandContext& context, const std::string& title,
                                    const std::string& prompt, const std::string& preset) {
    auto dialog = dialogs::InputDialog::one_text_row(context.dialog_position, title, prompt, preset);
    if (dialogs::run_modal(*dialog) != QDialog::Accepted) return std::nullopt;
    return dialog->result_std_string(0);
}

void change_subject(const BoxCommandContext& context) {
    VerbCapBase* object = phrased(context);
    if (!object) return;
    const std::string_view why = object->is_evd() ? caption::evd_change_subject.ttt : caption::vcb_change_subject.ttt;
    const std::string subject = object->get_subject();
    const auto answer =
        ask_text(context, "Enter New Subject",
                 "Current subject: " + subject + "\n" + std::string(why) + "\n\nEnter a new subject:", subject);
    if (!answer || !(object = phrased(context))) return;
    // Collected before the change: afterwards an evidence no longer shares
    // the subject it left.
    const NodeList impacted = object->get_impacted_by_subject_change();
    object->set_subject(*answer, object->is_evd());
    record_and_rebuild(impacted);
}

void change_verb(const BoxCommandContext& context) {
    VerbCapBase* object = phrased(context);
    if (!object) return;
    const std::string verb = object->get_verb_cap()->get_verb();
    const auto answer = ask_text(context, "Enter New Verb", "Current verb: " + verb + "\n\nEnter a new verb:", verb);
    if (!answer || !(object = phrased(context))) return;
    object->change_verb(*answer);
    record_and_rebuild(object->get_impacted_by_vc_change());
}

void change_capability(const BoxCommandContext& context) {
    VerbCapBase* object = phrased(context);
    if (!object) return;
    const std::string capability = object->get_verb_cap()->get_capability();
    const auto answer = ask_text(context, "Enter New Capability",
                                 "Current capability: " + capability + "\n\nEnter a new capability:", capability);
    if (!answer || !(object = phrased(context))) return;
    object->change_capability(*answer);
    record_and_rebuild(object->get_impacted_by_vc_change());
}

}  // namespace

bool takes_phrase_commands(const Node& node) {
    if (node.is_req()) return !static_cast<const Requirement&>(node).is_int();
    return node.is_usy() || node.is_evd();
}

void add_verb_cap_items(QMenu& menu, const BoxCommandContext& context, Node& node) {
    if (!takes_phrase_commands(node)) return;
    const gcm::Caption subject{caption::vcb_change_subject.txt,
                               node.is_evd() ? caption::evd_change_subject.ttt : caption::vcb_change_subject.ttt};
    boxes::add_item(menu, subject, [context] { change_subject(context); });
    boxes::add_item(menu, caption::vcb_change_verb, [context] { change_verb(context); });
    boxes::add_item(menu, caption::vcb_change_capability, [context] { change_capability(context); });
}

}  // namespace kinds
