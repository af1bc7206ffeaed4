// The main window: layout rules, start-up state, command states, zoom and
// filter, undo and redo, keys, tab buttons, queued rebuilds, recent files,
// closing, readiness pictures and the selection services.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QWheelEvent>
#include <filesystem>
#include <fstream>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "core/model/user_story.h"
#include "tests/ui/support/dialog_script.h"
#include "tests/ui/support/ui_driving.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/icons/icon_library.h"
#include "ui/main_window/canvas_view.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/tab_page_buttons.h"
#include "ui/main_window/window_layout.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"
#include "ui/theme/texts.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/title_bar.h"

using toolkit::Answer;

namespace {

ProjectSettings& settings() { return GCC::RP->get_settings(); }

void settle() { QCoreApplication::processEvents(); }

void show_active(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

void ctrl_wheel(QWidget& target, int delta) {
    QWheelEvent event(QPointF(20, 20), target.mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&target, &event);
}

// Answers a file chooser with path.
ui_testing::DialogScript::Response choose_file(const QString& path) {
    return [path](QDialog& dialog) {
        auto& chooser = static_cast<QFileDialog&>(dialog);
        chooser.selectFile(path);
        dialog.accept();  // the chooser's own checks, as its button would
        return dialog.result();
    };
}

// Chooses a filter entry as the user would: by pasting its text into the chooser.
void choose_filter(MainWindow& window, int entry) {
    QGuiApplication::clipboard()->setText(window.filter_chooser()->itemText(entry));
    QTest::keyClick(window.filter_chooser(), Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);  // the choice is taken once the chooser returned
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;

    void write_config(int font_size, const std::vector<std::string>& recent) {
        ProjectSettings configured;
        configured.font_size = static_cast<uint16_t>(font_size);
        configured.recent_files = recent;
        QCOMPARE(configured.export_settings_to_config(), std::string());
    }

private slots:
    void cleanup() {
        QFile::remove(environment.config_folder() + QStringLiteral("/Morvanta/Morvanta_config.xml"));
        ui_testing::UiTestEnvironment::reset();
    }

    void layout_rules_in_units_of_the_font_height() {
        for (const int f : {16, 20}) {
            window_layout::Input in;
            in.font_height = f;
            in.border = 1;
            in.title_bar_height = f + 14;
            in.tool_strip_w = 27 * f;
            in.tool_strip_h = f + 10;
            in.tab_button_width = 6 * f;
            in.client_h = 60 * f;
            const int row = 36 * f;
            const int top = f + (f + 14 + 2) + 14;

            in.client_w = 100 * f;  // room beside the tool strip
            window_layout::Result wide = window_layout::lay_out(in);
            QVERIFY(!wide.two_rows);
            QCOMPARE(wide.split, (window_layout::Box{2, top, 100 * f - 4, 60 * f - top}));
            QCOMPARE(wide.tab_row, (window_layout::Box{100 * f - 2 - row, top - (f + 8) + 1, row, f + 8}));
            QCOMPARE(wide.splitter_distance, 11 * f);
            QCOMPARE(wide.min_width, row + 20);
            QCOMPARE(wide.min_height, 20 * f);

            in.client_w = 60 * f;  // the tab row would cover the tool strip
            window_layout::Result narrow = window_layout::lay_out(in);
            QVERIFY(narrow.two_rows);
            QCOMPARE(narrow.split.y, top + f + 10);
            QCOMPARE(narrow.tab_row.bottom(), narrow.split.y + 1);

            // Just after a font change the need is estimated: (F + 3) 20 + the row + 10.
            in.after_font_change = true;
            in.client_w = (f + 3) * 20 + row + 10;
            QVERIFY(!window_layout::lay_out(in).two_rows);
            in.client_w -= 1;
            QVERIFY(window_layout::lay_out(in).two_rows);
        }
        QVERIFY(window_layout::font_increase_fits(600, 667));
        QVERIFY(!window_layout::font_increase_fits(600, 666));
    }

    void start_up_state() {
        MainWindow window;
        settle();
        QCOMPARE(window.windowTitle(), gcm::program_name);
        QCOMPARE(window.title_bar()->title(), gcm::mainform_name());
        QVERIFY(GCC::RP != nullptr);
        QCOMPARE(GCC::RP->get_name(), std::string("MyProject"));
        QCOMPARE(window.filter_chooser()->currentIndex(), 1);
        QCOMPARE(window.active_page(), TabPage::Project);
        QVERIFY(window.is_saved());
        for (Command disabled : {Command::Undo, Command::Redo, Command::Save})
            QVERIFY(!window.menu_action(disabled)->isEnabled());
        QVERIFY(!window.tool_action(Command::Undo)->isEnabled());
        QVERIFY(window.menu_action(Command::SaveAs)->isEnabled());
        // Commands of later parts are offered once installed.
        QVERIFY(!window.menu_action(Command::References)->isEnabled());
        window.install_command(Command::References, [] {});
        QVERIFY(window.menu_action(Command::References)->isEnabled());
        QVERIFY(!window.tool_action(Command::Screenshot)->isEnabled());
        window.install_command(Command::Screenshot, [] {});
        QVERIFY(window.tool_action(Command::Screenshot)->isEnabled());
        const QList<QAction*> file = window.file_menu()->actions();
        QCOMPARE(file.last()->text(), QStringLiteral("no recent files"));
        QVERIFY(!file.last()->isEnabled());
    }

    void start_up_reads_the_users_configuration() {
        const QString recent = environment.documents_folder() + QStringLiteral("/projects/gate.xml");
        write_config(20, {recent.toStdString()});
        MainWindow window;
        settle();
        QCOMPARE(gcm::app_font().pixelSize(), 20);
        QCOMPARE(settings().font_size, 20);
        QCOMPARE(GCC::RP->get_directory(), (environment.documents_folder() + QStringLiteral("/projects")).toStdString());
        QCOMPARE(window.file_menu()->actions().last()->text(), recent);
        QCOMPARE(window.filter_chooser()->currentIndex(), 1);
        QVERIFY(window.is_saved());
    }

    void saving_through_the_file_commands() {
        MainWindow window;
        show_active(window);
        settle();
        QVERIFY(!window.menu_action(Command::Save)->isEnabled());
        window.set_saved(false);
        QVERIFY(window.menu_action(Command::Save)->isEnabled());
        QVERIFY(window.tool_action(Command::Save)->isEnabled());

        const QString file = environment.documents_folder() + QStringLiteral("/gate.xml");
        ui_testing::ScriptedDialogs dialogs;
        dialogs.script().expect(QStringLiteral("Save Morvanta file"), choose_file(file));
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);  // a new project asks for a name
        QVERIFY(QFile::exists(file));
        QVERIFY(window.is_saved());
        QVERIFY(!window.menu_action(Command::Save)->isEnabled());
        QCOMPARE(window.file_menu()->actions().last()->text(), file);
        QCOMPARE(window.files().state(), file_commands::FileState::Bound);
    }

    // Keys reach their commands whatever the state of the command's items: a
    // new project with nothing unsaved (Save greyed) still asks for a name.
    void ctrl_s_asks_for_a_name_while_the_save_item_is_greyed() {
        MainWindow window;
        show_active(window);
        settle();
        QVERIFY(!window.menu_action(Command::Save)->isEnabled());
        const QString file = environment.documents_folder() + QStringLiteral("/new.xml");
        ui_testing::ScriptedDialogs dialogs;
        dialogs.script().expect(QStringLiteral("Save Morvanta file"), choose_file(file));
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialogs.script().pending(), 0);
        QVERIFY(QFile::exists(file));
        QCOMPARE(window.files().state(), file_commands::FileState::Bound);
    }

