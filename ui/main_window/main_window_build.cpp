// Building the main window's parts and laying them out in the scheme and fonts.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProxyStyle>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/settings/project_settings.h"
#include "ui/glue/colours.h"
#include "ui/glue/text_conversion.h"
#include "ui/icons/icon_library.h"
#include "ui/main_window/canvas_view.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/menu_table.h"
#include "ui/main_window/rebuild_queue.h"
#include "ui/main_window/tab_page_buttons.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/strip_style.h"
#include "ui/toolkit/title_bar.h"

namespace {

constexpr int b = gcm::box_border_thickness;
constexpr int initial_filter_entry = 1;

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

}  // namespace

// ---------------------------------------------------------------- building

void MainWindow::build_menus() {
    menu_bar_ = new QMenuBar();
    menu_bar_->setStyle(menu_key_style());
    menu_bar_->setNativeMenuBar(false);
    title_bar()->set_menu_bar(menu_bar_);

    const std::function<void(QMenu*, const std::vector<MenuItemEntry>&)> fill = [&](QMenu* menu,
                                                                                   const std::vector<MenuItemEntry>& items) {
        menu->setToolTipsVisible(true);
        for (const MenuItemEntry& item : items) {
            if (!item.submenu.empty()) {
                QMenu* sub = menu->addMenu(glue::to_ui(item.caption.txt));
                fill(sub, item.submenu);
                continue;
            }
            if (!item.command) {
                QAction* separator = menu->addSeparator();
                if (menu == file_menu_) recent_files_separator_ = separator;
                continue;
            }
            QAction* action = menu->addAction(glue::to_ui(item.caption.txt));
            if (!item.caption.ttt.empty()) action->setToolTip(glue::to_ui(item.caption.ttt));
            const Command command = *item.command;
            // Queued: the command (and its dialogs) runs once the menu has closed and returned.
            connect(
                action, &QAction::triggered, this, [this, command] { run_command(command); }, Qt::QueuedConnection);
            menu_actions_[command] = action;
        }
    };
    for (const MenuEntry& entry : main_menu_table()) {
        QMenu* menu = menu_bar_->addMenu(glue::to_ui(entry.caption.txt));
        if (!file_menu_) file_menu_ = menu;
        fill(menu, entry.items);
    }
}

void MainWindow::build_tool_strip() {
    tool_strip_ = new QToolBar(this);
    tool_strip_->setFloatable(false);
    tool_strip_->setMovable(false);
    tool_strip_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const std::vector<ToolEntry>& tools = tool_strip_table();
    for (size_t i = 0; i < tools.size(); ++i) {
        if (i == filter_chooser_position) {
            ProjectSettings defaults;
            filter_chooser_ = new toolkit::AppComboBox(nullptr, 0, 0, 5 * gcm::app_font_height(),
                                                       defaults.show_options, initial_filter_entry);
            filter_chooser_->set_tool_tip_text(glue::to_ui(gcm::tool::filter.txt));
            connect(filter_chooser_, &toolkit::AppComboBox::selectedIndexChanged, this, &MainWindow::filter_chosen,
                    Qt::QueuedConnection);
            tool_strip_->addWidget(filter_chooser_);
        }
        const ToolEntry& tool = tools[i];
        QAction* action = tool_strip_->addAction(glue::to_ui(tool.caption.txt));
        action->setToolTip(glue::to_ui(tool.caption.txt));
        action->setData(QString::fromLatin1(tool.image));
        const Command command = tool.command;
        connect(
            action, &QAction::triggered, this, [this, command] { run_command(command); }, Qt::QueuedConnection);
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
    tab_buttons_ = new TabPageButtons(this);
    tab_buttons_->raise();
    canvas_ = new CanvasView(nullptr, tab_buttons_->active());
    split_->addWidget(framed(tree_area_, split_));
    split_->addWidget(framed(canvas_, split_));
    split_->setStretchFactor(0, 0);
    split_->setStretchFactor(1, 1);
    connect(canvas_, &CanvasView::zoomStepsRequested, this, &MainWindow::zoom_by);

    connect(tab_buttons_, &TabPageButtons::pageActivated, this, [this](TabPage page) {
        // A page shown before keeps its items: the rebuild brings them up to date.
        canvas_->show_page(page);
        apply_zoom();
        request_page_rebuild(false);
    });
}

// ---------------------------------------------------------------- appearance

void MainWindow::apply_colours() {
    if (trial_colours_)
        gcm::set_scheme(*trial_colours_);
    else if (GCC::RP)
        gcm::set_scheme(settings());
    const gcm::Scheme& scheme = gcm::scheme();

    // Drawing the tool icons is slow, and most rebuilds keep their colours and size.
    const ToolIconKey wanted{glue::is_dark(scheme.button_color), gcm::app_font_height() + 2};
    if (wanted != tool_icons_) {
        tool_icons_ = wanted;
        for (const auto& [command, action] : tool_actions_)
            action->setIcon(icons::tool_icon(action->data().toString(), wanted.dark, wanted.size));
    }

    tab_buttons_->apply_colours();
    filter_chooser_->set_colours(scheme.button_color, scheme.panel_text_color, scheme.btn_border_color);

    set_background(this, scheme.button_color);
    set_background(tree_area_, scheme.panel_color);
    canvas_->set_background(scheme.panel_color);
    for (int i = 0; i < split_->count(); ++i) set_background(split_->widget(i), scheme.btn_border_color);
    set_background(split_, scheme.button_color);

    // Restyling is slow, and most rebuilds keep the colours and the font.
    const auto restyle = [](QWidget* widget, const QString& style) {
        if (widget->styleSheet() != style) widget->setStyleSheet(style);
    };
    restyle(tool_strip_, toolkit::tool_strip_style_sheet(toolkit::button_strip_colours()));
    const gcm::TitleBarColours bar = gcm::title_bar_colours(scheme.panel_color);
    const int f = gcm::app_font_height();
    restyle(menu_bar_, toolkit::menu_bar_style_sheet(toolkit::strip_colours(scheme.btn_border_color, bar.background,
                                                                           bar.text, scheme.button_color,
                                                                           scheme.panel_text_color),
                                                     f + 8, 3 * f, 11 * f));
    set_tb_color();
    update();
    emit coloursApplied();
}

void MainWindow::show_trial_colours(const ProjectSettings& colours) {
    trial_colours_ = gcm::scheme_of(colours);
    recolour_and_redraw();
}

void MainWindow::end_trial_colours() {
    if (!trial_colours_) return;
    trial_colours_.reset();
    recolour_and_redraw();
}

void MainWindow::recolour_and_redraw() {
    apply_colours();
    // Straight to the queue: nothing of the project changed, so it stays saved.
    rebuilds_->request_tree();
    rebuilds_->request_page(true);
}

void MainWindow::apply_font_scaling(bool after_font_change) {
    const QFont& font = gcm::app_font();
    const int f = gcm::app_font_height();
    // Windows the program does not draw itself (file choosers, tooltips) use the
    // application font too; menus are windows of their own and take it explicitly.
    // Setting it walks every widget and every item of the canvas, so only on a change.
    if (QApplication::font() != font) QApplication::setFont(font);
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
