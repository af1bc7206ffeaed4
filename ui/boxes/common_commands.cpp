#include "ui/boxes/common_commands.h"

#include <QDialog>
#include <QGraphicsScene>
#include <QMenu>
#include <algorithm>

#include "core/constants/gcc.h"
#include "core/model/deletion_dry_run.h"
#include "core/model/deletion_record.h"
#include "core/model/project.h"
#include "ui/boxes/box_commands.h"
#include "ui/boxes/box_menu.h"
#include "ui/boxes/delete_warning.h"
#include "ui/boxes/object_box.h"
#include "ui/boxes/reference_commands.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/dialogs/input_text_box_dialog.h"
#include "ui/glue/screen_placement.h"
#include "ui/glue/text_conversion.h"
#include "ui/glue/text_measure.h"
#include "ui/main_window/main_window_services.h"
#include "ui/theme/captions.h"
#include "ui/theme/fonts.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/message_box.h"

namespace boxes {
namespace {

namespace caption = gcm::box;

bool contains(const std::vector<std::string>& uids, const std::string& uid) {
    return std::find(uids.begin(), uids.end(), uid) != uids.end();
}

void copy_object(const BoxCommandContext& c) {
    if (Node* node = c.node()) node->copy_uid();
}

void paste_object(const BoxCommandContext& c) {
    Node* node = c.node();
    MainWindowServices* window = main_window();
    // The model records the undo state of what it pasted.
    if (!node || !node->paste_uid()) return;
    window->request_tree_rebuild();
    window->request_page_rebuild(true);
}

// Selecting through a box is an undoable step of the project (the tree's own
// clicks are not). Selecting what is selected, or deselecting what is not,
// changes nothing and records nothing.
void change_selection(const BoxCommandContext& c, bool select) {
    Node* node = c.node();
    MainWindowServices* window = main_window();
    if (!node || contains(window->selected_uids(), c.uid()) == select) return;
    auto chosen = GCC::RP->get_sel_uids();
    if (select) {
        window->add_to_selection(c.uid());
        chosen.insert(c.uid());
    } else {
        window->deselect_uid(c.uid());
        chosen.erase(c.uid());
    }
    GCC::RP->set_sel_uid_set(std::move(chosen));
    GCC::RP->add_uid_state(GCC::RP);
    window->update_undo_redo_buttons();
    window->request_page_rebuild(true);
}

void select_in_tree(const BoxCommandContext& c) { change_selection(c, true); }
void deselect_in_tree(const BoxCommandContext& c) { change_selection(c, false); }

void delete_object(const BoxCommandContext& c) {
    Node* node = c.node();
    if (!node) return;
    if (node->is_prj()) {
        toolkit::show_error(QStringLiteral("Never delete a Project Node."));
        return;
    }
    // Asked whenever the deletion takes anything along.
    const std::string warning = delete_warning_text(dry_run_deletion(*node));
    if (!warning.empty() && toolkit::show_warning(glue::to_ui(warning)) != toolkit::Answer::Ok) return;
    node = c.node();
    if (!node) return;

    MainWindowServices* window = main_window();
    Project& project = *GCC::RP;
    const std::vector<std::string> selected = window->selected_uids();
    DeletionRecord record;
    delete node;
    if (c.box) c.box->setVisible(false);
    // The selection keeps what survived.
    for (const std::string& uid : selected)
        if (!project._get_pointer_to_node_with_uid(uid)) window->deselect_uid(uid);
    auto chosen = project.get_sel_uids();
    std::erase_if(chosen, [&](const std::string& uid) { return !project._get_pointer_to_node_with_uid(uid); });
    project.set_sel_uid_set(std::move(chosen));
    project.add_deletion_state(record);
    window->request_tree_rebuild();
    window->request_page_rebuild(true);
}

void edit_tooltip(const BoxCommandContext& c) {
    Node* node = c.node();
    if (!node) return;
    const QString label = QStringLiteral("Modify the text that appears when hovering the mouse over the object:");
    QString measured = label;
    const int f = gcm::app_font_height();
    const int width = std::max(glue::text_width(measured, gcm::app_font(), 0), glue::screen_size(0.3, 0.0).width()) + 4 * f;
    dialogs::InputTextBoxDialog dialog(QStringLiteral("Modify ToolTip Text").toStdString(), glue::to_model(label),
                                       node->get_tooltip_txt(), c.dialog_position, false, width, 15 * f);
    if (dialogs::run_modal(dialog) != QDialog::Accepted) return;
    node = c.node();
    if (!node) return;
    // An empty text brings back the default tooltip.
    std::string text = dialog.result_text();
    std::erase(text, '\r');
    if (text.empty()) text = GCC::default_ttt;
    if (text == node->get_tooltip_txt()) return;
    node->set_tooltip_txt(text);
    GCC::RP->add_uid_state(node);
    MainWindowServices* window = main_window();
    window->set_saved(false);
    window->update_undo_redo_buttons();
    refill_boxes(c);
}

void show_related_objects(const BoxCommandContext& c) {
    if (c.node()) main_window()->show_related_objects(c.uid(), c.dialog_position);
}

// The alternatives of a stacked box that still exist, in the stack's order.
std::vector<Node*> live_alternatives(const BoxCommandContext& c) {
    std::vector<Node*> alternatives;
    for (const std::string& uid : c.description.alternatives)
        if (Node* n = resolve(uid)) alternatives.push_back(n);
    return alternatives;
}

// The option shown on a stack is chosen among the stack's options; the one
// on top (entry 0) is preset, and choosing it changes nothing.
void choose_shown_option(const BoxCommandContext& c, const std::vector<Node*>& options) {
    std::vector<std::string> texts;
    std::vector<std::string> uids;
    for (const Node* o : options) {
        texts.push_back(o->get_short_txt(0));
        uids.push_back(o->get_uid());
    }
    const std::string& top = c.description.alternatives.front();
    const auto preset = std::find(uids.begin(), uids.end(), top);
    const auto dialog = dialogs::InputDialog::one_choice_row(c.dialog_position, "Select Shown Option",
                                                             "Select which Option must be shown:", texts.front(), texts);
    dialog->combo_box(0)->set_selected_index(preset == uids.end() ? 0 : static_cast<int>(preset - uids.begin()));
    if (dialogs::run_modal(*dialog) != QDialog::Accepted) return;
    const int chosen = dialog->result_combo_index(0);
    if (chosen < 0 || chosen >= static_cast<int>(uids.size()) || uids[static_cast<size_t>(chosen)] == top) return;
    if (!c.node() || !resolve(uids[static_cast<size_t>(chosen)])) return;
    auto& shown = GCC::RP->get_shown_uids();
    for (const std::string& uid : uids) shown.erase(uid);
    shown.insert(uids[static_cast<size_t>(chosen)]);
    GCC::RP->add_uid_state(GCC::RP);
    main_window()->request_tree_rebuild();
    main_window()->request_page_rebuild(true);
}

void hide_or_show(const BoxCommandContext& c) {
    if (!c.node() || c.description.alternatives.empty()) return;
    const std::vector<Node*> alternatives = live_alternatives(c);
    if (alternatives.size() < 2) return;
    if (c.description.kind == page_geometry::NodeKind::Option) {
        choose_shown_option(c, alternatives);
        return;
    }
    std::vector<std::string> uids;
    for (const Node* n : alternatives) uids.push_back(n->get_uid());
    main_window()->show_hide_nodes(uids, c.dialog_position);
}

}  // namespace

void add_common_items(QMenu& menu, const BoxCommandContext& context, Node& node) {
    const auto item = [&menu, &context](const gcm::Caption& text, void (*command)(const BoxCommandContext&)) {
        add_item(menu, text, [context, command] { command(context); });
    };
    add_separator(menu);
    if (GCC::RP && !GCC::RP->get_references().empty()) item(caption::link_reference, link_reference);
    item(caption::add_reference, add_reference);
    if (!references_of(node).empty()) {
        item(caption::open_reference, open_reference);
        item(caption::edit_references, edit_references);
        item(caption::remove_reference, remove_reference);
    }
    add_separator(menu);
    item(caption::copy_uid, copy_object);
    item(caption::paste_uid, paste_object);
    item(caption::select_obj, select_in_tree);
    item(caption::deselect_obj, deselect_in_tree);
    if (!node.is_prj()) item(caption::delete_obj, delete_object);
    item(caption::modify_tooltip, edit_tooltip);
    item(caption::show_related, show_related_objects);
    if (context.description.hide_show_command) {
        add_separator(menu);
        item(caption::hide_show_nodes, hide_or_show);
    }
}

void conditional_update(const BoxCommandContext& context, bool changed, bool structural, const NodeList& nodes) {
    if (!context.node() || (!changed && !structural)) return;
    GCC::RP->add_uids_state(nodes);
    main_window()->request_tree_rebuild();
    if (structural)
        main_window()->request_page_rebuild(true);
    else
        refill_boxes(context);
}

void refill_boxes(const BoxCommandContext& context) {
    // The page was drawn anew while the command ran, from the object as it
    // was then: only another drawing shows the change.
    if (!context.box || !context.box->scene()) {
        if (MainWindowServices* window = main_window()) window->request_page_rebuild(true);
        return;
    }
    for (QGraphicsItem* item : context.box->scene()->items())
        if (item->type() == ObjectBox::Type) {
            auto* box = static_cast<ObjectBox*>(item);
            if (box->uid() == context.uid()) box->fill_content_box();
        }
}

}  // namespace boxes
