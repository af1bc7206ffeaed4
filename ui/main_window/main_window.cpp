#include "ui/main_window/main_window.h"

#include <QGraphicsScene>
#include <QShortcut>
#include <algorithm>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "exports/exports.h"
#include "pdf/pdf_export.h"
#include "ui/icons/icon_library.h"
#include "ui/main_window/canvas_view.h"
#include "ui/main_window/key_table.h"
#include "ui/main_window/rebuild_queue.h"
#include "ui/main_window/tab_page_buttons.h"
#include "ui/theme/fonts.h"
#include "ui/theme/texts.h"
#include "ui/toolkit/app_combo_box.h"

namespace {

ProjectSettings& settings() { return GCC::RP->get_settings(); }

}  // namespace

MainWindow::MainWindow()
    : AppFormResizable(gcm::mainform_name(), nullptr, gcm::program_name) {
    setWindowIcon(icons::app_icon());
    rebuilds_ = new RebuildQueue(
        {[this] { rebuild_after_undo_or_redo(); }, [this] { rebuild_tree(false); },
         [this](bool keep_scroll) { rebuild_page(keep_scroll); }},
        this);
    build_menus();
    build_tool_strip();
    build_body();
    install_own_commands();
    for (const auto& [keys, command] : main_key_table()) {
        auto* shortcut = new QShortcut(keys, this);
        const Command bound = command;
        connect(shortcut, &QShortcut::activated, this, [this, bound] { run_key_command(bound); });
    }
    file_commands::MainWindow& view = *this;
    files_ = std::make_unique<file_commands::FileController>(
        file_dialogs_, view, file_locks_,
        file_commands::Exporters{pdf::export_full_report, pdf::export_requirements_report, exports::export_reqif,
                                 exports::export_sysml});
    install_file_commands();
    files_->start();
}

// The file commands delete the current project and release its lock.
MainWindow::~MainWindow() = default;

void MainWindow::adopt_new_project(bool opened) {
    // Every object is new: nothing is selected.
    selected_.clear();
    tree_expansion_from_settings_ = opened;
    tab_buttons_->activate(TabPage::Project);
    // The other pages showed the previous project.
    canvas_->release_hidden_pages();
    apply_colours();
    implement_font_scaling();
    if (GCC::RP) filter_chooser_->set_selected_index(settings().get_show_int());
    apply_zoom();
    request_tree_rebuild();
    request_page_rebuild(false);
    emit selectionChanged();
}

// ---------------------------------------------------------------- extension points

void MainWindow::install_command(Command command, CommandTable::Handler handler) {
    commands_.install(command, std::move(handler));
    refresh_command_states();
}

void MainWindow::install_tree_builder(std::function<void(bool)> build_tree) { build_tree_ = std::move(build_tree); }

void MainWindow::install_tree_expansion_store(std::function<void()> store) { store_tree_expansion_ = std::move(store); }

void MainWindow::install_tree_lookup(std::function<bool(const std::string&)> shows) { tree_shows_ = std::move(shows); }

void MainWindow::install_page_painter(std::function<void(TabPage, QGraphicsScene&)> paint_page) {
    paint_page_ = [paint_page = std::move(paint_page)](TabPage page, QGraphicsScene& scene) {
        paint_page(page, scene);
        return scene.itemsBoundingRect().bottomRight();
    };
    page_updated_in_place_ = false;
}

void MainWindow::install_page_updater(std::function<QPointF(TabPage, QGraphicsScene&)> update_page) {
    paint_page_ = std::move(update_page);
    page_updated_in_place_ = true;
}

void MainWindow::install_secondary_windows(SecondaryWindows windows) {
    secondary_ = std::move(windows);
    refresh_command_states();
}

bool MainWindow::run_command(Command command) {
    if (export_running_) return false;
    const QAction* item = menu_action(command) ? menu_action(command) : tool_action(command);
    if (item && !item->isEnabled()) return false;
    return commands_.run(command);
}

bool MainWindow::run_key_command(Command command) {
    if (export_running_ || !offered(command)) return false;
    return commands_.run(command);
}

MainWindow::ExportScope::ExportScope(MainWindow& window) : window_(window), first_(!window.export_running_) {
    window_.export_running_ = true;
}

MainWindow::ExportScope::~ExportScope() {
    if (first_) window_.export_running_ = false;
}

QAction* MainWindow::menu_action(Command command) const {
    const auto found = menu_actions_.find(command);
    return found == menu_actions_.end() ? nullptr : found->second;
}

QAction* MainWindow::tool_action(Command command) const {
    const auto found = tool_actions_.find(command);
    return found == tool_actions_.end() ? nullptr : found->second;
}

// ---------------------------------------------------------------- rebuilds

void MainWindow::request_tree_rebuild() {
    // A tree rebuild follows every model change: the project is unsaved from the request on.
    set_saved(false);
    rebuilds_->request_tree();
}

void MainWindow::request_page_rebuild(bool keep_scroll) { rebuilds_->request_page(keep_scroll); }

void MainWindow::request_rebuild_after_undo_or_redo() {
    set_saved(false);
    rebuilds_->request_full();
}

void MainWindow::rebuild_tree(bool page_follows) {
    if (build_tree_) build_tree_(tree_expansion_from_settings_);
    tree_expansion_from_settings_ = false;
    // Objects that are gone, or that the tree no longer shows, leave the
    // selection; the rest keep their order.
    change_selection(selected_, !page_follows);
    refresh_command_states();
}

