#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/settings/project_settings.h"
#include "ui/glue/colours.h"
#include "ui/glue/text_conversion.h"
#include "ui/icons/icon_library.h"
#include "ui/main_window/canvas_view.h"
#include "ui/main_window/key_table.h"
#include "ui/main_window/menu_table.h"
#include "ui/main_window/rebuild_queue.h"
#include "ui/main_window/tab_page_buttons.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"
#include "ui/theme/texts.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/strip_style.h"
#include "ui/toolkit/title_bar.h"

namespace {

constexpr int b = gcm::box_border_thickness;
constexpr int initial_filter_entry = 1;

QString text_of(std::string_view view) { return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size())); }

// Alt alone moves the keyboard into the menu bar, as on the desktops the
// program comes from.
class MenuKeyStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* result) const override {
        if (hint == QStyle::SH_MenuBar_AltKeyNavigation) return 1;
        return QProxyStyle::styleHint(hint, option, widget, result);
    }
};

// One for the application: menus use the style while they are destroyed, so it
// must outlive every main window.
QStyle* menu_key_style() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new MenuKeyStyle();
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

// A panel in the frame colour holding one widget inset by the border, so the
// tree and the canvas show a thin frame.
QWidget* framed(QWidget* inner, QWidget* parent) {
    auto* frame = new QWidget(parent);
    frame->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(b, b, b, b);
    layout->setSpacing(0);
    layout->addWidget(inner);
    return frame;
}

void set_background(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

ProjectSettings& settings() { return GCC::RP->get_settings(); }

PageFlags active_flags(const TabPageButtons* buttons) { return flags_of(buttons->active()); }

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

// ---------------------------------------------------------------- building

void MainWindow::build_menus() {
    menu_bar_ = new QMenuBar();
    menu_bar_->setStyle(menu_key_style());
    menu_bar_->setNativeMenuBar(false);
    title_bar()->set_menu_bar(menu_bar_);

    const std::function<void(QMenu*, const std::vector<MenuItemSpec>&)> fill = [&](QMenu* menu,
                                                                                   const std::vector<MenuItemSpec>& items) {
        menu->setToolTipsVisible(true);
        for (const MenuItemSpec& item : items) {
            if (!item.submenu.empty()) {
                QMenu* sub = menu->addMenu(text_of(item.caption.txt));
                fill(sub, item.submenu);
                continue;
            }
            if (!item.command) {
                QAction* separator = menu->addSeparator();
                if (menu == file_menu_) recent_files_separator_ = separator;
                continue;
            }
            QAction* action = menu->addAction(text_of(item.caption.txt));
            if (!item.caption.ttt.empty()) action->setToolTip(text_of(item.caption.ttt));
            const Command command = *item.command;
            connect(action, &QAction::triggered, this, [this, command] { run_command(command); });
            menu_actions_[command] = action;
        }
    };
    for (const MenuSpec& spec : main_menu_table()) {
        QMenu* menu = menu_bar_->addMenu(text_of(spec.caption.txt));
        if (!file_menu_) file_menu_ = menu;
        fill(menu, spec.items);
    }
}

void MainWindow::build_tool_strip() {
    tool_strip_ = new QToolBar(this);
    tool_strip_->setFloatable(false);
    tool_strip_->setMovable(false);
    tool_strip_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const std::vector<ToolSpec>& tools = tool_strip_table();
    for (size_t i = 0; i < tools.size(); ++i) {
        if (i == filter_chooser_position) {
            ProjectSettings defaults;
            filter_chooser_ = new toolkit::AppComboBox(nullptr, 0, 0, 5 * gcm::app_font_height(),
                                                       defaults.show_options, initial_filter_entry);
            filter_chooser_->set_tool_tip_text(text_of(gcm::tool::filter.txt));
            connect(filter_chooser_, &toolkit::AppComboBox::selectedIndexChanged, this, &MainWindow::filter_chosen);
            tool_strip_->addWidget(filter_chooser_);
        }
        const ToolSpec& tool = tools[i];
        QAction* action = tool_strip_->addAction(text_of(tool.caption.txt));
        action->setToolTip(text_of(tool.caption.txt));
        action->setData(QString::fromLatin1(tool.image));
        const Command command = tool.command;
        connect(action, &QAction::triggered, this, [this, command] { run_command(command); });
        tool_actions_[command] = action;
    }
}

void MainWindow::build_body() {
    split_ = new QSplitter(Qt::Horizontal, this);
    split_->setHandleWidth(2);
    split_->setChildrenCollapsible(false);
    split_->setAutoFillBackground(true);

    tree_area_ = new QWidget();
    tree_area_->setAutoFillBackground(true);
    auto* tree_layout = new QVBoxLayout(tree_area_);
    tree_layout->setContentsMargins(0, 0, 0, 0);
    canvas_ = new CanvasView(nullptr);
    split_->addWidget(framed(tree_area_, split_));
    split_->addWidget(framed(canvas_, split_));
    split_->setStretchFactor(0, 0);
    split_->setStretchFactor(1, 1);
    connect(canvas_, &CanvasView::zoomStepsRequested, this, &MainWindow::zoom_by);

    tab_buttons_ = new TabPageButtons(this);
    tab_buttons_->raise();
    connect(tab_buttons_, &TabPageButtons::pageActivated, this, [this](TabPage) {
        apply_zoom();
        request_page_rebuild(false);
    });
}

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
    commands_.install(Command::ExplainExample, [&files] { files.open_example(Example::ExplainObjects); });
    commands_.install(Command::GateExample, [&files] { files.open_example(Example::Gate); });
}

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

