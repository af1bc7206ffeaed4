#include "ui/dialogs/reference_editor.h"

#include <QDialog>
#include <string>

#include "core/reference/reference.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/theme/captions.h"
#include "ui/toolkit/message_box.h"

namespace dialogs {

bool edit_reference(const QPoint& pos, Reference* reference) {
    if (!reference) return false;
    const auto text = [](std::string_view view) { return std::string(view); };
    InputDialog dialog(pos, "Define Reference",
                       {text(gcm::box::reference_name_prompt), text(gcm::box::reference_descr_prompt),
                        text(gcm::box::reference_link_prompt), text(gcm::box::reference_type_prompt)},
                       {reference->name(), reference->description(), reference->link(), reference->type()},
                       {{}, {}, {}, Reference::possible_types()});
    if (run_modal(dialog) != QDialog::Accepted) return false;

    const std::string name = dialog.result_std_string(0);
    const std::string description = dialog.result_std_string(1);
    const std::string link = dialog.result_std_string(2);
    const std::string type = dialog.result_std_string(3);
    if (name.empty() && description.empty() && link.empty()) {
        toolkit::show_info(QStringLiteral("Empty inpits are invalid for References."));
        return false;
    }
    if (name == reference->name() && description == reference->description() && link == reference->link() &&
        type == reference->type())
        return false;
    reference->set_name(name);
    reference->set_description(description);
    reference->set_link(link);
    reference->set_type(type);
    return true;
}

}  // namespace dialogs
