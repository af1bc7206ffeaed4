// The requirement box: its menu over the pages and kinds of requirements, and
// what each of its commands and its double click leave in the project's saved
// text, after undo and redo, in undo states and in the saved flag.
#include <QDialog>
#include <QMenu>
#include <QTest>
#include <functional>
#include <random>

#include "core/constants/ai_prompt_texts.h"
#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/platform/platform.h"
#include "core/quantity/parameter.h"
#include "tests/support/core/built_without_states.h"
#include "tests/support/core/small_project.h"
#include "tests/ui/support/canvas_driver.h"
#include "tests/ui/support/dialog_script.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/boxes/box_commands.h"
#include "ui/boxes/box_menu.h"
#include "ui/boxes/object_box.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/dialogs/quantity_row.h"
#include "ui/kinds/requirement_box_commands.h"
#include "ui/main_window/canvas_view.h"
#include "ui/main_window/main_window.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/app_text_box.h"
#include "ui/toolkit/message_box.h"

using toolkit::Answer;
using ui_testing::DialogScript;
using ui_testing::recorded_states;
using ui_testing::saved_text;
using ui_testing::settle;
using ui_testing::settle_fixture;
using Response = DialogScript::Response;

namespace {

Node* object(const std::string& uid) { return GCC::RP->_get_pointer_to_node_with_uid(uid); }
Requirement* requirement(const std::string& uid) { return static_cast<Requirement*>(object(uid)); }

constexpr uint32_t length = 2, mass = 5;

struct Roles {
    std::string r, story, motor, spring, gear, integration, derived;
};
Roles roles;

// The story's requirement R (at most 10 m unless made otherwise) with its
// design problem D: option motor argues R with a derived requirement of 2 km,
// option spring argues nothing and has the sub-option gear with its
// integration requirement.
using Shape = std::function<void(testing_support::SmallProject&)>;
std::function<void(MainWindow&)> project(Shape shape = {}) {
    return [shape](MainWindow& window) {
        delete GCC::RP;
        testing_support::BuiltWithoutStates built_without_states;  // the undo states start at the fixture
        testing_support::SmallProject p;
        p.r->get_par().assign(length, 10.0, 0, 2, 100);
        Option* motor = p.d->add_child_option("motor", false);
        Option* spring = p.d->add_child_option("spring", false);
        Requirement* derived =
            motor->add_child_argument(p.r, true)->add_q_requirement("span", "far", length, 2.0, 1, 2, 100);
        Option* gear = spring->add_sub_option("gear");
        roles = {p.r->get_uid(),    p.story->get_uid(), motor->get_uid(), spring->get_uid(), gear->get_uid(), "",
                 derived->get_uid()};
        if (Requirement* i = gear->get_integration_requirement()) roles.integration = i->get_uid();
        if (shape) shape(p);
        window.adopt_new_project();
        settle_fixture(window);
    };
}

ObjectBox* box_on(MainWindow& window, TabPage page, const std::string& uid, const std::string& selected) {
    for (const std::string& s : window.selected_uids()) window.deselect_uid(s);
    if (!selected.empty()) window.select_uid(selected);
    window.activate_page(page);
    window.request_page_rebuild(false);
    settle();
    for (ObjectBox* box : ui_testing::boxes_of(*window.canvas(), uid))
        if (!box->description().stack_shadow) return box;
    return nullptr;
}

Response ok_as_is() {
    return [](QDialog& dialog) {
        static_cast<dialogs::InputDialog&>(dialog).press_ok();
        return dialog.result();
    };
}

Response rows(std::vector<std::pair<int, QString>> texts, std::vector<std::pair<int, int>> choices = {}) {
    return [texts, choices](QDialog& dialog) {
        auto& input = static_cast<dialogs::InputDialog&>(dialog);
        for (const auto& [row, text] : texts) input.text_box(row)->set_text(text);
        for (const auto& [row, entry] : choices) input.combo_box(row)->set_selected_index(entry);
        input.press_ok();
        return dialog.result();
    };
}

Response typed_value(const QString& value, std::vector<std::pair<int, QString>> texts = {}) {
    return [value, texts](QDialog& dialog) {
        auto& input = static_cast<dialogs::InputDialog&>(dialog);
        input.quantity_row()->value_field()->set_text(value);
        for (const auto& [row, text] : texts) input.text_box(row)->set_text(text);
        input.press_ok();
        return dialog.result();
    };
}

Response close_notice() {
    return [](QDialog& dialog) {
        dialog.accept();
        return dialog.result();
    };
}

// Answers every dialog and message box with OK and counts them.
class AcceptAll : public dialogs::ModalRunner {
public:
    int run(QDialog& dialog) override {
        ++count;
        if (auto* box = qobject_cast<toolkit::AppMessageBox*>(&dialog))
            box->press(Answer::Ok);
        else
            dialog.accept();
        return dialog.result();
    }
    int count = 0;
};

struct CommandCase {
    const char* name;
    std::function<void(MainWindow&)> fixture;
    TabPage page;
    std::function<std::string()> box;
    std::function<std::string()> selected;
    QString caption;  // empty: the double click
    std::function<void(DialogScript&)> arrange;
    size_t states;
    std::function<void(DialogScript&)> check;
};

std::function<std::string()> role(std::string Roles::*member) {
    return [member] { return roles.*member; };
}
std::function<std::string()> nothing() {
    return [] { return std::string(); };
}

}  // namespace

class RequirementBoxTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;

    void run_case(const CommandCase& c) {
        MainWindow window;
        ui_testing::show_with_pages(window);
        kinds::install_requirement_commands();
        c.fixture(window);
        ObjectBox* box = box_on(window, c.page, c.box(), c.selected());
        QVERIFY2(box, c.name);
        window.set_saved(true);
        const std::string before = saved_text();
        {
            ui_testing::ScriptedDialogs scripted;
            c.arrange(scripted.script());
            if (c.caption.isEmpty()) {
                boxes::run_double_click(*box);
            } else {
                QMenu* menu = ui_testing::right_click(*window.canvas(), *box);
                QVERIFY2(menu, c.name);
                QVERIFY2(ui_testing::choose(*menu, c.caption), c.name);
            }
            settle();
            if (c.check) c.check(scripted.script());
        }
        const std::string after = saved_text();
        if (recorded_states() != c.states) qWarning() << c.name << recorded_states();
        QVERIFY2(recorded_states() == c.states, c.name);
        QVERIFY2((after != before) == (c.states > 0), c.name);
        QVERIFY2(window.is_saved() == (c.states == 0), c.name);
        if (QTest::currentTestFailed() || c.states == 0) return;
        ui_testing::check_undo_and_redo(window, c.states, before, after, c.name);
    }

