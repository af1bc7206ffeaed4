// The real menus and dialogs, with no dialog script: box menus, the tree's
// menu, the tool strip and the main window's menus are popped up and chosen
// with the mouse, so QMenu's own handlers run, and every dialog and message box
// runs its own event loop, answered from a timer that finds the active modal
// widget. The oracle of each command is the project's saved text before and
// after it, and after its undo and redo; in the end the project is saved
// through the real file chooser and the file holds that text.
#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <fstream>
#include <map>
#include <sstream>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "tests/ui/support/canvas_driver.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/app/assembly.h"
#include "ui/boxes/object_box.h"
#include "ui/main_window/canvas_view.h"
#include "ui/main_window/main_window.h"
#include "ui/tree/object_tree.h"

using ui_testing::saved_text;
using ui_testing::settle;

namespace {

using page_geometry::NodeKind;

// Answers whatever modal dialog is active, as a user at the keyboard and mouse
// would: Accept types a word into the focused text field and presses the
// dialog's OK (or Yes, or Save); Cancel presses Escape. A dialog that is still
// there after a few answers is pressed Escape; one that ignores Escape too is
// closed and reported.
class ModalAnswerer : public QObject {
public:
    enum class Way { Accept, Cancel };

    ModalAnswerer() {
        connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::answer);
        timer_.start(15);
    }

    // The way of the next command's dialogs; what they were is forgotten.
    void begin(Way way) {
        way_ = way;
        titles_.clear();
        answers_ = 0;
    }
    // The file a save dialog is given.
    void set_file_name(const QString& path) { file_name_ = path; }

    const QStringList& titles() const { return titles_; }
    const QStringList& stuck() const { return stuck_; }

private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        if (modal != current_) {
            current_ = modal;
            ticks_ = 0;
            titles_ << modal->windowTitle();
        }
        // A dialog gets a moment to show itself, and to close after an answer.
        if (++ticks_ % 4 != 0) return;
        ++answers_;
        if (answers_ > 12) {
            stuck_ << modal->windowTitle();
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
            return;
        }
        if (auto* files = qobject_cast<QFileDialog*>(modal); files && way_ == Way::Accept && !file_name_.isEmpty()) {
            auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (name) {
                name->selectAll();
                QTest::keyClicks(name, file_name_);
                QTest::keyClick(name, Qt::Key_Return);
                return;
            }
        }
        if (way_ == Way::Cancel || answers_ > 4 || !accept(*modal)) QTest::keyClick(modal, Qt::Key_Escape);
    }

    bool accept(QWidget& modal) {
        QWidget* focus = QApplication::focusWidget();
        const bool typed_into =
            qobject_cast<QLineEdit*>(focus) || qobject_cast<QPlainTextEdit*>(focus) || qobject_cast<QTextEdit*>(focus);
        if (typed_into && modal.isAncestorOf(focus)) QTest::keyClicks(focus, QStringLiteral("Real"));
        for (const QString& caption : {QStringLiteral("OK"), QStringLiteral("Yes"), QStringLiteral("Save")})
            for (QAbstractButton* button : modal.findChildren<QAbstractButton*>())
                if (button->text() == caption && button->isVisible() && button->isEnabled()) {
                    QTest::mouseClick(button, Qt::LeftButton);
                    return true;
                }
        return false;
    }

    QTimer timer_;
    Way way_ = Way::Cancel;
    QString file_name_;
    QPointer<QWidget> current_;
    int ticks_ = 0;
    int answers_ = 0;
    QStringList titles_;
    QStringList stuck_;
};

// Closes the windows a command left open beside the main window (viewers,
// the comment popup), as a user would before the next command.
void close_other_windows(const MainWindow& window) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != &window && top->isVisible() && !qobject_cast<QMenu*>(top)) top->close();
    settle();
}

void click_tool(MainWindow& window, Command command) {
    QWidget* button = window.tool_strip()->widgetForAction(window.tool_action(command));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    settle();
}

// The main window's menu with this caption, popped up by a click on its title.
QMenu* open_menu_bar_menu(MainWindow& window, const QString& title) {
    QMenuBar* bar = window.menu_bar();
    for (QAction* entry : bar->actions())
        if (entry->text() == title && entry->menu()) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(entry).center());
            return qobject_cast<QMenu*>(QApplication::activePopupWidget());
        }
    return nullptr;
}