void MainWindow::rebuild_page(bool keep_scroll) {
    const TabPage page = tab_buttons_->active();
    painting_ = true;
    const bool in_place = paint_page_ && page_updated_in_place_;
    canvas_->rebuild(keep_scroll, gcm::app_font_height(), in_place, [this, page, in_place](QGraphicsScene& scene) {
        return (GCC::RP || in_place) && paint_page_ ? paint_page_(page, scene) : QPointF();
    });
    painting_ = false;
    emit pageRebuilt();
}

void MainWindow::rebuild_after_undo_or_redo() {
    apply_colours();
    implement_font_scaling();
    // The restored state may hold another display filter and other zooms.
    if (GCC::RP) filter_chooser_->set_selected_index(settings().get_show_int());
    apply_zoom();
    // Selecting is no edit, so undo and redo keep the selection (the tree
    // rebuild drops what is gone), whatever the restored state recorded.
    rebuild_tree(true);
    rebuild_page(false);
}

// ---------------------------------------------------------------- selection

bool MainWindow::selectable(const std::string& uid) const {
    if (!GCC::RP || !GCC::RP->_get_pointer_to_node_with_uid(uid)) return false;
    // A new object is shown once the queued tree rebuild has run, which then
    // drops what it does not show.
    return !tree_shows_ || rebuilds_->pending() || tree_shows_(uid);
}

void MainWindow::change_selection(const std::vector<std::string>& uids, bool redraw_page) {
    std::vector<std::string> accepted;
    for (const std::string& uid : uids)
        if (std::find(accepted.begin(), accepted.end(), uid) == accepted.end() && selectable(uid))
            accepted.push_back(uid);
    const bool changed = accepted != selected_;
    selected_ = std::move(accepted);
    if (GCC::RP) GCC::RP->set_sel_uid_set({selected_.begin(), selected_.end()});
    if (!changed) return;
    emit selectionChanged();
    if (redraw_page && !painting_ && active_page() != TabPage::Project) request_page_rebuild(false);
}

std::string MainWindow::first_selected_uid() const { return selected_.empty() ? std::string() : selected_.front(); }

void MainWindow::set_selection(const std::vector<std::string>& uids) { change_selection(uids); }

void MainWindow::select_uid(const std::string& uid) {
    if (selectable(uid)) change_selection({uid});
}

void MainWindow::add_to_selection(const std::string& uid) {
    std::vector<std::string> extended = selected_;
    extended.push_back(uid);
    change_selection(extended);
}

void MainWindow::deselect_uid(const std::string& uid) {
    std::vector<std::string> reduced = selected_;
    reduced.erase(std::remove(reduced.begin(), reduced.end(), uid), reduced.end());
    change_selection(reduced);
}

void MainWindow::selection_from_project() {
    if (!GCC::RP) return;
    const auto& chosen = GCC::RP->get_sel_uids();
    std::vector<std::string> ordered;
    for (const std::string& uid : selected_)
        if (chosen.count(uid)) ordered.push_back(uid);
    for (const auto& [uid, node] : GCC::RP->get_nd_map())
        if (chosen.count(uid) && std::find(ordered.begin(), ordered.end(), uid) == ordered.end())
            ordered.push_back(uid);
    change_selection(ordered);
}

// ---------------------------------------------------------------- pages and pictures

TabPage MainWindow::active_page() const { return tab_buttons_->active(); }

void MainWindow::activate_page(TabPage page) { tab_buttons_->activate(page); }

QPixmap MainWindow::readiness_icon(int size, int index) { return readiness_icons_.current_icon(size, index); }

std::vector<QPixmap> MainWindow::readiness_icon_list(int size) { return readiness_icons_.current_list(size); }

QPixmap MainWindow::comment_icon(CommentIcon icon, bool dark_background, int size) {
    const QString key = icon == CommentIcon::Add    ? QStringLiteral("comment_plus")
                        : icon == CommentIcon::Text ? QStringLiteral("comment_text")
                                                    : QStringLiteral("comment_delete");
    return icons::for_background(key, dark_background, size - 1);
}

bool MainWindow::offers(Window window) const {
    switch (window) {
    case Window::CommentPopup:
        return static_cast<bool>(secondary_.comment_popup);
    case Window::RelatedObjects:
        return static_cast<bool>(secondary_.related_objects);
    case Window::HideShow:
        return static_cast<bool>(secondary_.hide_show);
    case Window::SearchResults:
        return static_cast<bool>(secondary_.search_results);
    }
    return false;
}

void MainWindow::open_comment_popup(const std::string& uid, const QPoint& at) {
    if (secondary_.comment_popup) secondary_.comment_popup(uid, at);
}

void MainWindow::show_related_objects(const std::string& uid, const QPoint& at) {
    if (secondary_.related_objects) secondary_.related_objects(uid, at);
}

void MainWindow::show_hide_nodes(const std::vector<std::string>& candidate_uids, const QPoint& at) {
    if (secondary_.hide_show) secondary_.hide_show(candidate_uids, at);
}

bool MainWindow::show_search_results(const std::string& text, const std::vector<std::string>& uids,
                                     const std::vector<size_t>& quantity_types, const QPoint& at) {
    return secondary_.search_results && secondary_.search_results(text, uids, quantity_types, at);
}

void MainWindow::show_int_req_review(const std::vector<std::string>& option_uids, const QPoint& at) {
    if (secondary_.int_req_review) secondary_.int_req_review(option_uids, at);
}

void MainWindow::show_evidence_review(const std::string& mandate_uid, const QPoint& at) {
    if (secondary_.evidence_review) secondary_.evidence_review(mandate_uid, at);
}

void MainWindow::show_origin_tree(const std::string& requirement_uid, const QPoint& at) {
    if (secondary_.origin_tree) secondary_.origin_tree(requirement_uid, at);
}
