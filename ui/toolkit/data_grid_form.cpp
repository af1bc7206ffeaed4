#include "ui/toolkit/data_grid_form.h"

#include <QHeaderView>
#include <algorithm>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "ui/glue/colours.h"
#include "ui/glue/screen_placement.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"

namespace toolkit {
namespace {

constexpr int button_role = Qt::UserRole + 1;

QString css(const QColor& colour) { return colour.name(QColor::HexRgb); }

// Button cells in their own colour, and in a darker or lighter one when chosen.
class ButtonCellDelegate : public QStyledItemDelegate {
public:
    ButtonCellDelegate(const ShowDataGridViewForm& form, QObject* parent) : QStyledItemDelegate(parent), form_(form) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        if (!index.data(button_role).toBool()) return QStyledItemDelegate::paint(painter, option, index);
        const bool selected = option.state & QStyle::State_Selected;
        painter->fillRect(option.rect.adjusted(1, 1, -1, -1), selected ? form_.btn_sel_color() : form_.btn_color());
        painter->setPen(gcm::scheme().panel_text_color);
        painter->drawText(option.rect, Qt::AlignCenter, index.data(Qt::DisplayRole).toString());
    }

private:
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

bool ShowDataGridViewForm::set_clicked_cell(const QPoint& viewport_pos) {
    click_pos_ = grid_->viewport()->mapToGlobal(viewport_pos);
    clicked_cell_ = grid_->itemAt(viewport_pos);
    return clicked_cell_ != nullptr;
}

int ShowDataGridViewForm::scroll_row_index() const {
    if (grid_->rowCount() == 0) return -1;
    return grid_->rowAt(0);
}

void ShowDataGridViewForm::restore_scroll_row_index(int index) {
    if (index < 0 || grid_->rowCount() == 0) return;
    grid_->scrollTo(grid_->model()->index(std::min(index, grid_->rowCount() - 1), 0), QAbstractItemView::PositionAtTop);
}

void ShowDataGridViewForm::relayout() {
    const QRect client = client_rect();
    const int top = title_bar_height();
    grid_->setGeometry(client.x(), top, client.width(), client.height() - top);
}

}  // namespace toolkit
