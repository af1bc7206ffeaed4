// Undo, redo and the find commands through the main window. The oracle is the
// project's saved text: undo returns the text before a command, redo the text
// after it, and finding changes no text and records no undo state.
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QTest>

#include "core/constants/gcc.h"
#include "core/io/project_writer.h"
#include "core/model/project.h"
#include "core/model/user_story.h"
#include "core/quantity/parameter.h"
#include "tests/ui/support/dialog_script.h"
#include "tests/ui/support/ui_driving.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/app/assembly.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/app_text_box.h"
#include "ui/tree/object_tree.h"

using Uids = std::vector<std::string>;
using toolkit::Answer;

namespace {

void settle() { QCoreApplication::processEvents(); }

std::string saved_text() { return project_file::project_file_text(*GCC::RP); }

std::string read_file(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// The search-results window as the viewer part will install it: it records
// what it was shown and answers "Select" or "Close".
struct SearchResults {
    bool select = true;
    int shown = 0;
    std::string text;
    Uids uids;
    std::vector<size_t> quantity_types;

    void install(MainWindow& window) {
        MainWindow::SecondaryWindows windows;
        windows.search_results = [this](const std::string& t, const Uids& found, const std::vector<size_t>& types,
                                        const QPoint&) {
            ++shown;
            text = t;
            uids = found;
            quantity_types = types;
            return select;
        };
        windows.related_objects = [this](const std::string& uid, const QPoint&) { related.push_back(uid); };
        window.install_secondary_windows(windows);
    }
    Uids related;
};

// Answers the "Find text" dialog.
ui_testing::DialogScript::Response find_text(const QString& text, int match_case, int whole_word, int exact_line) {
    return [=](QDialog& dialog) {
        auto& input = static_cast<dialogs::InputDialog&>(dialog);
        input.text_box(0)->set_text(text);
        input.combo_box(1)->set_selected_index(match_case);
        input.combo_box(2)->set_selected_index(whole_word);
        input.combo_box(3)->set_selected_index(exact_line);
        input.press_ok();
        return dialog.result();
    };
}

struct Window {
    MainWindow window;
    std::vector<std::string> painted_from;

    Window() {
        assemble_main_window(window);
        window.install_page_painter(
            [this](TabPage, QGraphicsScene&) { painted_from.push_back(main_window()->first_selected_uid()); });
        window.show();
        settle();
    }
    // Two user stories, as an edit each.
    std::pair<std::string, std::string> two_stories() {
        const std::string unlock = GCC::RP->add_user_story("unlock", "remotely", "gate", "", false)->get_uid();
        const std::string close = GCC::RP->add_user_story("close", "quickly", "gate", "", false)->get_uid();
        window.request_tree_rebuild();
        settle();
        return {unlock, close};
    }
};

}  // namespace

class FindUndoRedoTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;

private slots:
    void cleanup() { ui_testing::UiTestEnvironment::reset(); }

    void undo_and_redo_from_menus_tool_strip_and_keys() {
        Window w;
        MainWindow& window = w.window;
        const auto undo_redo = [&] {
            return std::pair(window.menu_action(Command::Undo)->isEnabled() &&
                                 window.tool_action(Command::Undo)->isEnabled(),
                             window.menu_action(Command::Redo)->isEnabled() &&
                                 window.tool_action(Command::Redo)->isEnabled());
        };
        QCOMPARE(undo_redo(), std::pair(false, false));
        const std::string before = saved_text();

        // An edit records its state; the controls follow before any rebuild ran.
        const std::string first = GCC::RP->add_user_story("unlock", "remotely", "gate", "", false)->get_uid();
        window.request_tree_rebuild();
        QCOMPARE(undo_redo(), std::pair(true, false));
        settle();
        const std::string after_first = saved_text();
        const std::string second = GCC::RP->add_user_story("close", "quickly", "gate", "", false)->get_uid();
        window.request_tree_rebuild();
        settle();
        const std::string after_second = saved_text();
        ObjectTree* tree = window.tree_area()->findChild<ObjectTree*>();
        QVERIFY(tree->shows(second));

        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        settle();
        QCOMPARE(saved_text(), after_first);
        QVERIFY(!tree->shows(second));
        QCOMPARE(undo_redo(), std::pair(true, true));
        QVERIFY(!window.is_saved());

        ui_testing::trigger(*window.tool_action(Command::Undo));
        settle();
        QCOMPARE(saved_text(), before);
        QVERIFY(!tree->shows(first));
        QCOMPARE(undo_redo(), std::pair(false, true));
        ui_testing::trigger(*window.tool_action(Command::Undo));  // nothing before the first state
        settle();
        QCOMPARE(saved_text(), before);

        ui_testing::trigger(*window.menu_action(Command::Redo));
        settle();
        QCOMPARE(saved_text(), after_first);
        QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
        settle();
        QCOMPARE(saved_text(), after_second);
        QVERIFY(tree->shows(second));
        QCOMPARE(undo_redo(), std::pair(true, false));
        QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);  // nothing after the last state
        settle();
        QCOMPARE(saved_text(), after_second);