    void zoom_marks_unsaved_without_an_undo_step() {
        MainWindow window;
        settle();
        const size_t states = GCC::RP->get_state_count();
        QVERIFY(window.run_command(Command::ZoomIn));
        QCOMPARE(settings().zoom_prj, uint16_t{110});
        QCOMPARE(window.canvas()->zoom_percent(), 110);
        QVERIFY(!window.is_saved());
        QCOMPARE(GCC::RP->get_state_count(), states);

        window.set_saved(true);
        window.run_command(Command::ZoomReset);
        QCOMPARE(window.canvas()->zoom_percent(), 100);
        QVERIFY(!window.is_saved());
    }

    void ctrl_wheel_zooms_by_two_per_notch_and_adds_up_small_steps() {
        MainWindow window;
        settle();
        CanvasView& canvas = *window.canvas();
        ctrl_wheel(*canvas.viewport(), 120);
        QCOMPARE(settings().zoom_prj, uint16_t{102});
        for (int i = 0; i < 8; ++i) ctrl_wheel(*canvas.viewport(), 15);  // a touchpad
        QCOMPARE(settings().zoom_prj, uint16_t{104});
        ctrl_wheel(*canvas.viewport(), -120);
        QCOMPARE(settings().zoom_prj, uint16_t{102});

        // At the limit nothing changes, not even the saved state.
        settings().zoom_prj = settings().max_zoom;
        window.set_saved(true);
        ctrl_wheel(*canvas.viewport(), 120);
        QCOMPARE(settings().zoom_prj, settings().max_zoom);
        QVERIFY(window.is_saved());
    }

