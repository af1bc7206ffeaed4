// The Argument and Evidence boxes: their menus over a few objects, and each of
// their commands judged by the project's saved text before and after it and
// after its undo and redo, the undo states it records and the saved flag.
#include <QDialog>
#include <QMenu>
#include <QTest>
#include <functional>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/reference/reference.h"
#include "tests/support/core/built_without_states.h"
#include "tests/support/core/small_project.h"
#include "tests/ui/support/canvas_driver.h"
#include "tests/ui/support/dialog_script.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/app/assembly.h"
#include "ui/boxes/box_commands.h"
#include "ui/boxes/box_parts.h"
#include "ui/boxes/object_box.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/dialogs/quantity_row.h"
#include "ui/main_window/canvas_view.h"
#include "ui/main_window/main_window.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/app_label.h"
#include "ui/toolkit/app_text_box.h"

using toolkit::Answer;
using ui_testing::DialogScript;
using ui_testing::recorded_states;
using ui_testing::saved_text;
using ui_testing::settle;
using ui_testing::settle_fixture;

namespace {

Node* object(const std::string& uid) { return GCC::RP->_get_pointer_to_node_with_uid(uid); }

// What the fixture puts below the design problem of the small project: the
// options motor and spring, and the argument A of motor about R, with one
// evidence E at level 5.
struct Setup {
    bool quantified = false;   // R: a mass lower than 5 kg
    bool validates = true;     // A's sense
    bool derived = false;      // A holds the derived requirement "lock firmly"
    bool neighbour = false;    // a second argument of motor, about R2, holding "brake gently" and evidence
    bool shared = false;       // "brake gently" is A's child too
    int references = 0;        // references of A
    bool evidence_quantity = false;  // E: a mass equal to 5 kg
    bool second_mass = false;        // a custom quantity type that is also named "mass"
    int evidence_references = 0;     // references of E
};

// Names of the fixture's objects, found again after undo and redo.
std::string argument_uid() {
    for (const auto& [uid, node] : GCC::RP->get_nd_map())
        if (node->is_arg() && static_cast<Argument*>(node)->get_parent_requirement() &&
            static_cast<Argument*>(node)->get_parent_requirement()->get_tooltip_txt() == "R")
            return uid;
    return {};
}
Argument* argument() { return static_cast<Argument*>(object(argument_uid())); }
Requirement* derived_with_verb(const std::string& verb) {
    for (const auto& [uid, node] : GCC::RP->get_nd_map())
        if (node->is_req() && static_cast<Requirement*>(node)->get_verb_cap()->get_verb() == verb)
            return static_cast<Requirement*>(node);
    return nullptr;
}

void build(MainWindow& window, const Setup& s) {
    delete GCC::RP;
    testing_support::BuiltWithoutStates built_without_states;  // the undo states start at the fixture
    testing_support::SmallProject p;
    if (s.second_mass) {
        Parameter::add_cust_poss_parameter("torque", {"Nm"}, {1.0}, {0.0}, {true}, std::vector<std::string>(7, "-"));
        Parameter::_possible_par_types.back().rename("mass");
    }
    p.r->set_tooltip_txt("R");
    if (s.quantified) p.r->get_par().assign(5, 5.0, 0, 1, 100);
    Option* motor = p.d->add_child_option("motor", false);
    p.d->add_child_option("spring", false);
    Evidence* e = p.prove(motor, p.r, 5);
    Argument* a = e->get_parent_arguments().front();
    a->set_validates(s.validates);
    if (s.derived) a->add_f_requirement("lock", "firmly", false);
    if (s.neighbour) {
        Requirement* r2 = p.mandate->add_q_requirement("close", "quietly", 0u, 0.0, 0, 3, 100);
        r2->add_to_existing_designproblem(p.d);
        Argument* a2 = motor->add_child_argument(r2, true);
        Requirement* slow = a2->add_f_requirement("brake", "gently", false);
        a2->add_child_evidence(3, "closes", "slowly", 0u, 0.0, 0, 3, "");
        if (s.shared) a->link_existing_requirement(slow);
    }
    for (int i = 0; i < s.references; ++i)
        a->add_reference_to_node("Test " + std::to_string(i), "bench", "https://t.example/" + std::to_string(i), "");
    if (s.evidence_quantity) e->get_par().assign(5, 5.0, 0, 3, 100);
    for (int i = 0; i < s.evidence_references; ++i)
        e->add_reference_to_node("Lab " + std::to_string(i), "test", "https://lab.example/" + std::to_string(i), "");
    window.adopt_new_project();
    settle_fixture(window);
}

Evidence* evidence() {
    const Argument* a = argument();
    return a && !a->get_child_evidences().empty() ? a->get_child_evidences().front() : nullptr;
}

// The box of the uid on the Validation page of the argument's option.
ObjectBox* validation_box(MainWindow& window, const std::string& uid) {
    for (const std::string& s : window.selected_uids()) window.deselect_uid(s);
    window.select_uid(argument()->get_parent_options(false).front()->get_uid());
    window.activate_page(TabPage::Validation);
    window.request_page_rebuild(false);
    settle();
    const auto boxes = ui_testing::boxes_of(*window.canvas(), uid);
    return boxes.empty() ? nullptr : boxes.front();
}
ObjectBox* argument_box(MainWindow& window) { return validation_box(window, argument_uid()); }

// Differences between what a dialog showed and what it should have, noted
// while the dialog is open and checked afterwards.
QStringList mismatches;
void expect_equal(const std::string& shown, const std::string& expected, const char* what) {
    if (shown != expected)
        mismatches << QString("%1: shown \"%2\", expected \"%3\"")
                          .arg(what, QString::fromStdString(shown), QString::fromStdString(expected));
}

using Response = DialogScript::Response;
auto& input(QDialog& dialog) { return static_cast<dialogs::InputDialog&>(dialog); }

// Checks the dialog with inspect, then fills it in with fill and presses OK.
Response answer(std::function<void(dialogs::InputDialog&)> inspect, std::function<void(dialogs::InputDialog&)> fill) {
    return [inspect, fill](QDialog& dialog) {
        if (inspect) inspect(input(dialog));
        if (fill) fill(input(dialog));
        input(dialog).press_ok();
        return dialog.result();
    };
}
Response cancel() {
    return [](QDialog& dialog) {
        input(dialog).press_cancel();
        return dialog.result();
    };
}
std::function<void(dialogs::InputDialog&)> choose(int row, int entry) {
    return [row, entry](dialogs::InputDialog& d) { d.combo_box(row)->set_selected_index(entry); };
}
std::function<void(dialogs::InputDialog&)> type(std::vector<std::pair<int, QString>> rows) {
    return [rows](dialogs::InputDialog& d) {
        for (const auto& [row, text] : rows) d.text_box(row)->set_text(text);
    };
}

struct CommandCase {
    const char* name;
    Setup setup;
    QString caption;  // empty: the double click; "readiness": a click on the readiness picture
    std::function<void(DialogScript&)> arrange;
    size_t states;
    std::function<void()> check;
};

const QStringList head{"Toggle Validates - Invalidates", "Add Goal", "-", "Add Requirement",
                       "Link to Existing Requirement"};

}  // namespace

class ArgumentEvidenceBoxesTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;

    // The command on the argument's box, or with on_evidence on the evidence's.
    void run(const CommandCase& c, bool on_evidence = false) {
        mismatches.clear();
        MainWindow window;
        ui_testing::show_with_pages(window);
        assemble_main_window(window);
        build(window, c.setup);
        ObjectBox* box = on_evidence ? validation_box(window, evidence()->get_uid()) : argument_box(window);
        QVERIFY2(box, c.name);
        window.set_saved(true);
        const std::string before = saved_text();
        {
            ui_testing::ScriptedDialogs scripted;
            c.arrange(scripted.script());
            if (c.caption.isEmpty()) {
                box->double_click();
            } else if (c.caption == "readiness") {
                QVERIFY2(box->readiness_picture()->isVisible(), c.name);
                window.canvas()->ensureVisible(box);
                const QPointF centre = box->readiness_picture()->sceneBoundingRect().center();
                QTest::mouseClick(window.canvas()->viewport(), Qt::LeftButton, {},
                                  window.canvas()->mapFromScene(centre));
            } else
                QVERIFY2(ui_testing::choose_on(*window.canvas(), *box, c.caption), c.name);
            settle();
        }
        if (!mismatches.isEmpty()) qWarning() << c.name << mismatches;
        QVERIFY2(mismatches.isEmpty(), c.name);
        const std::string after = saved_text();
        if (recorded_states() != c.states) qWarning() << c.name << recorded_states();
        QVERIFY2(recorded_states() == c.states, c.name);
        QVERIFY2((after != before) == (c.states > 0), c.name);
        QVERIFY2(window.is_saved() == (c.states == 0), c.name);
        if (c.check) c.check();
        if (QTest::currentTestFailed() || c.states == 0) return;
        ui_testing::check_undo_and_redo(window, c.states, before, after, c.name);
    }

