#include "ui/boxes/reference_commands.h"

#include <QDialog>
#include <algorithm>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/reference/reference.h"
#include "ui/boxes/box_commands.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/dialogs/reference_editor.h"
#include "ui/glue/text_conversion.h"
#include "ui/main_window/main_window_services.h"
#include "ui/theme/captions.h"
#include "ui/toolkit/message_box.h"

namespace boxes {
namespace {

void show_error(const std::string& text) { toolkit::show_error(glue::to_ui(text)); }

// One undo state of the project (its table) and the object; nothing is
// rebuilt, since no box shows references.
void record_reference_change(Node& node) {
    GCC::RP->add_uids_state({GCC::RP, &node});
    main_window()->set_saved(false);
    main_window()->update_undo_redo_buttons();
}

Reference* reference_at(const Node& node, size_t position) {
    if (!GCC::RP || position >= node.get_ref_ids().size()) return nullptr;
    return GCC::RP->get_reference(node.get_ref_ids()[position]);
}

}  // namespace

std::vector<size_t> references_of(const Node& node) {
    std::vector<size_t> positions;
    for (size_t i = 0; i < node.get_ref_ids().size(); ++i)
        if (reference_at(node, i)) positions.push_back(i);
    return positions;
}

std::optional<size_t> select_reference_item(const BoxCommandContext& context, const std::string& verb) {
    const Node* node = context.node();
    if (!node) {
        show_error("Unable to " + verb + " a Reference.\nNo objects available.");
        return std::nullopt;
    }
    const std::vector<size_t> positions = references_of(*node);
    if (positions.empty()) {
        show_error("Unable to " + verb + " a Reference.\nNo References available.");
        return std::nullopt;
    }
    if (positions.size() == 1) return positions.front();
    std::vector<std::string> names;
    for (size_t position : positions) names.push_back(reference_at(*node, position)->name());
    const auto dialog = dialogs::InputDialog::one_choice_row(
        context.dialog_position, "Select Reference", "Select the Reference to " + verb + ":", names.front(), names);
    if (dialogs::run_modal(*dialog) != QDialog::Accepted) return std::nullopt;
    const int chosen = dialog->result_combo_index(0);
    // The object may have changed while the dialog was open.
    node = context.node();
    if (!node || chosen < 0 || chosen >= static_cast<int>(positions.size()) ||
        !reference_at(*node, positions[static_cast<size_t>(chosen)]))
        return std::nullopt;
    return positions[static_cast<size_t>(chosen)];
}

Reference* select_reference(const BoxCommandContext& context, const std::string& verb) {
    const std::optional<size_t> position = select_reference_item(context, verb);
    const Node* node = context.node();
    return position && node ? reference_at(*node, *position) : nullptr;
}

Reference* add_reference_inputs(const Node& node, std::vector<std::string>& prompts,
                                std::vector<std::string>& defaults, std::vector<std::vector<std::string>>& choices) {
    const std::vector<size_t> positions = references_of(node);
    if (node.get_ref_ids().size() != 1 || positions.size() != 1) return nullptr;
    Reference* reference = reference_at(node, positions.front());
    const auto text = [](std::string_view view) { return std::string(view); };
    prompts.insert(prompts.end(), {text(gcm::box::reference_name_prompt), text(gcm::box::reference_descr_prompt),
                                   text(gcm::box::reference_link_prompt), text(gcm::box::reference_type_prompt)});
    defaults.insert(defaults.end(), {reference->name(), reference->description(), reference->link(), reference->type()});
    choices.insert(choices.end(), {{}, {}, {}, Reference::possible_types()});
    return reference;
}

void fill_reference_inputs(Node& node, Reference* reference, const std::string& name, const std::string& description,
                           const std::string& link, const std::string& type) {
    if (!reference || !GCC::RP || !main_window()) return;
    if (name == reference->name() && description == reference->description() && link == reference->link() &&
        type == reference->type())
        return;
    reference->set_name(name);
    reference->set_description(description);
    reference->set_link(link);
    reference->set_type(type);
    GCC::RP->add_uids_state({&node, GCC::RP});
    main_window()->set_saved(false);
    main_window()->update_undo_redo_buttons();
}

void open_reference(const BoxCommandContext& context) {
    const Reference* reference = select_reference(context, "open");
    if (!reference) return;
    std::string error;
    if (!reference->open(&error) || !error.empty())
        show_error(error.empty() ? std::string("Unable to open the Reference.") : error);
}

void link_reference(const BoxCommandContext& context) {
    Node* node = context.node();
    if (!node) {
        show_error("Unable to link a Reference.\nNo objects available.");
        return;
    }
    const ReferenceTable& table = GCC::RP->get_references();
    if (table.empty()) {
        show_error("Unable to link a Reference.\nNo References available in the Project.");
        return;
    }
    std::vector<uint64_t> candidates;
    std::vector<std::string> names;
    const auto& held = node->get_ref_ids();
    for (const auto& [id, reference] : table)
        if (std::find(held.begin(), held.end(), id) == held.end()) {
            candidates.push_back(id);
            names.push_back(reference.name());
        }
    if (candidates.empty()) {
        toolkit::show_info(QStringLiteral("Unable to link a Reference.\nAll References already linked."));
        return;
    }
    const auto dialog = dialogs::InputDialog::one_choice_row(context.dialog_position, "Select Reference",
                                                             "Select the Reference to link:",
                                                             table.begin()->second.name(), names);
    if (dialogs::run_modal(*dialog) != QDialog::Accepted) return;
    const int chosen = dialog->result_combo_index(0);
    node = context.node();
    if (!node || chosen < 0 || chosen >= static_cast<int>(candidates.size())) return;
    const uint64_t id = candidates[static_cast<size_t>(chosen)];
    if (!GCC::RP->get_reference(id)) return;
    std::vector<uint64_t> ids = node->get_ref_ids();
    ids.push_back(id);
    node->set_ref_ids(std::move(ids));
    record_reference_change(*node);
}

void add_reference(const BoxCommandContext& context) {
    if (!context.node()) {
        show_error("Unable to add a Reference.\nNo objects available.");
        return;
    }
    Reference draft("", "", "");
    if (!dialogs::edit_reference(context.dialog_position, &draft)) return;
    Node* node = context.node();
    if (!node) return;
    node->add_reference_to_node(draft.name(), draft.description(), draft.link(), draft.type());
    record_reference_change(*node);
}

void edit_references(const BoxCommandContext& context) {
    const std::optional<size_t> position = select_reference_item(context, "edit");
    const Node* chosen_by = context.node();
    if (!position || !chosen_by) return;
    // The dialog edits a copy; the table's entry is found again afterwards.
    const uint64_t id = chosen_by->get_ref_ids()[*position];
    const Reference* chosen = GCC::RP->get_reference(id);
    if (!chosen) return;
    Reference edited = *chosen;
    if (!dialogs::edit_reference(context.dialog_position, &edited)) return;
    Node* node = context.node();
    Reference* reference = node ? GCC::RP->get_reference(id) : nullptr;
    if (!reference) return;
    *reference = edited;
    record_reference_change(*node);
}

void remove_reference(const BoxCommandContext& context) {
    const std::optional<size_t> position = select_reference_item(context, "remove");
    Node* node = context.node();
    if (!position || !node) return;
    node->remove_reference_from_node(*position);
    record_reference_change(*node);
}

}  // namespace boxes