    void a_zoom_from_a_damaged_file_is_clamped_where_it_is_used() {
        MainWindow window;
        settings().zoom_prb = 60000;
        window.activate_page(TabPage::Problems);
        QCOMPARE(window.canvas()->zoom_percent(), 500);
        window.activate_page(TabPage::Project);
        QCOMPARE(window.canvas()->zoom_percent(), 100);
    }

    void filter_changes_mark_unsaved_and_undo_restores_the_chooser() {
        MainWindow window;
        settle();
        show_active(window);
        const size_t states = GCC::RP->get_state_count();
        choose_filter(window, 2);
        QCOMPARE(settings().get_show_int(), uint16_t{2});
        QVERIFY(!window.is_saved());
        QCOMPARE(GCC::RP->get_state_count(), states);

        GCC::RP->add_user_story("open", "remotely", "gate", "", false);  // an edit: one undo state
        choose_filter(window, 4);
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // no key of the window
        settle();
        QCOMPARE(window.filter_chooser()->currentIndex(), 4);

        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        settle();
        QCOMPARE(settings().get_show_int(), uint16_t{1});
        QCOMPARE(window.filter_chooser()->currentIndex(), 1);
        QVERIFY(!window.is_saved());
        QVERIFY(window.menu_action(Command::Redo)->isEnabled());
        QVERIFY(!window.menu_action(Command::Undo)->isEnabled());

        QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
        settle();
        QCOMPARE(window.filter_chooser()->currentIndex(), 2);
        QCOMPARE(GCC::RP->get_child_user_stories().size(), size_t{1});
    }

    void rebuilds_are_queued_and_coalesced() {
        MainWindow window;
        int pages = 0;
        int trees = 0;
        window.install_page_painter([&](TabPage, QGraphicsScene& scene) {
            ++pages;
            scene.addRect(0, 0, 2000, 1500);
        });
        window.install_tree_builder([&](bool) { ++trees; });
        settle();
        pages = trees = 0;

        window.request_page_rebuild(true);
        window.request_tree_rebuild();
        window.request_page_rebuild(true);
        QCOMPARE(pages, 0);  // never inside the handler that asked
        QVERIFY(!window.is_saved());
        settle();
        QCOMPARE(pages, 1);
        QCOMPARE(trees, 1);

        // The scroll position is kept, or the top-left shown when any request said so.
        window.resize(800, 600);
        window.request_page_rebuild(false);
        settle();
        window.canvas()->verticalScrollBar()->setValue(300);
        window.request_page_rebuild(true);
        settle();
        QCOMPARE(window.canvas()->verticalScrollBar()->value(), 300);
        window.request_page_rebuild(true);
        window.request_page_rebuild(false);
        settle();
        QCOMPARE(window.canvas()->verticalScrollBar()->value(), 0);
    }