private slots:
    void cleanup() {
        boxes::remove_all_kind_commands();
        ui_testing::UiTestEnvironment::reset();
    }

    void menu_over_arguments() {
        ui_testing::ScriptedDialogs unexpected;  // any dialog not scripted fails the test
        const QStringList tail{"-",
                               "Add a reference",
                               "-",
                               "Copy object",
                               "Paste object",
                               "Select object in tree",
                               "Deselect object in tree",
                               "Delete object",
                               "Edit tooltp text",
                               "Show related objects"};
        struct MenuCase {
            const char* name;
            Setup setup;
            QStringList expected;
        };
        const std::vector<MenuCase> cases{
            {"evidence, no derived requirement", {},
             head + QStringList{"-", "Add Evidence", "Link to Existing Evidence", "Unlink child Evidence"} + tail},
            {"derived requirement and evidence", {.derived = true},
             head + QStringList{"Unlink child Requirement", "-", "Add Evidence", "Link to Existing Evidence",
                                "Unlink child Evidence"} +
                 tail},
        };
        for (const MenuCase& c : cases) {
            MainWindow window;
            ui_testing::show_with_pages(window);
            assemble_main_window(window);
            build(window, c.setup);
            ObjectBox* box = argument_box(window);
            QVERIFY2(box, c.name);
            QMenu* menu = ui_testing::right_click(*window.canvas(), *box);
            QVERIFY2(menu, c.name);
            const QStringList texts = ui_testing::menu_texts(*menu);
            if (texts != c.expected) qWarning() << c.name << texts;
            QVERIFY2(texts == c.expected, c.name);
            for (const QAction* action : menu->actions())
                if (action->text() == "Add Requirement")
                    QCOMPARE(action->toolTip(), QStringLiteral("Define a quantitative\nor functional Requirement."));
            menu->close();
            settle();
        }
        // Without evidence there is nothing to unlink.
        MainWindow window;
        ui_testing::show_with_pages(window);
        assemble_main_window(window);
        build(window, {});
        delete argument()->get_child_evidences().front();
        settle_fixture(window);
        QMenu* menu = ui_testing::right_click(*window.canvas(), *argument_box(window));
        QVERIFY(menu);
        QVERIFY(!ui_testing::menu_texts(*menu).contains("Unlink child Evidence"));
        menu->close();
    }

    void sense_of_the_argument() {
        const std::vector<CommandCase> cases{
            {"toggled to invalidates", {}, "Toggle Validates - Invalidates",
             [](DialogScript& s) {
                 s.expect("Validates or Invalidates",
                          answer([](auto& d) { expect_equal(d.result_std_string(0), "validates", "preset"); },
                                 choose(0, 1)));
             },
             1, [] { QVERIFY(!argument()->get_validates()); }},
            {"the same sense chosen", {.validates = false}, "Toggle Validates - Invalidates",
             [](DialogScript& s) {
                 s.expect("Validates or Invalidates",
                          answer([](auto& d) { expect_equal(d.result_std_string(0), "invalidates", "preset"); },
                                 choose(0, 1)));
             },
             0, {}},
            {"toggle cancelled", {}, "Toggle Validates - Invalidates",
             [](DialogScript& s) { s.expect("Validates or Invalidates", cancel()); }, 0, {}},
        };
        for (const CommandCase& c : cases) {
            run(c);
            if (QTest::currentTestFailed()) return;
        }
    }

    void new_requirements_below_the_argument() {
        const std::vector<CommandCase> cases{
            {"a requirement from the validated functional requirement", {}, "Add Requirement",
             [](DialogScript& s) {
                 s.expect("Add a Requirement",
                          answer(
                              [](auto& d) {
                                  expect_equal(d.prompt_label(0)->text().toStdString(),
                                               "a motor must <verb> <capability>\n\nDefine the verb:", "prompt");
                                  expect_equal(d.result_std_string(0), "open", "verb");
                                  expect_equal(d.result_std_string(1), "remotely", "capability");
                                  expect_equal(std::to_string(d.par()->get_type_int()), "0", "type");
                              },
                              type({{1, "by radio"}})));
             },
             1,
             [] {
                 const auto children = argument()->get_child_requirements();
                 QCOMPARE(children.size(), size_t{1});
                 QCOMPARE(children.front()->get_verb_cap()->get_capability(), std::string("by radio"));
                 QVERIFY(children.front()->is_functional());
                 QCOMPARE(children.front()->get_par().get_goal_weight(), uint16_t{100});
             }},
            {"the denied verb of an invalidating argument", {.validates = false}, "Add Requirement",
             [](DialogScript& s) {
                 s.expect("Add a Requirement",
                          answer([](auto& d) { expect_equal(d.result_std_string(0), "cannot open", "verb"); }, {}));
             },
             1,
             [] {
                 QCOMPARE(argument()->get_child_requirements().front()->get_verb_cap()->get_verb(),
                          std::string("cannot open"));
             }},
            {"the quantity of a quantified requirement", {.quantified = true}, "Add Requirement",
             [](DialogScript& s) {
                 s.expect("Add a Requirement", answer(
                                                   [](auto& d) {
                                                       const Parameter& q = *d.par();
                                                       expect_equal(q.get_type(), "mass", "type");
                                                       expect_equal(q.get_target_symbol(), "<", "target");
                                                       expect_equal(std::to_string(q.get_value()),
                                                                    std::to_string(5.0), "value");
                                                   },
                                                   {}));
             },
             1,
             [] {
                 const Parameter& q = argument()->get_child_requirements().front()->get_par();
                 QCOMPARE(q.get_type(), std::string("mass"));
                 QCOMPARE(q.get_target_int(), uint16_t{1});
                 QCOMPARE(q.get_value(), 5.0);
             }},
            {"a goal under a lower-than requirement", {.quantified = true}, "Add Goal",
             [](DialogScript& s) {
                 s.expect("Define a Goal", answer(
                                               [](auto& d) {
                                                   expect_equal(d.result_std_string(2), "mass", "property");
                                                   expect_equal(d.result_std_string(3), "Minimize", "sense");
                                                   expect_equal(d.result_std_string(4), "100", "importance");
                                               },
                                               type({{4, "250"}})));
             },
             1,
             [] {
                 const Parameter& q = argument()->get_child_requirements().front()->get_par();
                 QCOMPARE(q.get_type(), std::string("mass"));
                 QCOMPARE(q.get_target_int(), uint16_t{0});
                 QCOMPARE(q.get_goal_weight(), uint16_t{100});
                 QCOMPARE(q.get_value(), 0.0);
             }},
            {"a goal under a functional requirement", {}, "Add Goal",
             [](DialogScript& s) {
                 s.expect("Define a Goal",
                          answer([](auto& d) { expect_equal(d.result_std_string(3), "Maximize", "sense"); },
                                 [](auto& d) {
                                     choose(2, 3)(d);  // time
                                     type({{4, "0"}})(d);
                                 }));
             },
             1,
             [] {
                 const Parameter& q = argument()->get_child_requirements().front()->get_par();
                 QCOMPARE(q.get_type(), std::string("time"));
                 QCOMPARE(q.get_target_int(), uint16_t{6});
                 QCOMPARE(q.get_goal_weight(), uint16_t{1});
             }},
            {"a requirement cancelled", {}, "Add Requirement",
             [](DialogScript& s) { s.expect("Add a Requirement", cancel()); }, 0, {}},
        };
        for (const CommandCase& c : cases) {
            run(c);
            if (QTest::currentTestFailed()) return;
        }
    }

    // The goal's property is taken by its row of the quantity-type table, not
    // by its name. (Two rows of one name are refused by the program's own
    // edits, and the undo history restores custom rows by name, so this case
    // is judged without undo.)
    void goal_property_maps_back_by_its_row() {
        MainWindow window;
        ui_testing::show_with_pages(window);
        assemble_main_window(window);
        build(window, {.second_mass = true});
        ObjectBox* box = argument_box(window);
        QVERIFY(box);
        // The custom row is the last of the table and of the properties, which
        // leave the functional row out.
        const auto last = static_cast<uint32_t>(Parameter::_possible_par_types.size() - 1);
        {
            ui_testing::ScriptedDialogs scripted;
            scripted.script().expect("Define a Goal", answer({}, choose(2, static_cast<int>(last) - 1)));
            QVERIFY(ui_testing::choose_on(*window.canvas(), *box, "Add Goal"));
            settle();
        }
        QCOMPARE(recorded_states(), size_t{1});
        QCOMPARE(argument()->get_child_requirements().front()->get_par().get_type_int(), last);
    }

    void links_of_derived_requirements_and_evidence() {
        const auto warned = [](DialogScript& s, Answer a) { s.answer("Warning", a); };
        const std::vector<CommandCase> cases{
            {"link the neighbour's requirement", {.neighbour = true}, "Link to Existing Requirement",
             [](DialogScript& s) {
                 s.expect("Link existing Requirement",
                          answer(
                              [](auto& d) {
                                  expect_equal(d.combo_box(0)->selected_model_text(),
                                               derived_with_verb("brake")->get_short_txt(0, true), "candidate");
                              },
                              {}));
             },
             1, [] { QCOMPARE(derived_with_verb("brake")->get_parents().size(), size_t{2}); }},
            {"no requirement to link", {.derived = true}, "Link to Existing Requirement",
             [](DialogScript& s) { s.answer("Information", Answer::Ok); }, 0, {}},
            {"link the neighbour's evidence", {.neighbour = true}, "Link to Existing Evidence",
             [](DialogScript& s) { s.expect("Link existing Evidence", answer({}, {})); }, 1,
             [] { QCOMPARE(argument()->get_child_evidences().size(), size_t{2}); }},
            {"unlink a shared requirement: no question, it stays", {.neighbour = true, .shared = true},
             "Unlink child Requirement", [](DialogScript& s) { s.expect("Unlink Child Requirement", answer({}, {})); },
             1,
             [] {
                 QVERIFY(argument()->get_child_requirements().empty());
                 QCOMPARE(derived_with_verb("brake")->get_parents().size(), size_t{1});
             }},
            {"unlink the last parent, cancelled at the warning", {.derived = true}, "Unlink child Requirement",
             [warned](DialogScript& s) {
                 s.expect("Unlink Child Requirement", answer({}, {}));
                 warned(s, Answer::Cancel);
             },
             0, {}},
            {"unlink the last parent: the requirement goes", {.derived = true}, "Unlink child Requirement",
             [warned](DialogScript& s) {
                 s.expect("Unlink Child Requirement", answer({}, {}));
                 warned(s, Answer::Ok);
             },
             1, [] { QVERIFY(!derived_with_verb("lock")); }},
            {"unlink the evidence: it goes", {}, "Unlink child Evidence",
             [warned](DialogScript& s) {
                 s.expect("Unlink Child Evidence", answer({}, {}));
                 warned(s, Answer::Ok);
             },
             1, [] { QVERIFY(argument()->get_child_evidences().empty()); }},
        };
        for (const CommandCase& c : cases) {
            run(c);
            if (QTest::currentTestFailed()) return;
        }
    }

    void evidence_below_the_argument() {
        const std::vector<CommandCase> cases{
            {"evidence without a reference", {.quantified = true}, "Add Evidence",
             [](DialogScript& s) {
                 s.expect("Add Evidence", answer(
                                              [](auto& d) {
                                                  expect_equal(d.result_std_string(0), "open", "verb");
                                                  expect_equal(d.par()->get_type(), "mass", "type");
                                                  expect_equal(d.result_std_string(3),
                                                               ReadinessLevel::get_reqd_level_txt_ptr(), "level");
                                                  expect_equal(d.result_std_string(7), "Unknown", "reference type");
                                              },
                                              choose(3, 6)));
             },
             1,
             [] {
                 const auto evidence = argument()->get_child_evidences();
                 QCOMPARE(evidence.size(), size_t{2});
                 QCOMPARE(evidence.back()->get_rlevel().get_min_level(false), uint16_t{6});
                 QCOMPARE(evidence.back()->get_par().get_type(), std::string("mass"));
                 QVERIFY(evidence.back()->get_ref_ids().empty());
             }},
            {"evidence with its reference: one step", {}, "Add Evidence",
             [](DialogScript& s) {
                 s.expect("Add Evidence", answer({}, type({{4, "Lab report"}, {6, "https://lab.example"}})));
             },
             1,
             [] {
                 const Evidence* added = argument()->get_child_evidences().back();
                 QCOMPARE(added->get_ref_ids().size(), size_t{1});
                 QCOMPARE(GCC::RP->get_reference(added->get_ref_ids().front())->name(), std::string("Lab report"));
             }},
        };
        for (const CommandCase& c : cases) {
            run(c);
            if (QTest::currentTestFailed()) return;
        }
    }

    void edit_dialog_of_the_argument() {
        const std::vector<CommandCase> cases{
            {"the sense alone", {.references = 2}, "",
             [](DialogScript& s) {
                 s.expect("Edit the Argument",
                          answer(
                              [](auto& d) {
                                  // Two references: no reference rows.
                                  expect_equal(d.row_kind(1) == dialogs::InputDialog::RowKind::None ? "none" : "some",
                                               "none", "reference rows");
                              },
                              choose(0, 1)));
             },
             1, [] { QVERIFY(!argument()->get_validates()); }},
            {"the reference alone", {.references = 1}, "",
             [](DialogScript& s) {
                 s.expect("Edit the Argument",
                          answer([](auto& d) { expect_equal(d.result_std_string(1), "Test 0", "reference name"); },
                                 type({{1, "Bench test"}})));
             },
             1,
             [] {
                 QVERIFY(argument()->get_validates());
                 QCOMPARE(GCC::RP->get_reference(argument()->get_ref_ids().front())->name(),
                          std::string("Bench test"));
             }},
            {"both, while the page is drawn anew: one state each", {.references = 1}, "",
             [](DialogScript& s) {
                 s.expect("Edit the Argument", [](QDialog& dialog) {
                     main_window()->request_page_rebuild(true);
                     settle();
                     return answer({}, [](auto& d) {
                         choose(0, 1)(d);
                         type({{3, "https://bench.example"}})(d);
                     })(dialog);
                 });
             },
             2,
             [] {
                 QVERIFY(!argument()->get_validates());
                 QCOMPARE(GCC::RP->get_reference(argument()->get_ref_ids().front())->link(),
                          std::string("https://bench.example"));
             }},
            {"nothing changed", {.references = 1}, "", [](DialogScript& s) { s.expect("Edit the Argument", answer({}, {})); },
             0, {}},
        };
        for (const CommandCase& c : cases) {
            run(c);
            if (QTest::currentTestFailed()) return;
        }
    }

    // A command chosen from a menu opened before its argument went: the ones
    // that report it name their handler, the others do nothing.
    void commands_of_a_deleted_argument() {
        const std::vector<std::pair<QString, QString>> cases{
            {"Toggle Validates - Invalidates", "object missing in MenuItemEditValidates_Click"},
            {"Add Goal", ""},
            {"Add Requirement", ""},
            {"Link to Existing Requirement", "object missing in MenuItemLinkToExistReq_Click"},
            {"Add Evidence", "object missing in MenuItemAddEv_Click"},
            {"Link to Existing Evidence", "object missing in MenuItemLinkToExistEv_Click"},
            {"Unlink child Evidence", "object missing in MenuItemUnlinkChildEv_Click"},
        };
        for (const auto& [caption, error] : cases) {
            MainWindow window;
            ui_testing::show_with_pages(window);
            assemble_main_window(window);
            build(window, {});
            QMenu* menu = ui_testing::right_click(*window.canvas(), *argument_box(window));
            QVERIFY(menu);
            delete argument();
            ui_testing::ScriptedDialogs scripted;
            if (!error.isEmpty()) scripted.script().answer("Error", Answer::Ok);
            QVERIFY2(ui_testing::choose(*menu, caption), qPrintable(caption));
            QCOMPARE(scripted.script().messages(), error.isEmpty() ? QStringList() : QStringList{error});
            QCOMPARE(recorded_states(), size_t{0});
            settle();
        }
    }

    void evidence_menu() {
        ui_testing::ScriptedDialogs unexpected;  // any dialog not scripted fails the test
        const QStringList phrase{"Change the Subject", "Change the Verb", "Change the Capability", "-",
                                 "Change the Quantification"};
        const QStringList tail{"-", "Change readiness level", "-", "Add a reference"};
        struct MenuCase {
            const char* name;
            Setup setup;
            QStringList expected;  // up to the first common item
        };
        const std::vector<MenuCase> cases{
            {"functional evidence", {}, phrase + tail},
            {"quantified evidence", {.evidence_quantity = true},
             phrase + QStringList{"Change to a Functional Requirement"} + tail},
        };
        for (const MenuCase& c : cases) {
            MainWindow window;
            ui_testing::show_with_pages(window);
            assemble_main_window(window);
            build(window, c.setup);
            QMenu* menu = ui_testing::right_click(*window.canvas(), *validation_box(window, evidence()->get_uid()));
            QVERIFY2(menu, c.name);
            const QStringList texts = ui_testing::menu_texts(*menu).mid(0, static_cast<int>(c.expected.size()));
            if (texts != c.expected) qWarning() << c.name << ui_testing::menu_texts(*menu);
            QVERIFY2(texts == c.expected, c.name);
            for (const QAction* action : menu->actions()) {
                if (action->text() == "Change readiness level")
                    QCOMPARE(action->toolTip(), QStringLiteral("To what maturity to develop"));
                if (action->text() == "Change the Subject")
                    QCOMPARE(action->toolTip(), QStringLiteral("Changes the Subject of this object only"));
            }
            menu->close();
            settle();
        }
    }

    void readiness_level_of_the_evidence() {
        const auto level = [](int i) { return ReadinessLevel::get_levels()[static_cast<size_t>(i)]; };
        const std::vector<CommandCase> cases{
            {"another level from the menu", {}, "Change readiness level",
             [level](DialogScript& s) {
                 s.expect("Change Readiness Level",
                          answer([level](auto& d) { expect_equal(d.result_std_string(0), level(5), "preset"); },
                                 choose(0, 7)));
             },
             1, [] { QCOMPARE(evidence()->get_rlevel().get_min_level(false), uint16_t{7}); }},
            {"the level it has", {}, "Change readiness level",
             [](DialogScript& s) { s.expect("Change Readiness Level", answer({}, choose(0, 5))); }, 0, {}},
            {"a click on the readiness picture", {}, "readiness",
             [](DialogScript& s) { s.expect("Change Readiness Level", answer({}, choose(0, 2))); }, 1,
             [] { QCOMPARE(evidence()->get_rlevel().get_min_level(false), uint16_t{2}); }},
        };
        for (const CommandCase& c : cases) {
            run(c, true);
            if (QTest::currentTestFailed()) return;
        }
    }

    void edit_dialog_of_the_evidence() {
        const auto value = [](const char* text) {
            return [text](dialogs::InputDialog& d) { d.quantity_row()->value_field()->set_text(text); };
        };
        const std::vector<CommandCase> cases{
            {"the value confirmed as shown", {.evidence_quantity = true}, "",
             [](DialogScript& s) { s.expect("Edit the Evidence", answer({}, {})); }, 0, {}},
            {"a small edit of the value is kept", {.evidence_quantity = true}, "",
             [value](DialogScript& s) { s.expect("Edit the Evidence", answer({}, value("5.0004"))); }, 1,
             [] { QCOMPARE(evidence()->get_par().get_value(), 5.0004); }},
            {"another type and target", {}, "",
             [](DialogScript& s) {
                 s.expect("Edit the Evidence", answer(
                                                   [](auto& d) {
                                                       expect_equal(d.result_std_string(0), "open", "verb");
                                                       expect_equal(d.result_std_string(3),
                                                                    ReadinessLevel::get_levels()[5], "level");
                                                   },
                                                   [](auto& d) {
                                                       d.quantity_row()->choose_type(5);
                                                       d.quantity_row()->choose_target(2);
                                                   }));
             },
             1,
             [] {
                 QCOMPARE(evidence()->get_par().get_type(), std::string("mass"));
                 QCOMPARE(evidence()->get_par().get_target_int(), uint16_t{2});
             }},
            {"another level", {}, "", [](DialogScript& s) { s.expect("Edit the Evidence", answer({}, choose(3, 8))); },
             1, [] { QCOMPARE(evidence()->get_rlevel().get_min_level(false), uint16_t{8}); }},
            {"two references: no reference rows", {.evidence_references = 2}, "",
             [](DialogScript& s) {
                 s.expect("Edit the Evidence", answer(
                                                   [](auto& d) {
                                                       expect_equal(d.row_kind(4) == dialogs::InputDialog::RowKind::None
                                                                        ? "none"
                                                                        : "some",
                                                                    "none", "reference rows");
                                                   },
                                                   {}));
             },
             0, {}},
            {"the reference and the level: one state each", {.evidence_references = 1}, "",
             [](DialogScript& s) {
                 s.expect("Edit the Evidence",
                          answer([](auto& d) { expect_equal(d.result_std_string(4), "Lab 0", "reference name"); },
                                 [](auto& d) {
                                     choose(3, 6)(d);
                                     type({{4, "Field trial"}})(d);
                                 }));
             },
             2,
             [] {
                 QCOMPARE(evidence()->get_rlevel().get_min_level(false), uint16_t{6});
                 QCOMPARE(GCC::RP->get_reference(evidence()->get_ref_ids().front())->name(),
                          std::string("Field trial"));
             }},
            {"cancelled", {}, "", [](DialogScript& s) { s.expect("Edit the Evidence", cancel()); }, 0, {}},
        };
        for (const CommandCase& c : cases) {
            run(c, true);
            if (QTest::currentTestFailed()) return;
        }
    }

    // A new verb changes the evidence's own text: its box reads it again, and
    // the page is not drawn anew.
    void evidence_verb_edit_refills_its_box() {
        MainWindow window;
        ui_testing::show_with_pages(window);
        assemble_main_window(window);
        build(window, {});
        const std::string uid = evidence()->get_uid();
        QPointer<ObjectBox> box = validation_box(window, uid);
        QVERIFY(box);
        {
            ui_testing::ScriptedDialogs scripted;
            scripted.script().expect("Edit the Evidence", answer({}, type({{0, "closes"}})));
            box->double_click();
            settle();
        }
        QCOMPARE(recorded_states(), size_t{1});
        QVERIFY(!window.is_saved());
        QVERIFY(box);
        QCOMPARE(box->text_area()->scroll().text(), QString::fromStdString(evidence()->get_txt()));
        QVERIFY(box->text_area()->scroll().text().contains("closes"));
    }
};

QTEST_MAIN(ArgumentEvidenceBoxesTest)
#include "test_argument_evidence_boxes.moc"