// The page as it shows with nothing selected (some pages follow the selection).
void show_page(MainWindow& window, TabPage page) {
    for (const std::string& uid : window.selected_uids()) window.deselect_uid(uid);
    window.activate_page(page);
    window.request_page_rebuild(false);
    settle();
}

struct Box {
    TabPage page;
    std::string uid;
};

}  // namespace

class RealMenusTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;
    ModalAnswerer answerer;

    // The oracle around one command: the saved text after it, and after
    // undoing and redoing its states with the tool strip's buttons; then it is
    // undone again.
    template <typename Run>
    void check_command(MainWindow& window, const QString& name, ModalAnswerer::Way way, Run run) {
        ui_testing::settle_fixture(window);
        const std::string before = saved_text();
        answerer.begin(way);
        run();
        settle();
        close_other_windows(window);
        const QByteArray label = name.toUtf8();
        QVERIFY2(answerer.stuck().isEmpty(),
                 qPrintable(name + QStringLiteral(": stuck in ") + answerer.stuck().join(QStringLiteral(","))));
        const std::string after = saved_text();
        const size_t states = ui_testing::recorded_states();
        if (states == 0) return;
        for (size_t i = 0; i < states; ++i) click_tool(window, Command::Undo);
        QVERIFY2(saved_text() == before, label.constData());
        for (size_t i = 0; i < states; ++i) click_tool(window, Command::Redo);
        QVERIFY2(saved_text() == after, label.constData());
        if (after != before) ++changed_;
        // The next command starts from the same project.
        for (size_t i = 0; i < states; ++i) click_tool(window, Command::Undo);
    }

    // One box of every kind, on the first page that shows one.
    std::map<NodeKind, Box> boxes_of_every_kind(MainWindow& window) {
        std::map<NodeKind, Box> found;
        for (TabPage page : all_tab_pages) {
            show_page(window, page);
            for (ObjectBox* box : ui_testing::boxes_on(*window.canvas()))
                if (!box->description().stack_shadow && !box->uid().empty())
                    found.try_emplace(box->description().kind, Box{page, box->uid()});
        }
        return found;
    }

    ObjectBox* shown_box(MainWindow& window, const Box& box) {
        show_page(window, box.page);
        for (ObjectBox* shown : ui_testing::boxes_of(*window.canvas(), box.uid))
            if (!shown->description().stack_shadow) return shown;
        return nullptr;
    }

    int changed_ = 0;

