#include "ui/tables/table_commands.h"

#include "core/constants/gcc.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/main_window/main_window.h"
#include "ui/tables/parameter_window.h"
#include "ui/tables/references_window.h"

namespace tables {

void install_table_commands(MainWindow& window) {
    window.install_command(Command::CustomizeParameters, [&window] { show_parameter_window(&window); });
    window.install_command(Command::References, [&window] { show_references_window(&window); });
}

void show_parameter_window(QWidget* parent) {
    if (!GCC::RP) return;
    ParameterWindow window(parent);
    dialogs::run_modal(window);
    MainWindowServices* main = main_window();
    if (!main) return;
    if (window.stepped()) {
        main->request_rebuild_after_undo_or_redo();
    } else if (window.changed_table()) {
        // Names, symbols and factors show in the objects' texts.
        main->request_tree_rebuild();
        main->request_page_rebuild(true);
    }
    main->update_undo_redo_buttons();
}

void show_references_window(QWidget* parent) {
    if (!GCC::RP) return;
    ReferencesWindow window(parent);
    dialogs::run_modal(window);
    MainWindowServices* main = main_window();
    if (!main) return;
    if (window.stepped()) main->request_rebuild_after_undo_or_redo();
    main->update_undo_redo_buttons();
}

}  // namespace tables
