// The parameter customisation window: its rows and geometry, every change of
// the quantity-type table judged by the saved project text (after the change,
// after the window's own undo and after its redo), the refusals, and what the
// main window does when it closes.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <functional>

#include "core/constants/gcc.h"
#include "core/examples/example_projects.h"
#include "core/model/mandate.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/quantity/parameter.h"
#include "tests/ui/support/dialog_script.h"
#include "tests/ui/support/recording_services.h"
#include "tests/ui/support/table_windows.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/tab_page_buttons.h"
#include "ui/tables/parameter_window.h"
#include "ui/tables/table_commands.h"
#include "ui/theme/fonts.h"
#include "ui/toolkit/app_text_box.h"

using namespace parameter_rows;
using tables::ParameterWindow;
using toolkit::Answer;
using Script = ui_testing::DialogScript;

namespace {

constexpr int length = 2;
constexpr int mass = 5;
constexpr int luminous_intensity = 9;
constexpr int thickness = 12;  // the gate example's own type, used by three evidences

using ui_testing::saved_text;
using ui_testing::click_cell;
using ui_testing::ctrl_key;
using ui_testing::settle;
using ui_testing::show_active;

PossPar& type_row(int type) { return Parameter::_possible_par_types.at(static_cast<size_t>(type)); }

Project* gate_project() {
    auto* project = new Project();
    MyEx::create_gate_project(project);
    return project;
}

// A custom unit of a type, recorded as the window would record it.
void add_unit(int type, const std::string& symbol, double factor) {
    QCOMPARE(Parameter::add_cust_unit(static_cast<uint32_t>(type), symbol, factor, 0.0, true), std::string());
    GCC::RP->add_poss_par_state();
}

int find_row(const ParameterWindow& window, RowKind kind, int type, int index = -1) {
    const auto& rows = window.rows();
    for (size_t r = 0; r < rows.size(); ++r)
        if (rows[r].kind == kind && rows[r].type == type && (index < 0 || rows[r].index == index))
            return static_cast<int>(r);
    return -1;
}

int template_row(const ParameterWindow& window) { return find_row(window, RowKind::Template, -1, 0); }

// What the user typed into a cell of an in-place row.
void type_in(ParameterWindow& window, int row, int column, const QString& text) {
    window.grid()->item(row, column)->setText(text);
}

// The same typed key by key: the first key opens the cell's editor with that
// key, a click on another cell closes it.
void type_keys(ParameterWindow& window, int row, int column, const QString& text) {
    click_cell(window, row, column);
    QTest::keyClick(window.grid(), text.at(0).toLatin1());
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QTest::keyClicks(editor, text.mid(1));
}

// The one-row edit dialog answered with text.
Script::Response answer_text(const QString& text) {
    return [text](QDialog& dialog) {
        auto& input = static_cast<dialogs::InputDialog&>(dialog);
        input.text_box(0)->set_text(text);
        input.press_ok();
        return input.result();
    };
}

Script::Response expect_default(const QString& expected) {
    return [expected](QDialog& dialog) {
        auto& input = static_cast<dialogs::InputDialog&>(dialog);
        QTest::qCompare(input.text_box(0)->text(), expected, "default", "expected", __FILE__, __LINE__);
        input.press_ok();  // unchanged
        return input.result();
    };
}

void add_unit_in_place(ParameterWindow& window, int type, const QString& symbol, const QString& factor,
                       const QString& delta) {
    const int row = find_row(window, RowKind::AddUnit, type);
    QVERIFY(row >= 0);
    type_in(window, row, UnitSymbol, symbol);
    type_in(window, row, Factor, factor);
    type_in(window, row, Delta, delta);
    click_cell(window, row, Action);
}

}  // namespace

class ParameterWindowTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;

