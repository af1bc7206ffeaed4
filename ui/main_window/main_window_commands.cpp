// The main window's own commands, the states of all commands, and closing.
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/settings/project_settings.h"
#include "ui/glue/text_conversion.h"
#include "ui/main_window/canvas_view.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/tab_page_buttons.h"
#include "ui/theme/captions.h"
#include "ui/theme/fonts.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/message_box.h"

namespace {

ProjectSettings& settings() { return GCC::RP->get_settings(); }

PageFlags active_flags(const TabPageButtons* buttons) { return flags_of(buttons->active()); }

}  // namespace

void MainWindow::install_own_commands() {
    commands_.install(Command::Exit, [this] { exit_application(); });
    commands_.install(Command::Undo, [this] { do_undo(); });
    commands_.install(Command::Redo, [this] { do_redo(); });
    commands_.install(Command::AppearanceDefault, [this] { set_appearance_as_default(); });
    commands_.install(Command::FontDecrease, [this] { change_font_size(false); });
    commands_.install(Command::FontIncrease, [this] { change_font_size(true); });
    commands_.install(Command::ZoomOut, [this] { zoom_by(-10); });
    commands_.install(Command::ZoomIn, [this] { zoom_by(10); });
    commands_.install(Command::ZoomReset, [this] { reset_zoom(); });
}

void MainWindow::install_file_commands() {
    using file_commands::Example;
    file_commands::FileController& files = *files_;
    commands_.install(Command::New, [&files] { files.make_new_file(); });
    commands_.install(Command::Close, [&files] { files.make_new_file(); });
    commands_.install(Command::Open, [&files] { files.open_from_file(); });
    commands_.install(Command::Save, [&files] { files.save_to_file(false); });
    commands_.install(Command::SaveAs, [&files] { files.save_to_file(true); });
    commands_.install(Command::ImportComments, [&files] { files.import_comments(); });
    commands_.install(Command::ExportPdf, [&files] { files.export_pdf_report(); });
    commands_.install(Command::ExportReqPdf, [&files] { files.export_requirements_pdf(); });
    commands_.install(Command::ExportReqIf, [&files] { files.export_reqif(); });
    commands_.install(Command::ExportSysml, [&files] { files.export_sysml(); });
    commands_.install(Command::ExplainExample, [&files] { files.open_example(Example::ExplainObjects); });
    commands_.install(Command::GateExample, [&files] { files.open_example(Example::Gate); });
}

// ---------------------------------------------------------------- commands and their states

void MainWindow::refresh_command_states() {
    const bool with_project = GCC::RP != nullptr;
    const auto enable = [this](Command command, bool on) {
        on = on && offered(command);
        if (QAction* action = menu_action(command)) action->setEnabled(on);
        if (QAction* action = tool_action(command)) action->setEnabled(on);
    };
    for (const auto& [command, action] : menu_actions_) enable(command, true);
    for (const auto& [command, action] : tool_actions_) enable(command, true);

    enable(Command::Save, save_enabled_);
    enable(Command::Undo, with_project && GCC::RP->get_current_state() > 0);
    enable(Command::Redo, with_project && GCC::RP->get_current_state() + 1u < GCC::RP->get_state_count());
    enable(Command::FontDecrease, with_project && settings().can_decrease_font_size());
    enable(Command::FontIncrease, with_project && settings().can_increase_font_size() &&
                                      window_layout::font_increase_fits(tab_buttons_->width(), width()));
}

bool MainWindow::offered(Command command) const {
    if (!commands_.has(command)) return false;
    // Finding ends in the search results, which come with their window.
    if (command == Command::Find || command == Command::FindComments) return offers(Window::SearchResults);
    return true;
}

void MainWindow::update_undo_redo_buttons() { refresh_command_states(); }

// The file commands keep the saved state; the window shows it.
void MainWindow::set_saved(bool saved) { files_->set_saved(saved); }

void MainWindow::show_file_status(const file_commands::FileStatus& status) {
    saved_ = status.saved;
    save_enabled_ = status.save_enabled;
    refresh_command_states();
    emit savedStateShown(status.saved);
}

void MainWindow::show_replaced_project(bool opened) { adopt_new_project(opened); }

