#pragma once

#include <QApplication>
#include <cstdint>
#include <functional>
#include <string>

#include "bench/page_projects.h"
#include "bench/ui_bench_environment.h"
#include "core/constants/gcc.h"
#include "ui/main_window/main_window.h"
#include "ui/pages/page_painter.h"
#include "ui/platform/qt_services.h"

// The main window with the tab pages drawn on its canvas, as the benchmarks
// of the pages use it.
namespace bench_support {

// The queued rebuild runs, and what the previous page dropped is released.
inline void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Puts the generated project for the page into the window and draws it once.
inline void show_page_project(MainWindow& window, TabPage page, int64_t boxes) {
    // The window's file commands own the current project; a new one replaces it.
    delete GCC::RP;
    PageProject made = page_project(static_cast<page_geometry::TabPage>(page), boxes);
    const std::string selected = made.selected ? made.selected->get_uid() : std::string();
    made.project.release();
    window.adopt_new_project();
    if (!selected.empty()) window.select_uid(selected);
    window.activate_page(page);
    window.request_page_rebuild(false);
    settle();
}

// The program: the offscreen desktop, the main window with the pages shown at
// 1600 x 1000 (handed to use while the benchmarks run), then the benchmarks
// the command line asks for.
inline int run_with_page_window(int argc, char** argv, const std::function<void(MainWindow*)>& use) {
    const UiBenchEnvironment environment;
    QApplication app(argc, argv);
    ui_platform::install_qt_services();
    MainWindow main_window;
    pages::install(main_window);
    main_window.resize(1600, 1000);
    main_window.show();
    settle();
    use(&main_window);
    const int code = UiBenchEnvironment::run(argc, argv);
    use(nullptr);
    return code;
}

}  // namespace bench_support
