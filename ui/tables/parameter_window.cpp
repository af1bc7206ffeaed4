// The parameter window's grid: filling it from the table, dispatching clicks,
// and its own undo and redo keys.
#include "ui/tables/parameter_window.h"

#include <QAbstractItemView>
#include <QTableWidget>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/quantity/parameter.h"
#include "ui/glue/text_conversion.h"
#include "ui/theme/captions.h"

namespace tables {

using namespace parameter_rows;

ParameterWindow::ParameterWindow(QWidget* parent)
    : ShowDataGridViewForm(glue::to_ui(gcm::menu::customize_parameters.txt), parent) {
    grid()->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                            QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    load_data();
}

int ParameterWindow::header_row_of(int type) const {
    for (size_t r = 0; r < rows_.size(); ++r)
        if (rows_[r].kind == RowKind::TypeHeader && rows_[r].type == type) return static_cast<int>(r);
    return -1;
}

void ParameterWindow::load_data() {
    const int scroll_row = scroll_row_index();
    empty_data();
    QTableWidget& table = *grid();
    rows_ = build_rows(Parameter::get_poss_parameters());
    table.setColumnCount(column_count);
    QStringList labels;
    for (const char* header : headers) labels.append(QString::fromLatin1(header));
    table.setHorizontalHeaderLabels(labels);
    table.setRowCount(static_cast<int>(rows_.size()));
    for (int r = 0; r < table.rowCount(); ++r) {
        const Row& row = rows_[static_cast<size_t>(r)];
        for (int c = 0; c < column_count; ++c) {
            const Cell& cell = row.cells[static_cast<size_t>(c)];
            auto* item = new QTableWidgetItem(glue::to_ui(cell.text));
            item->setFlags(cell.editable ? item->flags() | Qt::ItemIsEditable : item->flags() & ~Qt::ItemIsEditable);
            if (row.header_colour) item->setBackground(header_row_color());
            table.setItem(r, c, item);
            if (cell.check) style_check_cell(item, cell.checked);
            if (cell.button) style_button_cell(item);
        }
    }
    set_fill_columns({{5, narrow_column_minimum()}, {}, {}, {}, {}, {}, {}});
    restore_scroll_row_index(scroll_row);
}

void ParameterWindow::cell_clicked(int r, int column) {
    if (r < 0 || r >= static_cast<int>(rows_.size()) || column < 0 || column >= column_count) return;
    // A copy: every handler refills the rows.
    const Row row = rows_[static_cast<size_t>(r)];
    const Cell& cell = row.cells[static_cast<size_t>(column)];
    if (cell.button) {
        if (cell.text == add_type_button) add_type();
        else if (cell.text == add_unit_button) add_unit(r);
        else if (cell.text == delete_unit_button) delete_unit(row);
        else if (cell.text == delete_type_button) delete_type(row);
        return;
    }
    if (cell.check) return toggle_active(row);
    // The add-unit row and the template are typed into in place.
    if (row.type < 0 || row.kind == RowKind::AddUnit || row.kind == RowKind::Template) return;
    const std::vector<PossPar*> table = Parameter::get_poss_parameters();
    if (static_cast<size_t>(row.type) >= table.size()) return;
    const PossPar& type = *table[static_cast<size_t>(row.type)];
    // Of a standard type only the custom units can be edited, and not their targets.
    if (!type.is_custom) {
        const bool custom_unit = row.kind == RowKind::Unit && static_cast<size_t>(row.index) < type.unit_count() &&
                                 type.unit_is_custom[static_cast<size_t>(row.index)];
        if (!custom_unit || column == Target) return;
    }
    edit_cell(row, column);
}

void ParameterWindow::edit_cell(const Row& row, int column) {
    std::vector<PossPar*> table = Parameter::get_poss_parameters();
    if (row.type < 0 || static_cast<size_t>(row.type) >= table.size() || row.index < 0) return;
    PossPar& type = *table[static_cast<size_t>(row.type)];
    const auto index = static_cast<size_t>(row.index);
    const bool is_unit = index < type.unit_count();
    switch (column) {
        case Type:
            if (row.kind == RowKind::TypeHeader) change_name(type);
            break;
        case UnitSymbol:
            if (is_unit) change_unit_symbol(type, index);
            break;
        case Factor:  // the base unit's factor and delta are fixed at 1 and 0
            if (is_unit && index >= 1) change_conv_factor(type, index);
            break;
        case Delta:
            if (is_unit && index >= 1) change_delta(type, index);
            break;
        case Target:
            if (index < type.target_texts.size()) change_target_type(type, index);
            break;
        default:
            break;
    }
}

void ParameterWindow::undo_step() { step(true); }
void ParameterWindow::redo_step() { step(false); }

void ParameterWindow::step(bool back) {
    if (!GCC::RP) return;
    const uint16_t before = GCC::RP->get_current_state();
    // A stepper owned by the project passes only states that changed nothing but the table.
    Parameter stepper(GCC::RP);
    if (back)
        stepper.goto_previous_state();
    else
        stepper.goto_next_state();
    if (GCC::RP->get_current_state() != before) note_step();
    load_data();
}

std::string ParameterWindow::cell_text(int grid_row, int column) const {
    const QTableWidgetItem* item = grid()->item(grid_row, column);
    return item ? glue::to_model(item->text()) : std::string();
}

void ParameterWindow::table_changed() {
    if (GCC::RP) GCC::RP->add_poss_par_state();
    changed_ = true;
    load_data();
}

}  // namespace tables