    void tab_buttons_switch_pages_and_the_active_one_does_nothing() {
        MainWindow window;
        std::vector<TabPage> drawn;
        window.install_page_painter([&](TabPage page, QGraphicsScene&) { drawn.push_back(page); });
        settle();
        drawn.clear();
        QTest::mouseClick(window.tab_buttons()->button(TabPage::Project), Qt::LeftButton);
        settle();
        QVERIFY(drawn.empty());
        QTest::mouseClick(window.tab_buttons()->button(TabPage::Options), Qt::LeftButton);
        settle();
        QCOMPARE(window.active_page(), TabPage::Options);
        QCOMPARE(drawn, std::vector<TabPage>{TabPage::Options});
        // Zoom belongs to the page.
        window.run_command(Command::ZoomIn);
        QCOMPARE(settings().zoom_opt, uint16_t{110});
        QCOMPARE(settings().zoom_prj, uint16_t{100});
    }

    void font_increase_needs_room_for_the_tab_row() {
        MainWindow window;
        show_active(window);
        window.resize(1800, 900);
        settle();
        QVERIFY(window.tool_action(Command::FontIncrease)->isEnabled());
        window.resize(window.minimumWidth(), 900);
        settle();
        QVERIFY(!window.tool_action(Command::FontIncrease)->isEnabled());
        QVERIFY(window.tool_action(Command::FontDecrease)->isEnabled());

        window.resize(1800, 900);
        const int before = gcm::app_font_height();
        window.run_command(Command::FontIncrease);
        QCOMPARE(settings().font_size, uint16_t{15});
        QVERIFY(gcm::app_font_height() > before);
        QVERIFY(!window.is_saved());
        QCOMPARE(window.tab_buttons()->height(), gcm::app_font_height() + 8);
    }

    void a_missing_recent_file_is_reported_before_the_project_is_replaced() {
        const QString missing = environment.documents_folder() + QStringLiteral("/gone.xml");
        const QString kept = environment.documents_folder() + QStringLiteral("/kept.xml");
        {
            MainWindow writer;
            GCC::RP->set_name("Kept project");
            ui_testing::ScriptedDialogs dialogs;
            dialogs.script().expect(QStringLiteral("Save Morvanta file"), choose_file(kept));
            QVERIFY(writer.run_command(Command::SaveAs));
        }
        write_config(14, {missing.toStdString(), kept.toStdString()});
        MainWindow window;
        window.set_saved(false);  // unsaved work: nothing may be asked for a file that is gone
        Project* project = GCC::RP;
        const auto recent_item = [&window](const QString& path) {
            for (QAction* action : window.file_menu()->actions())
                if (action->text() == path) return action;
            return static_cast<QAction*>(nullptr);
        };

        ui_testing::ScriptedDialogs dialogs;
        dialogs.script()
            .answer(QStringLiteral("Recent files"), Answer::No)
            .answer(QStringLiteral("Recent files"), Answer::Yes)
            .answer(QStringLiteral("save"), Answer::No);
        ui_testing::trigger(*recent_item(missing));
        QCOMPARE(settings().recent_files.size(), size_t{2});
        ui_testing::trigger(*recent_item(missing));
        QCOMPARE(GCC::RP, project);
        QCOMPARE(settings().recent_files, std::vector<std::string>{kept.toStdString()});
        QVERIFY(recent_item(missing) == nullptr);
        ProjectSettings reread;
        QVERIFY(reread.import_settings_from_config());
        QCOMPARE(reread.recent_files, std::vector<std::string>{kept.toStdString()});

        ui_testing::trigger(*recent_item(kept));
        settle();
        QCOMPARE(GCC::RP->get_name(), std::string("Kept project"));
        QVERIFY(window.is_saved());
        QVERIFY(!window.menu_action(Command::Undo)->isEnabled());  // the opened project is the first state
    }

