#include "ui/toolkit/app_combo_box.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "ui/glue/colours.h"
#include "ui/glue/screen_placement.h"
#include "ui/glue/text_conversion.h"
#include "ui/glue/text_measure.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"

namespace toolkit {
namespace {

constexpr int b = gcm::box_border_thickness;
constexpr int max_visible_lines = 11;

}  // namespace

AppComboBox::AppComboBox(QWidget* parent, int x, int y, int width, const std::vector<std::string>& items,
                         int selected)
    : QComboBox(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMaxVisibleItems(max_visible_lines);
    setFont(gcm::app_font());
    set_items(items, -1);
    const gcm::Scheme& scheme = gcm::scheme();
    set_colours(scheme.button_color, scheme.panel_text_color, scheme.btn_border_color);
    move(x, y);
    if (width == 0)
        set_font_and_fit(0);
    else
        set_size(width);
    set_selected_index(selected);
    connect(this, &QComboBox::activated, this, &AppComboBox::selectedIndexChanged);
}

QString AppComboBox::collapsed_text(const QString& text) {
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    if (bar <= 0) return text;
    QString head = text.left(bar);
    while (!head.isEmpty() && head.back().isSpace()) head.chop(1);
    return head;
}

void AppComboBox::set_items(const std::vector<std::string>& items, int selected) {
    clear();
    model_items_ = items;
    for (const std::string& item : items) addItem(glue::to_ui(item));
    setCurrentIndex(-1);
    set_selected_index(selected);
}

std::string AppComboBox::selected_model_text() const {
    const int index = currentIndex();
    if (index < 0 || index >= static_cast<int>(model_items_.size())) return {};
    return model_items_[static_cast<size_t>(index)];
}

void AppComboBox::set_selected_index(int index) {
    if (index < 0 || index >= count()) return;
    setCurrentIndex(index);
}

bool AppComboBox::set_selected_item(const QString& text) {
    const int index = find_string_exact(text);
    if (index < 0) return false;
    setCurrentIndex(index);
    return true;
}

int AppComboBox::find_string_exact(const QString& text) const {
    if (text.isEmpty()) return -1;
    for (int i = 0; i < count(); ++i)
        if (itemText(i) == text) return i;
    return -1;
}

void AppComboBox::paste() {
    const QString text = QGuiApplication::clipboard()->text().trimmed();
    const int index = find_string_exact(text);
    if (index < 0) return;
    setCurrentIndex(index);
    emit selectedIndexChanged(index);
}

int AppComboBox::v_size() const { return 2 * b + QFontMetrics(font()).height() + 7; }

int AppComboBox::button_width() const { return QFontMetrics(font()).height(); }

void AppComboBox::set_size(int width) { setFixedSize(width, v_size()); }

namespace {

// The label's text starts 4 px in; the border takes b on each side; the button is one font height wide.
int width_for(const QStringList& collapsed, const QFont& font, int extra) {
    return glue::widest_text_width(collapsed, font) + 4 + 2 * b + QFontMetrics(font).height() + extra;
}

}  // namespace

int AppComboBox::set_font_and_fit(int extra) {
    QStringList collapsed;
    for (int i = 0; i < count(); ++i) collapsed.append(collapsed_text(itemText(i)));
    const int width = width_for(collapsed, font(), extra);
    set_size(width);
    return width;
}

int AppComboBox::fitted_width(const std::vector<std::string>& items) {
    QStringList collapsed;
    for (const std::string& item : items) collapsed.append(collapsed_text(glue::to_ui(item)));
    return width_for(collapsed, gcm::app_font(), 0);
}

void AppComboBox::set_colours(const QColor& background, const QColor& text, const QColor& border) {
    background_ = background;
    text_ = text;
    border_ = border;
    view()->setStyleSheet(QStringLiteral("QAbstractItemView { background: %1; color: %2; border: 1px solid %3; "
                                         "selection-background-color: %4; selection-color: %2; }")
                              .arg(background.name(), text.name(), border.name(),
                                   glue::offset_color(background, 30).name()));
    update();
}

void AppComboBox::set_tool_tip_text(const QString& text) { tool_tip_text_ = text; }

QRect AppComboBox::text_rect() const { return QRect(b, b, width() - 2 * b - button_width(), height() - 2 * b); }

void AppComboBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), border_);
    // A focused box shows a thicker bottom border.
    const QRect inner = rect().adjusted(b, b, -b, hasFocus() ? -2 * b : -b);
    p.fillRect(inner, background_);
    p.setFont(font());
    p.setPen(isEnabled() ? text_ : glue::offset_color(text_, 110));
    p.drawText(QRect(inner.left() + 4, inner.top(), text_rect().width() - 4, inner.height()),
               Qt::AlignVCenter | Qt::AlignLeft, collapsed_text(currentText()));
    const QRect arrow(width() - b - button_width(), inner.top(), button_width(), inner.height());
    p.drawText(arrow, Qt::AlignCenter, QString(QChar(0x25BD)));
}

void AppComboBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    event->accept();
    if (key == Qt::Key_V && modifiers == Qt::ControlModifier) {
        paste();
    } else if (key == Qt::Key_Down || key == Qt::Key_F4) {
        showPopup();
    } else if (key != Qt::Key_Up) {
        emit keyPassed(key, modifiers);
    }
}

void AppComboBox::wheelEvent(QWheelEvent* event) { event->ignore(); }

bool AppComboBox::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        // Over the text the whole chosen entry; over the button the box's own tooltip.
        const bool over_text = text_rect().contains(help->pos()) && !currentText().isEmpty();
        const QString text = over_text ? glue::plain_tooltip(currentText()) : tool_tip_text_;
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this);
        return true;
    }
    return QComboBox::event(event);
}

void AppComboBox::showPopup() {
    view()->setMinimumWidth(width());
    QComboBox::showPopup();
    // The style may lay the list over the box, its chosen entry on the box's
    // place; the list opens right below the box instead, or right above it
    // when the working area ends before the list would.
    QWidget* popup = view()->window();
    if (popup == window()) return;
    const QRect area = glue::available_geometry_at(mapToGlobal(rect().center()));
    const QPoint below = mapToGlobal(QPoint(0, height()));
    const bool fits_below = below.y() + popup->height() <= area.bottom() + 1;
    const int y = fits_below ? below.y() : std::max(area.top(), mapToGlobal(QPoint(0, 0)).y() - popup->height());
    popup->move(std::clamp(below.x(), area.left(), std::max(area.left(), area.right() + 1 - popup->width())), y);
}

}  // namespace toolkit
