// The object boxes on the canvas: what a box shows, its common context menu
// over a few projects, each common command judged by the project's saved text
// before and after it and after its undo and redo, and the lifetime of boxes,
// menus and dialogs across rebuilds, undo and redo.
#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <set>

#include "core/constants/gcc.h"
#include "core/model/design_problem.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/user_story.h"
#include "core/platform/platform.h"
#include "core/reference/reference.h"
#include "tests/support/core/built_without_states.h"
#include "tests/support/core/small_project.h"
#include "tests/ui/support/canvas_driver.h"
#include "tests/ui/support/dialog_script.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/boxes/box_commands.h"
#include "ui/boxes/box_menu.h"
#include "ui/boxes/box_parts.h"
#include "ui/boxes/common_commands.h"
#include "ui/boxes/object_box.h"
#include "ui/boxes/reference_commands.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/dialogs/input_text_box_dialog.h"
#include "ui/main_window/canvas_view.h"
#include "ui/main_window/main_window.h"
#include "ui/theme/scheme.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/app_text_box.h"

using toolkit::Answer;
using ui_testing::boxes_of;
using ui_testing::DialogScript;
using ui_testing::menu_texts;
using ui_testing::right_click;
using ui_testing::saved_text;
using ui_testing::recorded_states;
using ui_testing::settle;
using ui_testing::settle_fixture;

namespace {

Node* object(const std::string& uid) { return GCC::RP->_get_pointer_to_node_with_uid(uid); }

// The first object of the kind whose subject (or, for the project, name) is text.
std::string uid_of(const std::string& kind, const std::string& subject = "") {
    for (const auto& [uid, node] : GCC::RP->get_nd_map())
        if (node->get_nd_type() == kind && (subject.empty() || node->get_subject() == subject)) return uid;
    return {};
}


void gate_example(MainWindow& window) {
    window.run_command(Command::GateExample);
    settle_fixture(window);
}

// A small project: one story with its mandate and requirement R, whose design
// problem has the options motor (proven by an argument with evidence) and
// spring. The evidence holds two references, motor one, the argument only an
// id the table lacks.
void references_project(MainWindow& window) {
    delete GCC::RP;
    testing_support::BuiltWithoutStates built_without_states;  // the undo states start at the fixture
    testing_support::SmallProject p;
    Option* motor = p.d->add_child_option("motor", false);
    p.d->add_child_option("spring", false);
    Evidence* e = p.prove(motor, p.r, 5);
    e->add_reference_to_node("Norm A", "first", "https://a.example", "");
    e->add_reference_to_node("Norm B", "second", "https://b.example", "");
    motor->add_reference_to_node("Drawing", "", "drawing.pdf", "");
    e->get_parents().front()->set_ref_ids({987654});
    window.adopt_new_project();
    settle_fixture(window);
}

// The references project whose evidence holds every reference of the table.
void all_linked_project(MainWindow& window) {
    references_project(window);
    std::vector<uint64_t> all;
    for (const auto& [id, reference] : GCC::RP->get_references()) all.push_back(id);
    object(uid_of("EVD"))->set_ref_ids(all);
    settle_fixture(window);
}

// The same without any reference in the project.
void plain_project(MainWindow& window) {
    delete GCC::RP;
    testing_support::BuiltWithoutStates built_without_states;  // the undo states start at the fixture
    testing_support::SmallProject p;
    p.d->add_child_option("motor", false);
    window.adopt_new_project();
    settle_fixture(window);
}

// The box of the uid on the page, drawn from the selected object ("" for none);
// not one of a stack's shadow copies.
ObjectBox* box_on(MainWindow& window, TabPage page, const std::string& uid, const std::string& selected = "") {
    for (const std::string& s : window.selected_uids()) window.deselect_uid(s);
    if (!selected.empty()) window.select_uid(selected);
    window.activate_page(page);
    window.request_page_rebuild(false);
    settle();
    for (ObjectBox* box : boxes_of(*window.canvas(), uid))
        if (!box->description().stack_shadow) return box;
    return nullptr;
}

using Response = DialogScript::Response;

// Takes the links the program hands to the desktop.
class LinkCatcher : public QObject {
    Q_OBJECT
public:
    LinkCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open"); }
    ~LinkCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.push_back(url); }
};

// The tooltip of every common item, "" for those without one (Qt then
// answers the caption).
const std::vector<std::pair<QString, QString>> common_tooltips{
    {"Link a reference", "To link an existing reference"},
    {"Add a reference", "To add a new reference"},
    {"Open a reference", "To open a reference"},
    {"Edit references", "To edit a reference"},
    {"Remove reference",
     "Remove one of the references from this\nobject. The reference will be deleted\nif no other objects link the "
     "reference."},
    {"Copy object", "Copy the UID of this\nobject to the clipboard"},
    {"Paste object", "Create a copy using the\nUID on the clipboard"},
    {"Select object in tree", "Select this object in the main tree"},
    {"Deselect object in tree", "To deselect this object in the main tree"},
    {"Delete object", "Delete the object, including single parent children"},
    {"Edit tooltp text", ""},
    {"Show related objects", ""},
    {"Hide or Show Nodes", ""},
};