private slots:
    void cleanup() {
        boxes::remove_all_kind_commands();
        ui_testing::UiTestEnvironment::reset();
    }

    void menus_over_pages_and_kinds() {
        ui_testing::ScriptedDialogs unexpected;
        const QStringList phrase{"Change the Subject", "Change the Verb", "Change the Capability", "-",
                                 "Change the Quantification"};
        const QStringList range_quantity =
            phrase + QStringList{"Change to a Goal", "Change to a Functional Requirement", "-"};
        const QStringList ai{"Copy AI prompt", "Paste AI answer"};
        const QStringList why_and_problems{"Show Why", "-", "Add Design Problem", "Add to Existing Design Problem"};
        const Shape functional = [](testing_support::SmallProject& p) { p.r->get_par().set_type(0u, true); };
        struct MenuCase {
            const char* name;
            Shape shape;
            TabPage page;
            std::function<std::string()> box;
            std::function<std::string()> selected;
            QStringList expected;  // up to the common items
        };
        const std::vector<MenuCase> cases{
            {"plain box of the Requirements page",
             {},
             TabPage::Requirements,
             role(&Roles::r),
             nothing(),
             range_quantity + why_and_problems},
            {"Validation page: every leaf argued",
             {},
             TabPage::Validation,
             role(&Roles::r),
             role(&Roles::motor),
             range_quantity + ai + why_and_problems + QStringList{"Allocate Requirement"}},
            {"Validation page: a leaf to argue",
             {},
             TabPage::Validation,
             role(&Roles::r),
             role(&Roles::gear),
             range_quantity + ai + why_and_problems + QStringList{"Add Argument", "Allocate Requirement"}},
            {"functional: nothing to allocate", functional, TabPage::Validation, role(&Roles::r), role(&Roles::gear),
             phrase + QStringList{"Change to a Goal", "-"} + ai + why_and_problems + QStringList{"Add Argument"}},
            // The page offers no argument or AI commands on it; no phrase or quantity items either.
            {"integration requirement",
             {},
             TabPage::Validation,
             role(&Roles::integration),
             role(&Roles::gear),
             why_and_problems},
        };
        for (const MenuCase& c : cases) {
            MainWindow window;
            ui_testing::show_with_pages(window);
            kinds::install_requirement_commands();
            project(c.shape)(window);
            ObjectBox* box = box_on(window, c.page, c.box(), c.selected());
            QVERIFY2(box, c.name);
            QMenu* menu = ui_testing::right_click(*window.canvas(), *box);
            QVERIFY2(menu, c.name);
            const QStringList texts = ui_testing::menu_texts(*menu);
            const QStringList own = texts.mid(0, c.expected.size());
            if (own != c.expected || texts.value(c.expected.size()) != "-") qWarning() << c.name << texts;
            QVERIFY2(own == c.expected, c.name);
            // Then the common items after one separator.
            QVERIFY2(texts.value(c.expected.size()) == "-" && texts.value(c.expected.size() + 1) != "-", c.name);
            for (const QAction* action : menu->actions())
                if (action->text() == "Allocate Requirement")
                    QCOMPARE(action->toolTip(), QStringLiteral("Derives Requirements with the same parameter type"));
            menu->close();
            settle();
        }
    }

    void commands_change_the_saved_project() {
        const Shape goal = [](testing_support::SmallProject& p) { p.r->get_par().assign(mass, 0.0, 0, 0, 40); };
        const Shape small = [](testing_support::SmallProject& p) { p.r->get_par().set_value(0.0002, true); };
        // A second requirement of the mandate with its own design problem.
        const Shape sibling_problem = [](testing_support::SmallProject& p) {
            p.mandate->add_f_requirement(p.story, false)->add_designproblem();
        };
        const Shape two_leaves = [](testing_support::SmallProject& p) {
            p.d->get_child_options(false).back()->add_sub_option("latch");
        };
        const std::vector<CommandCase> cases{
            {"double click: verb and a small value step", project(), TabPage::Requirements, role(&Roles::r), nothing(),
             "",
             [](DialogScript& s) {
                 s.expect("Edit the Requirement", typed_value("10.0004", {{0, "reach"}}));
                 s.expect("Impacted Objects", close_notice());
             },
             1,
             [](DialogScript&) {
                 QCOMPARE(requirement(roles.r)->get_par().get_value(), 10.0004);
                 QCOMPARE(requirement(roles.r)->get_verb_cap()->get_verb(), std::string("reach"));
                 // The story shares the verb.
                 QCOMPARE(static_cast<VerbCapBase*>(object(roles.story))->get_verb_cap()->get_verb(),
                          std::string("reach"));
             }},
            {"double click: a small value changed", project(small), TabPage::Requirements, role(&Roles::r), nothing(),
             "",
             [](DialogScript& s) {
                 s.expect("Edit the Requirement", typed_value("0.0008"));
                 s.expect("Impacted Objects", close_notice());
             },
             1, [](DialogScript&) { QCOMPARE(requirement(roles.r)->get_par().get_value(), 0.0008); }},
            {"double click unchanged",
             project(),
             TabPage::Requirements,
             role(&Roles::r),
             nothing(),
             "",
             [](DialogScript& s) { s.expect("Edit the Requirement", ok_as_is()); },
             0,
             {}},
            {"double click on a goal: importance limited", project(goal), TabPage::Requirements, role(&Roles::r),
             nothing(), "",
             [](DialogScript& s) {
                 s.expect("Edit the Requirement", rows({{3, "250"}}));
             },
             1, [](DialogScript&) { QCOMPARE(requirement(roles.r)->get_par().get_goal_weight(), uint16_t{100}); }},
            {"an integration requirement has no edit dialog",
             project(),
             TabPage::Validation,
             role(&Roles::integration),
             role(&Roles::gear),
             "",
             [](DialogScript&) {},
             0,
             {}},
            {"add design problem", project(), TabPage::Requirements, role(&Roles::r), nothing(), "Add Design Problem",
             [](DialogScript&) {}, 1,
             [](DialogScript&) { QCOMPARE(requirement(roles.r)->get_child_designproblems().size(), size_t{2}); }},
            {"no design problem to join", project(), TabPage::Requirements, role(&Roles::r), nothing(),
             "Add to Existing Design Problem", [](DialogScript& s) { s.answer("Information", Answer::Ok); }, 0,
             [](DialogScript& s) {
                 QVERIFY(s.messages().value(0).startsWith("No candidate Design Problems available."));
             }},
            {"join the design problem of a sibling", project(sibling_problem), TabPage::Requirements, role(&Roles::r),
             nothing(), "Add to Existing Design Problem",
             [](DialogScript& s) {
                 s.expect("Add to Design Problem", rows({}, {{0, 0}}));
             },
             1, [](DialogScript&) { QCOMPARE(requirement(roles.r)->get_child_designproblems().size(), size_t{2}); }},
            {"add an invalidating argument to the chosen leaf", project(two_leaves), TabPage::Validation,
             role(&Roles::r), role(&Roles::gear), "Add Argument",
             [](DialogScript& s) {
                 s.expect("Add Argument", rows({}, {{0, 1}, {1, 1}}));
             },
             1,
             [](DialogScript&) {
                 QVERIFY(static_cast<Option*>(object(roles.gear))->get_child_arguments().empty());
                 Option* latch = static_cast<Option*>(object(roles.spring))->get_leaf_options().back();
                 QCOMPARE(latch->get_subject(), std::string("latch"));
                 QCOMPARE(latch->get_child_arguments().size(), size_t{1});
                 QVERIFY(!latch->get_child_arguments().front()->get_validates());
             }},
            {"add argument: the one leaf without asking", project(), TabPage::Validation, role(&Roles::r),
             role(&Roles::gear), "Add Argument", [](DialogScript&) {}, 1,
             [](DialogScript&) {
                 const auto arguments = static_cast<Option*>(object(roles.gear))->get_child_arguments();
                 QCOMPARE(arguments.size(), size_t{1});
                 QVERIFY(arguments.front()->get_validates());
             }},
            {"allocation confirmed unchanged keeps 2 km", project(), TabPage::Validation, role(&Roles::r),
             role(&Roles::motor), "Allocate Requirement",
             [](DialogScript& s) {
                 s.expect("Allocate the Requirement", [](QDialog& dialog) {
                     auto& input = static_cast<dialogs::InputDialog&>(dialog);
                     [&] { QCOMPARE(input.result_string(1), QStringLiteral("2000")); }();
                     input.press_ok();
                     return dialog.result();
                 });
                 s.answer("Information", Answer::Ok);
             },
             0,
             [](DialogScript&) {
                 const Parameter& par = requirement(roles.derived)->get_par();
                 QCOMPARE(par.get_unit_symbol(), std::string("km"));
                 QCOMPARE(par.get_base_value(), 2000.0);
             }},
            {"allocation of a new value in the requirement's unit", project(), TabPage::Validation, role(&Roles::r),
             role(&Roles::motor), "Allocate Requirement",
             [](DialogScript& s) {
                 s.expect("Allocate the Requirement", rows({{1, "1500"}}));
                 s.answer("Information", Answer::Ok);
             },
             1,
             [](DialogScript& s) {
                 QCOMPARE(requirement(roles.derived)->get_par().get_base_value(), 1500.0);
                 QVERIFY(s.messages().value(0).contains("1 Requirement Parameter value has been modified."));
             }},
            {"allocation to a leaf without one: preset is what is left", project(), TabPage::Validation,
             role(&Roles::r), role(&Roles::gear), "Allocate Requirement",
             [](DialogScript& s) {
                 s.expect("Allocate the Requirement", [](QDialog& dialog) {
                     auto& input = static_cast<dialogs::InputDialog&>(dialog);
                     // The spring tree has the one leaf gear; nothing allocated there yet.
                     [&] { QCOMPARE(input.result_string(1), QStringLiteral("10")); }();
                     input.press_ok();
                     return dialog.result();
                 });
                 s.answer("Information", Answer::Ok);
             },
             1,
             [](DialogScript&) {
                 const auto arguments = static_cast<Option*>(object(roles.gear))->get_child_arguments();
                 QCOMPARE(arguments.size(), size_t{1});
                 QCOMPARE(arguments.front()->get_child_requirements().front()->get_par().get_value(), 10.0);
             }},
            {"allocation of a goal asks nothing", project(goal), TabPage::Validation, role(&Roles::r),
             role(&Roles::gear), "Allocate Requirement", [](DialogScript& s) { s.answer("Information", Answer::Ok); },
             1,
             [](DialogScript&) {
                 const Requirement* made = static_cast<Option*>(object(roles.gear))
                                               ->get_child_arguments()
                                               .front()
                                               ->get_child_requirements()
                                               .front();
                 QCOMPARE(made->get_par().get_value(), 0.0);
                 QVERIFY(made->is_goal());
             }},
        };
        for (const CommandCase& c : cases) {
            run_case(c);
            if (QTest::currentTestFailed()) return;
        }
    }

    void ai_prompt_and_answer_carry_utf8() {
        MainWindow window;
        ui_testing::show_with_pages(window);
        kinds::install_requirement_commands();
        project([](testing_support::SmallProject& p) { p.r->new_verb_cap("cost", "under 5 € at 20 °C"); })(window);
        ObjectBox* box = box_on(window, TabPage::Validation, roles.r, roles.gear);
        QVERIFY(box);
        QVERIFY(ui_testing::choose_on(*window.canvas(), *box, "Copy AI prompt"));
        const std::string expected = GCC::val_AI_prompt_prefix + requirement(roles.r)->get_txt() +
                                     GCC::val_AI_prompt_addition1 + GCC::get_ai_par_types_and_units() +
                                     GCC::val_AI_prompt_addition2;
        QCOMPARE(platform::services().clipboard_text(), expected);
        QVERIFY(platform::services().clipboard_text().find("under 5 € at 20 °C") != std::string::npos);
        QCOMPARE(recorded_states(), size_t{0});

        platform::services().set_clipboard_text(
            "<requirement><verb>résister</verb><capability>à 80 °C</capability><value>5</value><unit>mm</unit>"
            "<target_type>at most</target_type><reference_name>Norme µ</reference_name><reference_descr>"
            "</reference_descr><reference_link></reference_link></requirement>");
        box = box_on(window, TabPage::Validation, roles.r, roles.gear);
        QVERIFY(ui_testing::choose_on(*window.canvas(), *box, "Paste AI answer"));
        settle();
        QCOMPARE(recorded_states(), size_t{1});
        QVERIFY(!window.is_saved());
        // The Validation page shows the top option of the selected gear.
        const auto arguments = static_cast<Option*>(object(roles.spring))->get_child_arguments();
        QCOMPARE(arguments.size(), size_t{1});
        const Requirement* made = arguments.front()->get_child_requirements().front();
        QCOMPARE(made->get_verb_cap()->get_verb(), std::string("résister"));
        QCOMPARE(made->get_verb_cap()->get_capability(), std::string("à 80 °C"));
        QCOMPARE(GCC::RP->get_reference(made->get_ref_ids().front())->name(), std::string("Norme µ"));
    }

    void random_answers_never_break_the_graph() {
        MainWindow window;
        ui_testing::show_with_pages(window);
        kinds::install_requirement_commands();
        project()(window);
        const std::string record =
            "<requirement><verb>v</verb><capability>c</capability><value>1</value><unit>m</unit>"
            "<target_type>at most</target_type><reference_name></reference_name><reference_descr>"
            "</reference_descr><reference_link></reference_link></requirement>";
        std::mt19937 random(7);
        std::string noise;
        const std::string alphabet = "<>/ requirement evidence value unit_type possible_unit \xC3\xA9\xE2\x82\xAC\n\t";
        for (int i = 0; i < 4000; ++i) noise += alphabet[random() % alphabet.size()];
        std::string huge;
        while (huge.size() < (1u << 20)) huge += record;
        const std::vector<std::string> answers{
            "",
            "\xC3\xA4\xC3\xB6\xC3\xBC \xE2\x82\xAC \xC2\xB5 \xC2\xB0 \xF0\x9F\x98\x80",
            "<requirement><verb>open",
            record.substr(0, record.size() / 2),
            "<possible_unit><unit_type>pressure</unit_type><unit_symbol>bar",
            "<possible_unit><unit_type>pressure</unit_type><unit_symbol>bar</unit_symbol></possible_unit>",
            noise,
            std::string("\xFF\xFE\x80<evidence>", 13),
            huge,
        };
        for (const std::string& answer : answers) {
            project()(window);
            ObjectBox* box = box_on(window, TabPage::Validation, roles.r, roles.gear);
            QVERIFY(box);
            auto runner = std::make_unique<AcceptAll>();
            auto previous = dialogs::install_runner(std::move(runner));
            platform::services().set_clipboard_text(answer);
            const bool chosen = ui_testing::choose_on(*window.canvas(), *box, "Paste AI answer");
            settle();
            dialogs::install_runner(std::move(previous));
            QVERIFY(chosen);
            QVERIFY(recorded_states() <= 1);
            // A changed project is never left marked saved.
            QCOMPARE(window.is_saved(), recorded_states() == 0);
            for (const auto& [uid, node] : GCC::RP->get_nd_map())
                if (!node->is_prj()) QVERIFY2(!node->get_parents().empty(), uid.c_str());
        }
    }

    void commands_tell_when_the_object_is_gone() {
        MainWindow window;
        ui_testing::show_with_pages(window);
        kinds::install_requirement_commands();
        project()(window);
        std::string shown;
        MainWindow::SecondaryWindows windows;
        windows.origin_tree = [&](const std::string& uid, const QPoint&) { shown = uid; };
        window.install_secondary_windows(windows);
        ObjectBox* box = box_on(window, TabPage::Requirements, roles.derived, "");
        QVERIFY(box);
        QVERIFY(ui_testing::choose_on(*window.canvas(), *box, "Show Why"));
        QCOMPARE(shown, roles.derived);

        const struct {
            QString caption;
            QString handler;
        } cases[]{{"Show Why", "MenuItemShowWhy_Click"},
                  {"Add Design Problem", "MenuItemAddDesignProblem_Click"},
                  {"Add to Existing Design Problem", "MenuItemAddToDesignProblem_Click"}};
        for (const auto& c : cases) {
            project()(window);
            box = box_on(window, TabPage::Requirements, roles.derived, "");
            QVERIFY(box);
            QMenu* menu = ui_testing::right_click(*window.canvas(), *box);
            QVERIFY(menu);
            delete object(roles.derived);
            ui_testing::ScriptedDialogs scripted;
            scripted.script().answer("Error", Answer::Ok);
            QVERIFY(ui_testing::choose(*menu, c.caption));
            settle();
            QCOMPARE(scripted.script().messages().value(0), "No object in " + c.handler);
        }
    }
};

QTEST_MAIN(RequirementBoxTest)
#include "test_requirement_box.moc"
