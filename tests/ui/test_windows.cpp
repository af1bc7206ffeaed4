// The windows around the canvas: the comment popup judged by the project's
// saved text through the history, the hide/show dialog, and the viewer
// windows' geometry and their lifetime across deletions, undo, redo and open.
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QGraphicsScene>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <functional>
#include <iterator>
#include <unordered_set>

#include "core/constants/explanation_texts.h"
#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/model/readiness_level.h"
#include "tests/support/core/built_without_states.h"
#include "tests/support/core/small_project.h"
#include "tests/ui/support/canvas_driver.h"
#include "tests/ui/support/dialog_script.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/boxes/object_box.h"
#include "ui/find/find_commands.h"
#include "ui/glue/screen_placement.h"
#include "ui/main_window/main_window.h"
#include "ui/theme/fonts.h"
#include "ui/toolkit/app_button.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/app_label.h"
#include "ui/toolkit/title_bar.h"
#include "ui/windows/box_view.h"
#include "ui/windows/comment_popup.h"
#include "ui/windows/hide_show_dialog.h"
#include "ui/windows/information_window.h"
#include "ui/windows/object_explain_window.h"
#include "ui/windows/origin_tree_window.h"
#include "ui/windows/related_objects_window.h"
#include "ui/windows/review_windows.h"
#include "ui/windows/search_results_window.h"
#include "ui/windows/secondary_windows.h"

using ui_testing::boxes_of;
using ui_testing::saved_text;
using ui_testing::recorded_states;
using ui_testing::settle;
using ui_testing::settle_fixture;
using windows::CommentPopup;

namespace {

Node* object(const std::string& uid) { return GCC::RP->_get_pointer_to_node_with_uid(uid); }


// The main window with its pages and these windows.
void show_with_windows(MainWindow& window) {
    ui_testing::show_with_pages(window);
    windows::install(window);
}

// The small project with options a, b, c below its design problem, each
// proven by an argument with evidence of level 3.
struct Fixture {
    std::string story, mandate, r, d, arg_a, evd_a;
    std::vector<std::string> options;
};

Fixture small_project(MainWindow& window, int options = 3) {
    delete GCC::RP;
    testing_support::BuiltWithoutStates built_without_states;  // the undo states start at the fixture
    testing_support::SmallProject p;
    Fixture f{p.story->get_uid(), p.mandate->get_uid(), p.r->get_uid(), p.d->get_uid(), {}, {}, {}};
    for (int i = 0; i < options; ++i) {
        Option* o = p.d->add_child_option(std::string(1, static_cast<char>('a' + i)), false);
        Evidence* e = p.prove(o, p.r, 3);
        f.options.push_back(o->get_uid());
        if (i == 0) {
            f.evd_a = e->get_uid();
            f.arg_a = e->get_parents().front()->get_uid();
        }
    }
    window.adopt_new_project();
    settle_fixture(window);
    return f;
}

// The main window's undo brings back the text before the command, its redo
// the text after it.
void undo_and_redo(MainWindow& window, const std::string& before) {
    const std::string after = saved_text();
    QVERIFY(window.run_command(Command::Undo));
    settle();
    QCOMPARE(saved_text(), before);
    QVERIFY(window.run_command(Command::Redo));
    settle();
    QCOMPARE(saved_text(), after);
}

QPlainTextEdit* nth_field(CommentPopup& popup, size_t i) { return popup.fields().at(i); }

void press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QTest::keyClick(target, key, modifiers);
    settle();
}

// A scripted answer whose checks may fail (and return early): the dialog
// then ends as rejected.
ui_testing::DialogScript::Response checked(std::function<void(QDialog&)> body) {
    return [body](QDialog& dialog) {
        body(dialog);
        return dialog.result();
    };
}

template <typename Window>
Window* only_window(MainWindow& main) {
    const auto found = main.findChildren<Window*>();
    return found.size() == 1 ? found.front() : nullptr;
}

std::vector<std::string> uids_drawn(const windows::BoxView& view) {
    std::vector<std::string> uids;
    for (const ObjectBox* box : ui_testing::boxes_on(view)) uids.push_back(box->uid());
    return uids;
}

}  // namespace

class WindowsTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;

