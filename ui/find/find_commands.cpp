#include "ui/find/find_commands.h"

#include <algorithm>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/quantity/parameter.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/glue/screen_placement.h"
#include "ui/glue/text_conversion.h"
#include "ui/main_window/main_window.h"
#include "ui/toolkit/message_box.h"

namespace find_commands {
namespace {

// Where the find dialogs and windows open: a tenth into the working area.
QPoint find_position() { return glue::screen_pos(0.1, 0.1); }

std::vector<std::string> uids_of(const NodeList& nodes) {
    std::vector<std::string> uids;
    uids.reserve(nodes.size());
    for (const Node* node : nodes) uids.push_back(node->get_uid());
    return uids;
}

void show_and_select(MainWindowServices& window, const std::string& text, const std::vector<std::string>& uids,
                     const std::vector<size_t>& quantity_types) {
    if (window.show_search_results(text, uids, quantity_types, find_position())) window.set_selection(uids);
}

const std::vector<std::string> case_choices{"No Upper or Lower case match", "Upper or Lower case must match"};
const std::vector<std::string> word_choices{"Parts of a word can also match", "String must match whole word"};
const std::vector<std::string> line_choices{"The entire string should match", "At least one word should match"};

}  // namespace

void find_text(MainWindowServices& window) {
    dialogs::InputDialog dialog(find_position(), "Find text",
                                {"Specify the string to find", "Match case", "Match whole word", "Exact line"},
                                {"", case_choices[0], word_choices[0], line_choices[0]},
                                {{}, case_choices, word_choices, line_choices});
    if (dialogs::run_modal(dialog) != QDialog::Accepted || !GCC::RP) return;
    const std::string text = dialog.result_std_string(0);
    const bool match_case = dialog.result_combo_index(1) == 1;
    const bool whole_word = dialog.result_combo_index(2) == 1;
    const bool exact_line = dialog.result_combo_index(3) == 0;

    const NodeList objects = GCC::RP->get_objects_with_string(text, match_case, whole_word, exact_line);
    std::vector<size_t> quantity_types;
    const std::vector<PossPar>& table = Parameter::_possible_par_types;
    for (const PossPar* type : Parameter::get_objects_with_string(text, match_case, whole_word, exact_line))
        quantity_types.push_back(static_cast<size_t>(type - table.data()));
    show_and_select(window, text, uids_of(objects), quantity_types);
}

void find_comments(MainWindowServices& window) {
    if (!GCC::RP) {
        toolkit::show_info(QStringLiteral("No Project found that can contain comments."));
        return;
    }
    std::vector<std::string> commented;
    for (const auto& [uid, node] : GCC::RP->get_nd_map())
        if (node->get_comments_size() > 0) commented.push_back(uid);
    if (commented.empty()) {
        toolkit::show_info(QStringLiteral("No objects with comments found."));
        return;
    }
    show_and_select(window, "Objects with comments", commented, {});
}

void find_uid(MainWindowServices& window) {
    if (!GCC::RP) return;
    std::vector<std::string> uids;
    uids.reserve(GCC::RP->get_nd_map().size());
    for (const auto& [uid, node] : GCC::RP->get_nd_map()) uids.push_back(uid);
    std::sort(uids.begin(), uids.end());
    const QPoint at = find_position();
    const auto dialog = dialogs::InputDialog::one_choice_row(at, "Find object with UID",
                                                             "Select the UID of the object you are looking for:", "", uids);
    if (dialogs::run_modal(*dialog) != QDialog::Accepted) return;
    const std::string uid = dialog->result_std_string(0);
    if (!GCC::RP || !GCC::RP->_get_pointer_to_node_with_uid(uid)) return;
    window.show_related_objects(uid, at);
    window.select_uid(uid);
}

void install(MainWindow& window) {
    window.install_command(Command::Find, [&window] { find_text(window); });
    window.install_command(Command::FindComments, [&window] { find_comments(window); });
    window.install_command(Command::FindUid, [&window] { find_uid(window); });
}

}  // namespace find_commands
