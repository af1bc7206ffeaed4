#include "tests/ui/support/canvas_driver.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGraphicsScene>
#include <QMenu>
#include <QTest>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "ui/boxes/object_box.h"
#include "ui/main_window/canvas_view.h"
#include "ui/main_window/main_window.h"
#include "ui/pages/page_painter.h"

namespace ui_testing {

void show_with_pages(MainWindow& window) {
    pages::install(window);
    window.resize(1400, 900);
    window.show();
    settle();
}

void settle_fixture(MainWindow& window) {
    GCC::RP->restart_history();
    window.update_undo_redo_buttons();
    window.set_saved(true);
    settle();
}

size_t recorded_states() { return GCC::RP->get_state_count() - 1; }

std::vector<ObjectBox*> boxes_on(const QGraphicsView& canvas) {
    std::vector<ObjectBox*> boxes;
    for (QGraphicsItem* item : canvas.scene()->items(Qt::AscendingOrder))
        if (item->type() == ObjectBox::Type) boxes.push_back(static_cast<ObjectBox*>(item));
    return boxes;
}

std::vector<ObjectBox*> boxes_of(const QGraphicsView& canvas, const std::string& uid) {
    std::vector<ObjectBox*> boxes;
    for (ObjectBox* box : boxes_on(canvas))
        if (box->uid() == uid) boxes.push_back(box);
    return boxes;
}

QMenu* right_click(QGraphicsView& canvas, ObjectBox& box) {
    canvas.ensureVisible(&box, 10, 10);
    const QPoint at = canvas.mapFromScene(box.mapToScene(box.boundingRect().center()));
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, canvas.viewport()->mapToGlobal(at));
    QApplication::sendEvent(canvas.viewport(), &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QStringList menu_texts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

bool choose(QMenu& menu, const QString& caption) {
    for (QAction* action : menu.actions())
        if (!action->isSeparator() && action->text() == caption) {
            QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
            // The command was queued to run once the menu has closed and returned.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
            return true;
        }
    menu.close();
    return false;
}

bool choose_on(QGraphicsView& canvas, ObjectBox& box, const QString& caption) {
    QMenu* menu = right_click(canvas, box);
    return menu && choose(*menu, caption);
}

}  // namespace ui_testing
