// The references window: its rows and geometry, adding, editing and opening
// references judged by the saved project text (after the change, after the
// window's own undo and after its redo), and what the main window does when
// it closes.
#include <QAbstractButton>
#include <QApplication>
#include <QTableWidget>
#include <QTest>
#include <functional>

#include "core/constants/gcc.h"
#include "core/examples/example_projects.h"
#include "core/model/project.h"
#include "core/model/user_story.h"
#include "tests/ui/support/dialog_script.h"
#include "tests/ui/support/recording_services.h"
#include "tests/ui/support/table_windows.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/tab_page_buttons.h"
#include "ui/tables/references_window.h"
#include "ui/tables/table_commands.h"
#include "ui/theme/fonts.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/app_text_box.h"

using tables::ReferencesWindow;
using toolkit::Answer;
using Script = ui_testing::DialogScript;

namespace {

using ui_testing::saved_text;
using ui_testing::click_cell;
using ui_testing::ctrl_key;
using ui_testing::settle;
using ui_testing::show_active;

// The gate example (its references are standards without links) with one
// linked reference more, its history starting there.
void gate_project() {
    MyEx::create_gate_project(new Project());
    GCC::RP->add_reference("EN 356", "glazing", "https://example.org/en356.pdf", "");
    GCC::RP->restart_history();
}

// The reference dialog answered with these texts (a null text is left as shown).
Script::Response define(const QString& name, const QString& description, const QString& link,
                        const QString& type = {}) {
    return [=](QDialog& dialog) {
        auto& input = static_cast<dialogs::InputDialog&>(dialog);
        const QString texts[] = {name, description, link};
        for (int row = 0; row < 3; ++row)
            if (!texts[row].isNull()) input.text_box(row)->set_text(texts[row]);
        if (!type.isNull()) input.combo_box(3)->setCurrentText(type);
        input.press_ok();
        return input.result();
    };
}

QString cell_text(const ReferencesWindow& window, int row, int column) {
    return window.grid()->item(row, column)->text();
}

}  // namespace

class ReferencesWindowTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;

