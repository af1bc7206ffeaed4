#pragma once

#include <string>
#include <vector>

#include "ui/tables/parameter_rows.h"
#include "ui/toolkit/data_grid_form.h"

class Node;
class PossPar;

namespace tables {

// "Customize Parameters": the quantity-type table as a grid, one block of
// rows per type. Units are switched on and off by their check boxes; custom
// units and types are added in place (the add-unit rows, the template at the
// end) and deleted by their buttons; the texts and numbers of custom entries
// are edited in small dialogs. Every change goes straight into the table and
// records one quantity-table undo state; Ctrl+Z and Ctrl+Y step through the
// project's states that changed nothing but the table.
//
// The grid is refilled after every change and step. Rows name their type by
// its index in the table, looked up afresh by every handler.
class ParameterWindow : public toolkit::ShowDataGridViewForm {
    Q_OBJECT
public:
    explicit ParameterWindow(QWidget* parent = nullptr);

    const std::vector<parameter_rows::Row>& rows() const { return rows_; }
    // The grid row of a table row's header; -1 when it is not shown.
    int header_row_of(int type) const;

    // The table was changed in this window.
    bool changed_table() const { return changed_; }

    void undo_step() override;
    void redo_step() override;

protected:
    void cell_clicked(int row, int column) override;

private:
    void load_data();
    void edit_cell(const parameter_rows::Row& row, int column);
    void step(bool back);

    // The handlers; each resolves its table row by index first.
    void toggle_active(const parameter_rows::Row& row);
    void add_type();
    void add_unit(int grid_row);
    void delete_unit(const parameter_rows::Row& row);
    void delete_type(const parameter_rows::Row& row);
    void change_name(PossPar& type);
    void change_unit_symbol(PossPar& type, size_t unit);
    void change_conv_factor(PossPar& type, size_t unit);
    void change_delta(PossPar& type, size_t unit);
    void change_target_type(PossPar& type, size_t target);

    // The factor and delta typed into a row; false after telling the user why not.
    bool get_unit_fd(int grid_row, double& factor, double& delta);
    std::string cell_text(int grid_row, int column) const;
    // Records the quantity-table state of a change and shows the table again.
    void table_changed();
    // The same after a change that also moved the type or unit indexes of these objects.
    void table_changed_with(const std::vector<Node*>& moved);

    std::vector<parameter_rows::Row> rows_;
    bool changed_ = false;
};

}  // namespace tables