    void closing_asks_only_for_unsaved_work() {
        {
            MainWindow window;
            show_active(window);
            ui_testing::ScriptedDialogs dialogs;  // no question expected
            QVERIFY(window.run_command(Command::Exit));
            QVERIFY(!window.isVisible());
            QVERIFY(GCC::RP == nullptr);
        }
        {
            MainWindow window;
            show_active(window);
            window.set_saved(false);
            ui_testing::ScriptedDialogs dialogs;
            dialogs.script().answer(QStringLiteral("save"), Answer::Cancel).answer(QStringLiteral("save"), Answer::Cancel);
            window.run_command(Command::Exit);
            QVERIFY(window.isVisible());
            QVERIFY(!window.close());
            QVERIFY(window.isVisible());
            QVERIFY(GCC::RP != nullptr);
            QCOMPARE(dialogs.script().messages().value(0), QStringLiteral("Do you want to save the existing Project?"));
        }
        {
            MainWindow window;
            show_active(window);
            window.set_saved(false);
            const auto cancel = [](QDialog& dialog) {
                dialog.reject();
                return dialog.result();
            };
            ui_testing::ScriptedDialogs dialogs;
            dialogs.script()
                .answer(QStringLiteral("save"), Answer::Yes)
                .expect(QStringLiteral("Save Morvanta file"), cancel)  // a save that did not happen
                .answer(QStringLiteral("save"), Answer::No);
            emit window.title_bar()->closeClicked();  // the title bar's close button
            QVERIFY(window.isVisible());
            emit window.title_bar()->closeClicked();
            QVERIFY(!window.isVisible());
            QVERIFY(GCC::RP == nullptr);
        }
    }

