#include "ui/toolkit/data_grid_form.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

#include "ui/glue/colours.h"
#include "ui/glue/screen_placement.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"

namespace toolkit {
namespace {

constexpr int button_role = Qt::UserRole + 1;
constexpr int check_role = Qt::UserRole + 2;

QString css(const QColor& colour) { return colour.name(QColor::HexRgb); }

// Button cells in their own colour, and in a darker or lighter one when chosen.
class ButtonCellDelegate : public QStyledItemDelegate {
public:
    ButtonCellDelegate(const ShowDataGridViewForm& form, QObject* parent) : QStyledItemDelegate(parent), form_(form) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        if (const QVariant check = index.data(check_role); check.isValid()) return paint_check(painter, option, index, check.toBool());
        if (!index.data(button_role).toBool()) return QStyledItemDelegate::paint(painter, option, index);
        const bool selected = option.state & QStyle::State_Selected;
        painter->fillRect(option.rect.adjusted(1, 1, -1, -1), selected ? form_.btn_sel_color() : form_.btn_color());
        painter->setPen(gcm::scheme().panel_text_color);
        painter->drawText(option.rect, Qt::AlignCenter, index.data(Qt::DisplayRole).toString());
    }

private:
    // The cell as any other (background, selection), then the box in its middle.
    void paint_check(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index,
                     bool checked) const {
        QStyledItemDelegate::paint(painter, option, index);
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        QStyleOptionButton box;
        const int w = style->pixelMetric(QStyle::PM_IndicatorWidth, &box, widget);
        const int h = style->pixelMetric(QStyle::PM_IndicatorHeight, &box, widget);
        box.rect = QRect(option.rect.center() - QPoint(w / 2, h / 2), QSize(w, h));
        box.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
        box.palette = option.palette;
        style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, widget);
    }

    const ShowDataGridViewForm& form_;
};

}  // namespace

ShowDataGridViewForm::ShowDataGridViewForm(const QString& title, QWidget* parent)
    : AppFormResizable(title, parent), grid_(new QTableWidget(this)) {
    const QColor panel = gcm::scheme().panel_color;
    header_row_color_ = glue::offset_color(panel, 20);
    btn_color_ = glue::offset_color(panel, 30);
    btn_sel_color_ = glue::offset_color(panel, 40);
    grid_->setItemDelegate(new ButtonCellDelegate(*this, grid_));
    grid_->viewport()->installEventFilter(this);
    apply_grid_theme();

    const QRect area = glue::available_geometry_under_mouse();
    const QSize size = glue::screen_size(0.8, 0.8);
    setGeometry(QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size));
}

void ShowDataGridViewForm::apply_grid_theme() {
    const gcm::Scheme& scheme = gcm::scheme();
    grid_->setFont(gcm::app_font());
    grid_->setShowGrid(true);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid_->verticalHeader()->setVisible(false);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont bold = gcm::app_font();
    bold.setBold(true);
    grid_->horizontalHeader()->setFont(bold);
    grid_->setStyleSheet(
        QStringLiteral("QTableWidget { background: %1; color: %2; gridline-color: %3; border: none; "
                       "selection-background-color: %4; selection-color: %2; }"
                       "QHeaderView::section { background: %1; color: %2; border: 1px solid %3; padding: 2px 4px; }")
            .arg(css(scheme.panel_color), css(scheme.panel_text_color), css(scheme.box_border_color),
                 css(header_row_color_)));
}

void ShowDataGridViewForm::style_button_cell(QTableWidgetItem* cell) {
    if (!cell) return;
    cell->setData(button_role, true);
    cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
}

bool ShowDataGridViewForm::is_button_cell(const QTableWidgetItem* cell) {
    return cell && cell->data(button_role).toBool();
}

void ShowDataGridViewForm::style_check_cell(QTableWidgetItem* cell, bool checked) {
    if (!cell) return;
    cell->setData(check_role, checked);
    cell->setFlags(cell->flags() & ~(Qt::ItemIsEditable | Qt::ItemIsUserCheckable));
}

bool ShowDataGridViewForm::is_checked(const QTableWidgetItem* cell) {
    return cell && cell->data(check_role).toBool();
}

void ShowDataGridViewForm::empty_data() {
    ++generation_;
    grid_->clear();
    grid_->setColumnCount(0);
    grid_->setRowCount(0);
}

void ShowDataGridViewForm::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::ControlModifier && (event->key() == Qt::Key_Z || event->key() == Qt::Key_Y)) {
        event->key() == Qt::Key_Z ? undo_step() : redo_step();
        event->accept();
        return;
    }
    AppFormResizable::keyPressEvent(event);
}

void ShowDataGridViewForm::set_fill_columns(std::vector<FillColumn> columns) {
    fill_columns_ = std::move(columns);
    grid_->horizontalHeader()->setSectionResizeMode(fill_columns_.empty() ? QHeaderView::Stretch
                                                                          : QHeaderView::Fixed);
    apply_column_fill();
}

int ShowDataGridViewForm::narrow_column_minimum() {
    return static_cast<int>(std::lround(3.3 * gcm::app_font_height()));
}

void ShowDataGridViewForm::apply_column_fill() {
    if (fill_columns_.empty() || grid_->columnCount() != static_cast<int>(fill_columns_.size())) return;
    const std::vector<int> widths = fill_widths(grid_->viewport()->width(), fill_columns_);
    for (int c = 0; c < grid_->columnCount(); ++c) grid_->setColumnWidth(c, widths[static_cast<size_t>(c)]);
}

bool ShowDataGridViewForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_->viewport() && event->type() == QEvent::Resize) apply_column_fill();
    if (watched == grid_->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && set_clicked_cell(mouse->position().toPoint())) {
            const int row = clicked_row_, column = clicked_column_, generation = generation_;
            QMetaObject::invokeMethod(
                this,
                [this, row, column, generation] {
                    if (handling_click_ || generation != generation_) return;
                    const QScopedValueRollback<bool> handling(handling_click_, true);
                    cell_clicked(row, column);
                },
                Qt::QueuedConnection);
        }
    }
    return AppFormResizable::eventFilter(watched, event);
}

bool ShowDataGridViewForm::set_clicked_cell(const QPoint& viewport_pos) {
    click_pos_ = grid_->viewport()->mapToGlobal(viewport_pos);
    const QTableWidgetItem* hit = grid_->itemAt(viewport_pos);
    clicked_row_ = hit ? hit->row() : -1;
    clicked_column_ = hit ? hit->column() : -1;
    return hit != nullptr;
}

QTableWidgetItem* ShowDataGridViewForm::clicked_cell() const {
    return clicked_row_ < 0 ? nullptr : grid_->item(clicked_row_, clicked_column_);
}

int ShowDataGridViewForm::scroll_row_index() const {
    if (grid_->rowCount() == 0) return -1;
    return grid_->rowAt(0);
}

void ShowDataGridViewForm::restore_scroll_row_index(int index) {
    if (index < 0 || grid_->rowCount() == 0) return;
    // A refilled grid lays its rows out later; the scroll range must know them now.
    grid_->doItemsLayout();
    grid_->scrollTo(grid_->model()->index(std::min(index, grid_->rowCount() - 1), 0), QAbstractItemView::PositionAtTop);
}

void ShowDataGridViewForm::relayout() {
    const QRect client = client_rect();
    const int top = title_bar_height();
    grid_->setGeometry(client.x(), top, client.width(), client.height() - top);
}

}  // namespace toolkit
