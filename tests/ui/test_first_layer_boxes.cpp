// The boxes of the first layer of a project: the Project box, the User Story
// boxes and the Mandate box. Their menus over a few projects, and each command
// judged by the project's saved text before and after it and after its undo
// and redo, by the undo states it records and by the saved flag.
#include <QDialog>
#include <QMenu>
#include <QTest>
#include <functional>
#include <map>

#include "core/constants/gcc.h"
#include "core/model/mandate.h"
#include "core/model/project.h"
#include "core/model/readiness_level.h"
#include "core/model/requirement.h"
#include "core/model/user_story.h"
#include "core/quantity/parameter.h"
#include "core/reference/reference.h"
#include "tests/support/core/small_project.h"
#include "tests/ui/support/canvas_driver.h"
#include "tests/ui/support/dialog_script.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/app/assembly.h"
#include "ui/boxes/box_commands.h"
#include "ui/boxes/object_box.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/dialogs/quantity_row.h"
#include "ui/kinds/goal_rows.h"
#include "ui/main_window/canvas_view.h"
#include "ui/main_window/main_window.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/app_label.h"
#include "ui/toolkit/app_text_box.h"

using toolkit::Answer;
using ui_testing::boxes_of;
using ui_testing::DialogScript;
using ui_testing::menu_texts;
using ui_testing::recorded_states;
using ui_testing::right_click;
using ui_testing::saved_text;
using ui_testing::settle;
using ui_testing::settle_fixture;
using Response = DialogScript::Response;

