// The design problem and option boxes: their own menu items over projects of
// several shapes, and each of their commands driven through its dialogs,
// judged by the project's saved text before and after it and after undoing
// and redoing the undo states it recorded.
#include <QDialog>
#include <QMenu>
#include <QTest>
#include <functional>
#include <map>

#include "core/constants/ai_prompt_texts.h"
#include "core/constants/gcc.h"
#include "core/model/argument.h"
#include "core/model/design_problem.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/requirement.h"
#include "core/platform/platform.h"
#include "core/reference/reference.h"
#include "tests/support/core/built_without_states.h"
#include "tests/support/core/small_project.h"
#include "tests/ui/support/canvas_driver.h"
#include "tests/ui/support/dialog_script.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/app/assembly.h"
#include "ui/boxes/box_commands.h"
#include "ui/boxes/object_box.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/main_window/canvas_view.h"
#include "ui/main_window/main_window.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/app_label.h"
#include "ui/toolkit/app_text_box.h"

using testing_support::SmallProject;
using toolkit::Answer;
using ui_testing::DialogScript;
using ui_testing::menu_texts;
using ui_testing::recorded_states;
using ui_testing::saved_text;
using ui_testing::settle;
using Response = DialogScript::Response;

namespace {

Node* object(const std::string& uid) { return GCC::RP->_get_pointer_to_node_with_uid(uid); }
template <class Kind>
Kind* as(const std::string& uid) {
    return static_cast<Kind*>(object(uid));
}

// The first object of the kind whose text contains text ("" any).
std::string uid_of(const std::string& kind, const std::string& text = "") {
    for (const auto& [uid, node] : GCC::RP->get_nd_map())
        if (node->get_nd_type() == kind && node->get_txt().find(text) != std::string::npos) return uid;
    return {};
}
std::function<std::string()> uid(const char* kind, const char* text = "") {
    return [kind, text] { return uid_of(kind, text); };
}

// ---- Fixtures: the gate example, and the small project (story, mandate,
// requirement R "The gate must open remotely." and its design problem D) with
// what each adds ----

using Fixture = std::function<void(MainWindow&)>;

Fixture small(std::function<void(SmallProject&)> extend) {
    return [extend](MainWindow& window) {
        delete GCC::RP;
        testing_support::BuiltWithoutStates built_without_states;  // the undo states start at the fixture
        SmallProject p;
        extend(p);
        window.adopt_new_project();
        ui_testing::settle_fixture(window);
    };
}

const Fixture gate_example = [](MainWindow& window) {
    window.run_command(Command::GateExample);
    ui_testing::settle_fixture(window);
};

// A second top-level requirement, from a story of its own.
Requirement* requirement(SmallProject& p, const char* verb, const char* capability) {
    return p.mandate->add_f_requirement(GCC::RP->add_user_story(verb, capability, "gate", "", false), false);
}

void link(DesignProblem* d, Requirement* r) { QVERIFY(d->add_parent_requirement(r).empty()); }

const Fixture one_option = small([](SmallProject& p) { p.d->add_child_option("motor", false); });
// D serves R and R2; motor argues both.
const Fixture two_requirements = small([](SmallProject& p) {
    Requirement* r2 = requirement(p, "close", "quickly");
    link(p.d, r2);
    Option* motor = p.d->add_child_option("motor", false);
    motor->add_child_argument(p.r, true);
    motor->add_child_argument(r2, true);
});
// R2 exists but D does not serve it yet.
const Fixture candidate = small([](SmallProject& p) {
    requirement(p, "close", "quickly");
    p.d->add_child_option("motor", false);
});
// D serves R, R2 and R3; motor argues none.
const Fixture three_requirements = small([](SmallProject& p) {
    link(p.d, requirement(p, "close", "quickly"));
    link(p.d, requirement(p, "lock", "safely"));
    p.d->add_child_option("motor", false);
});
// motor was made while D had no sibling; then R2 got its problem D2.
DesignProblem* add_sibling_problem(SmallProject& p) {
    p.d->add_child_option("motor", false);
    return requirement(p, "close", "quickly")->add_designproblem();
}
const Fixture siblings = small([](SmallProject& p) { add_sibling_problem(p); });
// The same, once D2 has an option: every top option is integrated.
const Fixture integrated_siblings =
    small([](SmallProject& p) { add_sibling_problem(p)->add_child_option("lever", false); });
const Fixture sub_option =
    small([](SmallProject& p) { p.d->add_child_option("motor", false)->add_sub_option("wheel"); });
const Fixture bare_sub_option = small([](SmallProject& p) {
    Option* wheel = p.d->add_child_option("motor", false)->add_sub_option("wheel");
    delete wheel->get_integration_requirement();
});
// D serves R and R2; motor argues R only.
const Fixture one_of_two_argued = small([](SmallProject& p) {
    link(p.d, requirement(p, "close", "quickly"));
    p.d->add_child_option("motor", false)->add_child_argument(p.r, true);
});
const Fixture argued = small([](SmallProject& p) { p.prove(p.d->add_child_option("motor", false), p.r, 5); });
// D and motor hold one reference each.
const Fixture referenced = small([](SmallProject& p) {
    p.d->add_child_option("motor", false)->add_reference_to_node("Drawing", "plan", "drawing.pdf", "");
    p.d->add_reference_to_node("Norm", "", "https://norm.example", "");
});

void open_window(MainWindow& window) {
    assemble_main_window(window);
    window.resize(1400, 900);
    window.show();
    settle();
}

// The box of the uid on the Options page; not one of a stack's shadow copies.
ObjectBox* box_on(MainWindow& window, const std::string& uid) {
    window.activate_page(TabPage::Options);
    window.request_page_rebuild(false);
    settle();
    for (ObjectBox* box : ui_testing::boxes_of(*window.canvas(), uid))
        if (!box->description().stack_shadow) return box;
    return nullptr;
}

// ---- Dialog answers ----

dialogs::InputDialog& input(QDialog& dialog) { return static_cast<dialogs::InputDialog&>(dialog); }

int ok(QDialog& dialog) {
    input(dialog).press_ok();
    return dialog.result();
}

Response choose_entries(std::vector<std::pair<int, int>> rows) {
    return [rows](QDialog& dialog) {
        for (const auto& [row, entry] : rows) input(dialog).combo_box(row)->set_selected_index(entry);
        return ok(dialog);
    };
}

Response type_rows(std::vector<std::pair<int, QString>> rows) {
    return [rows](QDialog& dialog) {
        for (const auto& [row, text] : rows) input(dialog).text_box(row)->set_text(text);
        return ok(dialog);
    };
}

// Checks a row of the dialog (prompt, and preset text or choices) before answering.
Response looking_at(int row, const QString& prompt, const QString& preset, const QStringList& choices,
                    Response answer) {
    return [=](QDialog& dialog) {
        auto& d = input(dialog);
        // Prompts are wrapped to the dialog's width.
        [&] { QCOMPARE(d.prompt_label(row)->text().simplified(), prompt.simplified()); }();
        if (d.row_kind(row) == dialogs::InputDialog::RowKind::Text) {
            [&] { QCOMPARE(d.text_box(row)->text(), preset); }();
        } else {
            QStringList shown;
            for (int i = 0; i < d.combo_box(row)->count(); ++i) shown << d.combo_box(row)->itemText(i);
            [&] { QCOMPARE(shown, choices); }();
            const QString chosen = choices.contains(preset) ? preset : choices.value(0);
            [&] { QCOMPARE(d.combo_box(row)->currentText(), chosen); }();
        }
        return answer(dialog);
    };
}

std::function<void(DialogScript&)> no_dialogs() {
    return [](DialogScript&) {};
}
std::function<void(DialogScript&)> expect(const char* title, Response response) {
    return [title, response](DialogScript& s) { s.expect(title, response); };
}
std::function<void(DialogScript&)> message(const char* title) {
    return [title](DialogScript& s) { s.answer(title, Answer::Ok); };
}

QString text_of(const std::string& uid) { return QString::fromStdString(object(uid)->get_txt()); }

// What a command does and must leave.
struct CommandCase {
    const char* name;
    Fixture fixture;
    std::function<std::string()> box;
    QString caption;  // empty: a double click on the box
    std::function<void(DialogScript&)> arrange;
    size_t states;  // undo states recorded; the project is unsaved exactly when there are some
    std::function<void(const std::string& box_uid)> check;
    // The message boxes shown, in order.
    QStringList messages = {};
    // What the first of several undo steps leaves.
    std::function<void(const std::string& box_uid)> after_first_undo = {};
};

}  // namespace

class ProblemOptionBoxesTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;

    void run(const CommandCase& c) {
        MainWindow window;
        open_window(window);
        c.fixture(window);
        const std::string target = c.box();
        ObjectBox* box = box_on(window, target);
        QVERIFY2(box, c.name);
        const std::string before = saved_text();
        QStringList messages;
        {
            ui_testing::ScriptedDialogs scripted;
            c.arrange(scripted.script());
            if (c.caption.isEmpty())
                box->double_click();
            else
                QVERIFY2(ui_testing::choose_on(*window.canvas(), *box, c.caption), c.name);
            settle();
            messages = scripted.script().messages();
        }
        const std::string after = saved_text();
        QVERIFY2(messages == c.messages, c.name);
        QVERIFY2(recorded_states() == c.states, c.name);
        QVERIFY2((after != before) == (c.states > 0), c.name);
        QVERIFY2(window.is_saved() == (c.states == 0), c.name);
        if (c.check) c.check(target);
        if (QTest::currentTestFailed()) return;
        for (size_t i = 0; i < c.states; ++i) {
            QVERIFY(window.run_command(Command::Undo));
            settle();
            if (i == 0 && c.after_first_undo) c.after_first_undo(target);
        }
        QVERIFY2(saved_text() == before, c.name);
        for (size_t i = 0; i < c.states; ++i) QVERIFY(window.run_command(Command::Redo));
        settle();
        QVERIFY2(saved_text() == after, c.name);
    }

