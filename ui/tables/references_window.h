#pragma once

#include <cstdint>

#include "ui/toolkit/data_grid_form.h"

namespace tables {

// "Project References": every reference of the current project's reference
// table, one row each, and a last row that adds one. A click on a link opens
// it, a click elsewhere edits the reference. Every change records one undo
// state of the project; Ctrl+Z and Ctrl+Y undo and redo only what was done
// in this window while it is open.
class ReferencesWindow : public toolkit::ShowDataGridViewForm {
    Q_OBJECT
public:
    enum Column { IdColumn, NameColumn, DescriptionColumn, LinkColumn, TypeColumn, column_count };

    explicit ReferencesWindow(QWidget* parent = nullptr);

    // The row that adds a reference (the last one); -1 without a project.
    int add_row() const { return add_row_; }
    void undo_step() override;
    void redo_step() override;

protected:
    void cell_clicked(int row, int column) override;

private:
    void load_data();
    void add_new_ref();
    void edit_ref(uint64_t id);
    void open_ref(uint64_t id);
    // The id of a row's reference; 0 for the add row.
    uint64_t ref_id(int row) const;
    void update_this_form();

    int add_row_ = -1;
    // Changes made here that Ctrl+Z may still undo, and undone ones Ctrl+Y may redo.
    int available_undos_ = 0;
    int available_redos_ = 0;
};

}  // namespace tables