namespace {

Node* object(const std::string& uid) { return GCC::RP->_get_pointer_to_node_with_uid(uid); }

// The uid of the first object of the kind whose subject (stories: whose verb) is text.
std::string uid_of(const std::string& kind, const std::string& text = "") {
    for (const auto& [uid, node] : GCC::RP->get_nd_map()) {
        if (node->get_nd_type() != kind) continue;
        if (text.empty()) return uid;
        if (node->is_usy() && static_cast<UserStory*>(node)->get_verb_cap()->get_verb() == text) return uid;
    }
    return {};
}

UserStory* story(const std::string& verb) { return static_cast<UserStory*>(object(uid_of("USY", verb))); }

size_t count_of(const std::string& kind) {
    size_t n = 0;
    for (const auto& [uid, node] : GCC::RP->get_nd_map()) n += node->get_nd_type() == kind;
    return n;
}

void adopt(MainWindow& window) {
    window.adopt_new_project();
    settle_fixture(window);
}

// One story "open remotely" with the mandate and its derived requirement.
void small_project(MainWindow& window) {
    delete GCC::RP;
    testing_support::SmallProject p;
    adopt(window);
}

// One story without a mandate.
void story_only(MainWindow& window) {
    delete GCC::RP;
    auto* project = new Project("Gate", "manage access");
    project->add_user_story("open", "remotely", "gate", "at the door", false);
    adopt(window);
}

// The small project and a second story "close quickly" with nothing derived.
void second_story_underived(MainWindow& window) {
    delete GCC::RP;
    testing_support::SmallProject p;
    GCC::RP->add_user_story("close", "quickly", "gate", "", false);
    adopt(window);
}

// The second story's verb and capability already on a requirement the mandate
// holds, made from the same texts but not linked to the story.
void second_story_defined_from_texts(MainWindow& window) {
    delete GCC::RP;
    testing_support::SmallProject p;
    GCC::RP->add_user_story("close", "quickly", "gate", "", false);
    p.mandate->add_q_requirement("close", "quickly", 0u, 0.0, 0, 3, 100);
    adopt(window);
}

// The small project with one reference on each of the three first-layer objects.
void with_references(MainWindow& window) {
    delete GCC::RP;
    testing_support::SmallProject p;
    p.project->add_reference_to_node("Charter", "the brief", "charter.pdf", "");
    p.story->add_reference_to_node("Interview", "", "interview.txt", "");
    p.mandate->add_reference_to_node("Approval", "", "approval.pdf", "");
    adopt(window);
}

// The small project with a custom type that carries the name "length".
void custom_length_type(MainWindow& window) {
    delete GCC::RP;
    testing_support::SmallProject p;
    Parameter::add_cust_poss_parameter("span", {"ly"}, {9.46e15}, {0.0}, {true}, std::vector<std::string>(7, "near"));
    Parameter::_possible_par_types.back().rename("length");
    adopt(window);
}

uint32_t custom_type() { return static_cast<uint32_t>(Parameter::get_poss_parameters().size() - 1); }

void gate_example(MainWindow& window) {
    window.run_command(Command::GateExample);
    settle_fixture(window);
}

void explain_example(MainWindow& window) {
    window.run_command(Command::ExplainExample);
    settle_fixture(window);
}

ObjectBox* box_on_project_page(MainWindow& window, const std::string& uid) {
    window.activate_page(TabPage::Project);
    window.request_page_rebuild(false);
    settle();
    for (ObjectBox* box : boxes_of(*window.canvas(), uid))
        if (!box->description().stack_shadow) return box;
    return nullptr;
}

dialogs::InputDialog& input(QDialog& dialog) { return static_cast<dialogs::InputDialog&>(dialog); }

int ok(QDialog& dialog) {
    input(dialog).press_ok();
    return dialog.result();
}

// Types into text rows and chooses entries of choice rows, then presses OK.
Response answer_rows(std::vector<std::pair<int, QString>> texts, std::vector<std::pair<int, int>> entries = {}) {
    return [texts, entries](QDialog& dialog) {
        for (const auto& [row, text] : texts) input(dialog).text_box(row)->set_text(text);
        for (const auto& [row, entry] : entries) input(dialog).combo_box(row)->set_selected_index(entry);
        return ok(dialog);
    };
}

Response unchanged() { return ok; }

// The goal dialog's answer: the property entry, "Maximize" or not, the importance.
Response goal_answer(std::function<int()> entry, bool maximize, const QString& importance) {
    return [entry, maximize, importance](QDialog& dialog) {
        input(dialog).combo_box(2)->set_selected_index(entry());
        input(dialog).combo_box(3)->set_selected_index(maximize ? 1 : 0);
        input(dialog).text_box(4)->set_text(importance);
        return ok(dialog);
    };
}

const Requirement* newest_requirement() { return GCC::RP->get_mandate()->get_child_requirements().back(); }


// Checks the dialog's rows before answering.
Response check_then(std::function<void(dialogs::InputDialog&)> check, Response response) {
    return [check, response](QDialog& dialog) {
        check(input(dialog));
        return response(dialog);
    };
}

QString prompt(const dialogs::InputDialog& dialog, int row) { return dialog.prompt_label(row)->text(); }

struct CommandCase {
    const char* name;
    std::function<void(MainWindow&)> fixture;
    std::function<std::string()> box;  // the uid of the box
    QString caption;                   // empty: the box is double-clicked
    std::function<void(DialogScript&)> arrange;
    size_t states;      // undo states recorded
    bool changes_text;  // the saved text differs afterwards
    bool saved;         // the saved flag afterwards
    std::function<void(MainWindow&, const std::string& uid)> check;
};

std::function<std::string()> uid(const char* kind, const char* text = "") {
    return [kind, text] { return uid_of(kind, text); };
}

std::function<void(DialogScript&)> expect(const char* title, Response response) {
    return [title, response](DialogScript& s) { s.expect(title, response); };
}

const QStringList tail{"Add a reference", "-",          "Copy object",      "Paste object", "Select object in tree",
                       "Deselect object in tree", "Delete object", "Edit tooltp text", "Show related objects"};

}  // namespace

class FirstLayerBoxesTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;

    void show(MainWindow& window) {
        assemble_main_window(window);
        window.resize(1400, 900);
        window.show();
        settle();
    }

    void run_command_case(const CommandCase& c) {
        MainWindow window;
        show(window);
        c.fixture(window);
        const std::string target = c.box();
        ObjectBox* box = box_on_project_page(window, target);
        QVERIFY2(box, c.name);
        const std::string before = saved_text();
        {
            ui_testing::ScriptedDialogs scripted;
            if (c.arrange) c.arrange(scripted.script());
            if (c.caption.isEmpty()) {
                box->double_click();
            } else {
                QMenu* menu = right_click(*window.canvas(), *box);
                QVERIFY2(menu, c.name);
                QVERIFY2(ui_testing::choose(*menu, c.caption), c.name);
            }
            settle();
        }
        const std::string after = saved_text();
        if (recorded_states() != c.states) qWarning() << c.name << "states" << recorded_states();
        QVERIFY2(recorded_states() == c.states, c.name);
        QVERIFY2((after != before) == c.changes_text, c.name);
        QVERIFY2(window.is_saved() == c.saved, c.name);
        if (c.check) c.check(window, target);
        if (QTest::currentTestFailed() || c.states == 0) return;
        ui_testing::check_undo_and_redo(window, c.states, before, after, c.name);
    }

