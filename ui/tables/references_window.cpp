#include "ui/tables/references_window.h"

#include <QAbstractItemView>
#include <QTableWidget>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/reference/reference.h"
#include "ui/dialogs/reference_editor.h"
#include "ui/glue/text_conversion.h"
#include "ui/main_window/main_window_services.h"
#include "ui/theme/captions.h"
#include "ui/theme/fonts.h"
#include "ui/toolkit/message_box.h"

namespace tables {
namespace {

constexpr int id_role = Qt::UserRole + 10;

QTableWidgetItem* cell(const std::string& text) {
    auto* item = new QTableWidgetItem(glue::to_ui(text));
    item->setTextAlignment(Qt::AlignTop | Qt::AlignLeft);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

}  // namespace

ReferencesWindow::ReferencesWindow(QWidget* parent)
    : ShowDataGridViewForm(glue::to_ui(gcm::menu::references.txt), parent) {
    grid()->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid()->setWordWrap(true);
    load_data();
}

void ReferencesWindow::load_data() {
    const int scroll_row = scroll_row_index();
    empty_data();
    QTableWidget& table = *grid();
    add_row_ = -1;
    if (!GCC::RP) {
        table.setColumnCount(1);
        table.setHorizontalHeaderLabels({QStringLiteral("Error: No Project Available")});
        set_fill_columns({});
        return;
    }

    table.setColumnCount(column_count);
    table.setHorizontalHeaderLabels({QStringLiteral("ID"), QStringLiteral("Name"), QStringLiteral("Description"),
                                     QStringLiteral("Link"), QStringLiteral("Type")});
    QFont link_font = gcm::app_font();
    link_font.setUnderline(true);
    const ReferenceTable& references = GCC::RP->get_references();
    table.setRowCount(static_cast<int>(references.size()) + 1);
    int row = 0;
    for (const auto& [id, reference] : references) {
        QTableWidgetItem* id_cell = cell({});
        id_cell->setText(QString::number(id));
        id_cell->setData(id_role, QVariant::fromValue<qulonglong>(id));
        table.setItem(row, IdColumn, id_cell);
        table.setItem(row, NameColumn, cell(reference.name()));
        table.setItem(row, DescriptionColumn, cell(reference.description()));
        QTableWidgetItem* link = cell(reference.link());
        link->setFont(link_font);
        link->setForeground(QColor(0, 0, 255));
        table.setItem(row, LinkColumn, link);
        table.setItem(row, TypeColumn, cell(reference.type()));
        ++row;
    }
    add_row_ = row;
    for (int c = 0; c < column_count; ++c)
        table.setItem(add_row_, c, cell(c == NameColumn ? "Click here to add a new Reference" : ""));

    set_fill_columns({{5, narrow_column_minimum()}, {}, {}, {}, {}});
    restore_scroll_row_index(scroll_row);
}

uint64_t ReferencesWindow::ref_id(int row) const {
    const QTableWidgetItem* item = grid()->item(row, IdColumn);
    return item ? item->data(id_role).toULongLong() : 0;
}

void ReferencesWindow::cell_clicked(int row, int column) {
    if (!GCC::RP || row < 0 || add_row_ < 0) return;
    if (row == add_row_) return add_new_ref();
    if (column == LinkColumn) return open_ref(ref_id(row));
    edit_ref(ref_id(row));
}

void ReferencesWindow::add_new_ref() {
    Reference blank("", "", "", "Unknown");
    if (!dialogs::edit_reference(click_pos(), &blank)) return;
    // The table keeps one reference per link: adding it again would change nothing.
    if (const std::optional<uint64_t> existing = GCC::RP->find_reference_id(blank.link())) {
        toolkit::show_info(QStringLiteral("A Reference with this link already exists (ID %1).\n"
                                          "No Reference has been added.")
                               .arg(*existing));
        return;
    }
    GCC::RP->add_reference(blank.name(), blank.description(), blank.link(), blank.type());
    update_this_form();
}

void ReferencesWindow::edit_ref(uint64_t id) {
    Reference* reference = id != 0 ? GCC::RP->get_reference(id) : nullptr;
    if (dialogs::edit_reference(click_pos(), reference)) update_this_form();
}

void ReferencesWindow::open_ref(uint64_t id) {
    const Reference* reference = id != 0 ? GCC::RP->get_reference(id) : nullptr;
    if (!reference) return;
    std::string error;
    if (!reference->open(&error) && !error.empty()) toolkit::show_error(glue::to_ui(error));
}

void ReferencesWindow::update_this_form() {
    ++available_undos_;
    available_redos_ = 0;  // the new state drops those after it
    // The project's memento holds the whole reference table.
    GCC::RP->add_uid_state(GCC::RP);
    load_data();
    if (MainWindowServices* window = main_window()) window->set_saved(false);
}

void ReferencesWindow::undo_step() {
    if (!GCC::RP || available_undos_ <= 0) return;
    const uint16_t before = GCC::RP->get_current_state();
    GCC::RP->goto_previous_state();
    load_data();
    if (GCC::RP->get_current_state() == before) return;
    --available_undos_;
    ++available_redos_;
    note_step();
}

void ReferencesWindow::redo_step() {
    // Only states undone here: a state made before the window opened is not redone.
    if (!GCC::RP || available_redos_ <= 0) return;
    const uint16_t before = GCC::RP->get_current_state();
    GCC::RP->goto_next_state();
    load_data();
    if (GCC::RP->get_current_state() == before) return;
    ++available_undos_;
    --available_redos_;
    note_step();
}

}  // namespace tables
