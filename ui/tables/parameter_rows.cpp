#include "ui/tables/parameter_rows.h"

#include "core/quantity/poss_par.h"
#include "core/text/number_format.h"

namespace parameter_rows {
namespace {

// Types from this row on can get custom units ("real" cannot).
constexpr size_t first_type_with_units = 2;

Cell text(std::string value) { return Cell{std::move(value)}; }
Cell typed(std::string value) { return Cell{std::move(value), true}; }
Cell button(const char* label) { return Cell{label, false, false, false, true}; }
Cell check(bool on) { return Cell{{}, false, true, on}; }
std::string number(double value) { return MyStrF::_double_to_string(value); }

void add_type_rows(std::vector<Row>& rows, const PossPar& p, int type) {
    const size_t units = p.unit_count();
    Row header{RowKind::TypeHeader, type, 0, true, {}};
    header.cells = {check(p.is_active()),          text(p.name),
                    text(p.unit_symbols[0]),       text(number(p.factors[0])),
                    text(number(p.deltas[0])),     text(p.target_texts[0]),
                    p.is_custom ? button(delete_type_button) : text({})};
    rows.push_back(header);

    for (size_t u = 1; u < units; ++u) {
        Row row{RowKind::Unit, type, static_cast<int>(u), false, {}};
        row.cells = {check(p.unit_is_active[u]),   text({}),
                     text(p.unit_symbols[u]),      text(number(p.factors[u])),
                     text(number(p.deltas[u])),    text(u < p.target_texts.size() ? p.target_texts[u] : ""),
                     p.unit_is_custom[u] ? button(delete_unit_button) : text({})};
        rows.push_back(row);
    }
    for (size_t t = units; t < p.target_texts.size(); ++t) {
        Row row{RowKind::Target, type, static_cast<int>(t), false, {}};
        row.cells[Target] = text(p.target_texts[t]);
        rows.push_back(row);
    }
    if (static_cast<size_t>(type) >= first_type_with_units) {
        Row row{RowKind::AddUnit, type, -1, false, {}};
        row.cells[UnitSymbol] = typed(new_unit_symbol);
        row.cells[Factor] = typed(new_unit_factor);
        row.cells[Delta] = typed(new_unit_delta);
        row.cells[Action] = button(add_unit_button);
        rows.push_back(row);
    }
}

void add_template_rows(std::vector<Row>& rows) {
    for (int i = 0; i < 7; ++i) {
        Row row{RowKind::Template, -1, i, i == 0, {}};
        row.cells[Target] = typed(new_target_texts[static_cast<size_t>(i)]);
        if (i == 0) {
            row.cells[Type] = typed(new_type_name);
            row.cells[UnitSymbol] = typed(new_base_unit_symbol);
            row.cells[Factor] = text("1");
            row.cells[Delta] = text("0");
        }
        if (i == 6) row.cells[Action] = button(add_type_button);
        rows.push_back(row);
    }
}

}  // namespace

std::vector<Row> build_rows(const std::vector<PossPar*>& table) {
    std::vector<Row> rows;
    // Row 0 ("function") is how a quantity says it has none: never shown.
    for (size_t t = 1; t < table.size(); ++t) add_type_rows(rows, *table[t], static_cast<int>(t));
    add_template_rows(rows);
    return rows;
}

}  // namespace parameter_rows
