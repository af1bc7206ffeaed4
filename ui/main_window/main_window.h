#pragma once

#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/file_ports/file_dialogs.h"
#include "ui/file_ports/qt_file_lock.h"
#include "ui/files/file_controller.h"
#include "ui/files/main_window_port.h"
#include "ui/main_window/commands.h"
#include "ui/main_window/main_window_services.h"
#include "ui/main_window/readiness_icons.h"
#include "ui/main_window/window_layout.h"
#include "ui/theme/scheme.h"
#include "ui/toolkit/app_form_resizable.h"

class CanvasView;
class ProjectSettings;
class QAction;
class QGraphicsScene;
class QMenu;
class QMenuBar;
class QSplitter;
class QToolBar;
class RebuildQueue;
class TabPageButtons;

namespace toolkit {
class AppComboBox;
}

// The one main window: its own title bar holding the menu bar, the tool
// strip, the six tab-page buttons, the left tree area and the canvas. Its file
// commands (the controller of ui/files, which owns the current project) start
// the working project "MyProject" with the user's configured settings; the
// window shows what they do through the file commands' window port.
//
// Later parts plug in through install_*: a command becomes available (its
// menu items and buttons enabled) once its handler is installed.
class MainWindow : public toolkit::AppFormResizable,
                   public MainWindowServices,
                   private file_commands::MainWindow {
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;

    // ---- Extension points ----
    void install_command(Command command, CommandTable::Handler handler);
    // Rebuilds the left tree; from_settings: take the expansion stored in the
    // project's settings (after an open) instead of keeping the current one.
    void install_tree_builder(std::function<void(bool from_settings)> build_tree);
    // Stores the tree's expansion into the project's settings (before a save).
    void install_tree_expansion_store(std::function<void()> store);
    // Whether the tree shows an object: only those can be selected.
    void install_tree_lookup(std::function<bool(const std::string& uid)> shows);
    // A painter draws the page onto the emptied scene, and only while a project is open.
    void install_page_painter(std::function<void(TabPage, QGraphicsScene&)> paint_page);
    // An updater replaces the scene's items itself, with or without a project
    // (then it shows nothing), keeping what did not change; it returns the
    // far corner of the page (right, bottom).
    void install_page_updater(std::function<QPointF(TabPage, QGraphicsScene&)> update_page);
    struct SecondaryWindows {
        std::function<void(const std::string& uid, const QPoint& at)> comment_popup;
        std::function<void(const std::string& uid, const QPoint& at)> related_objects;
        std::function<void(const std::vector<std::string>& uids, const QPoint& at)> hide_show;
        std::function<bool(const std::string& text, const std::vector<std::string>& uids,
                           const std::vector<size_t>& quantity_types, const QPoint& at)>
            search_results;
        std::function<void(const std::vector<std::string>& option_uids, const QPoint& at)> int_req_review;
        std::function<void(const std::string& mandate_uid, const QPoint& at)> evidence_review;
        std::function<void(const std::string& requirement_uid, const QPoint& at)> origin_tree;
    };
    void install_secondary_windows(SecondaryWindows windows);

    // After the current project was replaced (start, New, Open, examples): the
    // selection is emptied, the filter chooser, zoom, colours and fonts follow
    // the project's settings, the Project page is active and everything is
    // rebuilt from the top (after an open with the tree expansion of the file).
    void adopt_new_project(bool opened = false);

    // ---- Colours being tried (the appearance editor) ----
    // The window, its tree and its page show these colours instead of the
    // project's until the trial ends; the project's settings stay untouched, so
    // no save, configuration write or undo state can capture them, and the
    // project is not marked unsaved. The trial outlives a replaced project.
    void show_trial_colours(const ProjectSettings& colours);
    // Back to the current project's own colours.
    void end_trial_colours();
    bool shows_trial_colours() const { return trial_colours_.has_value(); }

    // Runs a command as its menu item would; false when it is not available
    // or while an export is running.
    bool run_command(Command command);
    // Runs a command as its key does: a greyed item (Save while nothing is
    // unsaved, or in a read-only copy) does not stop the key; only a command
    // that is not offered at all, or a running export, does.
    bool run_key_command(Command command);

    // While an export's dialogs are open, no command of the window runs: it
    // could replace or change the page the export is about to draw. The first
    // scope of a window marks the export; a scope opened during it is not first.
    class ExportScope {
    public:
        explicit ExportScope(MainWindow& window);
        ~ExportScope();
        ExportScope(const ExportScope&) = delete;
        ExportScope& operator=(const ExportScope&) = delete;
        bool first() const { return first_; }

    private:
        MainWindow& window_;
        bool first_;
    };
    bool export_running() const { return export_running_; }
    file_commands::FileController& files() { return *files_; }

    QWidget* tree_area() const { return tree_area_; }
    CanvasView* canvas() const { return canvas_; }
    toolkit::AppComboBox* filter_chooser() const { return filter_chooser_; }
    TabPageButtons* tab_buttons() const { return tab_buttons_; }
    QMenuBar* menu_bar() const { return menu_bar_; }
    QToolBar* tool_strip() const { return tool_strip_; }
    QMenu* file_menu() const { return file_menu_; }
    // The menu item and the tool-strip action of a command (null when it has none).
    QAction* menu_action(Command command) const;
    QAction* tool_action(Command command) const;
    const window_layout::Result& layout() const { return layout_; }

    // ---- MainWindowServices ----
    void request_tree_rebuild() override;
    void request_page_rebuild(bool keep_scroll) override;
    void request_rebuild_after_undo_or_redo() override;
    void set_saved(bool saved) override;
    bool is_saved() const override { return saved_; }
    std::vector<std::string> selected_uids() const override { return selected_; }
    std::string first_selected_uid() const override;
    void set_selection(const std::vector<std::string>& uids) override;
    void select_uid(const std::string& uid) override;
    void add_to_selection(const std::string& uid) override;
    void deselect_uid(const std::string& uid) override;
    void selection_from_project() override;
    TabPage active_page() const override;
    void activate_page(TabPage page) override;
    QPixmap readiness_icon(int size, int index) override;
    std::vector<QPixmap> readiness_icon_list(int size) override;
    QPixmap comment_icon(CommentIcon icon, bool dark_background, int size) override;
    void update_undo_redo_buttons() override;
    bool offers(Window window) const override;
    void open_comment_popup(const std::string& uid, const QPoint& at) override;
    void show_related_objects(const std::string& uid, const QPoint& at) override;
    void show_hide_nodes(const std::vector<std::string>& candidate_uids, const QPoint& at) override;
    bool show_search_results(const std::string& text, const std::vector<std::string>& uids,
                             const std::vector<size_t>& quantity_types, const QPoint& at) override;
    void show_int_req_review(const std::vector<std::string>& option_uids, const QPoint& at) override;
    void show_evidence_review(const std::string& mandate_uid, const QPoint& at) override;
    void show_origin_tree(const std::string& requirement_uid, const QPoint& at) override;

    // ---- The file commands' view of the window ----
    void show_replaced_project(bool opened) override;
    void store_tree_expansion() override;
    void redraw_page() override;
    void show_recent_files(const std::vector<std::string>& paths) override;
    void show_file_status(const file_commands::FileStatus& status) override;

signals:
    // The window closes for good (its close button, a system request or Exit).
    void closing();
    // The selection changed (the tree recolours its nodes).
    void selectionChanged();
    // The window took its colours again (from the project or a trial).
    void coloursApplied();
    // The page was drawn anew (after every change of the model that the page
    // shows): open viewer windows refresh from it.
    void pageRebuilt();
    // The file commands showed the saved state: false after every change of
    // the work, true once it was saved, opened, replaced or closed.
    void savedStateShown(bool saved);

protected:
    void relayout() override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    void build_menus();
    void build_tool_strip();
    void build_body();
    void install_own_commands();
    void install_file_commands();

    void apply_colours();
    // Recolours the window and redraws tree and page; the project stays saved.
    void recolour_and_redraw();
    void apply_font_scaling(bool after_font_change);
    void implement_font_scaling();
    void lay_out(bool after_font_change);
    void refresh_command_states();
    // Whether a command is there to run at all, whatever the state of its items.
    bool offered(Command command) const;

    // page_follows: the page is rebuilt right after, whatever the selection does.
    void rebuild_tree(bool page_follows);
    void rebuild_page(bool keep_scroll);
    void rebuild_after_undo_or_redo();

    // The selection becomes uids (those that can be selected, each once); the
    // project follows. When it changed, selectionChanged, and the page is
    // redrawn unless redraw_page is false or the Project page is active.
    void change_selection(const std::vector<std::string>& uids, bool redraw_page = true);
    bool selectable(const std::string& uid) const;

    // Runs a change of the active page's zoom in the settings; when it took effect,
    // the view follows and the project is unsaved.
    void change_zoom(const std::function<bool(ProjectSettings&, const PageFlags&)>& change);
    void zoom_by(int step);
    void reset_zoom();
    void apply_zoom();
    void filter_chosen(int index);
    void change_font_size(bool larger);
    void do_undo();
    void do_redo();
    void exit_application();
    void set_appearance_as_default();

    CommandTable commands_;
    std::map<Command, QAction*> menu_actions_;
    std::map<Command, QAction*> tool_actions_;
    std::function<void(bool)> build_tree_;
    std::function<void()> store_tree_expansion_;
    std::function<bool(const std::string&)> tree_shows_;
    bool tree_expansion_from_settings_ = false;
    std::function<QPointF(TabPage, QGraphicsScene&)> paint_page_;
    bool page_updated_in_place_ = false;
    SecondaryWindows secondary_;

    QMenuBar* menu_bar_ = nullptr;
    QMenu* file_menu_ = nullptr;
    QAction* recent_files_separator_ = nullptr;
    QToolBar* tool_strip_ = nullptr;
    toolkit::AppComboBox* filter_chooser_ = nullptr;
    TabPageButtons* tab_buttons_ = nullptr;
    QSplitter* split_ = nullptr;
    QWidget* tree_area_ = nullptr;
    CanvasView* canvas_ = nullptr;
    RebuildQueue* rebuilds_ = nullptr;

    std::optional<gcm::Scheme> trial_colours_;
    struct ToolIconKey {
        bool dark = false;
        int size = 0;
        bool operator==(const ToolIconKey&) const = default;
    };
    std::optional<ToolIconKey> tool_icons_;
    ReadinessIcons readiness_icons_;
    std::vector<std::string> selected_;
    bool painting_ = false;
    window_layout::Result layout_;
    bool saved_ = true;
    bool export_running_ = false;
    bool save_enabled_ = false;
    bool close_confirmed_ = false;

    QtFileDialogs file_dialogs_;
    QtFileLocks file_locks_;
    std::unique_ptr<file_commands::FileController> files_;
};