void MainWindow::store_tree_expansion() {
    if (store_tree_expansion_) store_tree_expansion_();
}

void MainWindow::redraw_page() { request_page_rebuild(true); }

void MainWindow::change_zoom(const std::function<bool(ProjectSettings&, const PageFlags&)>& change) {
    if (!GCC::RP || !change(settings(), active_flags(tab_buttons_))) return;
    // A view setting: the project is unsaved, but no undo step is recorded.
    // Zoom is the canvas's scale: the page's items stay as they are.
    apply_zoom();
    set_saved(false);
}

void MainWindow::zoom_by(int step) {
    change_zoom([step](ProjectSettings& s, const PageFlags& p) {
        return s.zoom(p.prj, p.prb, p.opt, p.val, p.req, p.vdi, step);
    });
}

void MainWindow::reset_zoom() {
    change_zoom(
        [](ProjectSettings& s, const PageFlags& p) { return s.reset_zoom(p.prj, p.prb, p.opt, p.val, p.req, p.vdi); });
}

void MainWindow::apply_zoom() {
    if (!GCC::RP) return;
    const PageFlags p = active_flags(tab_buttons_);
    canvas_->set_zoom_percent(gcm::clamp_zoom(settings().get_zoom_lvl(p.prj, p.prb, p.opt, p.val, p.req, p.vdi),
                                              settings()));
}

void MainWindow::filter_chosen(int index) {
    if (!GCC::RP || index < 0 || index == settings().get_show_int()) return;
    settings().set_show_str(static_cast<uint16_t>(index));
    set_saved(false);
    request_page_rebuild(false);
}

void MainWindow::change_font_size(bool larger) {
    if (!GCC::RP) return;
    if (!(larger ? settings().increase_font_size() : settings().decrease_font_size())) return;
    implement_font_scaling();
    // Every item of the hidden pages would be made anew in the new font.
    canvas_->release_hidden_pages();
    request_tree_rebuild();
    request_page_rebuild(false);
}

void MainWindow::do_undo() {
    if (!GCC::RP || GCC::RP->get_current_state() == 0) return;
    GCC::RP->goto_previous_state();
    request_rebuild_after_undo_or_redo();
}

void MainWindow::do_redo() {
    if (!GCC::RP || GCC::RP->get_current_state() + 1u >= GCC::RP->get_state_count()) return;
    GCC::RP->goto_next_state();
    request_rebuild_after_undo_or_redo();
}

void MainWindow::set_appearance_as_default() {
    if (!GCC::RP) return;
    const std::string failure = settings().export_settings_to_config();
    if (!failure.empty()) toolkit::show_error(glue::to_ui(failure));
    set_saved(false);
}

void MainWindow::exit_application() {
    // Asks before unsaved work is dropped; then the project and its lock are gone.
    if (!files_->exit_application()) return;
    close_confirmed_ = true;
    close();
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!close_confirmed_ && !files_->exit_application()) {
        event->ignore();
        return;
    }
    close_confirmed_ = true;
    emit closing();
    event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Esc never closes the main window.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    AppFormResizable::keyPressEvent(event);
}

void MainWindow::reject() {}

// ---------------------------------------------------------------- recent files

void MainWindow::show_recent_files(const std::vector<std::string>& paths) {
    if (!recent_files_separator_) return;
    const QList<QAction*> actions = file_menu_->actions();
    for (qsizetype i = actions.indexOf(recent_files_separator_) + 1; i < actions.size(); ++i) {
        file_menu_->removeAction(actions[i]);
        actions[i]->deleteLater();
    }
    if (paths.empty()) {
        file_menu_->addAction(glue::to_ui(gcm::menu::no_recent_files))->setEnabled(false);
        return;
    }
    for (const std::string& path : paths) {
        QAction* action = file_menu_->addAction(glue::plain_caption(glue::to_ui(path)));
        // A file that is gone is told (and may leave the list) before anything is replaced.
        // Queued like every menu command; opening replaces these very items.
        connect(
            action, &QAction::triggered, this,
            [this, path] {
                if (!export_running_) files_->open_file_path(path);
            },
            Qt::QueuedConnection);
    }
}