    void esc_never_closes_the_main_window() {
        MainWindow window;
        show_active(window);
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isVisible());
    }

    void readiness_pictures() {
        const auto names = ReadinessIcons::names_for(3);
        QCOMPARE(names[0], QStringLiteral("v_3_0"));
        QCOMPARE(names[2], QStringLiteral("v_3_2"));
        QCOMPARE(names[3], QStringLiteral("v_0_3"));
        QCOMPARE(names[11], QStringLiteral("v_0_11"));
        QCOMPARE(names[12], QStringLiteral("v_9_0"));
        QCOMPARE(ReadinessIcons::names_for(42), ReadinessIcons::names_for(9));

        ReadinessIcons icons;
        QCOMPARE(icons.current_icon(20, 12).size(), QSize(20, 20));  // no project: invalidated, full size
        MainWindow window;
        for (int size : {-3, 0, 1}) QVERIFY(window.readiness_icon(size, 0).isNull());
        QCOMPARE(window.readiness_icon(17, 10).size(), QSize(16, 16));
        QVERIFY(window.readiness_icon(17, 13).isNull());
        for (const QPixmap& icon : window.readiness_icon_list(16)) QCOMPARE(icon.size(), QSize(16, 16));
        QVERIFY(window.comment_icon(MainWindowServices::CommentIcon::Add, true, 1).isNull());
        QCOMPARE(window.comment_icon(MainWindowServices::CommentIcon::Text, false, 15).size(), QSize(14, 14));
    }

    void selection_by_uid() {
        MainWindow window;
        QCOMPARE(main_window(), static_cast<MainWindowServices*>(&window));
        Node* first = GCC::RP->add_user_story("open", "remotely", "gate", "", false);
        Node* second = GCC::RP->add_user_story("close", "quickly", "gate", "", false);
        window.select_uid("no such uid");
        QVERIFY(window.selected_uids().empty());
        window.select_uid(second->get_uid());
        window.add_to_selection(first->get_uid());
        window.add_to_selection(first->get_uid());
        QCOMPARE(window.selected_uids(), (std::vector<std::string>{second->get_uid(), first->get_uid()}));
        window.deselect_uid(second->get_uid());
        QCOMPARE(window.first_selected_uid(), first->get_uid());

        GCC::RP->set_sel_uid_set({second->get_uid(), first->get_uid()});
        window.selection_from_project();  // in registry order
        QCOMPARE(window.selected_uids(), (std::vector<std::string>{first->get_uid(), second->get_uid()}));
    }

    void tool_pictures_follow_the_button_colour() {
        MainWindow window;
        const int size = gcm::app_font_height() + 2;
        const auto shows = [&](const char* name) {
            return window.tool_action(Command::Save)->icon().pixmap(size).toImage() ==
                   icons::named(QString::fromLatin1(name), size).toImage();
        };
        QVERIFY(shows("save_75"));
        // A light panel with dark buttons: the light pictures, and the light title bar.
        settings().panel_color = RGB_Color(255, 255, 255);
        settings().button_color = RGB_Color(40, 40, 40);
        window.adopt_new_project();
        QVERIFY(shows("save_10"));
        QCOMPARE(window.title_bar()->palette().color(QPalette::Window), QColor(95, 160, 195));
    }

    // A disabled tool-strip picture stands out less from the strip than the
    // same picture enabled, on dark and on light buttons alike.
    void disabled_tool_pictures_are_dimmed_in_every_scheme() {
        MainWindow window;
        show_active(window);
        // How far the button's pixels lie from the strip's colour, all summed up.
        const auto ink = [&window](Command command) {
            QToolBar* strip = window.tool_strip();
            const QRect button = strip->widgetForAction(window.tool_action(command))->geometry();
            const QImage image = strip->grab(button).toImage();
            const int background = qGray(gcm::scheme().button_color.rgb());
            qint64 sum = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) sum += std::abs(qGray(image.pixel(x, y)) - background);
            return sum;
        };
        for (const RGB_Color buttons : {RGB_Color(40, 40, 40), RGB_Color(230, 230, 230)}) {
            settings().button_color = buttons;
            settings().panel_color = buttons;
            window.adopt_new_project();
            settle();
            QAction* redo = window.tool_action(Command::Redo);
            QVERIFY(!redo->isEnabled());
            const qint64 disabled = ink(Command::Redo);
            redo->setEnabled(true);
            settle();
            const qint64 enabled = ink(Command::Redo);
            QVERIFY2(2 * disabled < enabled, qPrintable(QStringLiteral("%1 vs %2").arg(disabled).arg(enabled)));
        }
    }

    void exports_write_the_chosen_file_or_show_why_not() {
        MainWindow window;
        GCC::RP->set_name("Gate");
        GCC::RP->add_user_story("open", "remotely", "gate", "", false);
        for (Command command : {Command::ExportPdf, Command::ExportReqPdf, Command::ExportReqIf, Command::ExportSysml})
            QVERIFY(window.menu_action(command)->isEnabled());
        const QString target = environment.documents_folder() + QStringLiteral("/exports/gate.reqif");
        ui_testing::ScriptedDialogs dialogs;
        dialogs.script().expect(QStringLiteral("Export ReqIF file"), choose_file(target));
        QVERIFY(window.run_command(Command::ExportReqIf));
        QFile written(target);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray content = written.readAll();
        QVERIFY(content.contains("<REQ-IF"));
        QVERIFY(content.contains("remotely"));
        QCOMPARE(GCC::RP->get_export_directory(), (environment.documents_folder() + QStringLiteral("/exports")).toStdString());

        // A folder that cannot be made (a file stands in its way): the user is told.
        QFile blocker(environment.documents_folder() + QStringLiteral("/blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        dialogs.script()
            .expect(QStringLiteral("Export pdf document"),
                    choose_file(blocker.fileName() + QStringLiteral("/reports/gate.pdf")))
            .answer(QStringLiteral("Error"), Answer::Ok);
        QVERIFY(window.run_command(Command::ExportPdf));
        QVERIFY(!dialogs.script().messages().value(0).isEmpty());
        QVERIFY(!QFile::exists(blocker.fileName() + QStringLiteral("/reports/gate.pdf")));
    }

    void appearance_default_writes_the_configuration() {
        MainWindow window;
        settings().font_size = 17;
        window.run_command(Command::AppearanceDefault);
        QVERIFY(!window.is_saved());
        ProjectSettings reread;
        QVERIFY(reread.import_settings_from_config());
        QCOMPARE(reread.font_size, uint16_t{17});
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
