#include "ui/app/assembly.h"

#include "ui/appearance/appearance_editor.h"
#include "ui/find/find_commands.h"
#include "ui/kinds/argument_box_commands.h"
#include "ui/kinds/evidence_box_commands.h"
#include "ui/main_window/main_window.h"
#include "ui/pages/page_painter.h"
#include "ui/picture/picture_commands.h"
#include "ui/tables/table_commands.h"
#include "ui/tree/object_tree.h"
#include "ui/windows/secondary_windows.h"

void assemble_main_window(MainWindow& window) {
    install_object_tree(window);
    pages::install(window);
    find_commands::install(window);
    tables::install_table_commands(window);
    appearance::install(window);
    picture::install(window);
    windows::install(window);
    kinds::install_argument_commands();
    kinds::install_evidence_commands();
}
