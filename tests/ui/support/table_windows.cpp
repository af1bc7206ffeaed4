#include "tests/ui/support/table_windows.h"

#include <QApplication>
#include <QTableWidget>
#include <QTest>

#include "ui/main_window/main_window.h"
#include "ui/tables/table_commands.h"
#include "ui/toolkit/data_grid_form.h"

namespace ui_testing {

void show_active(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

void click_cell(toolkit::ShowDataGridViewForm& window, int row, int column) {
    QTableWidget& grid = *window.grid();
    QTableWidgetItem* item = grid.item(row, column);
    QVERIFY(item);
    grid.scrollToItem(item);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualItemRect(item).center());
    settle();
}

void ctrl_key(toolkit::ShowDataGridViewForm& window, Qt::Key key) {
    QTest::keyClick(window.grid(), key, Qt::ControlModifier);
}

void open_gate_example(MainWindow& main) {
    tables::install_table_commands(main);
    show_active(main);
    main.files().open_example(file_commands::Example::Gate);
    settle();
}

}  // namespace ui_testing