private slots:
    void cleanup() { ui_testing::UiTestEnvironment::reset(); }

    // Opening and closing without typing records nothing; a typed comment is
    // one state, undone and redone by the main window.
    void comment_popup_writes_back_on_closing() {
        ui_testing::ScriptedDialogs unexpected;
        MainWindow window;
        show_with_windows(window);
        const Fixture f = small_project(window);
        const std::string before = saved_text();

        window.open_comment_popup(f.r, QPoint(100, 100));
        CommentPopup* popup = CommentPopup::current();
        QVERIFY(popup);
        QCOMPARE(popup->fields().size(), size_t{2});
        QCOMPARE(popup->width(), 12 * gcm::app_font_height());
        popup->close();
        settle();
        QVERIFY(!CommentPopup::current());
        QCOMPARE(recorded_states(), size_t{0});
        QVERIFY(window.is_saved());
        QCOMPARE(saved_text(), before);

        // Add with an empty field does nothing.
        window.open_comment_popup(f.r, QPoint(100, 100));
        popup = CommentPopup::current();
        QTest::mouseClick(popup->add_button(), Qt::LeftButton);
        QCOMPARE(recorded_states(), size_t{0});
        popup->new_comment_field()->setPlainText(QStringLiteral("  needs a motor\r\nsoon "));
        // Add stores it at once and offers the next empty field.
        QTest::mouseClick(popup->add_button(), Qt::LeftButton);
        settle();
        QCOMPARE(popup->fields().size(), size_t{4});
        QVERIFY(popup->new_comment_field()->toPlainText().isEmpty());
        popup->close();
        settle();
        QCOMPARE(recorded_states(), size_t{1});
        QVERIFY(!window.is_saved());
        QCOMPARE(object(f.r)->get_comments(), std::vector<std::string>{"needs a motor\nsoon"});
        undo_and_redo(window, before);
    }

    // The popup's own keys move the history as the main window's do: the
    // project is always exactly the state the history names.
    void comment_popup_undo_and_redo_go_through_the_history() {
        ui_testing::ScriptedDialogs unexpected;
        MainWindow window;
        show_with_windows(window);
        const Fixture f = small_project(window);
        object(f.r)->add_comment("ann", "first");
        GCC::RP->add_uid_state(object(f.r));
        const std::string one = saved_text();
        // A later change of another object only.
        object(f.d)->set_tooltip_txt("elsewhere");
        GCC::RP->add_uid_state(object(f.d));
        const std::string two = saved_text();

        window.open_comment_popup(f.r, QPoint(100, 100));
        CommentPopup* popup = CommentPopup::current();
        QCOMPARE(popup->fields().size(), size_t{4});
        // The previous state holds the same comments of this object: nothing.
        press(nth_field(*popup, 1), Qt::Key_Z);
        QCOMPARE(GCC::RP->get_current_state(), uint16_t{2});
        QCOMPARE(saved_text(), two);

        // A pending edit is written first, then stepped back over.
        popup = CommentPopup::current();
        nth_field(*popup, 1)->setPlainText(QStringLiteral("changed"));
        press(nth_field(*popup, 1), Qt::Key_Z);
        QCOMPARE(GCC::RP->get_current_state(), uint16_t{2});
        QCOMPARE(GCC::RP->get_state_count(), size_t{4});
        QCOMPARE(saved_text(), two);
        popup = CommentPopup::current();
        QCOMPARE(nth_field(*popup, 1)->toPlainText(), QStringLiteral("first"));

        press(nth_field(*popup, 1), Qt::Key_Y);
        QCOMPARE(GCC::RP->get_current_state(), uint16_t{3});
        QCOMPARE(object(f.r)->get_comments(), std::vector<std::string>{"changed"});
        QCOMPARE(object(f.d)->get_tooltip_txt(), std::string("elsewhere"));

        // Stepping back over the tooltip state is refused (same comments), so
        // undo the main window's way to the state with "first", then the popup
        // steps back before the comment.
        QVERIFY(window.run_command(Command::Undo));
        QVERIFY(window.run_command(Command::Undo));
        settle();
        QCOMPARE(saved_text(), one);
        popup = CommentPopup::current();
        QVERIFY(popup);
        // Nothing was typed since: closing writes nothing over the restored state.
        popup->close();
        settle();
        QCOMPARE(saved_text(), one);
        window.open_comment_popup(f.r, QPoint(100, 100));
        popup = CommentPopup::current();
        press(nth_field(*popup, 1), Qt::Key_Z);
        QCOMPARE(GCC::RP->get_current_state(), uint16_t{0});
        QVERIFY(object(f.r)->get_comments().empty());
        press(CommentPopup::current()->new_comment_field(), Qt::Key_Z);
        QCOMPARE(GCC::RP->get_current_state(), uint16_t{0});
        press(CommentPopup::current()->new_comment_field(), Qt::Key_Y);
        QCOMPARE(saved_text(), one);
        CommentPopup::current()->close();
        settle();
        QCOMPARE(saved_text(), one);
    }

    void comment_popup_delete_scroll_and_lifetime() {
        ui_testing::ScriptedDialogs unexpected;
        MainWindow window;
        show_with_windows(window);
        const Fixture f = small_project(window);
        for (int i = 0; i < 12; ++i) object(f.evd_a)->add_comment("ann", "a comment\nof two lines");
        settle_fixture(window);
        const std::string before = saved_text();

        window.open_comment_popup(f.evd_a, QPoint(100, 100));
        CommentPopup* popup = CommentPopup::current();
        // Taller than 0.6 of the main window: it scrolls and is 20 px wider.
        QCOMPARE(popup->width(), 12 * gcm::app_font_height() + 20);
        QCOMPARE(popup->height(), static_cast<int>(0.6 * window.height()));
        QTest::mouseClick(popup->delete_button(0), Qt::LeftButton);
        settle();
        QCOMPARE(recorded_states(), size_t{1});
        QCOMPARE(object(f.evd_a)->get_comments_size(), size_t{11});
        undo_and_redo(window, before);

        // The main window undoes while the popup holds a typed comment: closing
        // writes it to the object as it is now, as one more state.
        popup = CommentPopup::current();
        QVERIFY(popup);
        popup->new_comment_field()->setPlainText(QStringLiteral("late"));
        QVERIFY(window.run_command(Command::Undo));
        settle();
        const std::string undone = saved_text();
        popup->close();
        settle();
        QCOMPARE(object(f.evd_a)->get_comments_size(), size_t{13});
        QCOMPARE(object(f.evd_a)->get_comments().back(), std::string("late"));
        undo_and_redo(window, undone);

        // The object goes away (another project) while the popup is open with
        // a pending edit: closing writes nothing and touches nothing.
        window.open_comment_popup(f.evd_a, QPoint(100, 100));
        popup = CommentPopup::current();
        QVERIFY(popup);
        popup->new_comment_field()->setPlainText(QStringLiteral("later"));
        delete GCC::RP;
        testing_support::SmallProject other;
        window.adopt_new_project();
        settle_fixture(window);
        const std::string replaced = saved_text();
        popup->close();
        settle();
        QCOMPARE(saved_text(), replaced);
        QCOMPARE(recorded_states(), size_t{0});
    }

    // Losing the focus closes the popup at once and writes back.
    void comment_popup_closes_when_it_loses_the_focus() {
        ui_testing::ScriptedDialogs unexpected;
        MainWindow window;
        show_with_windows(window);
        const Fixture f = small_project(window);
        window.open_comment_popup(f.d, QPoint(100, 100));
        QPointer<CommentPopup> popup = CommentPopup::current();
        QApplication::setActiveWindow(popup);
        QVERIFY(QTest::qWaitForWindowActive(popup));
        popup->new_comment_field()->setPlainText(QStringLiteral("typed"));
        QApplication::setActiveWindow(&window);
        settle();
        QVERIFY(!popup);
        QCOMPARE(object(f.d)->get_comments(), std::vector<std::string>{"typed"});
        QCOMPARE(recorded_states(), size_t{1});
    }

    // Presets from the shown-uid set; a missing candidate reads "MISSING
    // NODE", is preset to Hide, cannot be changed and is never shown.
    void hide_show_dialog() {
        MainWindow window;
        show_with_windows(window);
        const Fixture f = small_project(window);
        auto& shown = GCC::RP->get_shown_uids();
        shown.clear();
        shown.insert(f.options[0]);
        settle_fixture(window);
        const std::string before = saved_text();
        const std::vector<std::string> candidates{f.options[0], f.options[1], "OPT-gone"};

        {
            ui_testing::ScriptedDialogs scripted;
            scripted.script().expect("Hide or Show Nodes", checked([](QDialog& dialog) {
                auto& d = static_cast<windows::HideShowDialog&>(dialog);
                QCOMPARE(d.get_hide_show_string(0), QStringLiteral("Show"));
                QCOMPARE(d.get_hide_show_int(1), 1);
                QCOMPARE(d.get_hide_show_int(2), 1);
                QVERIFY(!d.choice(2)->isEnabled());
                const auto labels = d.rows()->widget()->findChildren<toolkit::AppLabel*>();
                QVERIFY(std::any_of(labels.begin(), labels.end(),
                                    [](const auto* l) { return l->text() == QStringLiteral("MISSING NODE"); }));
                // Cancel applies nothing.
                d.cancel_button()->click();
            }));
            window.show_hide_nodes(candidates, QPoint(50, 50));
        }
        QCOMPARE(recorded_states(), size_t{0});
        QCOMPARE(saved_text(), before);

        {
            ui_testing::ScriptedDialogs scripted;
            scripted.script().expect("Hide or Show Nodes", checked([](QDialog& dialog) {
                auto& d = static_cast<windows::HideShowDialog&>(dialog);
                d.choice(0)->setCurrentIndex(1);
                d.choice(1)->setCurrentIndex(0);
                d.choice(2)->setCurrentIndex(0);  // what a disabled choice must not do
                d.ok_button()->click();
            }));
            window.show_hide_nodes(candidates, QPoint(50, 50));
        }
        settle();
        QCOMPARE(recorded_states(), size_t{1});
        QVERIFY(!GCC::RP->get_shown_uids().count(f.options[0]));
        QVERIFY(GCC::RP->get_shown_uids().count(f.options[1]));
        QVERIFY(!GCC::RP->get_shown_uids().count("OPT-gone"));
        undo_and_redo(window, before);

        // Thirty candidates on the small screen: the rows scroll, the buttons stay below them.
        std::vector<std::string> many;
        for (int i = 0; i < 30; ++i) many.push_back("REQ-gone-" + std::to_string(i));
        ui_testing::ScriptedDialogs scripted;
        scripted.script().expect("Hide or Show Nodes", checked([](QDialog& dialog) {
            auto& d = static_cast<windows::HideShowDialog&>(dialog);
            QCOMPARE(d.rows()->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
            QVERIFY(d.rows()->widget()->height() > d.rows()->height());
            QVERIFY(d.ok_button()->geometry().top() >= d.rows()->geometry().bottom());
            QVERIFY(d.ok_button()->geometry().bottom() < d.height());
            dialog.reject();
        }));
        window.show_hide_nodes(many, QPoint(50, 50));
    }

    // The dialog finishes by keys: Enter on a choice, on the focused OK or on
    // the dialog itself applies the choices; Esc on a choice applies nothing.
    void hide_show_dialog_finishes_with_enter() {
        MainWindow window;
        show_with_windows(window);
        const Fixture f = small_project(window);
        GCC::RP->get_shown_uids().clear();
        settle_fixture(window);
        const std::string before = saved_text();
        enum class Target { Choice, Ok, Dialog };
        const struct {
            Target target;
            Qt::Key key;
            bool applied;
        } cases[] = {
            {Target::Choice, Qt::Key_Return, true},
            {Target::Ok, Qt::Key_Enter, true},
            {Target::Dialog, Qt::Key_Return, true},
            {Target::Choice, Qt::Key_Escape, false},
        };
        for (const auto& c : cases) {
            ui_testing::ScriptedDialogs scripted;
            scripted.script().expect(
                "Hide or Show Nodes", checked([&c](QDialog& dialog) {
                    auto& d = static_cast<windows::HideShowDialog&>(dialog);
                    dialog.show();
                    QApplication::setActiveWindow(&dialog);
                    QVERIFY(QTest::qWaitForWindowActive(&dialog));
                    d.choice(0)->setCurrentIndex(0);
                    QWidget* target = c.target == Target::Choice ? static_cast<QWidget*>(d.choice(0))
                                      : c.target == Target::Ok   ? static_cast<QWidget*>(d.ok_button())
                                                                 : static_cast<QWidget*>(&dialog);
                    target->setFocus();
                    QTest::keyClick(target, c.key, c.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
                    QVERIFY(!dialog.isVisible());
                }));
            window.show_hide_nodes({f.options[0]}, QPoint(50, 50));
            QCOMPARE(scripted.script().pending(), 0);
            settle();
            QCOMPARE(GCC::RP->get_shown_uids().count(f.options[0]), size_t{c.applied});
            if (c.applied) {
                undo_and_redo(window, before);
                QVERIFY(window.run_command(Command::Undo));
                settle();
            }
            QCOMPARE(saved_text(), before);
        }
    }

    // Geometry of the related objects, then the window through a deletion of
    // its centre from its own box, undo, redo and open.
    void related_objects_window_follows_the_model() {
        MainWindow window;
        show_with_windows(window);
        const Fixture f = small_project(window);
        window.show_related_objects(f.d, QPoint(20, 20));
        settle();
        auto* related = only_window<windows::RelatedObjectsWindow>(window);
        QVERIFY(related);
        const page_geometry::BoxMetrics m = related->view()->metrics();
        // One parent (R), three children (the options).
        QCOMPARE(related->width(), 3 * (m.w + m.f) + 3 * m.f + 2);
        const auto& boxes = related->view()->page().boxes;
        QCOMPARE(boxes.size(), size_t{5});
        QCOMPARE(boxes[0].uid, f.d);
        QCOMPARE(boxes[1].uid, f.r);
        QCOMPARE(boxes[1].rect.x, boxes[0].rect.x);  // one parent stands right above
        QCOMPARE(boxes[1].rect.y, boxes[0].rect.y - 2 * m.f - m.h);
        QCOMPARE(boxes[2].rect.y, boxes[0].rect.bottom() + 2 * m.f);
        QCOMPARE(boxes[3].rect.x - boxes[2].rect.x, m.w + m.f);
        QCOMPARE(boxes[3].rect.x, boxes[0].rect.x);  // three children are centred

        // Deleting the centre from its box in the window (it takes the options along).
        {
            ui_testing::ScriptedDialogs scripted;
            scripted.script().answer("Warning", toolkit::Answer::Ok);
            ObjectBox* centre = boxes_of(*related->view(), f.d).front();
            QVERIFY(ui_testing::choose_on(*related->view(), *centre, QStringLiteral("Delete object")));
            settle();
        }
        QVERIFY(!object(f.d));
        QCOMPARE(uids_drawn(*related->view()), std::vector<std::string>{f.r});
        QVERIFY(window.run_command(Command::Undo));
        settle();
        QCOMPARE(uids_drawn(*related->view()).size(), size_t{5});
        QVERIFY(window.run_command(Command::Redo));
        settle();
        QCOMPARE(uids_drawn(*related->view()), std::vector<std::string>{f.r});
        // Another project: nothing of the old one stays, and its boxes do nothing.
        small_project(window);
        QVERIFY(uids_drawn(*related->view()).empty());
        related->close();
        settle();

        // Four children need more than 90 % of the working area: the window
        // takes 90 % and its row scrolls.
        const Fixture wide = small_project(window, 4);
        window.show_related_objects(wide.d, QPoint(20, 20));
        settle();
        related = only_window<windows::RelatedObjectsWindow>(window);
        QVERIFY(related);
        const QRect area = glue::available_geometry_at(QPoint(20, 20));
        QVERIFY(related->panel_width() > 0.9 * area.width());
        QCOMPARE(related->width(), static_cast<int>(0.9 * area.width()));
        QCOMPARE(related->view()->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        related->close();
        settle();
    }

    // Hits as boxes; four or more scroll; "Select" accepts; a deletion from
    // a box inside leaves the other hits in place.
    void search_results_window() {
        MainWindow window;
        show_with_windows(window);
        const Fixture f = small_project(window, 4);
        struct Case {
            std::vector<std::string> uids;
            bool scrolls;
        };
        for (const Case& c : {Case{{f.options[0], f.options[1], f.options[2]}, false}, Case{f.options, true}}) {
            ui_testing::ScriptedDialogs scripted;
            scripted.script().expect("Search Results", checked([&c](QDialog& dialog) {
                auto& s = static_cast<windows::SearchResultsWindow&>(dialog);
                QCOMPARE(s.objects()->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn, c.scrolls);
                QCOMPARE(uids_drawn(*s.objects()), c.uids);
                QVERIFY(s.header()->text().endsWith(QStringLiteral("There are %1 Objects.").arg(c.uids.size())));
                QVERIFY(!s.types());
                s.select_button()->click();
            }));
            QVERIFY(window.show_search_results("a", c.uids, {}, QPoint(10, 10)));
        }

        ui_testing::ScriptedDialogs scripted;
        scripted.script().expect("Search Results", checked([&f](QDialog& dialog) {
            auto& s = static_cast<windows::SearchResultsWindow&>(dialog);
            QVERIFY(s.types());
            ObjectBox* evidence = boxes_of(*s.objects(), f.evd_a).front();
            QVERIFY(ui_testing::choose_on(*s.objects(), *evidence, QStringLiteral("Delete object")));
            settle();
            QCOMPARE(uids_drawn(*s.objects()), (std::vector<std::string>{f.options[0], f.options[1]}));
            // The next box still works.
            ObjectBox* next = boxes_of(*s.objects(), f.options[1]).front();
            QMenu* menu = ui_testing::right_click(*s.objects(), *next);
            QVERIFY(menu);
            menu->close();
            s.close_button()->click();
        }));
        QVERIFY(!window.show_search_results("a", {f.evd_a, f.options[0], f.options[1]}, {0, 1}, QPoint(10, 10)));
    }

    // A hit deleted while the window is open: its box goes, and "Select"
    // selects the hits that still exist, in their order.
    void search_results_select_skips_deleted_hits() {
        MainWindow window;
        show_with_windows(window);
        const Fixture f = small_project(window);
        for (const std::string& uid : f.options) object(uid)->add_comment("ann", "look");
        settle_fixture(window);
        std::vector<std::string> survivors;
        ui_testing::ScriptedDialogs scripted;
        scripted.script().expect("Search Results", checked([&](QDialog& dialog) {
            auto& s = static_cast<windows::SearchResultsWindow&>(dialog);
            const std::vector<std::string> hits = uids_drawn(*s.objects());
            QCOMPARE(hits.size(), f.options.size());
            Node::dispose(object(f.options[1]));
            window.request_tree_rebuild();
            window.request_page_rebuild(false);
            settle();
            QVERIFY(!object(f.options[1]));
            std::copy_if(hits.begin(), hits.end(), std::back_inserter(survivors),
                         [&f](const std::string& uid) { return uid != f.options[1]; });
            QCOMPARE(uids_drawn(*s.objects()), survivors);
            s.select_button()->click();
        }));
        find_commands::find_comments(window);
        settle();
        QCOMPARE(survivors.size(), size_t{2});
        QCOMPARE(window.selected_uids(), survivors);
        const std::unordered_set<std::string> in_project(survivors.begin(), survivors.end());
        QCOMPARE(GCC::RP->get_sel_uids(), in_project);
    }

    // Without an option lacking its integration requirement, or without a
    // mandate, the review commands only say so, and change nothing.
    void review_commands_with_nothing_to_show() {
        MainWindow window;
        show_with_windows(window);
        settle();
        const std::string before = saved_text();
        ui_testing::ScriptedDialogs scripted;
        scripted.script().answer("Information", toolkit::Answer::Ok).answer("Error", toolkit::Answer::Ok);
        QVERIFY(window.run_command(Command::ReviewIntReqs));
        QVERIFY(window.run_command(Command::ReviewEvidence));
        settle();
        QCOMPARE(scripted.script().pending(), 0);
        QCOMPARE(scripted.script().messages(),
                 (QStringList{QStringLiteral("There are no Options that\nlack an Integration Requirement."),
                              QStringLiteral("No Mandate can be found in the Project.")}));
        QCOMPARE(saved_text(), before);
        QCOMPARE(recorded_states(), size_t{0});
    }

    void int_req_review_rows() {
        MainWindow window;
        show_with_windows(window);
        const Fixture f = small_project(window, 5);
        ui_testing::ScriptedDialogs scripted;
        scripted.script().expect("Review Integration Requirements", checked([&f](QDialog& dialog) {
            auto& r = static_cast<windows::IntReqReviewWindow&>(dialog);
            const page_geometry::BoxMetrics m = r.rows()->metrics();
            const auto& boxes = r.rows()->page().boxes;
            QCOMPARE(boxes.size(), size_t{5});
            for (size_t i = 0; i < 5; ++i) {
                QCOMPARE(boxes[i].uid, f.options[i]);
                QCOMPARE(boxes[i].rect.y, i < 3 ? m.f : 2 * m.f + m.h);
                QCOMPARE(boxes[i].rect.x, static_cast<int>(i < 3 ? i : i - 3) * (m.w + 2 * m.f));
            }
            QCOMPARE(r.width(), (m.w + 3 * m.f) * 3);
            r.close_button()->click();
        }));
        window.show_int_req_review(f.options, QPoint(10, 10));
    }

    // The level chooser offers the ten levels 0 to 9 only; with the required
    // level 9 it starts at 10, showing no entry. A deletion from a box inside
    // refills the rows, and the other boxes keep working.
    void evidence_review() {
        MainWindow window;
        show_with_windows(window);
        const Fixture f = small_project(window);
        ReadinessLevel::set_reqd_level(9);
        settle_fixture(window);
        ui_testing::ScriptedDialogs scripted;
        scripted.script().expect("Review the Evidence", checked([&f](QDialog& dialog) {
            auto& r = static_cast<windows::EvidenceReviewWindow&>(dialog);
            QCOMPARE(r.level_choice()->count(), 10);
            QCOMPARE(r.level_choice()->currentIndex(), -1);
            QCOMPARE(r.level(), 10);
            const auto* mandate = static_cast<const Mandate*>(object(f.mandate));
            const NodeList lacking = mandate->get_nodes_that_lack_evd(10);
            QCOMPARE(r.rows()->page().boxes.size(), lacking.size());
            QVERIFY(!boxes_of(*r.rows(), f.evd_a).empty());

            ObjectBox* evidence = boxes_of(*r.rows(), f.evd_a).front();
            QVERIFY(ui_testing::choose_on(*r.rows(), *evidence, QStringLiteral("Delete object")));
            settle();
            QVERIFY(boxes_of(*r.rows(), f.evd_a).empty());
            ObjectBox* argument = boxes_of(*r.rows(), f.arg_a).front();
            QMenu* menu = ui_testing::right_click(*r.rows(), *argument);
            QVERIFY(menu);
            menu->close();
            // A level everything meets: only the message.
            emit r.level_choice()->selectedIndexChanged(0);
            QVERIFY(r.rows()->page().boxes.empty());
            QCOMPARE(r.row_messages().size(), size_t{1});
            r.close_button()->click();
        }));
        QVERIFY(window.run_command(Command::ReviewEvidence));
    }

    // The requirement's origin (its user story) above it: a tree of depth 2
    // needs (2 + 7) font heights and two box heights.
    void origin_tree_upside_down() {
        MainWindow window;
        show_with_windows(window);
        const Fixture f = small_project(window);
        ui_testing::ScriptedDialogs scripted;
        scripted.script().expect("Origin of " + QString::fromStdString(f.r), checked([&f](QDialog& dialog) {
            auto& o = static_cast<windows::OriginTreeWindow&>(dialog);
            const page_geometry::BoxMetrics m = o.view()->metrics();
            QCOMPARE(o.height(), 9 * m.f + 2 * m.h);
            const auto& boxes = o.view()->page().boxes;
            QCOMPARE(boxes.size(), size_t{2});
            QCOMPARE(boxes[0].uid, f.r);
            QCOMPARE(boxes[1].uid, f.story);
            QCOMPARE(boxes[0].rect.y - boxes[1].rect.y, m.h + 2 * m.f);
            // The connector joins them in the gap between.
            for (const auto& line : o.view()->page().lines) {
                QVERIFY(line.area().y >= boxes[1].rect.bottom());
                QVERIFY(line.area().bottom() <= boxes[0].rect.y);
            }
            dialog.reject();
        }));
        window.show_origin_tree(f.r, QPoint(10, 10));
    }

    // Kind boxes explain their kind in the layout's wording; the integration
    // diagram is made once per layout; every re-layout releases the old one.
    void object_explanation_layouts() {
        auto* explain = new windows::ObjectExplainWindow;
        explain->show();
        settle();
        const auto click = [&](const std::string& caption) {
            QTest::mouseClick(explain->button(QString::fromStdString(caption)), Qt::LeftButton);
        };
        QVERIFY(!explain->presentation_layout());
        const auto fills = [&] {
            return explain->layout_panel()->geometry() ==
                   QRect(0, explain->title_bar_height(), explain->width(), explain->height() - explain->title_bar_height());
        };
        QVERIFY(fills());
        const auto buttons = explain->findChildren<toolkit::AppButton*>().size();
        QCOMPARE(explain->explain_label()->text(), QString::fromStdString(GCC::prj_txt));
        click(GCC::man_nd_name);
        QCOMPARE(explain->explain_label()->text(), QString::fromStdString(GCC::man_txt));
        click("Integration Requirement");
        const size_t made = explain->int_req_controls().size();
        QVERIFY(made > 0);
        click("Integration Requirement");
        QCOMPARE(explain->int_req_controls().size(), made);
        QVERIFY(explain->int_req_controls().front()->isVisible());
        click(GCC::arg_nd_name);
        QVERIFY(!explain->int_req_controls().front()->isVisible());

        const int normal_height = explain->height();
        explain->toggle_maximised();
        settle();
        QVERIFY(explain->presentation_layout());
        QVERIFY(fills());
        click(GCC::man_nd_name);
        QCOMPARE(explain->explain_label()->text(), QString::fromStdString(GCC::man_bullet_txt));
        QVERIFY(explain->int_req_controls().empty());
        click("Integration Requirement");
        QCOMPARE(explain->int_req_controls().size(), made);
        explain->toggle_maximised();
        for (int width : {700, 900, 800}) {
            explain->resize(width, normal_height);
            settle();
        }
        QVERIFY(!explain->presentation_layout());
        QCOMPARE(explain->height(), normal_height);
        QVERIFY(fills());
        QCOMPARE(explain->findChildren<toolkit::AppButton*>().size(), buttons);
        explain->close();
        settle();
    }

    // Resizing lays the windows out again without leaking a widget: the
    // title bar follows the width, and the explanation window's panel fills
    // it in either layout.
    void resizing_leaks_no_widgets() {
        ui_testing::ScriptedDialogs scripted;
        scripted.script().expect("About Morvanta", checked([](QDialog& dialog) {
            auto& info = static_cast<windows::InformationWindow&>(dialog);
            // Shown, as the program shows it, so that it gets its resize events.
            info.show();
            settle();
            const QString text = info.text_label()->text();
            const auto widgets = info.findChildren<QWidget*>().size();
            for (const QSize size : {QSize(500, 400), QSize(900, 700), QSize(300, 600)}) {
                info.resize(size);
                settle();
                QCOMPARE(info.title_bar()->width(), size.width());
                QCOMPARE(info.findChildren<QWidget*>().size(), widgets);
            }
            QCOMPARE(info.text_label()->text(), text);
            dialog.reject();
        }));
        MainWindow window;
        windows::install(window);
        QVERIFY(window.run_command(Command::About));

        auto* explain = new windows::ObjectExplainWindow;
        explain->show();
        settle();
        const auto widgets = explain->findChildren<QWidget*>().size();
        const auto fills = [&] {
            return explain->layout_panel()->geometry() ==
                   QRect(0, explain->title_bar_height(), explain->width(), explain->height() - explain->title_bar_height());
        };
        for (int round = 0; round < 2; ++round) {
            for (const QSize size : {QSize(700, 600), QSize(1000, 800), QSize(800, 650)}) {
                explain->resize(size);
                settle();
                QVERIFY(fills());
                QCOMPARE(explain->findChildren<QWidget*>().size(), widgets);
            }
            explain->toggle_maximised();
            settle();
            QVERIFY(explain->presentation_layout());
            QVERIFY(fills());
            explain->toggle_maximised();
            settle();
            QVERIFY(!explain->presentation_layout());
            QCOMPARE(explain->findChildren<QWidget*>().size(), widgets);
        }
        explain->close();
        settle();
    }

    void information_window() {
        ui_testing::ScriptedDialogs scripted;
        scripted.script().expect("About Morvanta", checked([](QDialog& dialog) {
            auto& info = static_cast<windows::InformationWindow&>(dialog);
            const QRect screen = QGuiApplication::primaryScreen()->geometry();
            QCOMPARE(info.width(), static_cast<int>(0.37 * screen.width()));
            QCOMPARE(info.height(), static_cast<int>(0.8 * screen.height()));
            QVERIFY(info.text_label()->text().contains(QStringLiteral("Morvanta")));
            dialog.reject();
        }));
        MainWindow window;
        windows::install(window);
        QVERIFY(window.run_command(Command::About));
    }
};

QTEST_MAIN(WindowsTest)
#include "test_windows.moc"
