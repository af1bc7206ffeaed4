#include "tests/ui/support/ui_driving.h"

#include <QCoreApplication>
#include <QEvent>

#include "core/constants/gcc.h"
#include "core/io/project_writer.h"
#include "core/model/project.h"

namespace ui_testing {

void settle() {
    for (int turn = 0; turn < 3; ++turn) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

std::string saved_text() { return GCC::RP ? project_file::project_file_text(*GCC::RP) : std::string(); }

}  // namespace ui_testing
