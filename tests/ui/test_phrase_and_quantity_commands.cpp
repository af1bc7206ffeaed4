// The subject, verb and capability commands and the quantity commands that
// requirement, evidence and user story boxes share: which items a box offers,
// and what each command leaves in the project's saved text, after its undo
// and redo, in undo states and in the saved flag.
#include <QDialog>
#include <QFontMetrics>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/quantity/parameter.h"
#include "tests/support/core/built_without_states.h"
#include "tests/support/core/small_project.h"
#include "tests/ui/support/canvas_driver.h"
#include "tests/ui/support/dialog_script.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/boxes/box_commands.h"
#include "ui/boxes/object_box.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/dialogs/input_text_box_dialog.h"
#include "ui/dialogs/quantity_row.h"
#include "ui/kinds/goal_rows.h"
#include "ui/kinds/quantity_commands.h"
#include "ui/kinds/verb_cap_commands.h"
#include "ui/main_window/canvas_view.h"
#include "ui/main_window/main_window.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/app_text_box.h"

using ui_testing::DialogScript;
using ui_testing::recorded_states;
using ui_testing::saved_text;
using ui_testing::settle;
using ui_testing::settle_fixture;
using Response = DialogScript::Response;
using page_geometry::NodeKind;

namespace {

Node* object(const std::string& uid) { return GCC::RP->_get_pointer_to_node_with_uid(uid); }
Requirement* requirement(const std::string& uid) { return static_cast<Requirement*>(object(uid)); }

// The uids the fixture hands out by role.
struct Roles {
    std::string r, goal, derived, evidence, functional_evidence, integration, story;
};
Roles roles;

constexpr uint32_t length = 2, mass = 5;

// The story with its top-level requirement R (a length of at most `value` m,
// shared verb and capability with the story) and a goal G; option motor
// argues R with a derived length requirement and a mass evidence; option
// spring has a functional evidence and a sub-option (with its integration
// requirement).
std::function<void(MainWindow&)> quantity_project(double value) {
    return [value](MainWindow& window) {
        delete GCC::RP;
        testing_support::BuiltWithoutStates built_without_states;  // the undo states start at the fixture
        testing_support::SmallProject p;
        p.r->get_par().assign(length, value, 0, 2, 100);
        Requirement* goal = p.mandate->add_f_requirement(p.story, false);
        goal->new_verb_cap("weigh", "little");
        goal->get_par().assign(mass, 0.0, 0, 0, 40);
        Option* motor = p.d->add_child_option("motor", false);
        Option* spring = p.d->add_child_option("spring", false);
        Argument* a = motor->add_child_argument(p.r, true);
        Requirement* derived = a->add_q_requirement("span", "far", length, 400.0, 0, 2, 100);
        Evidence* e = a->add_child_evidence(5, "weighs", "little", mass, 2.0, 0, 3, "");
        Evidence* f = spring->add_child_argument(p.r, true)->add_child_evidence(3, "opens", "fast", 0u, 0.0, 0, 3, "");
        Option* gear = spring->add_sub_option("gear");
        roles = {p.r->get_uid(),
                 goal->get_uid(),
                 derived->get_uid(),
                 e->get_uid(),
                 f->get_uid(),
                 gear->get_integration_requirement() ? gear->get_integration_requirement()->get_uid() : "",
                 p.story->get_uid()};
        window.adopt_new_project();
        settle_fixture(window);
    };
}

// The composition the boxes of these kinds use.
void install_phrase_and_quantity_items() {
    const auto both = [](QMenu& menu, const BoxCommandContext& context, Node& node) {
        kinds::add_verb_cap_items(menu, context, node);
        kinds::add_quantity_items(menu, context, node);
    };
    boxes::install_kind_commands(NodeKind::Requirement, {both, {}});
    boxes::install_kind_commands(NodeKind::Evidence, {both, {}});
    boxes::install_kind_commands(NodeKind::UserStory, {kinds::add_verb_cap_items, {}});
}

// A box of the uid on any page, drawn from `selected` ("" for nothing).
ObjectBox* find_box(MainWindow& window, const std::string& uid, const std::string& selected) {
    for (const std::string& s : window.selected_uids()) window.deselect_uid(s);
    if (!selected.empty()) window.select_uid(selected);
    for (TabPage page : all_tab_pages) {
        window.activate_page(page);
        window.request_page_rebuild(false);
        settle();
        for (ObjectBox* box : ui_testing::boxes_of(*window.canvas(), uid))
            if (!box->description().stack_shadow) return box;
    }
    return nullptr;
}

std::string motor() {
    for (const auto& [uid, node] : GCC::RP->get_nd_map())
        if (node->is_opt() && node->get_subject() == "motor") return uid;
    return {};
}
std::string spring() {
    for (const auto& [uid, node] : GCC::RP->get_nd_map())
        if (node->is_opt() && node->get_subject() == "spring") return uid;
    return {};
}

Response answer_text(const QString& text) {
    return [text](QDialog& dialog) {
        auto& input = static_cast<dialogs::InputDialog&>(dialog);
        input.text_box(0)->set_text(text);
        input.press_ok();
        return dialog.result();
    };
}

Response cancel() {
    return [](QDialog& dialog) {
        static_cast<dialogs::InputDialog&>(dialog).press_cancel();
        return dialog.result();
    };
}

// The quantity row: an optional type entry and unit entry chosen, then the value typed.
Response quantity(int type_entry, int unit_entry, const QString& value) {
    return [=](QDialog& dialog) {
        auto& input = static_cast<dialogs::InputDialog&>(dialog);
        dialogs::QuantityRow* row = input.quantity_row();
        if (type_entry >= 0) row->choose_type(type_entry);
        if (unit_entry >= 0) row->choose_unit(unit_entry);
        if (!value.isEmpty()) row->value_field()->set_text(value);
        input.press_ok();
        return dialog.result();
    };
}

// Derived requirements of the old type are named whatever changed.
Response close_notice() {
    return [](QDialog& dialog) {
        dialog.accept();
        return dialog.result();
    };
}

Response goal(int property, int direction, const QString& importance) {
    return [=](QDialog& dialog) {
        auto& input = static_cast<dialogs::InputDialog&>(dialog);
        input.combo_box(0)->set_selected_index(property);
        input.combo_box(1)->set_selected_index(direction);
        input.text_box(2)->set_text(importance);
        input.press_ok();
        return dialog.result();
    };
}

struct CommandCase {
    const char* name;
    std::function<void(MainWindow&)> fixture;
    std::function<std::string()> box;
    std::function<std::string()> selected;
    QString caption;
    std::function<void(DialogScript&)> arrange;
    size_t states;
    std::function<void()> check;
};

}  // namespace

class PhraseAndQuantityCommandsTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;

    void run_case(const CommandCase& c) {
        MainWindow window;
        ui_testing::show_with_pages(window);
        install_phrase_and_quantity_items();
        c.fixture(window);
        ObjectBox* box = find_box(window, c.box(), c.selected());
        QVERIFY2(box, c.name);
        window.set_saved(true);
        const std::string before = saved_text();
        {
            ui_testing::ScriptedDialogs scripted;
            c.arrange(scripted.script());
            QMenu* menu = ui_testing::right_click(*window.canvas(), *box);
            QVERIFY2(menu, c.name);
            QVERIFY2(ui_testing::choose(*menu, c.caption), c.name);
            settle();
        }
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

    void items_by_kind_and_quantity() {
        ui_testing::ScriptedDialogs unexpected;
        const QStringList phrase{"Change the Subject", "Change the Verb", "Change the Capability"};
        struct MenuCase {
            const char* name;
            std::function<std::string()> box;
            std::function<std::string()> selected;
            QStringList expected;  // the items before the common ones
            QString subject_tooltip;
        };
        const QString all_related = "Changes the Subject of all related objects as well";
        const std::vector<MenuCase> cases{
            {"range requirement", [] { return roles.r; }, [] { return std::string(); },
             phrase + QStringList{"-", "Change the Quantification", "Change to a Goal",
                                  "Change to a Functional Requirement", "-"},
             all_related},
            {"goal", [] { return roles.goal; }, [] { return std::string(); },
             phrase + QStringList{"-", "Change the Quantification", "Edit Importance",
                                  "Change to a Functional Requirement", "-"},
             all_related},
            {"quantified evidence", [] { return roles.evidence; }, motor,
             phrase + QStringList{"-", "Change the Quantification", "Change to a Functional Requirement", "-"},
             "Changes the Subject of this object only"},
            {"functional evidence", [] { return roles.functional_evidence; }, spring,
             phrase + QStringList{"-", "Change the Quantification", "-"}, "Changes the Subject of this object only"},
            {"user story", [] { return roles.story; }, [] { return std::string(); }, phrase + QStringList{"-"},
             all_related},
            {"integration requirement", [] { return roles.integration; }, spring, QStringList{}, ""},
        };
        for (const MenuCase& c : cases) {
            MainWindow window;
            ui_testing::show_with_pages(window);
            install_phrase_and_quantity_items();
            quantity_project(1000.0)(window);
            QVERIFY2(!roles.integration.empty(), "the fixture has an integration requirement");
            ObjectBox* box = find_box(window, c.box(), c.selected());
            QVERIFY2(box, c.name);
            QMenu* menu = ui_testing::right_click(*window.canvas(), *box);
            QVERIFY2(menu, c.name);
            const QStringList texts = ui_testing::menu_texts(*menu);
            const QStringList own = texts.mid(0, c.expected.size());
            if (own != c.expected) qWarning() << c.name << texts;
            QVERIFY2(own == c.expected, c.name);
            // Then the common items, never a second separator.
            QVERIFY2(texts.value(c.expected.size()) != "-", c.name);
            if (!c.subject_tooltip.isEmpty()) QCOMPARE(menu->actions().front()->toolTip(), c.subject_tooltip);
            menu->close();
            settle();
        }
    }

    void commands_change_the_saved_project() {
        const auto r = [] { return roles.r; };
        const auto nothing = [] { return std::string(); };
        const std::vector<CommandCase> cases{
            {"subject of a requirement: everything sharing it follows", quantity_project(1000), r, nothing,
             "Change the Subject", [](DialogScript& s) { s.expect("Enter New Subject", answer_text("door")); }, 1,
             [] {
                 QCOMPARE(object(roles.r)->get_subject(), std::string("door"));
                 QCOMPARE(object(roles.story)->get_subject(), std::string("door"));
             }},
            {"subject of an evidence: only its own", quantity_project(1000), [] { return roles.evidence; }, motor,
             "Change the Subject", [](DialogScript& s) { s.expect("Enter New Subject", answer_text("coil")); }, 1,
             [] {
                 QCOMPARE(object(roles.evidence)->get_subject(), std::string("coil"));
                 QCOMPARE(object(motor())->get_subject(), std::string("motor"));
             }},
            {"cancelled subject",
             quantity_project(1000),
             r,
             nothing,
             "Change the Subject",
             [](DialogScript& s) { s.expect("Enter New Subject", cancel()); },
             0,
             {}},
            {"verb shared with the story", quantity_project(1000), r, nothing, "Change the Verb",
             [](DialogScript& s) { s.expect("Enter New Verb", answer_text("swing")); }, 1,
             [] {
                 QCOMPARE(requirement(roles.r)->get_verb_cap()->get_verb(), std::string("swing"));
                 QCOMPARE(static_cast<VerbCapBase*>(object(roles.story))->get_verb_cap()->get_verb(),
                          std::string("swing"));
             }},
            {"capability", quantity_project(1000), r, nothing, "Change the Capability",
             [](DialogScript& s) { s.expect("Enter New Capability", answer_text("by radio")); }, 1,
             [] { QCOMPARE(requirement(roles.r)->get_verb_cap()->get_capability(), std::string("by radio")); }},
            {"a small step on a large value is stored", quantity_project(1000), r, nothing, "Change the Quantification",
             [](DialogScript& s) {
                 s.expect("Change the Quantification", quantity(-1, -1, "1000.5"));
                 s.expect("Impacted Objects", close_notice());
             },
             1, [] { QCOMPARE(requirement(roles.r)->get_par().get_value(), 1000.5); }},
            {"a small value is stored", quantity_project(0.0002), r, nothing, "Change the Quantification",
             [](DialogScript& s) {
                 s.expect("Change the Quantification", quantity(-1, -1, "0.0008"));
                 s.expect("Impacted Objects", close_notice());
             },
             1, [] { QCOMPARE(requirement(roles.r)->get_par().get_value(), 0.0008); }},
            {"unchanged quantity records nothing",
             quantity_project(0.0254),
             r,
             nothing,
             "Change the Quantification",
             [](DialogScript& s) { s.expect("Change the Quantification", quantity(-1, -1, "")); },
             0,
             {}},
            {"another unit keeps the quantity", quantity_project(1500), r, nothing, "Change the Quantification",
             [](DialogScript& s) {
                 s.expect("Change the Quantification", quantity(-1, 1, ""));
                 s.expect("Impacted Objects", close_notice());
             },
             1,
             [] {
                 const Parameter& par = requirement(roles.r)->get_par();
                 QCOMPARE(par.get_unit_symbol(), std::string("km"));
                 QCOMPARE(par.get_base_value(), 1500.0);
             }},
            {"another type tells which derived requirements kept the old one", quantity_project(1000), r, nothing,
             "Change the Quantification",
             [](DialogScript& s) {
                 s.expect("Change the Quantification", quantity(int(mass), -1, "3"));
                 s.expect("Impacted Objects", [](QDialog& dialog) {
                     const auto& notice = static_cast<dialogs::InputTextBoxDialog&>(dialog);
                     [&] { QCOMPARE(notice.result_text(), roles.derived); }();
                     // Its one line shows whole.
                     dialog.show();
                     settle();
                     const QPlainTextEdit& field = *notice.text_box()->edit();
                     [&] {
                         QCOMPARE(field.document()->lineCount(), 1);
                         QVERIFY(field.viewport()->height() >= QFontMetrics(field.font()).lineSpacing());
                     }();
                     dialog.accept();
                     return dialog.result();
                 });
             },
             1,
             [] {
                 QCOMPARE(requirement(roles.r)->get_par().get_type_int(), mass);
                 QCOMPARE(requirement(roles.r)->get_par().get_value(), 3.0);
                 QCOMPARE(requirement(roles.derived)->get_par().get_type_int(), length);
             }},
            {"change to a goal, importance limited", quantity_project(1000), r, nothing, "Change to a Goal",
             [](DialogScript& s) { s.expect("Change to Goal", goal(4, 1, "250")); }, 1,
             [] {
                 const Parameter& par = requirement(roles.r)->get_par();
                 QCOMPARE(par.get_type_int(), mass);
                 QCOMPARE(par.get_target_int(), uint16_t{6});
                 QCOMPARE(par.get_goal_weight(), uint16_t{100});
             }},
            {"importance above the range", quantity_project(1000), [] { return roles.goal; }, nothing,
             "Edit Importance", [](DialogScript& s) { s.expect("Edit the Importance value", answer_text("250")); }, 1,
             [] { QCOMPARE(requirement(roles.goal)->get_par().get_goal_weight(), uint16_t{100}); }},
            {"same importance records nothing",
             quantity_project(1000),
             [] { return roles.goal; },
             nothing,
             "Edit Importance",
             [](DialogScript& s) { s.expect("Edit the Importance value", answer_text("40")); },
             0,
             {}},
            {"importance that is no number keeps the weight",
             quantity_project(1000),
             [] { return roles.goal; },
             nothing,
             "Edit Importance",
             [](DialogScript& s) { s.expect("Edit the Importance value", answer_text("much")); },
             0,
             {}},
            {"to a functional requirement", quantity_project(1000), r, nothing, "Change to a Functional Requirement",
             [](DialogScript& s) {
                 s.expect("Change to Functional Requirement", [](QDialog& dialog) {
                     auto& input = static_cast<dialogs::InputDialog&>(dialog);
                     input.text_box(0)->set_text("close");
                     input.press_ok();
                     return dialog.result();
                 });
             },
             1,
             [] {
                 QCOMPARE(requirement(roles.r)->get_par().get_type_int(), 0u);
                 QCOMPARE(static_cast<VerbCapBase*>(object(roles.story))->get_verb_cap()->get_verb(),
                          std::string("close"));
             }},
            {"an evidence to functional", quantity_project(1000), [] { return roles.evidence; }, motor,
             "Change to a Functional Requirement",
             [](DialogScript& s) {
                 s.expect("Change to Functional Requirement", [](QDialog& dialog) {
                     static_cast<dialogs::InputDialog&>(dialog).press_ok();
                     return dialog.result();
                 });
             },
             1, [] { QVERIFY(static_cast<Evidence*>(object(roles.evidence))->is_functional()); }},
        };
        for (const CommandCase& c : cases) {
            run_case(c);
            if (QTest::currentTestFailed()) return;
        }
    }

    void object_gone_while_asking_changes_nothing() {
        MainWindow window;
        ui_testing::show_with_pages(window);
        install_phrase_and_quantity_items();
        quantity_project(1000)(window);
        ObjectBox* box = find_box(window, roles.derived, motor());
        QVERIFY(box);
        ui_testing::ScriptedDialogs scripted;
        scripted.script().expect("Enter New Verb", [](QDialog& dialog) {
            delete object(roles.derived);
            return answer_text("gone")(dialog);
        });
        QMenu* menu = ui_testing::right_click(*window.canvas(), *box);
        QVERIFY(menu && ui_testing::choose(*menu, "Change the Verb"));
        settle();
        QCOMPARE(recorded_states(), size_t{0});
    }

    void goal_properties_keep_their_table_rows() {
        ui_testing::ScriptedDialogs unexpected;
        MainWindow window;
        ui_testing::show_with_pages(window);
        install_phrase_and_quantity_items();
        quantity_project(1000)(window);
        // A custom type that carries a standard type's name.
        const std::vector<std::string> targets(7, "near");
        QCOMPARE(Parameter::add_cust_poss_parameter("span", {"ly"}, {9.46e15}, {0.0}, {true}, targets), std::string());
        const uint32_t custom = static_cast<uint32_t>(Parameter::get_poss_parameters().size() - 1);
        Parameter::_possible_par_types[custom].rename("length");
        const kinds::GoalProperties properties = kinds::goal_properties();
        QCOMPARE(properties.names.size(), properties.type_indexes.size());
        QCOMPARE(properties.type_indexes.front(), 1u);  // the functional type is never offered
        const int entry = properties.entry_of(custom);
        QVERIFY(entry > properties.entry_of(length));
        QCOMPARE(properties.type_of(entry), custom);
        QCOMPARE(kinds::preset_goal_entry(properties, custom), entry);
        // A functional object: the seventh active type, the price.
        QCOMPARE(properties.names[size_t(kinds::preset_goal_entry(properties, 0))], std::string("price"));

        // The dialog chooses by position and stores the custom row.
        requirement(roles.r)->get_par().assign(custom, 2.0, 0, 2, 100);
        settle_fixture(window);
        ObjectBox* box = find_box(window, roles.r, "");
        QVERIFY(box);
        ui_testing::ScriptedDialogs scripted;
        scripted.script().expect("Change to Goal", [entry](QDialog& dialog) {
            auto& input = static_cast<dialogs::InputDialog&>(dialog);
            [&] { QCOMPARE(input.result_combo_index(0), entry); }();
            input.press_ok();
            return dialog.result();
        });
        QMenu* menu = ui_testing::right_click(*window.canvas(), *box);
        QVERIFY(menu && ui_testing::choose(*menu, "Change to a Goal"));
        settle();
        QCOMPARE(requirement(roles.r)->get_par().get_type_int(), custom);
        QCOMPARE(requirement(roles.r)->get_par().get_target_int(), uint16_t{0});
        QCOMPARE(recorded_states(), size_t{1});

        // Importance answers.
        for (const auto& [answer, weight] :
             std::vector<std::pair<int, int>>{{-5, 1}, {0, 1}, {1, 1}, {57, 57}, {100, 100}, {1000, 100}})
            QCOMPARE(int(kinds::goal_weight_from_answer(answer)), weight);
    }

    void value_comparison() {
        struct Case {
            double entered, stored;
            bool differs;
        };
        for (const Case& c : std::vector<Case>{{1000.5, 1000, true},
                                               {0.0008, 0.0002, true},
                                               {1e-9, 0, true},
                                               {0.0254 / 0.0254 * 0.0254, 0.0254, false},
                                               {1500.0000000000002, 1500, false},
                                               {-3, 3, true}})
            QCOMPARE(kinds::value_differs(c.entered, c.stored), c.differs);
    }
};

QTEST_MAIN(PhraseAndQuantityCommandsTest)
#include "test_phrase_and_quantity_commands.moc"
