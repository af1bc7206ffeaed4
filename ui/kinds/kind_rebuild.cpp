#include "ui/kinds/kind_rebuild.h"

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "ui/main_window/main_window_services.h"

namespace kinds {

void record_and_rebuild(const NodeList& touched) {
    if (GCC::RP) GCC::RP->add_uids_state(touched);
    rebuild();
}

void rebuild() {
    MainWindowServices* window = main_window();
    if (!window) return;
    window->request_tree_rebuild();
    window->request_page_rebuild(true);
    window->update_undo_redo_buttons();
}

}  // namespace kinds
