#include "ui/app/assembly.h"

#include "ui/appearance/appearance_editor.h"
#include "ui/find/find_commands.h"
#include "ui/kinds/argument_box_commands.h"
#include "ui/kinds/design_problem_box_commands.h"
#include "ui/kinds/evidence_box_commands.h"
#include "ui/kinds/mandate_box_commands.h"
#include "ui/kinds/option_box_commands.h"
#include "ui/kinds/project_box_commands.h"
#include "ui/kinds/requirement_box_commands.h"
#include "ui/kinds/user_story_box_commands.h"
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
    kinds::install_project_commands();
    kinds::install_user_story_commands();
    kinds::install_mandate_commands();
    kinds::install_requirement_commands();
    kinds::install_design_problem_commands();
    kinds::install_option_commands();
    kinds::install_argument_commands();
    kinds::install_evidence_commands();
}