private slots:
    void cleanup() { ui_testing::UiTestEnvironment::reset(); }

    void rows_follow_the_reference_table() {
        gate_project();
        ReferencesWindow window;
        show_active(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Project References"));
        QTableWidget& grid = *window.grid();
        QStringList headers;
        for (int c = 0; c < grid.columnCount(); ++c) headers << grid.horizontalHeaderItem(c)->text();
        QCOMPARE(headers, QStringList({"ID", "Name", "Description", "Link", "Type"}));

        const ReferenceTable& references = GCC::RP->get_references();
        QVERIFY(references.size() >= 3);
        QCOMPARE(grid.rowCount(), static_cast<int>(references.size()) + 1);
        int row = 0;
        for (const auto& [id, reference] : references) {
            QCOMPARE(cell_text(window, row, ReferencesWindow::IdColumn), QString::number(id));
            QCOMPARE(cell_text(window, row, ReferencesWindow::NameColumn), QString::fromStdString(reference.name()));
            QCOMPARE(cell_text(window, row, ReferencesWindow::TypeColumn), QString::fromStdString(reference.type()));
            ++row;
        }
        QCOMPARE(window.add_row(), row);
        QCOMPARE(cell_text(window, row, ReferencesWindow::NameColumn),
                 QStringLiteral("Click here to add a new Reference"));
        QCOMPARE(cell_text(window, row, ReferencesWindow::IdColumn), QString());

        const QTableWidgetItem* link = grid.item(0, ReferencesWindow::LinkColumn);
        QVERIFY(link->font().underline());
        QCOMPARE(link->foreground().color(), QColor(0, 0, 255));
        QCOMPARE(Qt::Alignment(link->textAlignment()), Qt::AlignTop | Qt::AlignLeft);
        QVERIFY(grid.wordWrap());

        // The ID column keeps its minimum; the others share the rest.
        QCOMPARE(grid.columnWidth(ReferencesWindow::IdColumn),
                 static_cast<int>(std::lround(3.3 * gcm::app_font_height())));
        int total = 0;
        for (int c = 0; c < grid.columnCount(); ++c) total += grid.columnWidth(c);
        QCOMPARE(total, grid.viewport()->width());
    }

    void without_a_project_the_table_says_so_and_clicks_do_nothing() {
        ReferencesWindow window;
        show_active(window);
        QCOMPARE(window.grid()->columnCount(), 1);
        QCOMPARE(window.grid()->horizontalHeaderItem(0)->text(), QStringLiteral("Error: No Project Available"));
        QCOMPARE(window.add_row(), -1);
        ctrl_key(window, Qt::Key_Z);
        QVERIFY(!window.stepped());
    }

    // Adding to an empty table: one row of the guessed type under id 1, one
    // undo state, the project unsaved; the window's Ctrl+Z and Ctrl+Y step it.
    void a_new_reference_is_added_and_stepped_through() {
        new Project("Gate");
        ui_testing::RecordingServices main;
        ui_testing::ScriptedDialogs dialogs;
        dialogs.script().expect("Define Reference", define("EN 356", "glazing", "https://example.org/en356.pdf"));
        ReferencesWindow window;
        show_active(window);
        QCOMPARE(window.add_row(), 0);
        const std::string before = saved_text();
        const size_t states = GCC::RP->get_state_count();
        click_cell(window, window.add_row(), ReferencesWindow::LinkColumn);  // any column of the add row
        const std::string after = saved_text();

        QCOMPARE(GCC::RP->get_state_count(), states + 1);
        QVERIFY(!main.saved);
        QCOMPARE(window.add_row(), 1);
        QCOMPARE(cell_text(window, 0, ReferencesWindow::IdColumn), QStringLiteral("1"));
        QCOMPARE(cell_text(window, 0, ReferencesWindow::TypeColumn), QStringLiteral("Report"));
        QVERIFY(after.find("EN 356") != std::string::npos);

        ctrl_key(window, Qt::Key_Z);
        QCOMPARE(saved_text(), before);
        QCOMPARE(window.add_row(), 0);
        ctrl_key(window, Qt::Key_Z);  // nothing before the window's own change
        QCOMPARE(saved_text(), before);
        ctrl_key(window, Qt::Key_Y);
        QCOMPARE(saved_text(), after);
        ctrl_key(window, Qt::Key_Y);
        QCOMPARE(saved_text(), after);
        QVERIFY(window.stepped());
    }

    void editing_changes_the_reference_in_place() {
        gate_project();
        const uint64_t id = GCC::RP->get_references().begin()->first;
        const Reference first = GCC::RP->get_references().begin()->second;
        ui_testing::ScriptedDialogs dialogs;
        dialogs.script()
            .expect("Define Reference", define({}, {}, {}))  // OK on the shown texts: no change
            .expect("Define Reference", define("EN 13307-1", {}, {}, "Database Record"));
        ReferencesWindow window;
        show_active(window);
        const std::string before = saved_text();
        const size_t states = GCC::RP->get_state_count();
        click_cell(window, 0, ReferencesWindow::NameColumn);
        QCOMPARE(GCC::RP->get_state_count(), states);
        click_cell(window, 0, ReferencesWindow::DescriptionColumn);
        const std::string after = saved_text();
        QCOMPARE(GCC::RP->get_state_count(), states + 1);
        const Reference* edited = GCC::RP->get_reference(id);
        QCOMPARE(edited->name(), std::string("EN 13307-1"));
        QCOMPARE(edited->type(), std::string("Database Record"));
        QCOMPARE(edited->description(), first.description());
        QCOMPARE(cell_text(window, 0, ReferencesWindow::NameColumn), QStringLiteral("EN 13307-1"));

        ctrl_key(window, Qt::Key_Z);
        QCOMPARE(saved_text(), before);
        QCOMPARE(GCC::RP->get_reference(id)->name(), first.name());
        ctrl_key(window, Qt::Key_Y);
        QCOMPARE(saved_text(), after);
    }

    // What changes nothing is refused before anything is recorded.
    void refusals_record_nothing() {
        gate_project();
        const uint64_t id = GCC::RP->find_reference_id("https://example.org/en356.pdf").value();
        const Reference existing = *GCC::RP->get_reference(id);
        ui_testing::UiTestEnvironment::reset();
        struct Case {
            const char* name;
            Script::Response answer;
            QString message;  // the information box that follows, if any
        };
        const std::vector<Case> cases{
            {"a link the table has", define("Other name", "other", QString::fromStdString(existing.link())),
             QStringLiteral("A Reference with this link already exists (ID %1).\nNo Reference has been added.")
                 .arg(id)},
            {"empty texts", define("", "", ""), "Empty inpits are invalid for References."},
            {"cancelled",
             [](QDialog& dialog) {
                 static_cast<dialogs::InputDialog&>(dialog).press_cancel();
                 return int(QDialog::Rejected);
             },
             {}},
        };
        for (const Case& c : cases) {
            gate_project();
            const std::string before = saved_text();
            const size_t states = GCC::RP->get_state_count();
            ui_testing::RecordingServices main;
            QStringList messages;
            {
                ui_testing::ScriptedDialogs dialogs;
                dialogs.script().expect("Define Reference", c.answer);
                if (!c.message.isEmpty()) dialogs.script().answer("Information", Answer::Ok);
                ReferencesWindow window;
                show_active(window);
                click_cell(window, window.add_row(), ReferencesWindow::NameColumn);
                messages = dialogs.script().messages();
                ctrl_key(window, Qt::Key_Z);  // nothing of the window's own to undo
            }
            QVERIFY2(messages == (c.message.isEmpty() ? QStringList() : QStringList{c.message}), c.name);
            QVERIFY2(saved_text() == before, c.name);
            QVERIFY2(GCC::RP->get_state_count() == states, c.name);
            QVERIFY2(GCC::RP->get_reference(id)->name() == existing.name(), c.name);
            QVERIFY2(main.saved, c.name);
            ui_testing::UiTestEnvironment::reset();
        }
    }

    void a_link_without_target_is_reported() {
        new Project("Gate");
        GCC::RP->add_reference("note", "no link", "", "Unknown");
        ui_testing::ScriptedDialogs dialogs;
        dialogs.script().answer("Error", Answer::Ok);
        ReferencesWindow window;
        show_active(window);
        click_cell(window, 0, ReferencesWindow::LinkColumn);
        QCOMPARE(dialogs.script().messages(), QStringList{"Cannot open reference: link is empty."});
    }

    // Redo in the window reaches only what was undone in it: a state undone
    // before it opened stays undone.
    void redo_reaches_only_states_made_while_the_window_is_open() {
        gate_project();
        GCC::RP->add_reference("before", "", "https://example.org/before", "");
        GCC::RP->add_uid_state(GCC::RP);
        GCC::RP->goto_previous_state();
        const std::string before = saved_text();
        ReferencesWindow window;
        show_active(window);
        ctrl_key(window, Qt::Key_Y);
        QCOMPARE(saved_text(), before);
        QVERIFY(!window.stepped());
    }

    // After the window closes a step inside it rebuilds the main window; a
    // change alone leaves the objects, and the main window, as they were.
    void closing_after_a_step_rebuilds_the_main_window() {
        struct Case {
            const char* name;
            std::function<void(ReferencesWindow&, Script&)> act;
            int rebuilds;
        };
        const auto add = [](ReferencesWindow& w, Script& script) {
            script.expect("Define Reference", define("plan", "", "plan.xlsx"));
            click_cell(w, w.add_row(), ReferencesWindow::NameColumn);
        };
        const std::vector<Case> cases{
            {"nothing", [](ReferencesWindow&, Script&) {}, 0},
            {"an addition", add, 0},
            {"an undone addition",
             [add](ReferencesWindow& w, Script& script) {
                 add(w, script);
                 ctrl_key(w, Qt::Key_Z);
             },
             1},
            {"a redone addition",
             [add](ReferencesWindow& w, Script& script) {
                 add(w, script);
                 ctrl_key(w, Qt::Key_Z);
                 ctrl_key(w, Qt::Key_Y);
             },
             1},
        };
        for (const Case& c : cases) {
            gate_project();
            ui_testing::RecordingServices main;
            ui_testing::ScriptedDialogs dialogs;
            Script& script = dialogs.script();
            script.expect("Project References", [&c, &script](QDialog& dialog) {
                auto& window = static_cast<ReferencesWindow&>(dialog);
                show_active(window);
                c.act(window, script);
                dialog.reject();
                return int(QDialog::Rejected);
            });
            tables::show_references_window(nullptr);
            QVERIFY2(main.rebuilds_after_undo_or_redo == c.rebuilds, c.name);
            QVERIFY2(main.tree_rebuilds == 0, c.name);
            QVERIFY2(main.undo_redo_updates == 1, c.name);
            ui_testing::UiTestEnvironment::reset();
        }
    }

    // Steps inside the window rebuild every object; after it closes the main
    // window is rebuilt and its controls work on the new objects.
    void the_main_window_works_on_after_steps_inside_the_window() {
        MainWindow main;
        ui_testing::open_gate_example(main);
        const std::string opened = saved_text();
        ui_testing::ScriptedDialogs dialogs;
        Script& script = dialogs.script();
        script.expect("Project References", [&script](QDialog& dialog) {
            auto& window = static_cast<ReferencesWindow&>(dialog);
            show_active(window);
            script.expect("Define Reference", define("plan", "", "plan.xlsx"));
            click_cell(window, window.add_row(), ReferencesWindow::NameColumn);
            ctrl_key(window, Qt::Key_Z);
            ctrl_key(window, Qt::Key_Y);
            ctrl_key(window, Qt::Key_Z);
            dialog.reject();
            return int(QDialog::Rejected);
        });
        QVERIFY(main.run_command(Command::References));
        settle();
        QCOMPARE(saved_text(), opened);
        QVERIFY(main.menu_action(Command::Redo)->isEnabled());

        QTest::mouseClick(main.tab_buttons()->button(TabPage::Validation), Qt::LeftButton);
        QCOMPARE(main.active_page(), TabPage::Validation);
        QVERIFY(main.run_command(Command::Redo));
        settle();
        QVERIFY(GCC::RP->find_reference_id("plan.xlsx").has_value());
        QVERIFY(main.run_command(Command::Undo));
        settle();
        QCOMPARE(saved_text(), opened);
    }
};

QTEST_MAIN(ReferencesWindowTest)
#include "test_references_window.moc"
