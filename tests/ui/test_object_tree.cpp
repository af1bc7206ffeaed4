// The left object tree: what it shows and where, its click, Ctrl-click and
// right-click semantics, the selection it carries (by uid, in order, through
// rebuilds, undo and deletion), the pages that follow it, and its expansion.
#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>
#include <filesystem>

#include "core/constants/gcc.h"
#include "core/model/design_problem.h"
#include "core/model/evidence.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/model/verb_cap_param_base.h"
#include "core/platform/platform.h"
#include "tests/ui/support/canvas_driver.h"
#include "tests/ui/support/dialog_script.h"
#include "tests/ui/support/ui_driving.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/app/assembly.h"
#include "ui/boxes/object_box.h"
#include "ui/glue/text_conversion.h"
#include "ui/main_window/canvas_view.h"
#include "ui/main_window/main_window.h"
#include "ui/theme/scheme.h"
#include "ui/tree/object_tree.h"
#include "ui/tree/tree_click.h"

using Uids = std::vector<std::string>;

namespace {

void settle() { QCoreApplication::processEvents(); }

ProjectSettings& settings() { return GCC::RP->get_settings(); }

// The main window with its parts, the gate example open and nothing unsaved.
struct GateWindow {
    MainWindow window;
    ObjectTree* tree = nullptr;

    GateWindow() {
        assemble_main_window(window);
        tree = window.tree_area()->findChild<ObjectTree*>();
        window.resize(1400, 900);
        window.show();
        window.run_command(Command::GateExample);
        settle();
        window.set_saved(true);
    }

    Uids of_kind(bool (Node::*is_kind)() const) const {
        Uids uids;
        for (const auto& [uid, node] : GCC::RP->get_nd_map())
            if ((node->*is_kind)()) uids.push_back(uid);
        return uids;
    }

    QTreeWidgetItem* item(const std::string& uid) const {
        const auto items = tree->items_of(uid);
        return items.empty() ? nullptr : items.front();
    }

    void press(QTreeWidgetItem* at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {}) {
        tree->scrollToItem(at);
        QTest::mouseClick(tree->viewport(), button, modifiers, tree->visualItemRect(at).center());
    }
    void click(const std::string& uid, Qt::KeyboardModifiers modifiers = {}) {
        press(item(uid), Qt::LeftButton, modifiers);
    }

    bool coloured_as_selected(const std::string& uid) const {
        bool all = true;
        for (QTreeWidgetItem* shown : tree->items_of(uid))
            all = all && shown->background(0).color() == gcm::scheme().panel_color_sel &&
                  shown->foreground(0).color() == gcm::scheme().panel_text_color_sel;
        return all;
    }
};

Uids children_uids(const QTreeWidgetItem* parent) {
    Uids uids;
    for (int i = 0; i < parent->childCount(); ++i) uids.push_back(ObjectTree::uid_of(parent->child(i)));
    return uids;
}

Uids project_selection() {
    const auto& set = GCC::RP->get_sel_uids();
    Uids uids(set.begin(), set.end());
    std::sort(uids.begin(), uids.end());
    return uids;
}

Uids sorted(Uids uids) {
    std::sort(uids.begin(), uids.end());
    return uids;
}

// What the tree shows, one line per item in display order: its nesting, text,
// uid, picture (by its place among the readiness pictures), expansion and
// colours, and its place among the tree's items of its object.
void describe(const ObjectTree& tree, const std::vector<QImage>& pictures, const QTreeWidgetItem& item, int depth,
              QStringList& lines) {
    const std::string uid = ObjectTree::uid_of(&item);
    const QImage picture = item.icon(0).pixmap(tree.iconSize()).toImage();
    const auto named = std::find(pictures.begin(), pictures.end(), picture);
    const auto colour = [](const QBrush& brush) { return brush.style() == Qt::NoBrush ? "-" : brush.color().name(); };
    const std::vector<QTreeWidgetItem*> of_object = tree.items_of(uid);
    const auto place = std::find(of_object.begin(), of_object.end(), &item);
    lines << QStringLiteral("%1%2 | %3 | picture %4 | %5 | %6 on %7 | item %8")
                 .arg(QString(depth * 2, QLatin1Char(' ')), item.text(0), QString::fromStdString(uid))
                 .arg(item.icon(0).isNull() ? -1 : named - pictures.begin())
                 .arg(item.isExpanded() ? "open" : "shut", colour(item.foreground(0)), colour(item.background(0)))
                 .arg(place == of_object.end() ? -1 : place - of_object.begin());
    for (int i = 0; i < item.childCount(); ++i) describe(tree, pictures, *item.child(i), depth + 1, lines);
}

QStringList shown_by(const ObjectTree& tree, MainWindow& window) {
    std::vector<QImage> pictures;
    for (const QPixmap& picture : window.readiness_icon_list(tree.iconSize().width()))
        pictures.push_back(picture.toImage());
    QStringList lines;
    for (int i = 0; i < tree.topLevelItemCount(); ++i) describe(tree, pictures, *tree.topLevelItem(i), 0, lines);
    return lines;
}

// The first object of the kind whose subject is text.
std::string uid_of(const std::string& kind, const std::string& subject) {
    for (const auto& [uid, node] : GCC::RP->get_nd_map())
        if (node->get_nd_type() == kind && node->get_subject() == subject) return uid;
    return {};
}

// Right-clicks the object's box on the Options page, drawn without a selection, and chooses from its menu.
bool choose_on_options_page(MainWindow& window, const std::string& uid, const QString& caption) {
    window.set_selection({});
    window.activate_page(TabPage::Options);
    window.request_page_rebuild(false);
    settle();
    for (ObjectBox* box : ui_testing::boxes_of(*window.canvas(), uid))
        if (!box->description().stack_shadow) return ui_testing::choose_on(*window.canvas(), *box, caption);
    return false;
}

}  // namespace

class ObjectTreeTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;

private slots:
    void cleanup() { ui_testing::UiTestEnvironment::reset(); }

    void objects_by_kind_in_registry_order_and_options_nested() {
        GateWindow gate;
        ObjectTree& tree = *gate.tree;
        QCOMPARE(tree.topLevelItemCount(), 6);
        QCOMPARE(tree.top_item(ObjectTree::Top::Project)->text(0), glue::to_ui(GCC::RP->get_name()));
        QCOMPARE(ObjectTree::uid_of(tree.top_item(ObjectTree::Top::Project)), GCC::RP->get_uid());
        const QStringList groups{"Requirements", "DesignProblems", "Options", "Arguments", "Evidences"};
        for (int i = 1; i < 6; ++i) QCOMPARE(tree.topLevelItem(i)->text(0), groups[i - 1]);
        QTreeWidgetItem* project_item = tree.top_item(ObjectTree::Top::Project);
        QCOMPARE(project_item->child(0)->text(0), QStringLiteral("User Stories"));
        QCOMPARE(project_item->child(1)->text(0), QStringLiteral("Mandates"));

        QCOMPARE(children_uids(project_item->child(0)), gate.of_kind(&Node::is_usy));
        QCOMPARE(children_uids(project_item->child(1)), gate.of_kind(&Node::is_man));
        QCOMPARE(children_uids(tree.top_item(ObjectTree::Top::Requirements)), gate.of_kind(&Node::is_req));
        QCOMPARE(children_uids(tree.top_item(ObjectTree::Top::DesignProblems)), gate.of_kind(&Node::is_dpr));
        QCOMPARE(children_uids(tree.top_item(ObjectTree::Top::Arguments)), gate.of_kind(&Node::is_arg));
        QCOMPARE(children_uids(tree.top_item(ObjectTree::Top::Evidences)), gate.of_kind(&Node::is_evd));

        // Top options directly under "Options"; every sub-option under its option;
        // the options below a design problem below an option under that option.
        Uids top_options;
        for (const Option* option : GCC::RP->get_top_options(false)) top_options.push_back(option->get_uid());
        QCOMPARE(children_uids(tree.top_item(ObjectTree::Top::Options)), top_options);
        int sub_options = 0;
        int below_problems = 0;
        for (const std::string& uid : gate.of_kind(&Node::is_opt))
            for (QTreeWidgetItem* shown : tree.items_of(uid)) {
                const auto* option = static_cast<const Option*>(GCC::RP->_get_pointer_to_node_with_uid(uid));
                const std::string above = ObjectTree::uid_of(shown->parent());
                if (const Option* parent = option->get_parent_option()) {
                    QCOMPARE(above, parent->get_uid());
                    ++sub_options;
                } else if (shown->parent() != tree.top_item(ObjectTree::Top::Options)) {
                    QVERIFY(GCC::RP->_get_pointer_to_node_with_uid(above)->is_opt());
                    ++below_problems;
                }
            }
        QVERIFY(sub_options > 0);
        QVERIFY(below_problems > 0);

        // Requirements show their subject; every object has its readiness picture.
        const std::string requirement = gate.of_kind(&Node::is_req).front();
        const auto* shown = static_cast<const VerbCapParamBase*>(GCC::RP->_get_pointer_to_node_with_uid(requirement));
        QCOMPARE(gate.item(requirement)->text(0), glue::to_ui(shown->get_short_txt(0, true)));
        QVERIFY(!gate.item(requirement)->icon(0).isNull());
    }

    void items_are_updated_in_place_as_a_full_rebuild_shows_them() {
        GateWindow gate;
        ObjectTree& tree = *gate.tree;
        const std::string requirement = gate.of_kind(&Node::is_req).front();
        const std::string weapon = uid_of("OPT", "weapon");
        const std::string guard = uid_of("OPT", "Guard");  // weapon is one of its sub-options
        const std::string door = ObjectTree::uid_of(tree.top_item(ObjectTree::Top::Options)->child(0));
        const std::string problem = gate.of_kind(&Node::is_dpr).front();  // Guard's problem
        QVERIFY(!weapon.empty() && !guard.empty() && !door.empty());
        const Uids selection{door, requirement};
        gate.window.set_selection(selection);
        // Marks the item of an object no step touches: it must be the same item at the end.
        constexpr int mark_role = Qt::UserRole + 1;
        gate.item(requirement)->setData(0, mark_role, true);
        ui_testing::ScriptedDialogs dialogs;

        const struct {
            const char* name;
            std::function<void()> step;
        } steps[] = {
            {"rename an option",
             [&] {
                 // As the rename command does: the subject's relatives change with it.
                 auto* option = static_cast<Option*>(GCC::RP->_get_pointer_to_node_with_uid(weapon));
                 const NodeList changed = option->get_impacted_by_subject_change();
                 option->set_subject("sword", false);
                 GCC::RP->add_uids_state(changed);
                 gate.window.request_tree_rebuild();
             }},
            {"paste an option below a design problem, Options folded",
             [&] {
                 tree.collapseItem(tree.top_item(ObjectTree::Top::Options));
                 platform::services().set_clipboard_text(weapon);
                 QVERIFY(choose_on_options_page(gate.window, problem, "Paste object"));
                 gate.window.set_selection(selection);
             }},
            {"delete an option with what it takes along, Options unfolded",
             [&] {
                 tree.expandItem(tree.top_item(ObjectTree::Top::Options));
                 tree.expandItem(tree.top_item(ObjectTree::Top::Requirements));
                 dialogs.script().answer("Warning", toolkit::Answer::Ok);
                 QVERIFY(choose_on_options_page(gate.window, guard, "Delete object"));
                 gate.window.set_selection(selection);
             }},
            {"undo the deletion", [&] { QVERIFY(gate.window.run_command(Command::Undo)); }},
            {"undo the paste", [&] { QVERIFY(gate.window.run_command(Command::Undo)); }},
            {"undo the rename", [&] { QVERIFY(gate.window.run_command(Command::Undo)); }},
            {"redo the rename", [&] { QVERIFY(gate.window.run_command(Command::Redo)); }},
            {"redo the paste", [&] { QVERIFY(gate.window.run_command(Command::Redo)); }},
            {"redo the deletion", [&] { QVERIFY(gate.window.run_command(Command::Redo)); }},
            {"fold an option's sub-options, then rename a requirement",
             [&] {
                 // Nothing is added or moved: the fold must still give way to the stored expansion.
                 QTreeWidgetItem* options = tree.top_item(ObjectTree::Top::Options);
                 QVERIFY(options->isExpanded());
                 QTreeWidgetItem* folded = nullptr;
                 for (int i = 0; i < options->childCount() && !folded; ++i)
                     if (options->child(i)->childCount() > 0) folded = options->child(i);
                 QVERIFY(folded && folded->isExpanded());
                 tree.collapseItem(folded);
                 Node* node = GCC::RP->_get_pointer_to_node_with_uid(requirement);
                 const NodeList changed = node->get_impacted_by_subject_change();
                 node->set_subject("drawbridge", false);
                 GCC::RP->add_uids_state(changed);
                 gate.window.request_tree_rebuild();
             }},
            {"add an option below a design problem without siblings",
             [&] {
                 // Only the options change: nothing is added to the other groups.
                 DesignProblem* alone = nullptr;
                 for (const std::string& uid : gate.of_kind(&Node::is_dpr)) {
                     auto* candidate = static_cast<DesignProblem*>(GCC::RP->_get_pointer_to_node_with_uid(uid));
                     if (!alone && candidate->get_siblings().size() <= 1) alone = candidate;
                 }
                 QVERIFY(alone);
                 alone->add_child_option("moat", true);
                 gate.window.request_tree_rebuild();
             }},
        };
        for (const auto& step : steps) {
            step.step();
            settle();
            ObjectTree rebuilt(gate.window);
            rebuilt.rebuild(false);
            QVERIFY2(shown_by(tree, gate.window) == shown_by(rebuilt, gate.window), step.name);
        }
        // Guard went with its renamed sub-option; the pasted copy stays.
        QVERIFY(!tree.shows(guard) && !tree.shows(weapon));
        QCOMPARE(shown_by(tree, gate.window).filter(QStringLiteral("Sword |")).size(), 1);
        QCOMPARE(gate.window.selected_uids(), selection);
        QVERIFY(gate.coloured_as_selected(door));
        QVERIFY(gate.item(requirement)->data(0, mark_role).toBool());
    }

    void tooltips_show_the_full_text_as_it_is() {
        GateWindow gate;
        const std::string story = gate.of_kind(&Node::is_usy).front();
        GCC::RP->_get_pointer_to_node_with_uid(story)->set_subject("<b>gate</b>", false);
        QTreeWidgetItem* item = gate.item(story);
        gate.tree->scrollToItem(item);
        const QPoint at = gate.tree->visualItemRect(item).center();
        QHelpEvent help(QEvent::ToolTip, at, gate.tree->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(gate.tree->viewport(), &help);
        QCOMPARE(QToolTip::text(),
                 glue::plain_tooltip(glue::to_ui(GCC::RP->_get_pointer_to_node_with_uid(story)->get_txt())));
        QVERIFY(QToolTip::text().contains(QStringLiteral("&lt;b&gt;")));
    }

    // A long text wraps at blanks into lines of at most 60 characters, its
    // words and their order unchanged, so that the tooltip stays on the screen.
    void long_tooltips_wrap_to_a_readable_width() {
        GateWindow gate;
        const std::string story = gate.of_kind(&Node::is_usy).front();
        std::string words;
        for (int i = 0; i < 250; ++i) words += "word" + std::to_string(i) + (i % 7 ? " " : " <b> ");
        Node* node = GCC::RP->_get_pointer_to_node_with_uid(story);
        node->set_subject(words, false);
        QTreeWidgetItem* item = gate.item(story);
        gate.tree->scrollToItem(item);
        const QPoint at = gate.tree->visualItemRect(item).center();
        QHelpEvent help(QEvent::ToolTip, at, gate.tree->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(gate.tree->viewport(), &help);
        QTextDocument shown;
        shown.setHtml(QToolTip::text());
        const QStringList lines = shown.toPlainText().replace(QChar::LineSeparator, QLatin1Char('\n')).split('\n');
        QVERIFY(lines.size() > 20);
        const int screen_width = QGuiApplication::primaryScreen()->availableGeometry().width();
        for (const QString& line : lines) {
            QVERIFY2(line.size() <= 60, qPrintable(line));
            QVERIFY2(QFontMetrics(QToolTip::font()).horizontalAdvance(line) < screen_width, qPrintable(line));
        }
        QCOMPARE(lines.join(QLatin1Char(' ')).simplified(), QString::fromStdString(node->get_txt()).simplified());
    }

    void long_texts_widen_the_column_when_they_come_into_view() {
        GateWindow gate;
        ObjectTree& tree = *gate.tree;
        const std::string evidence = gate.of_kind(&Node::is_evd).back();
        GCC::RP->_get_pointer_to_node_with_uid(evidence)->set_subject(std::string(300, 'w'), false);
        gate.window.request_tree_rebuild();
        settle();
        QTreeWidgetItem* item = gate.item(evidence);
        const int needed = tree.fontMetrics().horizontalAdvance(item->text(0));
        QVERIFY(tree.columnWidth(0) < needed);  // collapsed: not in view
        tree.expandItem(tree.top_item(ObjectTree::Top::Evidences));
        tree.scrollToItem(item);
        settle();
        QVERIFY(tree.columnWidth(0) >= needed);
    }

    void selection_after_a_click() {
        const struct {
            Uids selected;
            std::string clicked;
            bool ctrl;
            Uids after;
        } cases[] = {
            {{}, "a", false, {"a"}},
            {{"b"}, "a", false, {"a"}},
            {{"a"}, "a", false, {}},
            {{"a", "b"}, "b", false, {}},  // a selected object empties the selection
            {{"a"}, "b", true, {"a", "b"}},
            {{"c", "a", "b"}, "a", true, {"c", "b"}},
            {{}, "a", true, {"a"}},
        };
        for (const auto& c : cases) QCOMPARE(object_tree::selection_after_click(c.selected, c.clicked, c.ctrl), c.after);
    }

    void clicks_select_by_uid_and_record_no_undo_state() {
        GateWindow gate;
        const Uids requirements = gate.of_kind(&Node::is_req);
        const std::string a = requirements[0], b = requirements[1], c = requirements[2];
        const size_t states = GCC::RP->get_state_count();
        const bool undo_enabled = gate.window.menu_action(Command::Undo)->isEnabled();

        const struct {
            std::string uid;
            Qt::KeyboardModifiers modifiers;
            Uids after;
        } steps[] = {
            {a, {}, {a}},
            {b, Qt::ControlModifier, {a, b}},
            {c, Qt::ControlModifier, {a, b, c}},
            {b, Qt::ControlModifier, {a, c}},
            {c, {}, {}},
            {b, {}, {b}},
            {a, {}, {a}},
        };
        for (const auto& step : steps) {
            gate.click(step.uid, step.modifiers);
            QCOMPARE(gate.window.selected_uids(), step.after);
            QCOMPARE(project_selection(), sorted(step.after));
            for (const std::string& uid : {a, b, c})
                QCOMPARE(gate.coloured_as_selected(uid),
                         std::find(step.after.begin(), step.after.end(), uid) != step.after.end());
        }
        // A group selects nothing; its arrow folds it and selects nothing either.
        QTreeWidgetItem* group = gate.tree->top_item(ObjectTree::Top::Requirements);
        gate.press(group, Qt::LeftButton);
        QCOMPARE(gate.window.selected_uids(), Uids{a});
        QTreeWidgetItem* option = gate.item(gate.of_kind(&Node::is_opt).front());
        QVERIFY(option->childCount() > 0 && option->isExpanded());
        const QRect row = gate.tree->visualItemRect(option);
        QTest::mouseClick(gate.tree->viewport(), Qt::LeftButton, {},
                          QPoint(row.left() - gate.tree->indentation() / 2, row.center().y()));
        QVERIFY(!option->isExpanded());
        QCOMPARE(gate.window.selected_uids(), Uids{a});

        // Selecting is no edit: no undo state, nothing unsaved.
        settle();
        QCOMPARE(GCC::RP->get_state_count(), states);
        QCOMPARE(gate.window.menu_action(Command::Undo)->isEnabled(), undo_enabled);
        QVERIFY(gate.window.is_saved());
    }

    void a_right_click_opens_the_objects_menu_without_selecting() {
        GateWindow gate;
        const Uids requirements = gate.of_kind(&Node::is_req);
        gate.click(requirements[0]);
        gate.press(gate.item(requirements[1]), Qt::RightButton);
        QCOMPARE(gate.window.selected_uids(), Uids{requirements[0]});
        QMenu* menu = gate.tree->context_menu();
        QVERIFY(menu->isVisible());
        QCOMPARE(gate.tree->context_uid(), requirements[1]);
        QCOMPARE(gate.tree->currentItem(), gate.item(requirements[1]));
        // The assembled window has the comment and related-objects windows.
        for (QAction* action : menu->actions()) QVERIFY(action->isEnabled());
        menu->hide();
        gate.press(gate.tree->top_item(ObjectTree::Top::Arguments), Qt::RightButton);
        QVERIFY(!menu->isVisible());

        std::vector<std::pair<std::string, std::string>> opened;
        MainWindow::SecondaryWindows windows;
        windows.related_objects = [&](const std::string& uid, const QPoint&) { opened.emplace_back("related", uid); };
        windows.comment_popup = [&](const std::string& uid, const QPoint&) { opened.emplace_back("comments", uid); };
        gate.window.install_secondary_windows(windows);
        gate.press(gate.item(requirements[1]), Qt::RightButton);
        QCOMPARE(menu->actions().size(), 2);
        QCOMPARE(menu->actions()[0]->text(), QStringLiteral("Show related objects"));
        QCOMPARE(menu->actions()[1]->text(), QStringLiteral("Show and edit comments"));
        ui_testing::trigger(*menu->actions()[0]);
        ui_testing::trigger(*menu->actions()[1]);
        menu->hide();
        QCOMPARE(opened, (std::vector<std::pair<std::string, std::string>>{{"related", requirements[1]},
                                                                           {"comments", requirements[1]}}));
    }

    void the_selection_survives_rebuilds_undo_and_deletion_in_order() {
        GateWindow gate;
        const Uids requirements = gate.of_kind(&Node::is_req);
        const std::string evidence = gate.of_kind(&Node::is_evd).front();
        GCC::RP->add_user_story("report", "its state", "gate", "", false);  // an edit to undo
        gate.window.request_tree_rebuild();
        settle();

        gate.click(requirements[2], Qt::ControlModifier);
        gate.click(evidence, Qt::ControlModifier);
        gate.click(requirements[0], Qt::ControlModifier);
        const Uids chosen{requirements[2], evidence, requirements[0]};
        QCOMPARE(gate.window.selected_uids(), chosen);

        gate.window.request_tree_rebuild();
        settle();
        QCOMPARE(gate.window.selected_uids(), chosen);
        QCOMPARE(gate.window.first_selected_uid(), requirements[2]);
        QVERIFY(gate.coloured_as_selected(evidence));

        // Undo and redo rebuild every object; the selection is no part of the history.
        QVERIFY(gate.window.run_command(Command::Undo));
        settle();
        QCOMPARE(gate.window.selected_uids(), chosen);
        QVERIFY(gate.window.run_command(Command::Redo));
        settle();
        QCOMPARE(gate.window.selected_uids(), chosen);
        QCOMPARE(project_selection(), sorted(chosen));
        QVERIFY(gate.coloured_as_selected(requirements[0]));

        // A deleted object leaves the selection; the others keep their order.
        delete GCC::RP->_get_pointer_to_node_with_uid(evidence);
        GCC::RP->add_node_state();
        gate.window.request_tree_rebuild();
        settle();
        QCOMPARE(gate.window.selected_uids(), (Uids{requirements[2], requirements[0]}));
        QCOMPARE(project_selection(), sorted({requirements[2], requirements[0]}));
    }

    void pages_that_start_from_the_selection_are_redrawn() {
        GateWindow gate;
        std::vector<std::string> painted_from;
        std::string follow;  // the Validation page follows its option, as a painter may
        gate.window.install_page_painter([&](TabPage, QGraphicsScene&) {
            painted_from.push_back(main_window()->first_selected_uid());
            if (!follow.empty()) main_window()->select_uid(follow);
        });
        const Uids requirements = gate.of_kind(&Node::is_req);
        gate.click(requirements[0]);
        settle();
        QVERIFY(painted_from.empty());  // the Project page does not follow the selection

        gate.window.activate_page(TabPage::Problems);
        settle();
        painted_from.clear();
        gate.click(requirements[1]);
        QVERIFY(painted_from.empty());  // queued, never inside the click
        settle();
        QCOMPARE(painted_from, Uids{requirements[1]});

        follow = requirements[2];
        gate.click(requirements[0]);
        settle();
        settle();
        QCOMPARE(painted_from, (Uids{requirements[1], requirements[0]}));
        QCOMPARE(gate.window.selected_uids(), Uids{requirements[2]});
        QVERIFY(gate.coloured_as_selected(requirements[2]));
    }

    void expansion_is_kept_and_stored() {
        GateWindow gate;
        ObjectTree& tree = *gate.tree;
        const auto expanded = [&](ObjectTree::Top top) { return tree.top_item(top)->isExpanded(); };
        QTreeWidgetItem* stories = tree.top_item(ObjectTree::Top::Project)->child(0);
        // The defaults: Project and Options expanded, with everything below them.
        QVERIFY(expanded(ObjectTree::Top::Project));
        QVERIFY(stories->isExpanded());
        QVERIFY(expanded(ObjectTree::Top::Options));
        QVERIFY(!expanded(ObjectTree::Top::Requirements));
        const std::string sub_option = [&] {
            for (const std::string& uid : gate.of_kind(&Node::is_opt))
                if (static_cast<Option*>(GCC::RP->_get_pointer_to_node_with_uid(uid))->get_parent_option()) return uid;
            return std::string();
        }();
        QVERIFY(gate.item(sub_option)->parent()->isExpanded());

        // The user's expansion survives a rebuild; the user stories stay in view.
        tree.expandItem(tree.top_item(ObjectTree::Top::Requirements));
        tree.collapseItem(tree.top_item(ObjectTree::Top::Options));
        tree.collapseItem(stories);
        QVERIFY(gate.window.run_command(Command::FontIncrease));
        settle();
        QVERIFY(expanded(ObjectTree::Top::Requirements));
        QVERIFY(!expanded(ObjectTree::Top::Options));
        QVERIFY(tree.top_item(ObjectTree::Top::Project)->child(0)->isExpanded());
        QVERIFY(settings().req_node_expanded);
        QVERIFY(!settings().opt_node_expanded);

        // A group without children keeps its stored flag.
        gate.window.set_saved(true);
        QVERIFY(gate.window.run_command(Command::New));
        settle();
        settings().arg_node_expanded = true;
        tree.store_expansion();
        QVERIFY(settings().arg_node_expanded);
    }

    void an_opened_file_brings_its_expansion() {
        const QString file = environment.documents_folder() + QStringLiteral("/expanded.xml");
        GateWindow gate;
        QTreeWidgetItem* problems = gate.tree->top_item(ObjectTree::Top::DesignProblems);
        gate.tree->expandItem(problems);
        ui_testing::ScriptedDialogs dialogs;
        const auto choose = [file](QDialog& dialog) {
            static_cast<QFileDialog&>(dialog).selectFile(file);
            dialog.accept();
            return dialog.result();
        };
        dialogs.script().expect(QStringLiteral("Save Morvanta file"), choose);
        QVERIFY(gate.window.run_command(Command::SaveAs));
        QVERIFY(settings().dpr_node_expanded);

        // Collapsed now, expanded in the file: the file's expansion wins.
        gate.tree->collapseItem(problems);
        dialogs.script().expect(QStringLiteral("Open Morvanta file"), choose);
        QVERIFY(gate.window.run_command(Command::Open));
        settle();
        QVERIFY(gate.tree->top_item(ObjectTree::Top::DesignProblems)->childCount() > 0);
        QVERIFY(gate.tree->top_item(ObjectTree::Top::DesignProblems)->isExpanded());
    }
};

QTEST_MAIN(ObjectTreeTest)
#include "test_object_tree.moc"