private slots:
    void cleanup() { ui_testing::UiTestEnvironment::reset(); }

    void rows_follow_the_quantity_type_table() {
        QCOMPARE(Parameter::add_cust_poss_parameter("pressure", {"bar"}, {1.0}, {0.0}, {true},
                                                    std::vector<std::string>(7, "p")),
                 std::string());
        for (const char* symbol : {"mi", "yd", "ly"}) Parameter::add_cust_unit(length, symbol, 2.0, 0.0, true);
        type_row(mass).unit_is_active[0] = false;
        const std::vector<Row> rows = build_rows(Parameter::get_poss_parameters());

        // The block of each type: its row kinds in order (H header, U unit, T target, A add unit).
        const auto block = [&rows](int type) {
            std::string kinds;
            for (const Row& row : rows)
                if (row.type == type) kinds += "HUTA"[static_cast<int>(row.kind)];
            return kinds;
        };
        QCOMPARE(block(0), std::string());           // "function" is never shown
        QCOMPARE(block(1), std::string("HTTTTTT"));  // "real": no unit can be added
        QCOMPARE(block(mass), std::string("HUTTTTTA"));
        QCOMPARE(block(length), std::string("HUUUUUUUA"));  // eight units: no target rows
        QCOMPARE(block(12), std::string("HTTTTTTA"));

        const Row& mass_header = rows[static_cast<size_t>(std::find_if(rows.begin(), rows.end(), [](const Row& r) {
                                                              return r.type == mass;
                                                          }) - rows.begin())];
        QVERIFY(mass_header.header_colour);
        QVERIFY(mass_header.cells[Active].check && mass_header.cells[Active].checked);  // "g" is active
        QCOMPARE(mass_header.cells[Type].text, std::string("mass"));
        QCOMPARE(mass_header.cells[Target].text, std::string("as low as possible"));
        QVERIFY(!mass_header.cells[Action].button);

        std::vector<const Row*> length_units;
        for (const Row& row : rows)
            if (row.type == length && row.kind == RowKind::Unit) length_units.push_back(&row);
        QCOMPARE(length_units[0]->cells[Factor].text, std::string("1000"));
        QCOMPARE(length_units[2]->cells[Factor].text, std::string("0.0254"));
        QCOMPARE(length_units[5]->cells[Target].text, std::string("as long as possible"));
        QCOMPARE(length_units[6]->cells[Target].text, std::string());  // the eighth unit shows no target
        QVERIFY(!length_units[3]->cells[Action].button);
        QCOMPARE(length_units[4]->cells[Action].text, std::string(delete_unit_button));
        for (const Row* unit : length_units)
            for (const Cell& cell : unit->cells) QVERIFY(!cell.editable);  // edited in dialogs only

        const auto first_template = std::find_if(rows.begin(), rows.end(),
                                                 [](const Row& r) { return r.kind == RowKind::Template; });
        QCOMPARE(rows.end() - first_template, 7);
        QVERIFY(first_template->header_colour);
        QCOMPARE(first_template->cells[Type].text, std::string("<new type name>"));
        QCOMPARE(first_template->cells[UnitSymbol].text, std::string("<new base unit symbol>"));
        QVERIFY(!first_template->cells[Factor].editable && first_template->cells[Factor].text == "1");
        QVERIFY(!first_template->cells[Delta].editable && first_template->cells[Delta].text == "0");
        QCOMPARE(first_template[6].cells[Target].text, std::string("<as large as possible>"));
        QCOMPARE(first_template[6].cells[Action].text, std::string(add_type_button));
        const Row& pressure = *std::find_if(rows.begin(), rows.end(), [](const Row& r) { return r.type == 12; });
        QCOMPARE(pressure.cells[Action].text, std::string(delete_type_button));
    }

    void the_grid_shows_the_rows_with_the_columns_rules() {
        Project* project = gate_project();
        ParameterWindow window;
        show_active(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Customize Parameters"));
        QTableWidget& grid = *window.grid();
        QCOMPARE(grid.columnCount(), 7);
        QStringList headers;
        for (int c = 0; c < grid.columnCount(); ++c) headers << grid.horizontalHeaderItem(c)->text();
        QCOMPARE(headers, QStringList({"Active", "Type", "Unit Symbol", "Conversion Factor", "Delta", "Target",
                                       "Action"}));
        QCOMPARE(grid.rowCount(), static_cast<int>(window.rows().size()));

        // The Active column keeps its minimum; the others share the rest.
        const int active = static_cast<int>(std::lround(3.3 * gcm::app_font_height()));
        QCOMPARE(grid.columnWidth(Active), active);
        int total = 0;
        for (int c = 0; c < grid.columnCount(); ++c) total += grid.columnWidth(c);
        QCOMPARE(total, grid.viewport()->width());
        QVERIFY(std::abs(grid.columnWidth(Type) - grid.columnWidth(Target)) <= 1);

        const int header = window.header_row_of(thickness);
        QCOMPARE(grid.item(header, Type)->text(), QStringLiteral("thickness"));
        QCOMPARE(grid.item(header, Action)->text(), QStringLiteral("delete type"));
        QVERIFY(toolkit::ShowDataGridViewForm::is_button_cell(grid.item(header, Action)));
        QVERIFY(toolkit::ShowDataGridViewForm::is_checked(grid.item(header, Active)));
        for (int c = 0; c < grid.columnCount(); ++c)
            QCOMPARE(grid.item(header, c)->background().color(), window.header_row_color());
        const int add = find_row(window, RowKind::AddUnit, length);
        QVERIFY(grid.item(add, UnitSymbol)->flags() & Qt::ItemIsEditable);
        QVERIFY(!(grid.item(window.header_row_of(length), Type)->flags() & Qt::ItemIsEditable));
        QCOMPARE(project, GCC::RP);
    }

    // Every change through the window, one after the other in one window: each
    // stores exactly what was asked and records one state, and the window's own
    // Ctrl+Z and Ctrl+Y give back the saved text before and after it.
    void each_change_is_stored_and_stepped_through_by_the_window() {
        gate_project();
        add_unit(length, "mi", 1000.0);  // unit 5
        Parameter::add_cust_poss_parameter("pressure", {"bar"}, {1.0}, {0.0}, {true}, std::vector<std::string>(7, "p"));
        GCC::RP->add_poss_par_state();  // type 13

        struct Case {
            const char* name;
            std::function<void(ParameterWindow&, Script&)> act;
            std::function<bool()> stored;
        };
        const auto mi_row = [](ParameterWindow& w) { return find_row(w, RowKind::Unit, length, 5); };
        const std::vector<Case> cases{
            {"a unit typed in place, with a decimal comma",
             [](ParameterWindow& w, Script&) {
                 const int row = find_row(w, RowKind::AddUnit, length);
                 type_keys(w, row, UnitSymbol, " yd");
                 type_keys(w, row, Factor, "0,9144");
                 type_keys(w, row, Delta, "0.5");
                 click_cell(w, row, Action);
             },
             [] {
                 const PossPar& p = type_row(length);
                 return p.unit_count() == 7 && p.unit_symbols[6] == " yd" && p.factors[6] == 0.9144 &&
                        p.deltas[6] == 0.5 && p.unit_is_custom[6] && p.unit_is_active[6] &&
                        Parameter::get_par_type("yd") == "length";
             }},
            {"a type from the template",
             [](ParameterWindow& w, Script&) {
                 const int t = template_row(w);
                 type_in(w, t, Type, "Flow");
                 type_in(w, t, UnitSymbol, "l/s");
                 type_in(w, t + 1, Target, "Lower Than ");
                 click_cell(w, t + 6, Action);
             },
             [] {
                 const PossPar& p = Parameter::_possible_par_types.back();
                 return Parameter::_possible_par_types.size() == 15 && p.name == "Flow" && p.is_custom &&
                        p.unit_symbols == std::vector<std::string>{"l/s"} &&
                        p.target_texts[0] == "<as small as possible>" && p.target_texts[1] == "lower than";
             }},
            {"a unit switched off",
             [](ParameterWindow& w, Script&) { click_cell(w, find_row(w, RowKind::Unit, length, 1), Active); },
             [] { return !type_row(length).unit_is_active[1] && type_row(length).unit_is_active[0]; }},
            {"a type switched off by its header",
             [](ParameterWindow& w, Script&) { click_cell(w, w.header_row_of(luminous_intensity), Active); },
             [] { return !type_row(luminous_intensity).is_active(); }},
            {"a custom type renamed",
             [](ParameterWindow& w, Script& script) {
                 script.expect("Enter Type Name", answer_text("wall thickness"));
                 click_cell(w, w.header_row_of(thickness), Type);
             },
             [] { return Parameter::_get_i_type("Wall Thickness") == thickness; }},
            {"a base unit renamed",
             [](ParameterWindow& w, Script& script) {
                 script.expect("Enter New Unit Symbol", answer_text("MM"));
                 click_cell(w, w.header_row_of(thickness), UnitSymbol);
             },
             [] { return type_row(thickness).unit_symbols[0] == "MM"; }},
            {"a factor changed by less than a thousandth",
             [mi_row](ParameterWindow& w, Script& script) {
                 script.expect("Enter New Conversion Factor", answer_text("1000,5"));
                 click_cell(w, mi_row(w), Factor);
             },
             [] { return type_row(length).factors[5] == 1000.5; }},
            {"a delta changed",
             [mi_row](ParameterWindow& w, Script& script) {
                 script.expect("Enter New Delta", answer_text(" -0,25 "));
                 click_cell(w, mi_row(w), Delta);
             },
             [] { return type_row(length).deltas[5] == -0.25; }},
            {"a target text changed",
             [](ParameterWindow& w, Script& script) {
                 script.expect("Enter New Target Type", answer_text(" Slimmer Than"));
                 click_cell(w, find_row(w, RowKind::Target, thickness, 1), Target);
             },
             [] { return type_row(thickness).target_texts[1] == "slimmer than"; }},
            {"a custom unit deleted", [mi_row](ParameterWindow& w, Script&) { click_cell(w, mi_row(w), Action); },
             [] { return type_row(length).unit_count() == 6 && type_row(length).unit_symbols[5] == " yd"; }},
            {"an unused custom type deleted",
             [](ParameterWindow& w, Script&) { click_cell(w, w.header_row_of(13), Action); },
             [] { return Parameter::_possible_par_types.size() == 14 && type_row(13).name == "Flow"; }},
        };
        ui_testing::ScriptedDialogs dialogs;
        ParameterWindow window;
        show_active(window);
        for (const Case& c : cases) {
            const std::string before = saved_text();
            const size_t states = GCC::RP->get_state_count();
            c.act(window, dialogs.script());
            const std::string after = saved_text();
            QVERIFY2(c.stored(), c.name);
            QVERIFY2(after != before, c.name);
            QVERIFY2(GCC::RP->get_state_count() == std::min<size_t>(states + 1, 20), c.name);

            ctrl_key(window, Qt::Key_Z);
            QVERIFY2(saved_text() == before, c.name);
            ctrl_key(window, Qt::Key_Y);
            QVERIFY2(saved_text() == after, c.name);
            QVERIFY2(c.stored(), c.name);
        }
        QVERIFY(window.changed_table() && window.stepped());
    }

    // Every change rebuilds the grid; the first row shown stays the same,
    // at the end of the grid as in its middle.
    void the_grid_keeps_its_scroll_position_across_changes() {
        gate_project();
        ParameterWindow window;
        show_active(window);
        QTableWidget& grid = *window.grid();
        const auto scroll_to_end = [&grid] {
            grid.scrollToBottom();
            settle();
        };
        const auto scroll_to_row = [&grid](int row) {
            grid.scrollTo(grid.model()->index(row, 0), QAbstractItemView::PositionAtTop);
            settle();
        };
        struct Case {
            const char* name;
            std::function<void(ParameterWindow&)> scroll;
            std::function<void(ParameterWindow&)> act;
        };
        const std::vector<Case> cases{
            {"a type added from the template", [&](ParameterWindow&) { scroll_to_end(); },
             [](ParameterWindow& w) {
                 const int t = template_row(w);
                 type_in(w, t, Type, "Flow");
                 type_in(w, t, UnitSymbol, "l/s");
                 click_cell(w, t + 6, Action);
             }},
            {"undo", [&](ParameterWindow& w) { scroll_to_row(w.header_row_of(mass)); },
             [](ParameterWindow& w) { ctrl_key(w, Qt::Key_Z); }},
            {"redo", [&](ParameterWindow& w) { scroll_to_row(w.header_row_of(mass)); },
             [](ParameterWindow& w) { ctrl_key(w, Qt::Key_Y); }},
            {"a type switched off by its check box",
             [&](ParameterWindow& w) { scroll_to_row(w.header_row_of(luminous_intensity) - 2); },
             [](ParameterWindow& w) { click_cell(w, w.header_row_of(luminous_intensity), Active); }},
            // Its header third from the bottom of the view: the shorter grid can still keep the first row.
            {"the added type deleted",
             [&](ParameterWindow& w) {
                 scroll_to_row(0);
                 const int shown = grid.rowAt(grid.viewport()->height() - 1) - grid.rowAt(0);
                 scroll_to_row(w.header_row_of(thickness + 1) - shown + 3);
             },
             [](ParameterWindow& w) { click_cell(w, w.header_row_of(thickness + 1), Action); }},
        };
        for (const Case& c : cases) {
            c.scroll(window);
            const int first_row = grid.rowAt(0);
            QVERIFY2(first_row > 0, c.name);
            const std::string before = saved_text();
            c.act(window);
            settle();
            QVERIFY2(saved_text() != before, c.name);
            QVERIFY2(grid.rowAt(0) == first_row, c.name);
        }
    }

    // What cannot be stored is refused with a message; nothing changes and
    // nothing is recorded. One window takes every attempt in turn.
    void refusals_leave_the_table_alone() {
        gate_project();
        add_unit(length, "mi", 1609.344);  // unit 5, used by a requirement
        GCC::RP->get_mandate()->add_q_requirement("reach", "far", length, 2.0, 5, 2, 100);

        struct Case {
            const char* name;
            std::function<void(ParameterWindow&)> act;  // types in place and clicks
            const char* dialog;                         // the edit dialog the click opens, if any
            QString typed;                              // and what is typed into it
            const char* box;
            QString message;
        };
        const auto add_type_named = [](const QString& name, const QString& symbol) {
            return [name, symbol](ParameterWindow& w) {
                const int t = template_row(w);
                type_in(w, t, Type, name);
                type_in(w, t, UnitSymbol, symbol);
                click_cell(w, t + 6, Action);
            };
        };
        const auto add_length_unit = [](const QString& symbol, const QString& factor, const QString& delta) {
            return [=](ParameterWindow& w) {
                const int row = find_row(w, RowKind::AddUnit, length);
                type_in(w, row, UnitSymbol, symbol);
                type_in(w, row, Factor, factor);
                type_in(w, row, Delta, delta);
                click_cell(w, row, Action);
            };
        };
        const auto on_thickness = [](int column) {
            return [column](ParameterWindow& w) { click_cell(w, w.header_row_of(thickness), column); };
        };
        const auto on_mi = [](int column) {
            return [column](ParameterWindow& w) { click_cell(w, find_row(w, RowKind::Unit, length, 5), column); };
        };
        const char* warning = "Warning";
        const char* information = "Information";
        const QString untouched_name = new_type_name;
        const QString untouched_symbol = new_unit_symbol;
        const QString no_name = "Please provide a name for the new type.";
        const QString no_symbol = "Please provide a symbol for the new unit.";
        const std::vector<Case> cases{
            {"template name untouched", add_type_named(untouched_name, "bar"), nullptr, {}, warning, no_name},
            {"empty type name", add_type_named("  ", "bar"), nullptr, {}, warning, no_name},
            {"existing type name", add_type_named(" Mass", "bar"), nullptr, {}, information,
             "Type already exists. Please specify a unique type name. Type has not been created."},
            {"base symbol untouched", add_type_named("pressure", new_base_unit_symbol), nullptr, {}, warning,
             "Please provide a symbol for the base unit of the new type."},
            {"unit symbol untouched", add_length_unit(untouched_symbol, "2", "0"), nullptr, {}, warning, no_symbol},
            {"empty unit symbol", add_length_unit("", "2", "0"), nullptr, {}, warning, no_symbol},
            {"existing unit", add_length_unit("KM", "1000", "0"), nullptr, {}, warning,
             "Unit already exists. Please specify an unique unit name."},
            {"factor untouched", add_length_unit("yd", new_unit_factor, "0"), nullptr, {}, warning,
             "Please provide a valid factor number."},
            {"zero factor", add_length_unit("yd", "0,0", "0"), nullptr, {}, warning,
             "Please provide a non-zero factor."},
            {"delta no number", add_length_unit("yd", "2", "x"), nullptr, {}, warning,
             "Please provide a valid delta number."},
            {"used unit switched off", on_thickness(Active), nullptr, {}, information,
             "3 Objects are using this parameter unit.\nTherefore, it hasn't been deactivated."},
            {"used type deleted", on_thickness(Action), nullptr, {}, warning,
             "3 Objects are using this parameter type.\nTherefore, it hasn't been deleted."},
            {"used unit deleted", on_mi(Action), nullptr, {}, warning,
             "1 Objects are using this parameter unit.\nTherefore, it hasn't been deleted."},
            {"type renamed to nothing", on_thickness(Type), "Enter Type Name", " ", warning,
             "Please provide a type name."},
            {"type renamed to an existing one", on_thickness(Type), "Enter Type Name", "MASS", information,
             "Type already exists. Please specify a unique type name. Type has not been renamed."},
            {"unit renamed to nothing", on_thickness(UnitSymbol), "Enter New Unit Symbol", "", warning,
             "Please provide a unit symbol."},
            {"unit renamed to another of its type", on_mi(UnitSymbol), "Enter New Unit Symbol", "FT", warning,
             "Unit already exists. Please specify an unique unit name."},
            {"factor too large", on_mi(Factor), "Enter New Conversion Factor", "1e999", information,
             "Please provide a valid number."},
            {"factor zero", on_mi(Factor), "Enter New Conversion Factor", "0", information,
             "Please provide a non-zero factor."},
        };
        const std::string before = saved_text();
        const size_t states = GCC::RP->get_state_count();
        ParameterWindow window;
        show_active(window);
        for (const Case& c : cases) {
            ui_testing::ScriptedDialogs dialogs;
            if (c.dialog) dialogs.script().expect(c.dialog, answer_text(c.typed));
            dialogs.script().answer(c.box, Answer::Ok);
            c.act(window);
            const QStringList messages = dialogs.script().messages();
            QVERIFY2(messages == QStringList{c.message}, qPrintable(QString(c.name) + ": " + messages.join("|")));
            QVERIFY2(saved_text() == before, c.name);
            QVERIFY2(GCC::RP->get_state_count() == states, c.name);
        }
        QVERIFY(!window.changed_table());
    }

    void only_switching_a_unit_off_asks_whether_it_is_used() {
        gate_project();
        type_row(thickness).unit_is_active[0] = false;  // as a project file may hold it
        ui_testing::ScriptedDialogs dialogs;  // no message expected
        ParameterWindow window;
        show_active(window);
        click_cell(window, window.header_row_of(thickness), Active);
        QVERIFY(type_row(thickness).unit_is_active[0]);
        QVERIFY(window.changed_table());
    }

    void an_unchanged_answer_changes_nothing() {
        gate_project();
        add_unit(length, "kmh", 0.2777777777777778);
        const size_t states = GCC::RP->get_state_count();
        ui_testing::ScriptedDialogs dialogs;
        dialogs.script()
            .expect("Enter New Conversion Factor", expect_default("0.2777777777777778"))
            .expect("Enter New Delta", expect_default("0"))
            .expect("Enter New Unit Symbol", expect_default("kmh"));
        ParameterWindow window;
        show_active(window);
        const int row = find_row(window, RowKind::Unit, length, 5);
        QCOMPARE(window.grid()->item(row, Factor)->text(), QStringLiteral("0.2778"));
        for (const int column : {Factor, Delta, UnitSymbol}) click_cell(window, row, column);
        click_cell(window, row, Target);  // a standard type's targets are not edited
        click_cell(window, find_row(window, RowKind::Unit, length, 1), Factor);  // nor its own units
        QCOMPARE(type_row(length).factors[5], 0.2777777777777778);
        QCOMPARE(GCC::RP->get_state_count(), states);
        QVERIFY(!window.changed_table());
    }

    // The window's own steps pass only states that changed nothing but the table.
    void the_windows_undo_stops_at_a_change_of_objects() {
        gate_project();
        const uint16_t opened = GCC::RP->get_current_state();
        const std::string before = saved_text();
        ParameterWindow window;
        show_active(window);
        ctrl_key(window, Qt::Key_Z);  // the state before changed objects
        QCOMPARE(GCC::RP->get_current_state(), opened);
        QVERIFY(!window.stepped());

        add_unit_in_place(window, length, "mi", "1609.344", "0");
        add_unit_in_place(window, mass, "lb", "0.45359237", "0");
        const std::string after = saved_text();
        ctrl_key(window, Qt::Key_Z);
        ctrl_key(window, Qt::Key_Z);
        ctrl_key(window, Qt::Key_Z);
        QCOMPARE(saved_text(), before);
        QCOMPARE(find_row(window, RowKind::Unit, mass, 2), -1);  // the grid follows
        ctrl_key(window, Qt::Key_Y);
        ctrl_key(window, Qt::Key_Y);
        ctrl_key(window, Qt::Key_Y);
        QCOMPARE(saved_text(), after);

        // A change of objects after the table's changes stops the undo before them.
        GCC::RP->get_mandate()->add_q_requirement("weigh", "little", mass, 2.0, 0, 2, 100);
        const std::string with_requirement = saved_text();
        ctrl_key(window, Qt::Key_Z);
        QCOMPARE(saved_text(), with_requirement);
    }

    // Deleting a type or a unit moves the quantities after it down one index;
    // the state renews those objects, so undo and redo give back each text whole.
    void deleting_moves_later_quantities_with_their_rows() {
        gate_project();
        add_unit(length, "mi", 1609.344);
        add_unit(length, "yd", 0.9144);
        Parameter::add_cust_poss_parameter("pressure", {"bar"}, {1.0}, {0.0}, {true}, std::vector<std::string>(7, "p"));
        Parameter::add_cust_poss_parameter("flow", {"l/s"}, {1.0}, {0.0}, {true}, std::vector<std::string>(7, "f"));
        GCC::RP->add_poss_par_state();
        Mandate* mandate = GCC::RP->get_mandate();
        const std::string yards = mandate->add_q_requirement("reach", "near", length, 3.0, 6, 2, 100)->get_uid();
        const std::string flow = mandate->add_q_requirement("pump", "water", 14, 1.5, 0, 4, 100)->get_uid();
        const auto quantity = [](const std::string& uid) {
            return static_cast<Requirement*>(GCC::RP->_get_pointer_to_node_with_uid(uid))->get_par().get_txt_short();
        };
        QCOMPARE(quantity(yards), std::string("length <= 3yd"));

        ParameterWindow window;
        show_active(window);
        std::vector<std::string> texts{saved_text()};
        click_cell(window, find_row(window, RowKind::Unit, length, 5), Action);
        click_cell(window, window.header_row_of(13), Action);
        texts.push_back(saved_text());
        QCOMPARE(quantity(yards), std::string("length <= 3yd"));
        QCOMPARE(quantity(flow), std::string("flow >= 1.5l/s"));
        QCOMPARE(Parameter::_possible_par_types.size(), size_t{14});

        GCC::RP->goto_previous_state();
        GCC::RP->goto_previous_state();
        QCOMPARE(saved_text(), texts.front());
        QCOMPARE(quantity(flow), std::string("flow >= 1.5l/s"));
        GCC::RP->goto_next_state();
        GCC::RP->goto_next_state();
        QCOMPARE(saved_text(), texts.back());
        QCOMPARE(quantity(yards), std::string("length <= 3yd"));
    }

    // After the window closes the main window follows: a step rebuilds everything,
    // a change the tree and the page, nothing done leaves it and the saved flag alone.
    void closing_tells_the_main_window_what_happened() {
        struct Case {
            const char* name;
            std::function<void(ParameterWindow&)> act;
            int tree_rebuilds;
            int rebuilds_after_undo;
        };
        const std::vector<Case> cases{
            {"nothing", [](ParameterWindow&) {}, 0, 0},
            {"a change", [](ParameterWindow& w) { add_unit_in_place(w, length, "mi", "1", "0"); }, 1, 0},
            {"undo",
             [](ParameterWindow& w) {
                 add_unit_in_place(w, length, "mi", "1", "0");
                 ctrl_key(w, Qt::Key_Z);
             },
             0, 1},
            {"redo after undo",
             [](ParameterWindow& w) {
                 add_unit_in_place(w, length, "mi", "1", "0");
                 ctrl_key(w, Qt::Key_Z);
                 ctrl_key(w, Qt::Key_Y);
             },
             0, 1},
        };
        for (const Case& c : cases) {
            gate_project();
            ui_testing::RecordingServices main;
            ui_testing::ScriptedDialogs dialogs;
            dialogs.script().expect("Customize Parameters", [&c](QDialog& dialog) {
                auto& window = static_cast<ParameterWindow&>(dialog);
                show_active(window);
                c.act(window);
                dialog.reject();
                return int(QDialog::Rejected);
            });
            tables::show_parameter_window(nullptr);
            QVERIFY2(main.tree_rebuilds == c.tree_rebuilds, c.name);
            QVERIFY2(main.rebuilds_after_undo_or_redo == c.rebuilds_after_undo, c.name);
            QVERIFY2(main.saved == (c.tree_rebuilds + c.rebuilds_after_undo == 0), c.name);
            QVERIFY2(main.undo_redo_updates == 1, c.name);
            ui_testing::UiTestEnvironment::reset();
        }
    }

    // Steps inside the window rebuild every object; after it closes the main
    // window is rebuilt and its controls work on the new objects.
    void the_main_window_works_on_after_steps_inside_the_window() {
        MainWindow main;
        ui_testing::open_gate_example(main);
        QVERIFY(main.menu_action(Command::CustomizeParameters)->isEnabled());
        const std::string opened = saved_text();
        ui_testing::ScriptedDialogs dialogs;
        dialogs.script().expect("Customize Parameters", [](QDialog& dialog) {
            auto& window = static_cast<ParameterWindow&>(dialog);
            show_active(window);
            add_unit_in_place(window, length, "mi", "1609,344", "0");
            add_unit_in_place(window, thickness, "cm", "10", "0");
            ctrl_key(window, Qt::Key_Z);
            ctrl_key(window, Qt::Key_Y);
            ctrl_key(window, Qt::Key_Z);
            dialog.reject();
            return int(QDialog::Rejected);
        });
        QVERIFY(main.run_command(Command::CustomizeParameters));
        settle();
        QCOMPARE(type_row(length).unit_count(), size_t{6});
        QCOMPARE(type_row(thickness).unit_count(), size_t{1});
        QVERIFY(main.menu_action(Command::Redo)->isEnabled());

        QTest::mouseClick(main.tab_buttons()->button(TabPage::Options), Qt::LeftButton);
        QCOMPARE(main.active_page(), TabPage::Options);
        QVERIFY(main.run_command(Command::Undo));
        settle();
        QCOMPARE(saved_text(), opened);
        QVERIFY(main.run_command(Command::Redo));
        settle();
        QCOMPARE(type_row(length).unit_count(), size_t{6});
    }
};

QTEST_MAIN(ParameterWindowTest)
#include "test_parameter_window.moc"