QString expected_tooltip(const QString& caption) {
    for (const auto& [item, tooltip] : common_tooltips)
        if (item == caption) return tooltip.isEmpty() ? caption : tooltip;
    return QStringLiteral("(not a common item)");
}

Response choose_entry(int row, int entry) {
    return [row, entry](QDialog& dialog) {
        auto& input = static_cast<dialogs::InputDialog&>(dialog);
        input.combo_box(row)->set_selected_index(entry);
        input.press_ok();
        return dialog.result();
    };
}

Response type_rows(std::vector<std::pair<int, QString>> rows) {
    return [rows](QDialog& dialog) {
        auto& input = static_cast<dialogs::InputDialog&>(dialog);
        for (const auto& [row, text] : rows) input.text_box(row)->set_text(text);
        input.press_ok();
        return dialog.result();
    };
}

Response type_long_text(const QString& text) {
    return [text](QDialog& dialog) {
        static_cast<dialogs::InputTextBoxDialog&>(dialog).text_box()->set_text(text);
        dialog.accept();
        return dialog.result();
    };
}

Response press_ok_unchanged() {
    return [](QDialog& dialog) {
        dialog.accept();
        return dialog.result();
    };
}

const QStringList tail_without_delete{"Copy object", "Paste object", "Select object in tree",
                                      "Deselect object in tree", "Edit tooltp text", "Show related objects"};
const QStringList tail{"Copy object",   "Paste object",     "Select object in tree", "Deselect object in tree",
                       "Delete object", "Edit tooltp text", "Show related objects"};
const QStringList reference_items{"Open a reference", "Edit references", "Remove reference"};

// What a command row does and what it must leave.
struct CommandCase {
    const char* name;
    std::function<void(MainWindow&)> fixture;
    TabPage page;
    std::function<std::string()> box;       // the uid of the box right-clicked
    std::function<std::string()> selected;  // what the page is drawn from ("" nothing)
    QString caption;
    // Arranges what the command meets: the dialogs' answers, the clipboard.
    std::function<void(DialogScript&)> arrange;
    size_t states;      // undo states recorded
    bool changes_text;  // the saved text differs afterwards
    bool saved;         // the saved flag afterwards
    std::function<void(MainWindow&, const std::string& uid)> check;
};

std::function<std::string()> none() {
    return [] { return std::string(); };
}
std::function<std::string()> uid(const char* kind, const char* subject = "") {
    return [kind, subject] { return uid_of(kind, subject); };
}
std::function<void(DialogScript&)> no_dialogs() {
    return [](DialogScript&) {};
}

}  // namespace

class ObjectBoxesTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;

    void run_command_case(const CommandCase& c) {
        MainWindow window;
        ui_testing::show_with_pages(window);
        c.fixture(window);
        const std::string target = c.box();
        ObjectBox* box = box_on(window, c.page, target, c.selected());
        QVERIFY2(box, c.name);
        window.set_saved(true);
        const std::string before = saved_text();
        {
            ui_testing::ScriptedDialogs scripted;
            c.arrange(scripted.script());
            QMenu* menu = right_click(*window.canvas(), *box);
            QVERIFY2(menu, c.name);
            QVERIFY2(ui_testing::choose(*menu, c.caption), c.name);
            settle();
        }
        const std::string after = saved_text();
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

    void box_shows_its_object() {
        ui_testing::ScriptedDialogs unexpected;  // any dialog not scripted fails the test
        MainWindow window;
        ui_testing::show_with_pages(window);
        references_project(window);
        const std::string motor = uid_of("OPT", "motor");
        object(motor)->set_tooltip_txt("<b>why</b>");
        object(motor)->add_comment("A", "note");
        ObjectBox* box = box_on(window, TabPage::Options, motor);
        QVERIFY(box);
        QCOMPARE(box->face().title, std::string("Optimal Option"));
        QCOMPARE(QRectF(box->pos(), box->boundingRect().size()),
                 QRectF(box->description().rect.x, box->description().rect.y, box->description().rect.width,
                        box->description().rect.height));
        QCOMPARE(box->text_area()->scroll().text(), QString::fromStdString(object(motor)->get_txt()));
        // Model text is shown literally in tooltips.
        QVERIFY(box->text_area()->toolTip().contains(QStringLiteral("&lt;b&gt;why")));
        QVERIFY(box->readiness_picture()->isVisible());
        QCOMPARE(box->readiness_picture()->toolTip().isEmpty(), false);
        QCOMPARE(box->comment_button()->toolTip(), QStringLiteral("Show and Edit comments."));

        // The spring option has no children: no readiness picture.
        ObjectBox* spring = box_on(window, TabPage::Options, uid_of("OPT", "spring"));
        QVERIFY(spring);
        QVERIFY(!spring->readiness_picture()->isVisible());
        QCOMPARE(spring->comment_button()->toolTip(), QStringLiteral("Add a comment."));
        QCOMPARE(spring->face().title, std::string("Option"));

        // The comment button opens the comments of the object, beside the box.
        std::string opened;
        MainWindow::SecondaryWindows popup;
        popup.comment_popup = [&](const std::string& uid, const QPoint&) { opened = uid; };
        window.install_secondary_windows(popup);
        const QPointF centre = spring->comment_button()->sceneBoundingRect().center();
        window.canvas()->ensureVisible(spring);
        QTest::mouseClick(window.canvas()->viewport(), Qt::LeftButton, {}, window.canvas()->mapFromScene(centre));
        QCOMPARE(opened, uid_of("OPT", "spring"));
    }

    // Every title ends before the readiness picture: whole where it fits,
    // otherwise its beginning and an ellipsis.
    void kind_titles_end_before_the_readiness_picture() {
        MainWindow window;
        ui_testing::show_with_pages(window);
        gate_example(window);
        std::set<std::string> shortened;
        for (const TabPage page : {TabPage::Requirements, TabPage::Problems, TabPage::Options}) {
            window.activate_page(page);
            settle();
            for (const ObjectBox* box : ui_testing::boxes_on(*window.canvas())) {
                if (!box->readiness_picture()->isVisible()) continue;
                const QString title = QString::fromStdString(box->face().title);
                const QString shown = box->shown_title();
                const QFontMetrics metrics(box->title_font());
                const int room = static_cast<int>(box->readiness_picture()->pos().x()) - 3;
                QVERIFY2(metrics.horizontalAdvance(shown) <= room, qPrintable(shown));
                if (metrics.horizontalAdvance(title) <= room) {
                    QCOMPARE(shown, title);
                } else {
                    QVERIFY2(shown.endsWith(QChar(0x2026)) && title.startsWith(shown.chopped(1)), qPrintable(shown));
                    shortened.insert(box->face().title);
                }
            }
        }
        QVERIFY(shortened.count("Top Level Requirement"));
    }

    void common_menu_over_projects() {
        ui_testing::ScriptedDialogs unexpected;  // any dialog not scripted fails the test
        struct MenuCase {
            const char* name;
            std::function<void(MainWindow&)> fixture;
            TabPage page;
            std::function<std::string()> box;
            std::function<std::string()> selected;
            QStringList expected;
        };
        const QStringList link_add{"Link a reference", "Add a reference"};
        const std::vector<MenuCase> cases{
            {"project box: no deletion", references_project, TabPage::Project, uid("PRJ"), none(),
             link_add + QStringList{"-"} + tail_without_delete},
            {"no references in the project: nothing to link", plain_project, TabPage::Options, uid("OPT", "motor"),
             none(), QStringList{"Add a reference", "-"} + tail},
            {"one reference", references_project, TabPage::Options, uid("OPT", "motor"), none(),
             link_add + reference_items + QStringList{"-"} + tail},
            {"two references", references_project, TabPage::Validation, uid("EVD"), uid("OPT", "motor"),
             link_add + reference_items + QStringList{"-"} + tail},
            {"only an id the table lacks", references_project, TabPage::Validation, uid("ARG"), uid("OPT", "motor"),
             link_add + QStringList{"-"} + tail},
            {"stacked options of the V-diagram", references_project, TabPage::VDiagram, uid("OPT", "motor"), none(),
             link_add + reference_items + QStringList{"-"} + tail + QStringList{"-", "Hide or Show Nodes"}},
            {"stacked stories of the gate example", gate_example, TabPage::VDiagram,
             [] { return uid_of("USY"); }, none(), link_add + QStringList{"-"} + tail + QStringList{"-", "Hide or Show Nodes"}},
        };
        for (const MenuCase& c : cases) {
            MainWindow window;
            ui_testing::show_with_pages(window);
            c.fixture(window);
            ObjectBox* box = box_on(window, c.page, c.box(), c.selected());
            QVERIFY2(box, c.name);
            QMenu* menu = right_click(*window.canvas(), *box);
            QVERIFY2(menu, c.name);
            const QStringList texts = menu_texts(*menu);
            for (const QAction* action : menu->actions())
                if (!action->isSeparator()) QCOMPARE(action->toolTip(), expected_tooltip(action->text()));
            menu->close();
            if (texts != c.expected) qWarning() << c.name << texts;
            QVERIFY2(texts == c.expected, c.name);
            settle();
        }
    }

    void kinds_put_their_items_before_the_common_ones() {
        ui_testing::ScriptedDialogs unexpected;  // any dialog not scripted fails the test
        int double_clicks = 0;
        boxes::install_kind_commands(page_geometry::NodeKind::Option,
                                     {[](QMenu& menu, const BoxCommandContext&, Node&) {
                                          boxes::add_item(menu, {"Kind command", "its tooltip"}, [] {});
                                      },
                                      [&](const BoxCommandContext& context) {
                                          if (context.node()) ++double_clicks;
                                      }});
        MainWindow window;
        ui_testing::show_with_pages(window);
        plain_project(window);
        ObjectBox* box = box_on(window, TabPage::Options, uid_of("OPT", "motor"));
        QVERIFY(box);
        QMenu* menu = right_click(*window.canvas(), *box);
        QVERIFY(menu);
        QCOMPARE(menu_texts(*menu), QStringList({"Kind command", "-", "Add a reference", "-"}) + tail);
        QCOMPARE(menu->actions().front()->toolTip(), QStringLiteral("its tooltip"));
        menu->close();
        const QPoint at = window.canvas()->mapFromScene(box->sceneBoundingRect().center());
        QTest::mouseDClick(window.canvas()->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(double_clicks, 0);  // it runs once the click's handler has returned
        settle();
        QCOMPARE(double_clicks, 1);
    }

    void commands_change_the_project_as_its_saved_text_shows() {
        const auto gate_option = [](const char* subject) { return uid("OPT", subject); };
        const std::vector<CommandCase> cases{
            {"copy object", gate_example, TabPage::Options, gate_option("Guard"), none(), "Copy object", no_dialogs(),
             0, false, true,
             [](MainWindow&, const std::string& uid) {
                 QCOMPARE(platform::services().clipboard_text(), uid);
             }},
            {"paste an option below a design problem", gate_example, TabPage::Options, uid("DPR"), none(),
             "Paste object",
             [](DialogScript&) { platform::services().set_clipboard_text(uid_of("OPT", "weapon")); }, 1, true, false,
             [](MainWindow&, const std::string& uid) {
                 // Door, Guard and the copy of the weapon.
                 QCOMPARE(static_cast<DesignProblem*>(object(uid))->get_child_options(false).size(), size_t{3});
             }},
            {"paste a clipboard that names no object", gate_example, TabPage::Options, uid("DPR"), none(),
             "Paste object", [](DialogScript&) { platform::services().set_clipboard_text("no such object"); }, 0,
             false, true, {}},
            {"paste an object onto itself", gate_example, TabPage::Options, gate_option("Guard"), none(),
             "Paste object", [](DialogScript&) { platform::services().set_clipboard_text(uid_of("OPT", "Guard")); },
             0, false, true, {}},
            {"select in tree", gate_example, TabPage::Options, gate_option("Guard"), none(), "Select object in tree",
             no_dialogs(), 1, false, true,
             [](MainWindow& window, const std::string& uid) {
                 QCOMPARE(window.selected_uids(), std::vector<std::string>{uid});
                 QVERIFY(GCC::RP->get_sel_uids().count(uid));
             }},
            {"select what is selected", gate_example, TabPage::Options, gate_option("Guard"), gate_option("Guard"),
             "Select object in tree", no_dialogs(), 0, false, true, {}},
            {"deselect what is selected", gate_example, TabPage::Options, gate_option("Guard"), gate_option("Guard"),
             "Deselect object in tree", no_dialogs(), 1, false, true,
             [](MainWindow& window, const std::string&) { QVERIFY(window.selected_uids().empty()); }},
            {"deselect what is not selected", gate_example, TabPage::Options, gate_option("Guard"), none(),
             "Deselect object in tree", no_dialogs(), 0, false, true, {}},
            {"delete an object that takes nothing along", gate_example, TabPage::Validation, uid("EVD"),
             gate_option("Laminated Wood"), "Delete object", no_dialogs(), 1, true, false,
             [](MainWindow& window, const std::string& uid) {
                 QVERIFY(!object(uid));
                 QVERIFY(boxes_of(*window.canvas(), uid).empty());
             }},
            {"delete cancelled at the warning", gate_example, TabPage::Options, gate_option("Guard"), none(),
             "Delete object", [](DialogScript& s) { s.answer("Warning", Answer::Cancel); }, 0, false, true, {}},
            {"delete with what it takes along", gate_example, TabPage::Options, gate_option("Guard"), none(),
             "Delete object", [](DialogScript& s) { s.answer("Warning", Answer::Ok); }, 1, true, false,
             [](MainWindow&, const std::string& uid) { QVERIFY(!object(uid)); }},
            {"edit the tooltip", gate_example, TabPage::Options, gate_option("Guard"), none(), "Edit tooltp text",
             [](DialogScript& s) { s.expect("Modify ToolTip Text", type_long_text("A guard\nat the gate")); }, 1,
             true, false,
             [](MainWindow& window, const std::string& uid) {
                 QCOMPARE(object(uid)->get_tooltip_txt(), std::string("A guard\nat the gate"));
                 // Nothing is rebuilt; the box shows the new tooltip at once.
                 QVERIFY(boxes_of(*window.canvas(), uid).front()->text_area()->toolTip().contains("at the gate"));
             }},
            {"edit the tooltip while the page is drawn anew", gate_example, TabPage::Options, gate_option("Guard"),
             none(), "Edit tooltp text",
             [](DialogScript& s) {
                 s.expect("Modify ToolTip Text", [](QDialog& dialog) {
                     main_window()->request_page_rebuild(true);
                     settle();
                     return type_long_text("drawn meanwhile")(dialog);
                 });
             },
             1, true, false,
             [](MainWindow& window, const std::string& uid) {
                 QVERIFY(boxes_of(*window.canvas(), uid).front()->text_area()->toolTip().contains("drawn meanwhile"));
             }},
            {"an empty tooltip brings back the default", gate_example, TabPage::Options, gate_option("back-up"),
             none(), "Edit tooltp text", [](DialogScript& s) { s.expect("Modify ToolTip Text", type_long_text("")); },
             1, true, false,
             [](MainWindow& window, const std::string& uid) {
                 QCOMPARE(object(uid)->get_tooltip_txt(), GCC::default_ttt);
                 QVERIFY(boxes_of(*window.canvas(), uid).front()->text_area()->toolTip().isEmpty());
             }},
            {"an unchanged tooltip records nothing", gate_example, TabPage::Options, gate_option("back-up"), none(),
             "Edit tooltp text", [](DialogScript& s) { s.expect("Modify ToolTip Text", press_ok_unchanged()); }, 0,
             false, true, {}},
            {"link a reference", references_project, TabPage::Options, gate_option("motor"), none(),
             "Link a reference", [](DialogScript& s) { s.expect("Select Reference", choose_entry(0, 1)); }, 1, true,
             false,
             [](MainWindow&, const std::string& uid) {
                 const auto& ids = object(uid)->get_ref_ids();
                 QCOMPARE(ids.size(), size_t{2});
                 QCOMPARE(GCC::RP->get_reference(ids.back())->name(), std::string("Norm B"));
             }},
            {"link the one reference left", references_project, TabPage::Validation, uid("EVD"),
             gate_option("motor"), "Link a reference",
             [](DialogScript& s) { s.expect("Select Reference", choose_entry(0, 0)); }, 1, true, false,
             [](MainWindow&, const std::string& uid) { QCOMPARE(object(uid)->get_ref_ids().size(), size_t{3}); }},
            {"link when everything is linked", all_linked_project, TabPage::Validation, uid("EVD"),
             gate_option("motor"), "Link a reference", [](DialogScript& s) { s.answer("Information", Answer::Ok); },
             0, false, true, {}},
            {"add a reference", references_project, TabPage::Options, gate_option("spring"), none(),
             "Add a reference",
             [](DialogScript& s) {
                 s.expect("Define Reference", type_rows({{0, "Sheet"}, {2, "https://c.example"}}));
             },
             1, true, false,
             [](MainWindow&, const std::string& uid) {
                 const auto& ids = object(uid)->get_ref_ids();
                 QCOMPARE(ids.size(), size_t{1});
                 QCOMPARE(GCC::RP->get_reference(ids.front())->link(), std::string("https://c.example"));
             }},
            {"edit the only reference", references_project, TabPage::Options, gate_option("motor"), none(),
             "Edit references", [](DialogScript& s) { s.expect("Define Reference", type_rows({{0, "Plan"}})); }, 1,
             true, false,
             [](MainWindow&, const std::string& uid) {
                 QCOMPARE(GCC::RP->get_reference(object(uid)->get_ref_ids().front())->name(), std::string("Plan"));
             }},
            {"remove one of two references", references_project, TabPage::Validation, uid("EVD"),
             gate_option("motor"), "Remove reference",
             [](DialogScript& s) { s.expect("Select Reference", choose_entry(0, 1)); }, 1, true, false,
             [](MainWindow&, const std::string& uid) {
                 const auto& ids = object(uid)->get_ref_ids();
                 QCOMPARE(ids.size(), size_t{1});
                 QCOMPARE(GCC::RP->get_reference(ids.front())->name(), std::string("Norm A"));
                 QCOMPARE(GCC::RP->get_references().size(), size_t{2});
             }},
            {"the shown option chosen again", references_project, TabPage::VDiagram, gate_option("motor"), none(),
             "Hide or Show Nodes", [](DialogScript& s) { s.expect("Select Shown Option", choose_entry(0, 0)); }, 0,
             false, true, {}},
            {"an option deleted while the choice is open is never shown", references_project, TabPage::VDiagram,
             gate_option("motor"), none(), "Hide or Show Nodes",
             [](DialogScript& s) {
                 s.expect("Select Shown Option", [](QDialog& dialog) {
                     delete object(uid_of("OPT", "spring"));
                     return choose_entry(0, 1)(dialog);
                 });
             },
             0, true, true,
             [](MainWindow&, const std::string& uid) {
                 for (const std::string& shown : GCC::RP->get_shown_uids()) QVERIFY(object(shown));
                 QVERIFY(GCC::RP->get_shown_uids().count(uid));
             }},
            {"another option shown", references_project, TabPage::VDiagram, gate_option("motor"), none(),
             "Hide or Show Nodes", [](DialogScript& s) { s.expect("Select Shown Option", choose_entry(0, 1)); }, 1,
             false, false,
             [](MainWindow& window, const std::string& uid) {
                 const std::string spring = uid_of("OPT", "spring");
                 QVERIFY(GCC::RP->get_shown_uids().count(spring));
                 QVERIFY(!GCC::RP->get_shown_uids().count(uid));
                 QVERIFY(!boxes_of(*window.canvas(), spring).empty());
             }},
        };
        for (const CommandCase& c : cases) {
            run_command_case(c);
            if (QTest::currentTestFailed()) return;
        }
    }

    void open_a_reference_hands_its_link_to_the_desktop_and_records_nothing() {
        ui_testing::ScriptedDialogs unexpected;  // any dialog not scripted fails the test
        LinkCatcher links;
        MainWindow window;
        ui_testing::show_with_pages(window);
        references_project(window);
        const std::string motor = uid_of("OPT", "motor");
        GCC::RP->get_reference(object(motor)->get_ref_ids().front())->set_link("https://drawing.example");
        settle_fixture(window);
        const std::string before = saved_text();

        // One reference: opened without a question.
        QVERIFY(ui_testing::choose_on(*window.canvas(), *box_on(window, TabPage::Options, motor), "Open a reference"));
        QCOMPARE(links.opened, QList<QUrl>{QUrl("https://drawing.example")});
        // Two: the user chooses which.
        {
            ui_testing::ScriptedDialogs scripted;
            scripted.script().expect("Select Reference", choose_entry(0, 1));
            ObjectBox* evidence = box_on(window, TabPage::Validation, uid_of("EVD"), motor);
            QVERIFY(evidence);
            QVERIFY(ui_testing::choose_on(*window.canvas(), *evidence, "Open a reference"));
        }
        QCOMPARE(links.opened.size(), 2);
        QCOMPARE(links.opened.back(), QUrl("https://b.example"));
        settle();
        QCOMPARE(recorded_states(), size_t{0});
        QCOMPARE(saved_text(), before);
        QVERIFY(window.is_saved());
    }

    // The ending of a kind's own edit dialog: nothing, the boxes of the object
    // refilled in place, or the page drawn anew (which keeps a box whose
    // place did not change).
    void kind_edit_refills_its_boxes_or_rebuilds_the_page() {
        struct EditCase {
            const char* name;
            bool changed, structural;
            size_t states;
            bool page_drawn;
        };
        const EditCase cases[] = {
            {"nothing changed", false, false, 0, false},
            {"the object's own text", true, false, 1, false},
            {"the structure", true, true, 1, true},
            {"the structure, told unchanged", false, true, 1, true},
        };
        for (const EditCase& c : cases) {
            bool structural = c.structural, changed = c.changed;
            boxes::install_kind_commands(page_geometry::NodeKind::Option,
                                         {{}, [&](const BoxCommandContext& context) {
                                              Node* node = context.node();
                                              if (changed) node->set_subject("wheel", false);
                                              boxes::conditional_update(context, changed, structural, {node});
                                          }});
            MainWindow window;
            ui_testing::show_with_pages(window);
            plain_project(window);
            const std::string motor = uid_of("OPT", "motor");
            QPointer<ObjectBox> box = box_on(window, TabPage::Options, motor);
            QVERIFY2(box, c.name);
            const std::string before = saved_text();
            QSignalSpy drawn(&window, &MainWindow::pageRebuilt);
            box->double_click();
            settle();
            QVERIFY2(recorded_states() == c.states, c.name);
            QVERIFY2(box, c.name);
            QVERIFY2((drawn.count() > 0) == c.page_drawn, c.name);
            QVERIFY2(window.is_saved() == (c.states == 0), c.name);
            QVERIFY2((saved_text() != before) == c.changed, c.name);
            const std::vector<ObjectBox*> shown = boxes_of(*window.canvas(), motor);
            QVERIFY2(shown.size() == 1, c.name);
            QVERIFY2(shown.front()->text_area()->scroll().text() == QString::fromStdString(object(motor)->get_txt()),
                     c.name);
            boxes::remove_all_kind_commands();
        }
    }

    void secondary_windows_open_for_the_box() {
        ui_testing::ScriptedDialogs unexpected;  // any dialog not scripted fails the test
        MainWindow window;
        ui_testing::show_with_pages(window);
        gate_example(window);
        std::string related;
        std::vector<std::string> candidates;
        MainWindow::SecondaryWindows recorders;
        recorders.related_objects = [&](const std::string& uid, const QPoint&) { related = uid; };
        recorders.hide_show = [&](const std::vector<std::string>& uids, const QPoint&) { candidates = uids; };
        window.install_secondary_windows(recorders);
        const std::string guard = uid_of("OPT", "Guard");
        ObjectBox* box = box_on(window, TabPage::Options, guard);
        QVERIFY(ui_testing::choose_on(*window.canvas(), *box, "Show related objects"));
        QCOMPARE(related, guard);

        // Stacked stories choose in the hide/show window among all candidates.
        box = box_on(window, TabPage::VDiagram, uid_of("USY"));
        QVERIFY(box && box->description().hide_show_command);
        QVERIFY(ui_testing::choose_on(*window.canvas(), *box, "Hide or Show Nodes"));
        QCOMPARE(candidates, box->description().alternatives);
        QCOMPARE(recorded_states(), size_t{0});
    }

    void delete_warning_lists_what_the_deletion_removes() {
        MainWindow window;
        ui_testing::show_with_pages(window);
        delete GCC::RP;
        testing_support::SmallProject p;
        Requirement* r2 = p.mandate->add_f_requirement(p.story, true);
        DesignProblem* d2 = r2->add_designproblem();
        Option* o1 = p.d->add_child_option("motor", false);
        d2->add_child_option("spring", false);
        const std::string i1 = o1->get_integration_requirement()->get_short_txt(0);
        window.adopt_new_project();
        settle_fixture(window);
        ObjectBox* box = box_on(window, TabPage::Options, d2->get_uid());
        QVERIFY(box);
        ui_testing::ScriptedDialogs scripted;
        scripted.script().answer("Warning", Answer::Cancel);
        QVERIFY(ui_testing::choose_on(*window.canvas(), *box, "Delete object"));
        QCOMPARE(scripted.script().messages().size(), 1);
        const QString warning = scripted.script().messages().front();
        // The problem's option goes, and with one sibling left both problems'
        // options lose their integration requirements.
        QVERIFY(warning.startsWith("Deletion will also delete the following\nobjects and their children:\n\n"));
        QVERIFY(warning.contains(QString::fromStdString("- " + i1 + "\n")));
        QCOMPARE(warning.count(QStringLiteral("\n- ")), 3);
    }

    // The delete warning is a warning box: Return on it confirms the deletion.
    void delete_warning_is_confirmed_by_enter() {
        MainWindow window;
        ui_testing::show_with_pages(window);
        delete GCC::RP;
        testing_support::BuiltWithoutStates built_without_states;  // the undo states start at the fixture
        testing_support::SmallProject p;
        Option* o = p.d->add_child_option("motor", false);
        Option* sub = o->add_sub_option("wheel");
        const std::string sub_uid = sub->get_uid();
        window.adopt_new_project();
        settle_fixture(window);
        const std::string before = saved_text();
        ObjectBox* box = box_on(window, TabPage::Options, o->get_uid());
        QVERIFY(box);
        ui_testing::ScriptedDialogs scripted;
        scripted.script().expect("Warning", [](QDialog& dialog) {
            dialog.show();
            QApplication::setActiveWindow(&dialog);
            if (QTest::qWaitForWindowActive(&dialog)) QTest::keyClick(&dialog, Qt::Key_Return);
            return dialog.result();
        });
        QVERIFY(ui_testing::choose_on(*window.canvas(), *box, "Delete object"));
        settle();
        QCOMPARE(scripted.script().pending(), 0);
        QVERIFY(!GCC::RP->_get_pointer_to_node_with_uid(sub_uid));
        const std::string after = saved_text();
        QVERIFY(after != before);
        QVERIFY(window.run_command(Command::Undo));
        settle();
        QCOMPARE(saved_text(), before);
        QVERIFY(window.run_command(Command::Redo));
        settle();
        QCOMPARE(saved_text(), after);
    }

    void deleting_the_only_sub_option_names_where_its_arguments_go() {
        MainWindow window;
        ui_testing::show_with_pages(window);
        delete GCC::RP;
        testing_support::BuiltWithoutStates built_without_states;  // the undo states start at the fixture
        testing_support::SmallProject p;
        Option* o = p.d->add_child_option("motor", false);
        Option* sub = o->add_sub_option("wheel");
        p.prove(sub, p.r, 5);
        window.adopt_new_project();
        settle_fixture(window);
        const std::string argument = uid_of("ARG");
        ObjectBox* box = box_on(window, TabPage::Options, sub->get_uid());
        QVERIFY(box);
        ui_testing::ScriptedDialogs scripted;
        scripted.script().answer("Warning", Answer::Ok);
        QVERIFY(ui_testing::choose_on(*window.canvas(), *box, "Delete object"));
        settle();
        QVERIFY(scripted.script().messages().front().contains("will be linked to the motor Option:\n\n- "));
        QVERIFY(object(argument));
        QCOMPARE(recorded_states(), size_t{1});
    }

    // ---- Lifetime (AddressSanitizer watches these) ----

    void command_that_rebuilds_the_page_releases_its_box_safely() {
        MainWindow window;
        ui_testing::show_with_pages(window);
        gate_example(window);
        ui_testing::ScriptedDialogs no_dialogs;
        const std::string evidence = uid_of("EVD");
        ObjectBox* box = box_on(window, TabPage::Validation, evidence, uid_of("OPT", "Laminated Wood"));
        QPointer<ObjectBox> watched(box);
        QMenu* menu = right_click(*window.canvas(), *box);
        QVERIFY(ui_testing::choose(*menu, "Delete object"));
        // The box hides at once and goes with the rebuild.
        QVERIFY(watched && !watched->isVisible());
        settle();
        QVERIFY(!watched);
        QVERIFY(boxes_of(*window.canvas(), evidence).empty());
    }

    void undo_and_redo_with_a_menu_and_a_dialog_open() {
        ui_testing::ScriptedDialogs unexpected;  // any dialog not scripted fails the test
        MainWindow window;
        ui_testing::show_with_pages(window);
        gate_example(window);
        const std::string guard = uid_of("OPT", "Guard");
        ObjectBox* box = box_on(window, TabPage::Options, guard);
        // The tooltip edit is undone while a menu of the box is open: the
        // rebuild closes the menu, which is released; the box stays where it
        // is and shows its object as the undo left it. A command the menu
        // still delivers before that finds the object rebuilt by the undo.
        {
            ui_testing::ScriptedDialogs scripted;
            scripted.script().expect("Modify ToolTip Text", type_long_text("first"));
            QVERIFY(ui_testing::choose_on(*window.canvas(), *box, "Edit tooltp text"));
        }
        QPointer<ObjectBox> old_box = boxes_of(*window.canvas(), guard).front();
        QPointer<QMenu> menu = right_click(*window.canvas(), *old_box);
        QVERIFY(menu);
        QPointer<QAction> edit;
        for (QAction* action : menu->actions())
            if (action->text() == QStringLiteral("Edit tooltp text")) edit = action;
        QVERIFY(window.run_command(Command::Undo));
        QCoreApplication::processEvents();  // the rebuild; what it dropped is released later
        QCOMPARE(object(guard)->get_tooltip_txt(), GCC::default_ttt);
        QVERIFY(menu && !menu->isVisible() && edit && old_box);
        {
            ui_testing::ScriptedDialogs scripted;
            scripted.script().expect("Modify ToolTip Text", type_long_text("second"));
            ui_testing::trigger(*edit);
        }
        QCOMPARE(object(guard)->get_tooltip_txt(), std::string("second"));
        settle();
        QVERIFY(!menu);
        QVERIFY(old_box);
        QCOMPARE(boxes_of(*window.canvas(), guard), std::vector<ObjectBox*>{old_box.data()});
        QCOMPARE(old_box->face().tooltip, std::string("second"));

        // A redo while a dialog of a command is open: the object the command
        // started from is gone when the dialog closes, and nothing is done.
        const std::string evidence = uid_of("EVD");
        const std::string wood = uid_of("OPT", "Laminated Wood");
        box = box_on(window, TabPage::Validation, evidence, wood);
        QVERIFY(ui_testing::choose_on(*window.canvas(), *box, "Delete object"));
        settle();
        QVERIFY(window.run_command(Command::Undo));
        settle();
        QVERIFY(object(evidence));
        box = box_on(window, TabPage::Validation, evidence, wood);
        const size_t states = GCC::RP->get_state_count();
        {
            ui_testing::ScriptedDialogs scripted;
            // The dialog's own event loop runs the rebuild the redo asks for.
            scripted.script().expect("Modify ToolTip Text", [&](QDialog& dialog) {
                window.run_command(Command::Redo);
                QCoreApplication::processEvents();
                return type_long_text("too late")(dialog);
            });
            QVERIFY(ui_testing::choose_on(*window.canvas(), *box, "Edit tooltp text"));
        }
        settle();
        QVERIFY(!object(evidence));
        QCOMPARE(GCC::RP->get_state_count(), states);
    }

    void deleting_an_object_that_other_boxes_show() {
        ui_testing::ScriptedDialogs unexpected;  // any dialog not scripted fails the test
        MainWindow window;
        ui_testing::show_with_pages(window);
        delete GCC::RP;
        testing_support::BuiltWithoutStates built_without_states;  // the undo states start at the fixture
        testing_support::SmallProject p;
        // A second story sharing the first one's verb and capability puts R in both rows.
        UserStory* twin = GCC::RP->add_user_story("close", "quickly", "gate", "", false);
        twin->set_verb_cap(p.story->get_verb_cap());
        window.adopt_new_project();
        settle_fixture(window);
        const std::string r = p.r->get_uid();
        window.activate_page(TabPage::Project);
        window.request_page_rebuild(false);
        settle();
        std::vector<ObjectBox*> shown = boxes_of(*window.canvas(), r);
        QCOMPARE(shown.size(), size_t{2});
        QPointer<ObjectBox> other = shown.back();
        {
            ui_testing::ScriptedDialogs scripted;
            scripted.script().answer("Warning", Answer::Ok);
            QVERIFY(ui_testing::choose_on(*window.canvas(), *shown.front(), "Delete object"));
        }
        // Before the rebuild runs, the other boxes of the object offer nothing.
        QVERIFY(other);
        QVERIFY(!other->is_alive());
        QCOMPARE(other->open_context_menu(QPoint(10, 10)), nullptr);
        other->double_click();
        settle();
        QVERIFY(boxes_of(*window.canvas(), r).empty());
    }

    void reference_rows_of_the_kinds_edit_dialogs() {
        ui_testing::ScriptedDialogs unexpected;  // any dialog not scripted fails the test
        MainWindow window;
        ui_testing::show_with_pages(window);
        references_project(window);
        Node* motor = object(uid_of("OPT", "motor"));
        std::vector<std::string> prompts{"p"}, defaults{"d"};
        std::vector<std::vector<std::string>> choices{{}};
        Reference* reference = boxes::add_reference_inputs(*motor, prompts, defaults, choices);
        QVERIFY(reference);
        QCOMPARE(prompts.size(), size_t{5});
        QCOMPARE(defaults[1], std::string("Drawing"));
        QCOMPARE(choices[4], Reference::possible_types());
        // Two references: no rows.
        QVERIFY(!boxes::add_reference_inputs(*object(uid_of("EVD")), prompts, defaults, choices));
        QCOMPARE(prompts.size(), size_t{5});

        boxes::fill_reference_inputs(*motor, reference, reference->name(), reference->description(),
                                     reference->link(), reference->type());
        QCOMPARE(recorded_states(), size_t{0});
        QVERIFY(window.is_saved());
        boxes::fill_reference_inputs(*motor, reference, "Plan", "", "plan.pdf", reference->type());
        QCOMPARE(recorded_states(), size_t{1});
        QVERIFY(!window.is_saved());
        QCOMPARE(reference->link(), std::string("plan.pdf"));
    }
};

QTEST_MAIN(ObjectBoxesTest)
#include "test_object_boxes.moc"