// ---------------------------------------------------------------- appearance

void MainWindow::apply_colours() {
    if (GCC::RP) gcm::set_scheme(settings());
    const gcm::Scheme& scheme = gcm::scheme();

    const bool dark_buttons = glue::is_dark(scheme.button_color);
    const int icon_size = gcm::app_font_height() + 2;
    for (const auto& [command, action] : tool_actions_)
        action->setIcon(icons::for_background(action->data().toString(), dark_buttons, icon_size));

    tab_buttons_->apply_colours();
    filter_chooser_->set_colours(scheme.button_color, scheme.panel_text_color, scheme.btn_border_color);

    set_background(this, scheme.button_color);
    set_background(tree_area_, scheme.panel_color);
    canvas_->set_background(scheme.panel_color);
    for (int i = 0; i < split_->count(); ++i) set_background(split_->widget(i), scheme.btn_border_color);
    set_background(split_, scheme.button_color);

    tool_strip_->setStyleSheet(toolkit::tool_strip_style_sheet(toolkit::button_strip_colours()));
    const gcm::TitleBarColours bar = gcm::title_bar_colours(scheme.panel_color);
    const int f = gcm::app_font_height();
    menu_bar_->setStyleSheet(toolkit::menu_bar_style_sheet(
        toolkit::strip_colours(scheme.btn_border_color, bar.background, bar.text, scheme.button_color,
                               scheme.panel_text_color),
        f + 8, 3 * f, 11 * f));
    set_tb_color();
    update();
}

void MainWindow::apply_font_scaling(bool after_font_change) {
    const QFont& font = gcm::app_font();
    const int f = gcm::app_font_height();
    // Windows the program does not draw itself (file choosers, tooltips) use the
    // application font too; menus are windows of their own and take it explicitly.
    QApplication::setFont(font);
    set_tb_size();
    setFont(font);
    menu_bar_->setFont(font);
    for (QMenu* menu : menu_bar_->findChildren<QMenu*>()) menu->setFont(font);
    tree_area_->setFont(font);
    tab_buttons_->set_size_and_font();
    tool_strip_->setIconSize(QSize(f + 2, f + 2));
    menu_bar_->setFixedSize(std::max(18 * f, menu_bar_->sizeHint().width()), f + 10);
    title_bar()->set_menu_bar(menu_bar_);
    filter_chooser_->setFont(font);
    filter_chooser_->set_font_and_fit(10);
    apply_colours();
    lay_out(after_font_change);
    split_->setSizes({11 * f, std::max(0, split_->width() - 11 * f)});
}

void MainWindow::implement_font_scaling() {
    gcm::init_fonts(gcm::default_base_font_size());
    apply_font_scaling(true);
}

void MainWindow::relayout() {
    if (split_) lay_out(false);
}

void MainWindow::lay_out(bool after_font_change) {
    const QRect client = client_rect();
    window_layout::Input in;
    in.client_x = client.x();
    in.client_w = client.width();
    in.client_h = client.height();
    in.font_height = gcm::app_font_height();
    in.border = b;
    in.title_bar_height = title_bar_height();
    const QSize strip = tool_strip_->sizeHint();
    in.tool_strip_w = strip.width();
    in.tool_strip_h = strip.height();
    in.tab_button_width = tab_buttons_->button_width();
    in.after_font_change = after_font_change;
    layout_ = window_layout::lay_out(in);

    const auto place = [](QWidget* widget, const window_layout::Box& box) {
        widget->setGeometry(box.x, box.y, box.w, box.h);
    };
    place(tool_strip_, layout_.tool_strip);
    place(split_, layout_.split);
    place(tab_buttons_, layout_.tab_row);
    tab_buttons_->raise();
    setMinimumSize(layout_.min_width, layout_.min_height);
    refresh_command_states();
}

// ---------------------------------------------------------------- commands and their states

void MainWindow::refresh_command_states() {
    const bool with_project = GCC::RP != nullptr;
    const auto enable = [this](Command command, bool on) {
        on = on && commands_.has(command);
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

void MainWindow::update_undo_redo_buttons() { refresh_command_states(); }

// The file commands keep the saved state; the window shows it.
void MainWindow::set_saved(bool saved) { files_->set_saved(saved); }

void MainWindow::show_file_status(const file_commands::FileStatus& status) {
    saved_ = status.saved;
    save_enabled_ = status.save_enabled;
    refresh_command_states();
}

void MainWindow::show_replaced_project(bool opened) { adopt_new_project(opened); }

void MainWindow::store_tree_expansion() {
    if (store_tree_expansion_) store_tree_expansion_();
}

void MainWindow::redraw_page() { request_page_rebuild(true); }

void MainWindow::change_zoom(const std::function<bool(ProjectSettings&, const PageFlags&)>& change) {
    if (!GCC::RP || !change(settings(), active_flags(tab_buttons_))) return;
    // A view setting: the project is unsaved, but no undo step is recorded.
    apply_zoom();
    set_saved(false);
    request_page_rebuild(true);
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
        file_menu_->addAction(text_of(gcm::menu::no_recent_files))->setEnabled(false);
        return;
    }
    for (const std::string& path : paths) {
        QAction* action = file_menu_->addAction(glue::plain_caption(glue::to_ui(path)));
        // A file that is gone is told (and may leave the list) before anything is replaced.
        connect(action, &QAction::triggered, this, [this, path] { files_->open_file_path(path); });
    }
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
