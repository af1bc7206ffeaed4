#pragma once

#include <array>
#include <string>
#include <vector>

class PossPar;

// The rows of the quantity-type table as the parameter window shows them,
// built from the table without a toolkit: one block per type from "real" on
// (a header row for the base unit, a row per further unit, rows for the
// target texts no unit row shows, an add-unit row from "length" on), then the
// seven rows of the new-type template.
namespace parameter_rows {

enum Column { Active, Type, UnitSymbol, Factor, Delta, Target, Action, column_count };

inline constexpr std::array<const char*, column_count> headers{
    "Active", "Type", "Unit Symbol", "Conversion Factor", "Delta", "Target", "Action"};

inline constexpr const char* add_type_button = "add type";
inline constexpr const char* add_unit_button = "add unit";
inline constexpr const char* delete_unit_button = "delete unit";
inline constexpr const char* delete_type_button = "delete type";

// The untouched texts of the in-place rows; a name or symbol left like this is refused.
inline constexpr const char* new_type_name = "<new type name>";
inline constexpr const char* new_base_unit_symbol = "<new base unit symbol>";
inline constexpr const char* new_unit_symbol = "<new unit symbol>";
inline constexpr const char* new_unit_factor = "<new unit factor>";
inline constexpr const char* new_unit_delta = "<new unit delta>";
inline constexpr std::array<const char*, 7> new_target_texts{
    "<as small as possible>", "<lower than>", "<lower than or equal>", "<equal to>",
    "<larger than or equal>", "<larger than>", "<as large as possible>"};

enum class RowKind {
    TypeHeader,  // the base unit of a type (unit and target index 0)
    Unit,        // a further unit (index: the unit, and the target it shows)
    Target,      // a target text no unit row shows (index: the target)
    AddUnit,     // in place: a new unit's symbol, factor and delta
    Template,    // in place: the new type (index: its row 0..6)
};

struct Cell {
    std::string text;
    bool editable = false;  // typed into in place
    bool check = false;     // a check box showing `checked`
    bool checked = false;
    bool button = false;    // an action button labelled `text`
};

struct Row {
    RowKind kind = RowKind::TypeHeader;
    int type = -1;   // the row of the quantity-type table; -1 on the template
    int index = -1;  // unit or target index, by kind
    bool header_colour = false;
    std::array<Cell, column_count> cells;
};

std::vector<Row> build_rows(const std::vector<PossPar*>& table);

}  // namespace parameter_rows