        // A new edit after an undo drops the redo states.
        window.run_command(Command::Undo);
        settle();
        GCC::RP->add_user_story("report", "its state", "gate", "", false);
        window.request_tree_rebuild();
        QCOMPARE(undo_redo(), std::pair(true, false));
    }

    // The opened project is the floor of the history: with the tree focused,
    // Ctrl+Z right after opening changes nothing, and Ctrl+S (its item greyed,
    // nothing being unsaved) writes the file as it was.
    void undo_right_after_opening_keeps_the_file() {
        Window w;
        MainWindow& window = w.window;
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QString file = environment.documents_folder() + QStringLiteral("/gate.xml");
        ui_testing::ScriptedDialogs dialogs;
        const auto choose = [file](QDialog& dialog) {
            static_cast<QFileDialog&>(dialog).selectFile(file);
            dialog.accept();
            return dialog.result();
        };
        dialogs.script()
            .expect(QStringLiteral("Save Morvanta file"), choose)
            .expect(QStringLiteral("Open Morvanta file"), choose);
        QVERIFY(window.run_command(Command::GateExample));
        QVERIFY(window.run_command(Command::SaveAs));
        QVERIFY(window.run_command(Command::New));
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
        settle();
        const std::string opened = read_file(file);
        QCOMPARE(saved_text(), opened);
        QVERIFY(GCC::RP->get_nd_map().size() > 20);

        ObjectTree* tree = window.tree_area()->findChild<ObjectTree*>();
        const QRect first = tree->visualItemRect(tree->topLevelItem(0));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(QApplication::focusWidget(), tree);
        QTest::keyClick(tree, Qt::Key_Z, Qt::ControlModifier);
        settle();
        QCOMPARE(saved_text(), opened);
        QVERIFY(window.is_saved());
        QTest::keyClick(tree, Qt::Key_S, Qt::ControlModifier);
        settle();
        QCOMPARE(read_file(file), opened);
        QCOMPARE(dialogs.script().pending(), 0);
    }

    void find_text_shows_what_matches_and_selects_it_when_asked() {
        Window w;
        SearchResults results;
        results.install(w.window);
        const auto [unlock, close] = w.two_stories();
        w.window.activate_page(TabPage::Problems);
        settle();
        w.window.set_saved(true);
        const std::string text = saved_text();
        const size_t states = GCC::RP->get_state_count();

        // Rows 1 to 3: match case, whole word, exact line (0 "The entire string").
        const struct {
            QString text;
            int match_case, whole_word, exact_line;
            Uids found;
        } cases[] = {
            {"UNLOCK", 0, 0, 0, {unlock}},
            {"UNLOCK", 1, 0, 0, {}},
            {"unlock quickly", 0, 0, 0, {}},
            {"unlock quickly", 0, 0, 1, {unlock, close}},
            {"unlo", 0, 0, 0, {unlock}},
            {"unlo", 0, 1, 0, {}},
        };
        ui_testing::ScriptedDialogs dialogs;
        for (const auto& c : cases) {
            dialogs.script().expect(QStringLiteral("Find text"), find_text(c.text, c.match_case, c.whole_word, c.exact_line));
            results.select = false;
            QTest::keyClick(&w.window, Qt::Key_F, Qt::ControlModifier);
            QCOMPARE(results.text, c.text.toStdString());
            QCOMPARE(results.uids, c.found);
        }
        QCOMPARE(results.shown, static_cast<int>(std::size(cases)));
        QVERIFY(w.window.selected_uids().empty());  // closed: nothing selected

        w.painted_from.clear();
        results.select = true;
        dialogs.script().expect(QStringLiteral("Find text"), find_text("unlock quickly", 0, 0, 1));
        QVERIFY(w.window.run_command(Command::Find));
        QCOMPARE(w.window.selected_uids(), (Uids{unlock, close}));
        QCOMPARE(GCC::RP->get_sel_uids().size(), size_t{2});
        settle();
        QCOMPARE(w.painted_from, Uids{unlock});  // the page follows the first found object

        // Quantity types are found by name, as indexes of the table.
        dialogs.script().expect(QStringLiteral("Find text"), find_text("mass", 0, 1, 0));
        ui_testing::trigger(*w.window.tool_action(Command::Find));
        const std::vector<PossPar>& table = Parameter::_possible_par_types;
        const auto mass = std::find_if(table.begin(), table.end(), [](const PossPar& p) { return p.name == "mass"; });
        QVERIFY(std::find(results.quantity_types.begin(), results.quantity_types.end(),
                          static_cast<size_t>(mass - table.begin())) != results.quantity_types.end());

        // Cancelled: nothing searched.
        const int shown = results.shown;
        dialogs.script().expect(QStringLiteral("Find text"), [](QDialog& dialog) {
            static_cast<dialogs::InputDialog&>(dialog).press_cancel();
            return dialog.result();
        });
        w.window.run_command(Command::Find);
        QCOMPARE(results.shown, shown);

        // Finding is no edit.
        settle();
        QCOMPARE(saved_text(), text);
        QCOMPARE(GCC::RP->get_state_count(), states);
        QVERIFY(w.window.is_saved());
    }

    void find_all_comments() {
        Window w;
        SearchResults results;
        results.install(w.window);
        const auto [unlock, close] = w.two_stories();
        ui_testing::ScriptedDialogs dialogs;
        dialogs.script().answer(QStringLiteral("Information"), Answer::Ok);
        QVERIFY(w.window.run_command(Command::FindComments));
        QCOMPARE(dialogs.script().messages().value(0), QStringLiteral("No objects with comments found."));
        QCOMPARE(results.shown, 0);

        GCC::RP->_get_pointer_to_node_with_uid(close)->add_comment("me", "too slow");
        GCC::RP->add_comment("me", "a project note");
        QVERIFY(w.window.run_command(Command::FindComments));
        QCOMPARE(results.text, std::string("Objects with comments"));
        QCOMPARE(results.uids, (Uids{GCC::RP->get_uid(), close}));
        QVERIFY(results.quantity_types.empty());
        QCOMPARE(w.window.selected_uids(), (Uids{GCC::RP->get_uid(), close}));
    }

    void find_object_with_uid_selects_it_and_redraws_the_page() {
        Window w;
        const auto [unlock, close] = w.two_stories();
        // The assembled window has the search results window: every find is offered.
        QVERIFY(w.window.menu_action(Command::Find)->isEnabled());
        QVERIFY(w.window.menu_action(Command::FindComments)->isEnabled());
        QVERIFY(w.window.menu_action(Command::FindUid)->isEnabled());
        QVERIFY(w.window.tool_action(Command::FindUid)->isEnabled());

        w.window.activate_page(TabPage::Options);
        settle();
        w.window.set_saved(true);
        const std::string text = saved_text();
        const size_t states = GCC::RP->get_state_count();
        w.painted_from.clear();

        Uids offered;
        ui_testing::ScriptedDialogs dialogs;
        dialogs.script().expect(QStringLiteral("Find object with UID"), [&, close = close](QDialog& dialog) {
            auto& input = static_cast<dialogs::InputDialog&>(dialog);
            toolkit::AppComboBox& choice = *input.combo_box(0);
            for (int i = 0; i < choice.count(); ++i) offered.push_back(choice.itemText(i).toStdString());
            choice.set_selected_index(choice.find_string_exact(QString::fromStdString(close)));
            input.press_ok();
            return dialog.result();
        });
        ui_testing::trigger(*w.window.tool_action(Command::FindUid));
        Uids every;
        for (const auto& [uid, node] : GCC::RP->get_nd_map()) every.push_back(uid);
        std::sort(every.begin(), every.end());
        QCOMPARE(offered, every);  // the project's own uid among them
        QCOMPARE(w.window.selected_uids(), Uids{close});
        QCOMPARE(GCC::RP->get_sel_uids(), std::unordered_set<std::string>{close});
        settle();
        QCOMPARE(w.painted_from, Uids{close});
        QCOMPARE(saved_text(), text);
        QCOMPARE(GCC::RP->get_state_count(), states);
        QVERIFY(w.window.is_saved());

        // With the related-objects window, the found object is shown in it.
        SearchResults windows;
        windows.install(w.window);
        dialogs.script().expect(QStringLiteral("Find object with UID"), [unlock = unlock](QDialog& dialog) {
            auto& input = static_cast<dialogs::InputDialog&>(dialog);
            input.combo_box(0)->set_selected_index(input.combo_box(0)->find_string_exact(QString::fromStdString(unlock)));
            input.press_ok();
            return dialog.result();
        });
        QVERIFY(w.window.run_command(Command::FindUid));
        QCOMPARE(windows.related, Uids{unlock});
        QCOMPARE(w.window.selected_uids(), Uids{unlock});
    }
};

QTEST_MAIN(FindUndoRedoTest)
#include "test_find_undo_redo.moc"
