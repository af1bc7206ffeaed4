#include "ui/main_window/main_window.h"

#include <QGraphicsScene>
#include <QShortcut>
#include <algorithm>

#include "core/constants/gcc.h"
#include "core/model/project.h"
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
    : AppFormResizable(gcm::mainform_name(), nullptr, gcm::program_name), file_locks_("morvanta") {
    setWindowIcon(icons::app_icon());
    rebuilds_ = new RebuildQueue(
        {[this] { rebuild_after_undo_or_redo(); }, [this] { rebuild_tree(); },
         [this](bool keep_scroll) { rebuild_page(keep_scroll); }},
        this);
    build_menus();
    build_tool_strip();
    build_body();
    install_own_commands();
    for (const auto& [keys, command] : main_key_table()) {
        auto* shortcut = new QShortcut(keys, this);
        const Command bound = command;
        connect(shortcut, &QShortcut::activated, this, [this, bound] { run_command(bound); });
    }
    file_commands::MainWindow& view = *this;
    files_ = std::make_unique<file_commands::FileController>(file_dialogs_, view, file_locks_);
    install_file_commands();
    files_->start();
}

// The file commands delete the current project and release its lock.
MainWindow::~MainWindow() = default;

void MainWindow::adopt_new_project(bool opened) {
    selected_.clear();
    tree_expansion_from_settings_ = opened;
    tab_buttons_->activate(TabPage::Project);
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

void MainWindow::install_page_painter(std::function<void(TabPage, QGraphicsScene&)> paint_page) {
    paint_page_ = std::move(paint_page);
}

void MainWindow::install_secondary_windows(SecondaryWindows windows) { secondary_ = std::move(windows); }

bool MainWindow::run_command(Command command) {
    const QAction* item = menu_action(command) ? menu_action(command) : tool_action(command);
    if (item && !item->isEnabled()) return false;
    return commands_.run(command);
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

void MainWindow::rebuild_tree() {
    if (build_tree_) build_tree_(tree_expansion_from_settings_);
    tree_expansion_from_settings_ = false;
    refresh_command_states();
}

void MainWindow::rebuild_page(bool keep_scroll) {
    const TabPage page = tab_buttons_->active();
    canvas_->rebuild(keep_scroll, gcm::app_font_height(), [this, page](QGraphicsScene& scene) {
        if (GCC::RP && paint_page_) paint_page_(page, scene);
    });
    emit pageRebuilt();
}

void MainWindow::rebuild_after_undo_or_redo() {
    selected_.clear();
    apply_colours();
    implement_font_scaling();
    // The restored state may hold another display filter and other zooms.
    if (GCC::RP) filter_chooser_->set_selected_index(settings().get_show_int());
    apply_zoom();
    rebuild_tree();
    selection_from_project();
    rebuild_page(false);
}

// ---------------------------------------------------------------- selection

std::string MainWindow::first_selected_uid() const { return selected_.empty() ? std::string() : selected_.front(); }

void MainWindow::select_uid(const std::string& uid) {
    if (!GCC::RP || !GCC::RP->_get_pointer_to_node_with_uid(uid)) return;
    selected_ = {uid};
    emit selectionChanged();
}

void MainWindow::add_to_selection(const std::string& uid) {
    if (!GCC::RP || !GCC::RP->_get_pointer_to_node_with_uid(uid)) return;
    if (std::find(selected_.begin(), selected_.end(), uid) != selected_.end()) return;
    selected_.push_back(uid);
    emit selectionChanged();
}

void MainWindow::deselect_uid(const std::string& uid) {
    const auto found = std::find(selected_.begin(), selected_.end(), uid);
    if (found == selected_.end()) return;
    selected_.erase(found);
    emit selectionChanged();
}

void MainWindow::selection_from_project() {
    selected_.clear();
    if (GCC::RP) {
        const auto& chosen = GCC::RP->get_sel_uids();
        for (const auto& [uid, node] : GCC::RP->get_nd_map())
            if (chosen.count(uid)) selected_.push_back(uid);
    }
    emit selectionChanged();
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