private slots:
    void cleanup() { ui_testing::UiTestEnvironment::reset(); }

    void every_box_command_through_real_menus_and_dialogs() {
        MainWindow window;
        assemble_main_window(window);
        window.resize(1400, 900);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.run_command(Command::GateExample);
        settle();

        const std::map<NodeKind, Box> boxes = boxes_of_every_kind(window);
        const std::vector<NodeKind> kinds{NodeKind::Project,     NodeKind::UserStory,     NodeKind::Mandate,
                                          NodeKind::Requirement, NodeKind::DesignProblem, NodeKind::Option,
                                          NodeKind::Argument,    NodeKind::Evidence};
        QStringList dialogs;
        for (NodeKind kind : kinds) {
            const auto found = boxes.find(kind);
            QVERIFY2(found != boxes.end(), "the example has a box of every kind");
            ObjectBox* box = shown_box(window, found->second);
            QVERIFY(box);
            QMenu* menu = ui_testing::right_click(*window.canvas(), *box);
            QVERIFY(menu);
            QStringList captions;
            for (const QAction* action : menu->actions())
                if (!action->isSeparator() && action->isEnabled()) captions << action->text();
            menu->close();
            settle();

            for (const QString& caption : captions) {
                ObjectBox* target = shown_box(window, found->second);
                QVERIFY(target);
                check_command(window, caption, ModalAnswerer::Way::Accept, [&] {
                    QMenu* popped = ui_testing::right_click(*window.canvas(), *target);
                    QVERIFY(popped);
                    QVERIFY(ui_testing::choose(*popped, caption));
                });
                if (QTest::currentTestFailed()) return;
                dialogs << answerer.titles();
            }

            ObjectBox* target = shown_box(window, found->second);
            QVERIFY(target);
            check_command(window, QStringLiteral("double click"), ModalAnswerer::Way::Accept, [&] {
                window.canvas()->ensureVisible(target);
                const QPoint at = window.canvas()->mapFromScene(target->sceneBoundingRect().center());
                QTest::mouseDClick(window.canvas()->viewport(), Qt::LeftButton, {}, at);
            });
            if (QTest::currentTestFailed()) return;
            dialogs << answerer.titles();
        }
        // The commands reached real dialogs and changed the project through them.
        QVERIFY(dialogs.size() > 20);
        QVERIFY(changed_ > 10);
    }

    void tree_menu_tool_strip_and_main_menus_then_save() {
        MainWindow window;
        assemble_main_window(window);
        window.resize(1400, 900);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.run_command(Command::GateExample);
        settle();

        // The tree's menu on an object's row.
        auto* tree = window.tree_area()->findChild<ObjectTree*>();
        QVERIFY(tree);
        QTreeWidgetItem* row = tree->top_item(ObjectTree::Top::Requirements)->child(0);
        QVERIFY(row);
        tree->scrollToItem(row);
        for (int item = 0; item < 2; ++item) {
            check_command(window, QStringLiteral("tree menu"), ModalAnswerer::Way::Accept, [&] {
                QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, tree->visualItemRect(row).center());
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                QVERIFY(menu);
                QAction* action = menu->actions().at(item);
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                settle();
            });
            if (QTest::currentTestFailed()) return;
        }

        // The tool strip's buttons that open dialogs, and its font and zoom buttons.
        for (Command command :
             {Command::Find, Command::FindUid, Command::Screenshot, Command::ScreenGrab, Command::FontIncrease,
              Command::FontDecrease, Command::ZoomIn, Command::ZoomOut, Command::ZoomReset})
            for (const ModalAnswerer::Way way : {ModalAnswerer::Way::Cancel, ModalAnswerer::Way::Accept}) {
                check_command(window, window.tool_action(command)->text(), way, [&] { click_tool(window, command); });
                if (QTest::currentTestFailed()) return;
            }

        // Every item of the main window's menus but those that replace the
        // project or end the program.
        const QSet<QAction*> replacing{window.menu_action(Command::New),
                                       window.menu_action(Command::Open),
                                       window.menu_action(Command::Close),
                                       window.menu_action(Command::Exit),
                                       window.menu_action(Command::ExplainExample),
                                       window.menu_action(Command::GateExample),
                                       window.menu_action(Command::Save),
                                       window.menu_action(Command::SaveAs)};
        QStringList titles;
        for (QAction* entry : window.menu_bar()->actions()) titles << entry->text();
        int chosen = 0;
        for (const QString& title : titles) {
            QMenu* menu = open_menu_bar_menu(window, title);
            QVERIFY(menu);
            QStringList captions;
            for (QAction* action : menu->actions())
                if (!action->isSeparator() && action->isEnabled() && !action->menu() && !replacing.contains(action) &&
                    !action->text().startsWith(QLatin1Char('/')))
                    captions << action->text();
            menu->close();
            settle();
            for (const QString& caption : captions) {
                check_command(window, title + QStringLiteral(" > ") + caption, ModalAnswerer::Way::Cancel, [&] {
                    QMenu* popped = open_menu_bar_menu(window, title);
                    QVERIFY(popped);
                    QVERIFY(ui_testing::choose(*popped, caption));
                });
                if (QTest::currentTestFailed()) return;
                ++chosen;
            }
        }
        QVERIFY(chosen > 10);

        // Save through the File menu and the real file chooser: the file holds the project's text.
        const QString path = environment.documents_folder() + QStringLiteral("/real.xml");
        answerer.set_file_name(path);
        answerer.begin(ModalAnswerer::Way::Accept);
        QMenu* file = open_menu_bar_menu(window, window.menu_bar()->actions().front()->text());
        QVERIFY(file);
        QVERIFY(ui_testing::choose(*file, window.menu_action(Command::SaveAs)->text()));
        settle();
        answerer.set_file_name({});
        QVERIFY(window.is_saved());
        std::ifstream in(path.toStdString(), std::ios::binary);
        std::stringstream written;
        written << in.rdbuf();
        QCOMPARE(written.str(), saved_text());
    }
};

QTEST_MAIN(RealMenusTest)
#include "test_real_menus.moc"
