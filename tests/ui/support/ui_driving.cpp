#include "tests/ui/support/ui_driving.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QTest>

#include "core/constants/gcc.h"
#include "core/io/project_writer.h"
#include "core/model/project.h"
#include "ui/main_window/main_window.h"

namespace ui_testing {

void settle() {
    for (int turn = 0; turn < 3; ++turn) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void trigger(QAction& action) {
    action.trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
}

std::string saved_text() { return GCC::RP ? project_file::project_file_text(*GCC::RP) : std::string(); }

void check_undo_and_redo(MainWindow& window, size_t states, const std::string& before, const std::string& after,
                         const char* name) {
    for (size_t i = 0; i < states; ++i) QVERIFY2(window.run_command(Command::Undo), name);
    settle();
    QVERIFY2(saved_text() == before, name);
    for (size_t i = 0; i < states; ++i) QVERIFY2(window.run_command(Command::Redo), name);
    settle();
    QVERIFY2(saved_text() == after, name);
}

}  // namespace ui_testing
