#include "ui/kinds/argument_child_links.h"

#include <QDialog>
#include <functional>

#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/deletion_record.h"
#include "core/model/evidence.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "ui/boxes/box_commands.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/glue/text_conversion.h"
#include "ui/kinds/arg_evd_support.h"
#include "ui/kinds/kind_rebuild.h"
#include "ui/toolkit/message_box.h"

namespace kinds {
namespace {

using Children = std::vector<VerbCapParamBase*>;

template <class T>
Children as_children(const std::vector<T*>& objects) {
    return Children(objects.begin(), objects.end());
}

// The texts and model calls of one kind of child, requirement or evidence.
struct ChildKind {
    const char* link_handler;
    const char* unlink_handler;
    const char* no_candidates;
    const char* link_title;
    const char* link_prompt;
    const char* nothing_to_unlink;
    const char* unlink_title;
    const char* unlink_prompt;
    const char* last_parent_warning;
    std::function<Children(const Argument&)> candidates;
    std::function<Children(const Argument&)> children;
    std::function<void(Argument&, VerbCapParamBase&)> link;
};

const ChildKind requirements{
    "MenuItemLinkToExistReq_Click",
    "MenuItemUnlinkChildReq_Click",
    "No candidate Requirements available.\n\nCandidate Requirements are children of the\nparent Option or parent "
    "Mandate.\nAlready linked Requirements are excluded.\n\nPlease define candidate Requirements.",
    "Link existing Requirement",
    "Select which Requirement must\nbe linked to this Argument:",
    "No Requirements to be unlinked available.\n\nPlease add Requirements.",
    "Unlink Child Requirement",
    "Select which Requirement must\nbe unlinked from this Argument:",
    "This action will permanently delete the.\nchild Requirement and all its unique children.\n\nThis is the case "
    "bacause this Argument is the\nonly parent if the selected child Requirement.\nCancel and add other parent "
    "Arguments to the\nRequirement first to prevent permanent deletion.\n\nPress OK to delete the child "
    "Requirement.\nPress Cancel to cancel the unlinking.",
    [](const Argument& a) { return as_children(a.get_potential_child_requirements()); },
    [](const Argument& a) { return as_children(a.get_child_requirements()); },
    [](Argument& a, VerbCapParamBase& r) { a.link_existing_requirement(static_cast<Requirement*>(&r)); },
};

const ChildKind evidences{
    "MenuItemLinkToExistEv_Click",
    "MenuItemUnlinkChildEv_Click",
    "No candidate Evidences available.\n\nCandidate Evidences are children of the\nparent Option or parent "
    "Mandate.\nAlready linked Evidence are excluded.\n\nPlease define candidate Evidences.",
    "Link existing Evidence",
    "Select which Evidence must\nbe linked to this Argument:",
    "No Evidence to be unlinked available.\n\nPlease add Evidence objects.",
    "Unlink Child Evidence",
    "Select which Evidence must\nbe unlinked from this Argument:",
    "This action will permanently delete the.\nchild Evidence and all its unique children.\n\nThis is the case "
    "bacause this Argument is the\nonly parent if the selected child Evidence.\nCancel and add other parent "
    "Arguments to the\nEvidence first to prevent permanent deletion.\n\nPress OK to delete the child "
    "Evidence.\nPress Cancel to cancel the unlinking.",
    [](const Argument& a) { return as_children(a.get_potential_child_evidences()); },
    [](const Argument& a) { return as_children(a.get_child_evidences()); },
    [](Argument& a, VerbCapParamBase& e) { a.link_existing_evidence(static_cast<Evidence*>(&e)); },
};

Argument* argument_or_report(const BoxCommandContext& c, const char* handler) {
    Argument* argument = argument_of(c);
    if (!argument) toolkit::show_error(QStringLiteral("object missing in ") + QString::fromLatin1(handler));
    return argument;
}

// One of the objects, chosen by its short text with its subject; its uid, or
// "" when cancelled. The dialog's own event loop may change the project, so
// the caller resolves the uid again.
std::string choose(const BoxCommandContext& c, const char* title, const char* prompt, const Children& objects) {
    std::vector<std::string> texts;
    std::vector<std::string> uids;
    for (const VerbCapParamBase* o : objects) {
        texts.push_back(o->get_short_txt(0, true));
        uids.push_back(o->get_uid());
    }
    const auto dialog = dialogs::InputDialog::one_choice_row(c.dialog_position, title, prompt, "", texts);
    if (dialogs::run_modal(*dialog) != QDialog::Accepted) return {};
    const int chosen = dialog->result_combo_index(0);
    if (chosen < 0 || chosen >= static_cast<int>(uids.size())) return {};
    return uids[static_cast<size_t>(chosen)];
}

VerbCapParamBase* child_with_uid(const Children& objects, const std::string& uid) {
    for (VerbCapParamBase* o : objects)
        if (o->get_uid() == uid) return o;
    return nullptr;
}

void link_child(const BoxCommandContext& c, const ChildKind& kind) {
    const Argument* argument = argument_or_report(c, kind.link_handler);
    if (!argument) return;
    const Children candidates = kind.candidates(*argument);
    if (candidates.empty()) {
        toolkit::show_info(glue::to_ui(kind.no_candidates));
        return;
    }
    const std::string uid = choose(c, kind.link_title, kind.link_prompt, candidates);
    Argument* now = argument_of(c);
    if (uid.empty() || !now) return;
    VerbCapParamBase* child = child_with_uid(kind.candidates(*now), uid);
    if (!child) return;
    kind.link(*now, *child);
    GCC::RP->add_uids_state({child, now});
    rebuild();
}

void unlink_child(const BoxCommandContext& c, const ChildKind& kind) {
    const Argument* argument = argument_or_report(c, kind.unlink_handler);
    if (!argument) return;
    const Children children = kind.children(*argument);
    if (children.empty()) {
        toolkit::show_info(glue::to_ui(kind.nothing_to_unlink));
        return;
    }
    const std::string uid = choose(c, kind.unlink_title, kind.unlink_prompt, children);
    Argument* now = argument_of(c);
    VerbCapParamBase* child = now && !uid.empty() ? child_with_uid(kind.children(*now), uid) : nullptr;
    if (!child) return;
    if (child->get_parents().size() == 1) {
        if (toolkit::show_warning(glue::to_ui(kind.last_parent_warning)) != toolkit::Answer::Ok) return;
        now = argument_of(c);
        child = now ? child_with_uid(kind.children(*now), uid) : nullptr;
        if (!child) return;
    }
    // The child deletes itself with its unique descendants when it loses its last parent.
    DeletionRecord record;
    now->remove_child(child, true);
    GCC::RP->add_deletion_state(record);
    rebuild();
}

}  // namespace

void link_requirement(const BoxCommandContext& context) { link_child(context, requirements); }
void unlink_requirement(const BoxCommandContext& context) { unlink_child(context, requirements); }
void link_evidence(const BoxCommandContext& context) { link_child(context, evidences); }
void unlink_evidence(const BoxCommandContext& context) { unlink_child(context, evidences); }

}  // namespace kinds
