#pragma once

#include <QColor>
#include <QPoint>

#include "ui/toolkit/app_form_resizable.h"

class QTableWidget;
class QTableWidgetItem;

namespace toolkit {

// The resizable window of the table windows (quantity types, references): a
// themed grid below the title bar, 0.8 of the working area large and centred
// on it. Cells are chosen one at a time; button cells look like buttons.
class ShowDataGridViewForm : public AppFormResizable {
    Q_OBJECT
public:
    explicit ShowDataGridViewForm(const QString& title, QWidget* parent = nullptr);

    QTableWidget* grid() const { return grid_; }

    // The panel colour shifted by 20, 30 and 40 (lighter on dark, darker on light).
    QColor header_row_color() const { return header_row_color_; }
    QColor btn_color() const { return btn_color_; }
    QColor btn_sel_color() const { return btn_sel_color_; }

    void apply_grid_theme();
    void style_button_cell(QTableWidgetItem* cell);
    static bool is_button_cell(const QTableWidgetItem* cell);

    // Hit-tests the grid at a position of its viewport: remembers the screen
    // point (where the derived windows open their dialogs) and the cell, if any.
    bool set_clicked_cell(const QPoint& viewport_pos);
    QTableWidgetItem* clicked_cell() const { return clicked_cell_; }
    QPoint click_pos() const { return click_pos_; }

    // The first row shown, or -1 without rows; the derived windows keep it
    // across refilling their rows.
    int scroll_row_index() const;
    // Negative indexes and empty grids are ignored; too large ones show the last row.
    void restore_scroll_row_index(int index);

protected:
    void relayout() override;

private:
    QTableWidget* grid_;
    QColor header_row_color_;
    QColor btn_color_;
    QColor btn_sel_color_;
    QTableWidgetItem* clicked_cell_ = nullptr;
    QPoint click_pos_;
};

}  // namespace toolkit
