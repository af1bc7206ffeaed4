// The parameter window's changes of the quantity-type table. Each refuses
// what it cannot store with a message and leaves the table unchanged; each
// change it stores records one undo state.
#include <QDialog>
#include <algorithm>
#include <optional>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/model/verb_cap_param_base.h"
#include "core/quantity/parameter.h"
#include "core/text/number_format.h"
#include "core/text/sentences.h"
#include "ui/dialogs/dialog_seam.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/glue/number_input.h"
#include "ui/glue/text_conversion.h"
#include "ui/tables/parameter_window.h"
#include "ui/toolkit/message_box.h"

namespace tables {

using namespace parameter_rows;

namespace {

PossPar* table_row(int type) {
    std::vector<PossPar*> table = Parameter::get_poss_parameters();
    return type >= 0 && static_cast<size_t>(type) < table.size() ? table[static_cast<size_t>(type)] : nullptr;
}

// Empty, or the in-place row's text left as it was.
bool missing(const std::string& text, const char* placeholder) {
    const std::string trimmed = MyStrF::_trimString(text);
    return trimmed.empty() || trimmed == placeholder;
}

bool has_unit_key(const PossPar& type, const std::string& symbol, size_t except = SIZE_MAX) {
    const std::string key = MyStrF::_trimLwr(symbol);
    for (size_t u = 0; u < type.unit_symbols_lc.size(); ++u)
        if (u != except && type.unit_symbols_lc[u] == key) return true;
    return false;
}

bool has_type_key(const std::string& name, const PossPar* except = nullptr) {
    const std::string key = MyStrF::_trimLwr(name);
    for (const PossPar* p : Parameter::get_poss_parameters())
        if (p != except && p->name_lc == key) return true;
    return false;
}

QString users_message(size_t users, const char* outcome) {
    return QString::number(users) + QStringLiteral(" Objects are using this parameter unit.\n") +
           QString::fromLatin1(outcome);
}

// The answer of a one-row dialog, or nothing when it was cancelled.
std::optional<std::string> ask(const QPoint& at, const std::string& title, const std::string& prompt,
                               const std::string& preset) {
    const auto dialog = dialogs::InputDialog::one_text_row(at, title, prompt, preset);
    if (dialogs::run_modal(*dialog) != QDialog::Accepted) return std::nullopt;
    return dialog->result_std_string(0);
}

// A number typed into a dialog, with "." or "," as decimal point.
std::optional<double> ask_number(const QPoint& at, const std::string& title, const std::string& prompt,
                                 double current) {
    // The exact value as default: OK on it changes nothing.
    const std::optional<std::string> answer = ask(at, title, prompt, MyStrF::_double_to_roundtrip_string(current));
    if (!answer) return std::nullopt;
    const std::optional<double> value = glue::parse_decimal(glue::to_ui(*answer));
    if (!value) toolkit::show_info(QStringLiteral("Please provide a valid number."));
    return value;
}

}  // namespace

void ParameterWindow::table_changed_with(const std::vector<Node*>& moved) {
    // Objects whose indexes followed the table changed too: their mementos are renewed with it.
    if (GCC::RP && !moved.empty()) {
        GCC::RP->add_uids_and_types_state(moved);
        changed_ = true;
        load_data();
        return;
    }
    table_changed();
}

void ParameterWindow::toggle_active(const Row& row) {
    PossPar* type = table_row(row.type);
    if (!type || row.index < 0) return;
    // The header row shows whether the type is active and switches its base unit.
    const size_t unit = row.kind == RowKind::TypeHeader ? 0 : static_cast<size_t>(row.index);
    if (unit >= type->unit_count()) return;
    const bool active = !row.cells[Active].checked;
    if (!active) {
        const size_t users = Parameter::get_parent_par_nodes(static_cast<uint32_t>(row.type),
                                                             static_cast<uint16_t>(unit)).size();
        if (users != 0) {
            toolkit::show_info(users_message(users, "Therefore, it hasn't been deactivated."));
            return;
        }
    }
    if (type->unit_is_active[unit] == active) return load_data();
    type->unit_is_active[unit] = active;
    table_changed();
}

bool ParameterWindow::get_unit_fd(int grid_row, double& factor, double& delta) {
    const std::optional<double> f = glue::parse_decimal(glue::to_ui(cell_text(grid_row, Factor)));
    if (!f) {
        toolkit::show_warning(QStringLiteral("Please provide a valid factor number."));
        return false;
    }
    if (*f == 0.0) {
        toolkit::show_warning(QStringLiteral("Please provide a non-zero factor."));
        return false;
    }
    const std::optional<double> d = glue::parse_decimal(glue::to_ui(cell_text(grid_row, Delta)));
    if (!d) {
        toolkit::show_warning(QStringLiteral("Please provide a valid delta number."));
        return false;
    }
    factor = *f;
    delta = *d;
    return true;
}

void ParameterWindow::add_type() {
    const auto first = std::find_if(rows_.begin(), rows_.end(), [](const Row& row) {
        return row.kind == RowKind::Template && row.index == 0;
    });
    if (first == rows_.end()) return;
    const int r = static_cast<int>(first - rows_.begin());
    const std::string name = cell_text(r, Type);
    const std::string symbol = cell_text(r, UnitSymbol);
    if (missing(name, new_type_name)) {
        toolkit::show_warning(QStringLiteral("Please provide a name for the new type."));
        return;
    }
    if (has_type_key(name)) {
        toolkit::show_info(
            QStringLiteral("Type already exists. Please specify a unique type name. Type has not been created."));
        return;
    }
    if (missing(symbol, new_base_unit_symbol)) {
        toolkit::show_warning(QStringLiteral("Please provide a symbol for the base unit of the new type."));
        return;
    }
    double factor = 1.0, delta = 0.0;
    if (!get_unit_fd(r, factor, delta)) return;
    std::vector<std::string> targets;
    for (int t = 0; t < 7; ++t) targets.push_back(cell_text(r + t, Target));
    const std::string refused = Parameter::add_cust_poss_parameter(name, {symbol}, {factor}, {delta}, {true}, targets);
    if (!refused.empty()) {
        toolkit::show_warning(glue::to_ui(refused));
        return;
    }
    table_changed();
}

void ParameterWindow::add_unit(int grid_row) {
    const Row& row = rows_[static_cast<size_t>(grid_row)];
    const PossPar* type = table_row(row.type);
    if (!type) return;
    const std::string symbol = cell_text(grid_row, UnitSymbol);
    if (missing(symbol, new_unit_symbol)) {
        toolkit::show_warning(QStringLiteral("Please provide a symbol for the new unit."));
        return;
    }
    if (has_unit_key(*type, symbol)) {
        toolkit::show_warning(QStringLiteral("Unit already exists. Please specify an unique unit name."));
        return;
    }
    double factor = 1.0, delta = 0.0;
    if (!get_unit_fd(grid_row, factor, delta)) return;
    const std::string refused = Parameter::add_cust_unit(static_cast<uint32_t>(row.type), symbol, factor, delta, true);
    if (!refused.empty()) {
        toolkit::show_warning(glue::to_ui(refused));
        return;
    }
    table_changed();
}

void ParameterWindow::delete_unit(const Row& row) {
    const PossPar* type = table_row(row.type);
    if (!type || row.index < 1 || static_cast<size_t>(row.index) >= type->unit_count()) {
        toolkit::show_warning(QStringLiteral("No possible parameter has been found in the row."));
        return;
    }
    const auto type_index = static_cast<uint32_t>(row.type);
    const auto unit = static_cast<uint16_t>(row.index);
    if (const size_t users = Parameter::get_parent_par_nodes(type_index, unit).size(); users != 0) {
        toolkit::show_warning(users_message(users, "Therefore, it hasn't been deleted."));
        return;
    }
    // The quantities in later units of the type move down with them.
    std::vector<Node*> moved;
    for (Node* n : Parameter::get_parent_par_nodes(type_index))
        if (static_cast<VerbCapParamBase*>(n)->get_par().get_unit_int() > unit) moved.push_back(n);
    Parameter::remove_custom_units(type_index, unit);
    table_changed_with(moved);
}

void ParameterWindow::delete_type(const Row& row) {
    if (!table_row(row.type)) {
        toolkit::show_warning(QStringLiteral("No possible parameter has been found in the row."));
        return;
    }
    std::vector<Node*> moved;
    const std::string refused = Parameter::remove_custom_poss_parameter(static_cast<uint32_t>(row.type), &moved);
    if (!refused.empty()) {
        toolkit::show_warning(glue::to_ui(refused));
        return;
    }
    table_changed_with(moved);
}

void ParameterWindow::change_name(PossPar& type) {
    const std::optional<std::string> name =
        ask(click_pos(), "Enter Type Name", "Current type name: " + type.name + "\n\nEnter a type name:", type.name);
    if (!name || *name == type.name) return;
    if (missing(*name, new_type_name)) {
        toolkit::show_warning(QStringLiteral("Please provide a type name."));
        return;
    }
    if (has_type_key(*name, &type)) {
        toolkit::show_info(
            QStringLiteral("Type already exists. Please specify a unique type name. Type has not been renamed."));
        return;
    }
    type.rename(*name);
    table_changed();
}

void ParameterWindow::change_unit_symbol(PossPar& type, size_t unit) {
    const std::string& current = type.unit_symbols[unit];
    const std::optional<std::string> symbol =
        ask(click_pos(), "Enter New Unit Symbol",
            "Current unit symbol: [" + current + "]\n\nEnter a new unit symbol:", current);
    if (!symbol || *symbol == current) return;
    if (missing(*symbol, new_unit_symbol)) {
        toolkit::show_warning(QStringLiteral("Please provide a unit symbol."));
        return;
    }
    if (has_unit_key(type, *symbol, unit)) {
        toolkit::show_warning(QStringLiteral("Unit already exists. Please specify an unique unit name."));
        return;
    }
    type.rename_unit(unit, *symbol);
    table_changed();
}

void ParameterWindow::change_conv_factor(PossPar& type, size_t unit) {
    const double current = type.factors[unit];
    const std::optional<double> factor =
        ask_number(click_pos(), "Enter New Conversion Factor",
                   "Current conversion factor: " + MyStrF::_double_to_string(current) +
                       "\n\nEnter a new conversion factor:",
                   current);
    if (!factor || *factor == current) return;
    if (*factor == 0.0) {
        toolkit::show_info(QStringLiteral("Please provide a non-zero factor."));
        return;
    }
    type.factors[unit] = *factor;
    table_changed();
}

void ParameterWindow::change_delta(PossPar& type, size_t unit) {
    const double current = type.deltas[unit];
    const std::optional<double> delta =
        ask_number(click_pos(), "Enter New Delta",
                   "Current delta: " + MyStrF::_double_to_roundtrip_string(current) + "\n\nEnter a new delta:",
                   current);
    if (!delta || *delta == current) return;
    type.deltas[unit] = *delta;
    table_changed();
}

void ParameterWindow::change_target_type(PossPar& type, size_t target) {
    const std::string& current = type.target_texts[target];
    const std::optional<std::string> text =
        ask(click_pos(), "Enter New Target Type",
            "Current target type text: " + current + "\n\nEnter a new target type text:", current);
    if (!text) return;
    // Stored as every target text is (trimmed, lower-case): undo and reading
    // the saved file give back the same table.
    const std::string stored = MyStrF::_trimLwr(*text);
    if (stored == current) return;
    type.target_texts[target] = stored;
    table_changed();
}

}  // namespace tables