private slots:
    void cleanup() {
        boxes::remove_all_kind_commands();
        ui_testing::UiTestEnvironment::reset();
    }

    void menus_over_projects() {
        ui_testing::ScriptedDialogs unexpected;  // any dialog fails the test
        struct MenuCase {
            const char* name;
            std::function<void(MainWindow&)> fixture;
            std::function<std::string()> box;
            QStringList expected;
        };
        const QStringList project_items{"Change Name", "Change Description", "Add User Story", "-"};
        QStringList project_tail = tail;
        project_tail.removeAll("Delete object");
        const QStringList story_head{"Change the Subject", "Change the Verb", "Change the Capability",
                                     "Edit description", "-"};
        const QStringList mandate_head{"Change Remark", "Change Required Readiness Level"};
        const std::vector<MenuCase> cases{
            {"project", small_project, uid("PRJ"), project_items + project_tail},
            {"story without mandate", story_only, uid("USY"), story_head + QStringList{"Add Mandate", "-"} + tail},
            {"story with its requirement", small_project, uid("USY"),
             story_head + QStringList{"Define Requirement", "Define Goal", "-"} + tail},
            {"story with nothing derived", second_story_underived, uid("USY", "close"),
             story_head + QStringList{"Derive Requirement", "Define Requirement", "Define Goal", "-"} + tail},
            {"story whose pair a requirement of the mandate holds", second_story_defined_from_texts,
             uid("USY", "close"), story_head + QStringList{"Define Requirement", "Define Goal", "-"} + tail},
            {"mandate, every story derived", small_project, uid("MAN"),
             mandate_head + QStringList{"Review Evidence", "-"} + tail},
            {"mandate, a story underived", second_story_underived, uid("MAN"),
             mandate_head + QStringList{"Derive Requirements from User Stories", "Review Evidence", "-"} + tail},
            {"mandate of the gate example", gate_example, uid("MAN"),
             mandate_head + QStringList{"Review Evidence", "-", "Link a reference"} + tail},
            {"story of the explain example", explain_example, uid("USY"),
             story_head + QStringList{"Define Requirement", "Define Goal", "-"} + tail},
        };
        const std::map<QString, QString> tooltips{
            {"Change Name", "To change the name of the Project"},
            {"Change Description", "To change the description of the Project"},
            {"Add User Story", "To Add a User Story to the Project"},
            {"Edit description", "Edit the description of the User Story"},
            {"Add Mandate", "Add a Mandate to the Project"},
            {"Derive Requirement", "Derive a Top Level Requirement from this User Story"},
            {"Define Requirement", "Define a quantitative\nor functional Requirement."},
            {"Define Goal", "A property must be as small/large as possible"},
            {"Change Remark", "Remarks that were made during the approval."},
            {"Change Required Readiness Level", "Change to what maturity to develop"},
            {"Derive Requirements from User Stories", "Automatically derive a Requirement for each User Story"},
            {"Review Evidence", "Check what is needed to prove\nthe concept up to a certain level."},
        };
        for (const MenuCase& c : cases) {
            MainWindow window;
            show(window);
            c.fixture(window);
            ObjectBox* box = box_on_project_page(window, c.box());
            QVERIFY2(box, c.name);
            QMenu* menu = right_click(*window.canvas(), *box);
            QVERIFY2(menu, c.name);
            const QStringList texts = menu_texts(*menu);
            for (const QAction* action : menu->actions())
                if (const auto found = tooltips.find(action->text()); found != tooltips.end())
                    QCOMPARE(action->toolTip(), found->second);
            menu->close();
            if (texts != c.expected) qWarning() << c.name << texts;
            QVERIFY2(texts == c.expected, c.name);
            settle();
        }
    }

    void project_commands() {
        const std::vector<CommandCase> cases{
            {"change the name", small_project, uid("PRJ"), "Change Name",
             expect("Enter New Name",
                    check_then(
                        [](dialogs::InputDialog& d) {
                            QCOMPARE(prompt(d, 0), QStringLiteral("Current name: Gate\n\nEnter a new name:"));
                        },
                        answer_rows({{0, "Barrier"}}))),
             1, true, false,
             [](MainWindow& window, const std::string& uid) {
                 QCOMPARE(GCC::RP->get_name(), std::string("Barrier"));
                 QCOMPARE(boxes_of(*window.canvas(), uid).front()->face().title, std::string("Project Barrier"));
             }},
            {"the same name", small_project, uid("PRJ"), "Change Name", expect("Enter New Name", unchanged()), 0,
             false, true, {}},
            {"change the description", small_project, uid("PRJ"), "Change Description",
             expect("Enter New Description", answer_rows({{0, "keep cattle in"}})), 1, true, false,
             [](MainWindow&, const std::string&) {
                 QCOMPARE(GCC::RP->get_description(), std::string("keep cattle in"));
             }},
            {"the same description", small_project, uid("PRJ"), "Change Description",
             expect("Enter New Description", unchanged()), 0, false, true, {}},
            {"cancelled", small_project, uid("PRJ"), "Change Description",
             expect("Enter New Description",
                    [](QDialog& d) {
                        input(d).text_box(0)->set_text("never");
                        input(d).press_cancel();
                        return d.result();
                    }),
             0, false, true, {}},
            {"add a story, its requirement derived", small_project, uid("PRJ"), "Add User Story",
             expect("Define New User Story",
                    check_then(
                        [](dialogs::InputDialog& d) {
                            QCOMPARE(d.text_box(0)->text(), QStringLiteral("gate"));
                            QCOMPARE(d.row_kind(4), dialogs::InputDialog::RowKind::Choice);
                        },
                        answer_rows({{1, "lock"}, {2, "at night"}, {3, "for safety"}}))),
             1, true, false,
             [](MainWindow&, const std::string&) {
                 UserStory* lock = story("lock");
                 QVERIFY(lock);
                 QCOMPARE(lock->get_description(), std::string("for safety"));
                 QVERIFY(lock->has_derived_requirement());
                 QCOMPARE(lock->get_child_mandate(), GCC::RP->get_mandate());
             }},
            {"add a story, its requirement later", small_project, uid("PRJ"), "Add User Story",
             expect("Define New User Story", answer_rows({{1, "lock"}}, {{4, 1}})), 1, true, false,
             [](MainWindow&, const std::string&) {
                 QVERIFY(!story("lock")->has_derived_requirement());
                 QCOMPARE(count_of("REQ"), size_t{1});
             }},
            {"add a story without a mandate: four rows, nothing derived", story_only, uid("PRJ"), "Add User Story",
             expect("Define New User Story",
                    check_then(
                        [](dialogs::InputDialog& d) {
                            QCOMPARE(d.row_kind(3), dialogs::InputDialog::RowKind::Text);
                            QCOMPARE(d.row_kind(4), dialogs::InputDialog::RowKind::None);
                        },
                        answer_rows({{0, "door"}, {1, "lock"}}))),
             1, true, false,
             [](MainWindow&, const std::string&) {
                 QCOMPARE(count_of("USY"), size_t{2});
                 QCOMPARE(count_of("REQ"), size_t{0});
                 // The subject is the project's shared one.
                 QCOMPARE(story("open")->get_subject(), std::string("door"));
             }},
            {"edit name and description", small_project, uid("PRJ"), "",
             expect("Edit the Project", answer_rows({{0, "Barrier"}, {1, "cattle"}})), 1, true, false,
             [](MainWindow& window, const std::string& uid) {
                 QCOMPARE(GCC::RP->get_name(), std::string("Barrier"));
                 QCOMPARE(GCC::RP->get_description(), std::string("cattle"));
                 QCOMPARE(boxes_of(*window.canvas(), uid).front()->face().title, std::string("Project Barrier"));
             }},
            {"edit nothing", with_references, uid("PRJ"), "", expect("Edit the Project", unchanged()), 0, false, true,
             {}},
            {"edit the name and the reference: one state each", with_references, uid("PRJ"), "",
             expect("Edit the Project",
                    check_then(
                        [](dialogs::InputDialog& d) { QCOMPARE(d.text_box(2)->text(), QStringLiteral("Charter")); },
                        answer_rows({{0, "Barrier"}, {4, "https://charter.example"}}))),
             2, true, false,
             [](MainWindow&, const std::string&) {
                 const auto& ids = GCC::RP->get_ref_ids();
                 QCOMPARE(GCC::RP->get_reference(ids.front())->link(), std::string("https://charter.example"));
             }},
        };
        for (const CommandCase& c : cases) {
            run_command_case(c);
            if (QTest::currentTestFailed()) return;
        }
    }

    void user_story_commands() {
        const std::vector<CommandCase> cases{
            {"edit the description", small_project, uid("USY"), "Edit description",
             expect("Enter New Description", answer_rows({{0, "by radio"}})), 1, true, false,
             [](MainWindow& window, const std::string& uid) {
                 QVERIFY(boxes_of(*window.canvas(), uid).front()->face().text.find("by radio") != std::string::npos);
             }},
            {"the same description is stored again", small_project, uid("USY"), "Edit description",
             expect("Enter New Description", unchanged()), 1, false, false, {}},
            {"add the mandate, deriving", story_only, uid("USY"), "Add Mandate",
             expect("Define New Mandate", answer_rows({{1, "approved"}}, {{0, 4}})), 1, true, false,
             [](MainWindow&, const std::string&) {
                 Mandate* mandate = GCC::RP->get_mandate();
                 QVERIFY(mandate);
                 QCOMPARE(mandate->get_remark(), std::string("approved"));
                 QCOMPARE(ReadinessLevel::get_reqd_level(), uint16_t{4});
                 QVERIFY(story("open")->has_derived_requirement());
             }},
            {"add the mandate, deriving later", story_only, uid("USY"), "Add Mandate",
             expect("Define New Mandate", answer_rows({}, {{2, 1}})), 1, true, false,
             [](MainWindow&, const std::string&) {
                 QVERIFY(GCC::RP->get_mandate());
                 QCOMPARE(count_of("REQ"), size_t{0});
             }},
            {"derive the requirement", second_story_underived, uid("USY", "close"), "Derive Requirement", {}, 1,
             true, false,
             [](MainWindow&, const std::string& uid) {
                 QVERIFY(static_cast<UserStory*>(object(uid))->has_derived_requirement());
             }},
            {"define a quantified requirement", small_project, uid("USY"), "Define Requirement",
             expect("Add a Requirement",
                    check_then(
                        [](dialogs::InputDialog& d) {
                            QCOMPARE(prompt(d, 0),
                                     QStringLiteral("a gate must <verb> <capability>\n\nDefine the verb:"));
                            QCOMPARE(d.text_box(0)->text(), QStringLiteral("open"));
                            QCOMPARE(d.row_kind(2), dialogs::InputDialog::RowKind::Quantity);
                        },
                        [](QDialog& dialog) {
                            input(dialog).text_box(1)->set_text("within 5 s");
                            dialogs::QuantityRow* q = input(dialog).quantity_row();
                            q->choose_type(q->type_choice()->find_string_exact("time"));
                            q->choose_target(4);
                            q->value_field()->set_text("5");
                            return ok(dialog);
                        })),
             1, true, false,
             [](MainWindow&, const std::string&) {
                 QCOMPARE(count_of("REQ"), size_t{2});
                 const Requirement* r = GCC::RP->get_mandate()->get_child_requirements().back();
                 QCOMPARE(r->get_verb_cap()->get_capability(), std::string("within 5 s"));
                 QCOMPARE(r->get_par().get_type(), std::string("time"));
                 QCOMPARE(r->get_par().get_value(), 5.0);
                 QCOMPARE(r->get_par().get_target_int(), uint16_t{4});
                 QCOMPARE(r->get_par().get_goal_weight(), uint16_t{100});
             }},
            {"define a goal", small_project, uid("USY"), "Define Goal",
             expect("Define a Goal",
                    check_then(
                        [](dialogs::InputDialog& d) {
                            QCOMPARE(prompt(d, 0),
                                     QStringLiteral("a gate must <verb> <capability>\n\nDefine the verb:"));
                            QCOMPARE(d.result_combo_index(2), 0);
                            QCOMPARE(d.result_std_string(3), std::string("Minimize"));
                        },
                        goal_answer([] { return kinds::goal_properties().entry_of(Parameter::_get_i_type("mass")); },
                                    true, "40"))),
             1, true, false,
             [](MainWindow&, const std::string&) {
                 const Parameter& goal = newest_requirement()->get_par();
                 QCOMPARE(goal.get_type(), std::string("mass"));
                 QCOMPARE(goal.get_target_int(), uint16_t{6});
                 QCOMPARE(goal.get_goal_weight(), uint16_t{40});
                 QCOMPARE(goal.get_value(), 0.0);
             }},
            {"a goal's importance that is no number counts fully", small_project, uid("USY"), "Define Goal",
             expect("Define a Goal", goal_answer([] { return 0; }, false, "abc")), 1, true, false,
             [](MainWindow&, const std::string&) {
                 const Parameter& goal = newest_requirement()->get_par();
                 QCOMPARE(goal.get_goal_weight(), uint16_t{100});
                 QCOMPARE(goal.get_target_int(), uint16_t{0});
                 QCOMPARE(goal.get_type_int(), kinds::goal_properties().type_indexes.front());
             }},
            {"a goal's importance above the scale", small_project, uid("USY"), "Define Goal",
             expect("Define a Goal", goal_answer([] { return 0; }, false, "250")), 1, true, false,
             [](MainWindow&, const std::string&) {
                 QCOMPARE(newest_requirement()->get_par().get_goal_weight(), uint16_t{100});
             }},
            {"define a requirement cancelled", small_project, uid("USY"), "Define Requirement",
             expect("Add a Requirement",
                    [](QDialog& d) {
                        input(d).press_cancel();
                        return d.result();
                    }),
             0, false, true, {}},
            {"edit verb and capability: one state over every sharer", small_project, uid("USY"), "",
             expect("Edit the User Story", answer_rows({{1, "swing"}, {2, "open"}})), 1, true, false,
             [](MainWindow&, const std::string& uid) {
                 auto* s = static_cast<UserStory*>(object(uid));
                 const Requirement* r = s->get_child_requirements().front();
                 QCOMPARE(r->get_verb_cap()->get_verb(), std::string("swing"));
                 QCOMPARE(r->get_verb_cap()->get_capability(), std::string("open"));
             }},
            {"edit the subject", small_project, uid("USY"), "",
             expect("Edit the User Story", answer_rows({{0, "door"}})), 1, true, false,
             [](MainWindow&, const std::string&) {
                 QCOMPARE(GCC::RP->get_mandate()->get_subject(), std::string("door"));
             }},
            {"edit the description only: the box refilled", small_project, uid("USY"), "",
             expect("Edit the User Story", answer_rows({{3, "by radio"}})), 1, true, false,
             [](MainWindow& window, const std::string& uid) {
                 QVERIFY(boxes_of(*window.canvas(), uid).front()->face().text.find("by radio") != std::string::npos);
             }},
            {"edit nothing", with_references, uid("USY"), "",
             expect("Edit the User Story",
                    check_then(
                        [](dialogs::InputDialog& d) { QCOMPARE(d.text_box(4)->text(), QStringLiteral("Interview")); },
                        unchanged())),
             0, false, true, {}},
        };
        for (const CommandCase& c : cases) {
            run_command_case(c);
            if (QTest::currentTestFailed()) return;
        }
    }

    // Property names are ambiguous once a custom type carries a standard
    // type's name: the goal takes the row that was chosen, not the first row
    // of that name.
    void goal_on_a_custom_type_named_like_a_standard_one() {
        MainWindow window;
        show(window);
        custom_length_type(window);
        const int entry = kinds::goal_properties().entry_of(custom_type());
        QVERIFY(entry > kinds::goal_properties().entry_of(Parameter::_get_i_type("length")));
        ObjectBox* box = box_on_project_page(window, uid_of("USY"));
        QVERIFY(box);
        {
            ui_testing::ScriptedDialogs scripted;
            scripted.script().expect("Define a Goal", goal_answer([entry] { return entry; }, false, "100"));
            QVERIFY(ui_testing::choose_on(*window.canvas(), *box, "Define Goal"));
            settle();
        }
        QCOMPARE(recorded_states(), size_t{1});
        QCOMPARE(newest_requirement()->get_par().get_type_int(), custom_type());
        QVERIFY(!window.is_saved());
    }

    void mandate_commands() {
        const std::vector<CommandCase> cases{
            {"change the remark", small_project, uid("MAN"), "Change Remark",
             expect("Enter New Remark", answer_rows({{0, "signed"}})), 1, true, false,
             [](MainWindow&, const std::string&) {
                 QCOMPARE(GCC::RP->get_mandate()->get_remark(), std::string("signed"));
             }},
            {"the same remark is stored again", small_project, uid("MAN"), "Change Remark",
             expect("Enter New Remark", unchanged()), 1, false, false, {}},
            {"change the required level", small_project, uid("MAN"), "Change Required Readiness Level",
             expect("Enter New Readiness Level", answer_rows({}, {{0, 6}})), 1, true, false,
             [](MainWindow&, const std::string&) { QCOMPARE(ReadinessLevel::get_reqd_level(), uint16_t{6}); }},
            {"derive requirements for the stories", second_story_underived, uid("MAN"),
             "Derive Requirements from User Stories", {}, 1, true, false,
             [](MainWindow&, const std::string&) {
                 QVERIFY(story("close")->has_derived_requirement());
                 QCOMPARE(count_of("REQ"), size_t{2});
             }},
            {"edit the remark", small_project, uid("MAN"), "",
             expect("Edit the Mandate", answer_rows({{0, "signed"}})), 1, true, false, {}},
            {"edit the level to the mandate's achieved level", small_project, uid("MAN"), "",
             expect("Edit the Mandate",
                    [](QDialog& d) {
                        const int achieved = GCC::RP->get_mandate()->get_rlevel().get_min_level(false);
                        input(d).combo_box(1)->set_selected_index(achieved);
                        return ok(d);
                    }),
             1, true, false,
             [](MainWindow&, const std::string&) {
                 QCOMPARE(ReadinessLevel::get_reqd_level(), GCC::RP->get_mandate()->get_rlevel().get_min_level(false));
             }},
            {"edit nothing", with_references, uid("MAN"), "",
             expect("Edit the Mandate",
                    check_then(
                        [](dialogs::InputDialog& d) { QCOMPARE(d.text_box(2)->text(), QStringLiteral("Approval")); },
                        unchanged())),
             0, false, true, {}},
        };
        for (const CommandCase& c : cases) {
            run_command_case(c);
            if (QTest::currentTestFailed()) return;
        }
    }

    void review_evidence_opens_the_review_of_the_mandate() {
        ui_testing::ScriptedDialogs unexpected;  // any dialog fails the test
        MainWindow window;
        show(window);
        std::string reviewed;
        MainWindow::SecondaryWindows recorder;
        recorder.evidence_review = [&](const std::string& uid, const QPoint&) { reviewed = uid; };
        window.install_secondary_windows(recorder);
        explain_example(window);
        const std::string mandate = uid_of("MAN");
        QVERIFY(ui_testing::choose_on(*window.canvas(), *box_on_project_page(window, mandate), "Review Evidence"));
        QCOMPARE(reviewed, mandate);
        QCOMPARE(recorded_states(), size_t{0});
    }
};

QTEST_MAIN(FirstLayerBoxesTest)
#include "test_first_layer_boxes.moc"