private slots:
    void cleanup() {
        boxes::remove_all_kind_commands();
        ui_testing::UiTestEnvironment::reset();
    }

    void menus_follow_the_objects_state() {
        ui_testing::ScriptedDialogs unexpected;  // any dialog not scripted fails the test
        const QStringList problem{"Remove Requirement", "Add Requirement", "Add Option", "-", "Copy AI prompt",
                                  "Paste AI answer"};
        const QStringList arguments{"Add Argument", "Add all Arguments"};
        const QString subject = "Change the Subject", sub = "Add Sub Option";
        const QString integration = "Add Integration Requirement";
        struct MenuCase {
            const char* name;
            Fixture fixture;
            std::function<std::string()> box;
            QStringList expected;
        };
        const std::vector<MenuCase> cases{
            {"problem with one requirement", one_option, uid("DPR"), problem},
            {"problem with two requirements", two_requirements, uid("DPR"), problem},
            {"top option, no sibling problem", one_option, uid("OPT"), QStringList{subject, sub} + arguments},
            {"top option lacking integration beside a sibling problem", siblings, uid("OPT", "Motor"),
             QStringList{subject, sub, integration} + arguments},
            {"top option integrated with its sibling", integrated_siblings, uid("OPT", "Motor"),
             QStringList{subject, sub} + arguments},
            {"option divided into sub-options", sub_option, uid("OPT", "Motor"), QStringList{subject, sub}},
            {"sub-option with its integration requirement", sub_option, uid("OPT", "Wheel"),
             QStringList{subject} + arguments},
            {"sub-option without", bare_sub_option, uid("OPT", "Wheel"), QStringList{subject, integration} + arguments},
            {"every requirement argued", argued, uid("OPT"), QStringList{subject, sub}},
            {"both requirements argued", two_requirements, uid("OPT"), QStringList{subject, sub}},
            {"one of two requirements argued", one_of_two_argued, uid("OPT"), QStringList{subject, sub} + arguments},
            {"the gate example's problem", gate_example, uid("DPR"), problem},
            {"the gate example's argued hinge, a part of the door", gate_example, uid("OPT", "Hinge"),
             QStringList{subject}},
        };
        const std::map<QString, QString> tooltips{
            {"Remove Requirement", "Remove a Requirement the Design Problem tries to solve"},
            {"Add Requirement", "Add a Requirement the Design Problem tries to solve"},
            {"Add Option", "Add Option that can solve the Design Problem"},
            {"Copy AI prompt", "Puts AI prompt on the clipboard"},
            {"Paste AI answer", "Processes AI answer from the clipboard"},
            {"Change the Subject", "Will change the subject of all related objects as well"},
            {"Add Sub Option", "To divide into functional elements or into sub assemblies"},
            {"Add Integration Requirement", "Automatically adds an Integration Requirement"},
            {"Add Argument", "Will ask you to select which Requirement it discusses"},
            {"Add all Arguments", "To add an Argument for each Requirement"},
        };
        for (const MenuCase& c : cases) {
            MainWindow window;
            open_window(window);
            c.fixture(window);
            ObjectBox* box = box_on(window, c.box());
            QVERIFY2(box, c.name);
            QMenu* menu = ui_testing::right_click(*window.canvas(), *box);
            QVERIFY2(menu, c.name);
            const QStringList texts = menu_texts(*menu);
            for (const QAction* action : menu->actions())
                if (const auto tip = tooltips.find(action->text()); tip != tooltips.end())
                    QVERIFY2(action->toolTip() == tip->second, c.name);
            menu->close();
            // The kind's own items, then a separator and the common items, which start with the references.
            qsizetype common = texts.indexOf("Add a reference");
            if (common > 0 && texts[common - 1] == "Link a reference") --common;
            const QStringList own = texts.mid(0, common);
            if (own != c.expected + QStringList{"-"}) qWarning() << c.name << texts;
            QVERIFY2(own == c.expected + QStringList{"-"}, c.name);
            QCOMPARE(recorded_states(), size_t{0});
        }
    }

    void design_problem_commands() {
        const std::vector<CommandCase> cases{
            {"remove refused while the problem has one requirement", one_option, uid("DPR"), "Remove Requirement",
             message("Information"), 0, {},
             {"Removing Requirements is not possible.\nThis would orphan this Design Problem.\nPlease add other "
              "Requirements first."}},
            {"remove the second requirement and the argument about it", two_requirements, uid("DPR"),
             "Remove Requirement",
             expect("Remove a Requirement",
                    looking_at(0, "Be aware that removing Requirements\npotentially also deletes any child\n"
                                  "Arguments and their children as well.\n\nSelect a Requirement to remove:",
                                  "", {"Gate open remotely", "Gate close quickly"},
                                  choose_entries({{0, 1}}))),
             1,
             [](const std::string& d) {
                 QCOMPARE(as<DesignProblem>(d)->get_parent_requirements().size(), size_t{1});
                 QCOMPARE(as<Option>(uid_of("OPT"))->get_child_arguments().size(), size_t{1});
                 QVERIFY(object(uid_of("REQ", "close")));
             }},
            {"remove cancelled", two_requirements, uid("DPR"), "Remove Requirement",
             expect("Remove a Requirement", [](QDialog& d) { return input(d).press_cancel(), d.result(); }), 0, {}},
            {"add a requirement", candidate, uid("DPR"), "Add Requirement",
             expect("Add a Requirement", looking_at(0, "Select a Requirement to add:", "",
                                                       {"Gate close quickly"}, choose_entries({{0, 0}}))),
             1,
             [](const std::string& d) {
                 QCOMPARE(as<DesignProblem>(d)->get_parent_requirements().size(), size_t{2});
                 QVERIFY(text_of(d).contains("close quickly"));
             }},
            {"no requirement to add", one_option, uid("DPR"), "Add Requirement", message("Information"), 0, {},
             {"No Requirements available to add.\nPlease define more Requirements first."}},
            {"add an option as preset", one_option, uid("DPR"), "Add Option",
             expect("Define an Option", looking_at(0, "Specify the Option Subject:", "solution", {}, ok)), 1,
             [](const std::string& d) {
                 const auto options = as<DesignProblem>(d)->get_child_options(false);
                 QCOMPARE(options.size(), size_t{2});
                 QCOMPARE(options.back()->get_subject(), std::string("solution"));
             }},
            {"an option beside a sibling problem integrates every top option", siblings, uid("DPR", "close"),
             "Add Option", expect("Define an Option", type_rows({{0, "lever"}})), 1,
             [](const std::string&) {
                 QVERIFY(as<Option>(uid_of("OPT", "Motor"))->get_integration_requirement());
                 QVERIFY(as<Option>(uid_of("OPT", "Lever"))->get_integration_requirement());
             }},
            {"copy the AI prompt", one_option, uid("DPR"), "Copy AI prompt", no_dialogs(), 0,
             [](const std::string& d) {
                 QCOMPARE(platform::services().clipboard_text(),
                          object(d)->get_txt() + "\n" + GCC::dpr_AI_prompt_addition);
             }},
            {"paste an AI answer", one_option, uid("DPR"), "Paste AI answer",
             [](DialogScript&) {
                 platform::services().set_clipboard_text(
                     "```xml\n<solutions>\n<solution><subject>Lever</subject><description>by hand</description>"
                     "</solution>\n<solution><subject>Spring</subject></solution>\n</solutions>\n```");
             },
             1,
             [](const std::string& d) {
                 const auto options = as<DesignProblem>(d)->get_child_options(false);
                 QCOMPARE(options.size(), size_t{3});
                 QCOMPARE(options[1]->get_subject(), std::string("Lever"));
                 QCOMPARE(options[1]->get_tooltip_txt(), std::string("by hand"));
             }},
            {"paste a clipboard without a solution", one_option, uid("DPR"), "Paste AI answer",
             [](DialogScript& s) {
                 platform::services().set_clipboard_text("no answer here");
                 s.answer("Information", Answer::Ok);
             },
             0, {},
             {"Nothing was added from the AI answer: it holds no readable solution record with a subject."}},
            {"edit the problem's only reference", referenced, uid("DPR"), "",
             expect("Edit the Design Problem", type_rows({{0, "Norm B"}, {2, "https://b.example"}})), 1,
             [](const std::string& d) {
                 const Reference* r = GCC::RP->get_reference(object(d)->get_ref_ids().front());
                 QCOMPARE(r->name(), std::string("Norm B"));
                 QCOMPARE(r->link(), std::string("https://b.example"));
             }},
            {"edit the reference, unchanged", referenced, uid("DPR"), "", expect("Edit the Design Problem", ok), 0,
             {}},
            {"double click on a problem without reference", one_option, uid("DPR"), "", no_dialogs(), 0, {}},
        };
        for (const CommandCase& c : cases) {
            run(c);
            if (QTest::currentTestFailed()) return;
        }
    }

    void option_commands() {
        // The integration requirement of the sub-option names its parent's subject, with its article.
        const auto wheel_integrated_into = [](const char* subject) {
            const Requirement* r = as<Option>(uid_of("OPT", "Wheel"))->get_integration_requirement();
            QVERIFY(r);
            QCOMPARE(r->get_verb_cap()->get_capability(), "integrated into " + std::string(subject));
        };
        const std::vector<CommandCase> cases{
            {"change the subject of an option and of what names it", sub_option, uid("OPT", "Motor"),
             "Change the Subject",
             expect("Enter New Subject",
                    looking_at(0, "Current subject: motor\nChanges the Subject of all related objects as "
                                  "well\n\nEnter a new subject:",
                                  "motor", {}, type_rows({{0, "engine"}}))),
             1,
             [&](const std::string& o) {
                 QCOMPARE(object(o)->get_subject(), std::string("engine"));
                 wheel_integrated_into("an engine");
             }},
            {"rename the gate example's door, which its three parts are integrated into", gate_example,
             uid("OPT", "Lockable Door"), "Change the Subject", expect("Enter New Subject", type_rows({{0, "gate"}})),
             1,
             [](const std::string& o) {
                 const auto parts = as<Option>(o)->get_sub_options(false);
                 QCOMPARE(parts.size(), size_t{3});
                 for (const Option* part : parts)
                     QCOMPARE(part->get_integration_requirement()->get_verb_cap()->get_capability(),
                              std::string("integrated into a gate"));
             }},
            {"a second sub-option, as preset", sub_option, uid("OPT", "Motor"), "Add Sub Option",
             expect("Add Sub Option", looking_at(0, "An integration Requirement is created whenever a Sub Option "
                                                    "is defined.\n\nDefine the Option subject:",
                                                    "motor sub option 2", {}, ok)),
             1,
             [](const std::string& o) {
                 const auto subs = as<Option>(o)->get_sub_options(false);
                 QCOMPARE(subs.size(), size_t{2});
                 QCOMPARE(subs.back()->get_subject(), std::string("motor sub option 2"));
                 QVERIFY(subs.back()->get_integration_requirement());
             }},
            {"the first sub-option takes over the arguments", two_requirements, uid("OPT", "Motor"),
             "Add Sub Option", expect("Add Sub Option", type_rows({{0, "wheel"}})), 1,
             [](const std::string& o) {
                 QVERIFY(as<Option>(o)->get_child_arguments().empty());
                 QCOMPARE(as<Option>(uid_of("OPT", "Wheel"))->get_child_arguments().size(), size_t{2});
             }},
            {"integration requirement of a sub-option", bare_sub_option, uid("OPT", "Wheel"),
             "Add Integration Requirement", no_dialogs(), 1,
             [&](const std::string&) { wheel_integrated_into("a motor"); }},
            {"integration requirement of a top option beside a sibling problem", siblings, uid("OPT", "Motor"),
             "Add Integration Requirement", no_dialogs(), 1,
             [](const std::string& o) { QVERIFY(as<Option>(o)->get_integration_requirement()); }},
            {"an invalidating argument", three_requirements, uid("OPT"), "Add Argument",
             expect("Add Child Argument",
                    looking_at(0, "Select which Requirement the\nArgument is going to cover:", "",
                               {"Gate open remotely", "Gate close quickly", "Gate lock safely"},
                               looking_at(1,
                                          "Select whether the Argument \nvalidates or invalidates the "
                                          "Requirement\n(meets or does not meet the Requirement).",
                                          "validates", {"validates", "invalidates"},
                                          choose_entries({{0, 1}, {1, 1}})))),
             1,
             [](const std::string& o) {
                 const auto arguments = as<Option>(o)->get_child_arguments();
                 QCOMPARE(arguments.size(), size_t{1});
                 QCOMPARE(arguments.front()->get_parent_requirement()->get_uid(), uid_of("REQ", "close"));
                 QVERIFY(!arguments.front()->get_validates());
             }},
            {"add an argument cancelled", three_requirements, uid("OPT"), "Add Argument",
             expect("Add Child Argument", [](QDialog& d) { return input(d).press_cancel(), d.result(); }), 0, {}},
            // One undo state for the whole batch: one click never pushes more
            // than one earlier state out of the bounded history.
            {"all arguments at once", three_requirements, uid("OPT"), "Add all Arguments", no_dialogs(), 1,
             [](const std::string& o) {
                 const auto arguments = as<Option>(o)->get_child_arguments();
                 QCOMPARE(arguments.size(), size_t{3});
                 for (const Argument* a : arguments) QVERIFY(a->get_validates());
                 QVERIFY(as<Option>(o)->get_potential_parent_reqs(true).empty());
             }},
            {"the gate example's panel argued for the requirement it missed", gate_example, uid("OPT", "Panel"),
             "Add all Arguments", no_dialogs(), 1,
             [](const std::string& o) { QCOMPARE(as<Option>(o)->get_child_arguments().size(), size_t{2}); }},
            {"the argument still missing", one_of_two_argued, uid("OPT"), "Add all Arguments", no_dialogs(), 1,
             [](const std::string& o) {
                 QCOMPARE(as<Option>(o)->get_child_arguments().size(), size_t{2});
                 QCOMPARE(as<Option>(o)->get_child_arguments().back()->get_parent_requirement()->get_uid(),
                          uid_of("REQ", "close"));
             }},
            {"rename in the edit dialog", sub_option, uid("OPT", "Motor"), "",
             expect("Edit the Option", looking_at(0, "Edit the subject", "motor", {}, type_rows({{0, "engine"}}))),
             1, [&](const std::string&) { wheel_integrated_into("an engine"); }},
            {"edit dialog left unchanged", referenced, uid("OPT"), "", expect("Edit the Option", ok), 0, {}},
            // The subject and the reference are undone one after the other.
            {"rename and edit the reference", referenced, uid("OPT"), "",
             expect("Edit the Option", type_rows({{0, "engine"}, {1, "Sheet"}})), 2,
             [](const std::string& o) {
                 QCOMPARE(object(o)->get_subject(), std::string("engine"));
                 QCOMPARE(GCC::RP->get_reference(object(o)->get_ref_ids().front())->name(), std::string("Sheet"));
             },
             {},
             [](const std::string& o) {
                 QCOMPARE(object(o)->get_subject(), std::string("engine"));
                 QCOMPARE(GCC::RP->get_reference(object(o)->get_ref_ids().front())->name(), std::string("Drawing"));
             }},
        };
        for (const CommandCase& c : cases) {
            run(c);
            if (QTest::currentTestFailed()) return;
        }
    }

    // The menu was built while a requirement lacked its argument; when the
    // command comes, none does any more.
    void add_argument_when_every_requirement_got_one_meanwhile() {
        MainWindow window;
        open_window(window);
        one_option(window);
        const std::string motor = uid_of("OPT");
        ObjectBox* box = box_on(window, motor);
        QMenu* menu = ui_testing::right_click(*window.canvas(), *box);
        QVERIFY(menu);
        as<Option>(motor)->add_child_argument(as<Requirement>(uid_of("REQ")), true);
        const size_t states = recorded_states();
        ui_testing::ScriptedDialogs scripted;
        scripted.script().answer("Information", Answer::Ok);
        QVERIFY(ui_testing::choose(*menu, "Add Argument"));
        settle();
        QVERIFY(scripted.script().messages().front().startsWith("All Requirements already have an Argument object."));
        QCOMPARE(recorded_states(), states);
    }
};

QTEST_MAIN(ProblemOptionBoxesTest)
#include "test_problem_option_boxes.moc"
