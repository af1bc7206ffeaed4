#pragma once

#include <QColor>
#include <QPoint>

#include "ui/toolkit/app_form_resizable.h"
#include "ui/toolkit/column_fill.h"

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
    // A check box drawn in the middle of the cell. The grid never toggles it
    // itself: the window decides on a click whether the change is allowed.
    static void style_check_cell(QTableWidgetItem* cell, bool checked);
    static bool is_checked(const QTableWidgetItem* cell);

    // The columns share the grid's width by weight, each at least its minimum
    // wide, whenever the grid is resized. Without this every column gets an
    // equal share.
    void set_fill_columns(std::vector<FillColumn> columns);
    // The least width of the narrow first column (check boxes, ids): 3.3 F.
    static int narrow_column_minimum();
    void apply_column_fill();

    // Hit-tests the grid at a position of its viewport: remembers the screen
    // point (where the derived windows open their dialogs) and the cell, if any.
    bool set_clicked_cell(const QPoint& viewport_pos);
    // The cell at the clicked row and column (kept as numbers, so that a
    // refilled grid never leaves a stale item behind), or null.
    QTableWidgetItem* clicked_cell() const;
    int clicked_row() const { return clicked_row_; }
    int clicked_column() const { return clicked_column_; }
    QPoint click_pos() const { return click_pos_; }

    // The first row shown, or -1 without rows; the derived windows keep it
    // across refilling their rows.
    int scroll_row_index() const;
    // Negative indexes and empty grids are ignored; too large ones show the last row.
    void restore_scroll_row_index(int index);

    // A step of the window's own undo or redo moved the project's history:
    // every object was rebuilt, and the main window must follow.
    bool stepped() const { return stepped_; }

protected:
    // A left click on a cell, acted on once the grid has finished its own
    // handling of the click (an editor it closes has written its text). The
    // click is dropped when the grid was refilled in between, or while an
    // earlier click is still being handled (its dialog open).
    virtual void cell_clicked(int /*row*/, int /*column*/) {}
    // The window's own Ctrl+Z and Ctrl+Y (an open cell editor keeps them for its text).
    virtual void undo_step() {}
    virtual void redo_step() {}
    // Removes every column and row before the derived window fills the grid again.
    void empty_data();
    // A step that moved the project's history happened.
    void note_step() { stepped_ = true; }

    void keyPressEvent(QKeyEvent* event) override;

    void relayout() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableWidget* grid_;
    QColor header_row_color_;
    QColor btn_color_;
    QColor btn_sel_color_;
    std::vector<FillColumn> fill_columns_;
    int generation_ = 0;
    bool stepped_ = false;
    bool handling_click_ = false;
    int clicked_row_ = -1;
    int clicked_column_ = -1;
    QPoint click_pos_;
};

}  // namespace toolkit
