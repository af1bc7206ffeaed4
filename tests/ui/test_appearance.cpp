// The appearance editor and the colour picker: trying colours without
// touching the project, Apply, Cancel and the configuration file, the
// picker's controls following each other.
#include <QFile>
#include <QGraphicsScene>
#include <QSlider>
#include <QTest>
#include <filesystem>

#include "core/constants/gcc.h"
#include "core/io/project_writer.h"
#include "core/model/project.h"
#include "tests/ui/support/dialog_script.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/appearance/appearance_editor.h"
#include "ui/appearance/colour_picker.h"
#include "ui/glue/colours.h"
#include "ui/glue/screen_placement.h"
#include "ui/main_window/main_window.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"
#include "ui/toolkit/app_button.h"
#include "ui/toolkit/app_label.h"
#include "ui/toolkit/app_text_box.h"
#include "ui/toolkit/title_bar.h"

using appearance::AppearanceEditor;
using appearance::BuiltInScheme;
using appearance::ColourPicker;
using appearance::SampleRow;
using appearance::SingleColour;

namespace {

ProjectSettings& settings() { return GCC::RP->get_settings(); }

std::string saved_text() { return project_file::project_file_text(*GCC::RP); }

void settle() { QCoreApplication::processEvents(); }

QColor colour_of(const RGB_Color& colour) { return glue::to_qcolor(colour); }

// Sets the picker's colour through its number boxes and presses OK.
ui_testing::DialogScript::Response pick(const QColor& colour) {
    return [colour](QDialog& dialog) {
        auto& picker = dynamic_cast<ColourPicker&>(dialog);
        picker.channel_box(ColourPicker::Red)->set_text(QString::number(colour.red()));
        picker.channel_box(ColourPicker::Green)->set_text(QString::number(colour.green()));
        picker.channel_box(ColourPicker::Blue)->set_text(QString::number(colour.blue()));
        QTest::mouseClick(picker.ok_button(), Qt::LeftButton);
        return dialog.result();
    };
}

// Presses OK without changing anything.
ui_testing::DialogScript::Response pick_unchanged() {
    return [](QDialog& dialog) {
        QTest::mouseClick(dynamic_cast<ColourPicker&>(dialog).ok_button(), Qt::LeftButton);
        return dialog.result();
    };
}

// Changes the colour, then cancels.
ui_testing::DialogScript::Response cancel_after_changing() {
    return [](QDialog& dialog) {
        auto& picker = dynamic_cast<ColourPicker&>(dialog);
        QTest::mouseClick(picker.palette_buttons().front(), Qt::LeftButton);
        QTest::mouseClick(picker.cancel_button(), Qt::LeftButton);
        return dialog.result();
    };
}

void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

enum class CloseBy { CancelButton, EscapeKey, TitleBarClose };

void close_without_apply(AppearanceEditor* editor, CloseBy how) {
    switch (how) {
    case CloseBy::CancelButton: click(editor->cancel_button()); break;
    case CloseBy::EscapeKey: QTest::keyClick(editor, Qt::Key_Escape); break;
    case CloseBy::TitleBarClose: emit editor->title_bar()->closeClicked(); break;
    }
}

}  // namespace

class AppearanceTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;

    QString config_path() const {
        return environment.config_folder() + QStringLiteral("/Morvanta/Morvanta_config.xml");
    }
    QByteArray config_bytes() const {
        QFile file(config_path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static ProjectSettings configured() {
        ProjectSettings read;
        read.import_settings_from_config();
        return read;
    }

    static AppearanceEditor* open_editor(MainWindow& window) {
        if (!window.run_command(Command::Appearance)) return nullptr;
        return window.findChild<AppearanceEditor*>();
    }

    // Records the project's state as an edit does, then undoes and redoes it.
    static void record_undo_and_redo(MainWindow& window) {
        GCC::RP->add_uid_state(GCC::RP);
        window.update_undo_redo_buttons();
        QVERIFY(window.run_command(Command::Undo));
        settle();
        QVERIFY(window.run_command(Command::Redo));
        settle();
    }

    // The editor is released on the next turn of the event loop.
    static bool editor_gone(MainWindow& window) {
        return QTest::qWaitFor([&] { return window.findChild<AppearanceEditor*>() == nullptr; }, 1000);
    }

private slots:
    void cleanup() {
        QFile::remove(config_path());
        ui_testing::UiTestEnvironment::reset();
    }

    // ---------------------------------------------------------------- the colour picker

    void picker_number_boxes_clamp_restore_and_drive_the_sliders() {
        struct Case {
            const char* typed;
            QString shown;
            int red;
        };
        for (const Case& c : {Case{"300", "255", 255}, Case{"x", "10", 10}, Case{"", "", 0}, Case{"-4", "0", 0},
                              Case{" 42 ", "42", 42}, Case{"1.5", "10", 10}}) {
            ColourPicker picker(QColor(10, 20, 30), QPoint(0, 0));
            picker.channel_box(ColourPicker::Red)->set_text(QString::fromLatin1(c.typed));
            QCOMPARE(picker.channel_box(ColourPicker::Red)->text(), c.shown);
            QCOMPARE(picker.selected_colour(), QColor(c.red, 20, 30));
            QCOMPARE(picker.channel_slider(ColourPicker::Red)->value(), c.red);
            QCOMPARE(picker.brightness_slider()->value(), qRound((c.red + 50) / 3.0));
            QCOMPARE(picker.preview_colour(), QColor(c.red, 20, 30));
        }

        // Typed key by key, leading zeros vanish as they come: 007 becomes 7.
        ColourPicker picker(QColor(10, 20, 30), QPoint(0, 0));
        toolkit::AppTextBox* green = picker.channel_box(ColourPicker::Green);
        green->set_text(QString());
        QTest::keyClicks(green->edit(), QStringLiteral("007"));
        QCOMPARE(green->text(), QStringLiteral("7"));
        QCOMPARE(picker.selected_colour(), QColor(10, 7, 30));
    }

    void picker_brightness_scales_every_channel() {
        struct Case {
            QColor from;
            int brightness;
            QColor to;
        };
        for (const Case& c : {Case{QColor(0, 0, 0), 128, QColor(128, 128, 128)},
                              Case{QColor(100, 50, 0), 255, QColor(255, 255, 0)},  // factor 255 / 50, clamped
                              Case{QColor(100, 50, 0), 25, QColor(50, 25, 0)},
                              Case{QColor(10, 20, 30), 0, QColor(0, 0, 0)}}) {
            ColourPicker picker(c.from, QPoint(0, 0));
            picker.brightness_slider()->setValue(c.brightness);
            QCOMPARE(picker.selected_colour(), c.to);
            QCOMPARE(picker.brightness_slider()->value(), c.brightness);  // the slider keeps where it was put
            QCOMPARE(picker.channel_slider(ColourPicker::Green)->value(), c.to.green());
            QCOMPARE(picker.channel_box(ColourPicker::Blue)->text(), QString::number(c.to.blue()));
        }
    }

    void picker_sliders_palette_and_labels_follow_each_other() {
        ColourPicker picker(QColor(10, 171, 255), QPoint(0, 0));
        QCOMPARE(picker.rgb_text(), QStringLiteral("RGB: 10, 171, 255"));
        QCOMPARE(picker.hex_text(), QStringLiteral("HEX: #0AABFF"));
        QCOMPARE(picker.brightness_slider()->value(), 145);  // 436 / 3 rounded

        picker.channel_slider(ColourPicker::Green)->setValue(200);
        QCOMPARE(picker.channel_box(ColourPicker::Green)->text(), QStringLiteral("200"));
        QCOMPARE(picker.brightness_slider()->value(), 155);
        QCOMPARE(picker.hex_text(), QStringLiteral("HEX: #0AC8FF"));

        QCOMPARE(static_cast<int>(picker.palette_buttons().size()), 30);
        click(picker.palette_buttons()[11]);  // LightSeaGreen
        QCOMPARE(picker.selected_colour(), QColor(32, 178, 170));
        QCOMPARE(picker.channel_slider(ColourPicker::Red)->value(), 32);
        QCOMPARE(picker.channel_box(ColourPicker::Blue)->text(), QStringLiteral("170"));
        QCOMPARE(picker.brightness_slider()->value(), 127);
        QCOMPARE(picker.preview_colour(), QColor(32, 178, 170));

        // Every palette button lies inside the palette, which lies above the preview.
        for (toolkit::AppButton* button : picker.palette_buttons()) {
            QWidget* panel = button->parentWidget();
            QVERIFY(panel->rect().contains(button->geometry()));
            QVERIFY(panel->geometry().bottom() < picker.channel_box(ColourPicker::Red)->y());
        }
        QVERIFY(picker.rect().contains(picker.cancel_button()->geometry()));

        // A large application font is cut to what a low working area holds: its height / 42.
        gcm::init_fonts(33);
        const int largest = glue::available_geometry_under_mouse().height() / 42;
        QCOMPARE(ColourPicker(Qt::black, QPoint(0, 0)).font().pixelSize(), std::min(33, largest));
    }

    // ---------------------------------------------------------------- trying and cancelling

    void tried_colours_reach_the_window_but_never_the_project() {
        MainWindow window;
        appearance::install(window);
        QColor painted_requirement_fill;
        window.install_page_painter(
            [&](TabPage, QGraphicsScene&) { painted_requirement_fill = gcm::scheme().box_color_req; });
        settle();
        const std::string text_before = saved_text();
        const size_t states_before = GCC::RP->get_state_count();
        const RGB_Color requirement_fill = settings().box_color_req;

        AppearanceEditor* editor = open_editor(window);
        QVERIFY(editor);
        const QColor tried(1, 2, 3);
        ui_testing::ScriptedDialogs dialogs;
        dialogs.script().expect(QStringLiteral("Pick a Color"), pick(tried));
        click(editor->fill_button(SampleRow::Requirement));
        settle();

        // Shown in the editor and, live, in the window and its page.
        QCOMPARE(editor->sample_fill(SampleRow::Requirement)->palette().color(QPalette::Window), tried);
        QCOMPARE(gcm::scheme().box_color_req, tried);
        QCOMPARE(painted_requirement_fill, tried);
        QVERIFY(window.shows_trial_colours());

        // Nothing can capture them: the project, its saved text, its history, the configuration.
        QCOMPARE(settings().box_color_req, requirement_fill);
        QCOMPARE(saved_text(), text_before);
        QVERIFY(window.is_saved());
        QVERIFY(window.run_command(Command::AppearanceDefault));
        QCOMPARE(configured().box_color_req, requirement_fill);
        // An edit recorded meanwhile, undone and redone, holds the project's colours.
        GCC::RP->set_name("Renamed");
        record_undo_and_redo(window);
        QCOMPARE(settings().box_color_req, requirement_fill);
        QCOMPARE(gcm::scheme().box_color_req, tried);  // the trial is still what the window shows

        click(editor->cancel_button());
        QVERIFY(editor_gone(window));
        settle();
        QCOMPARE(gcm::scheme().box_color_req, colour_of(requirement_fill));
        QCOMPARE(painted_requirement_fill, colour_of(requirement_fill));
        QCOMPARE(settings().box_color_req, requirement_fill);
        QCOMPARE(GCC::RP->get_state_count(), states_before + 1);  // the rename alone
        QVERIFY(!window.shows_trial_colours());
    }

    void every_close_but_apply_ends_the_trial() {
        for (CloseBy how : {CloseBy::CancelButton, CloseBy::EscapeKey, CloseBy::TitleBarClose}) {
            MainWindow window;
            appearance::install(window);
            settle();
            const std::string text_before = saved_text();
            AppearanceEditor* editor = open_editor(window);
            click(editor->scheme_button(BuiltInScheme::Dark));
            QCOMPARE(gcm::scheme().panel_color, QColor(30, 30, 30));
            close_without_apply(editor, how);
            QVERIFY(editor_gone(window));
            QCOMPARE(gcm::scheme().panel_color, QColor(255, 255, 255));
            QCOMPARE(saved_text(), text_before);
            QVERIFY(window.is_saved());
            QVERIFY(!QFile::exists(config_path()));
        }
    }

    void cancel_after_an_open_leaves_the_new_project_untouched() {
        MainWindow window;
        appearance::install(window);
        settle();
        // A project file in the white scheme.
        const std::string file = (environment.documents_folder() + QStringLiteral("/white.xml")).toStdString();
        settings().colors_to_white();
        QCOMPARE(project_file::save_project_file(*GCC::RP, file), std::string());
        settings().colors_to_default();

        AppearanceEditor* editor = open_editor(window);
        click(editor->scheme_button(BuiltInScheme::Dark));
        window.files().open_file_path(file);
        settle();
        const std::string opened_text = saved_text();
        const size_t opened_states = GCC::RP->get_state_count();
        QCOMPARE(settings().panel_color_sel, RGB_Color(65, 105, 225));  // white scheme, as stored
        QCOMPARE(configured().btn_border_color, RGB_Color(0, 0, 0));    // the open wrote the file's colours
        QCOMPARE(gcm::scheme().panel_color, QColor(30, 30, 30));         // the trial outlives the replacement

        click(editor->cancel_button());
        QVERIFY(editor_gone(window));
        settle();
        QCOMPARE(saved_text(), opened_text);
        QVERIFY(window.is_saved());
        QCOMPARE(GCC::RP->get_state_count(), opened_states);
        QCOMPARE(gcm::scheme().btn_border_color, QColor(0, 0, 0));  // the opened project's own colours
        QCOMPARE(configured().btn_border_color, RGB_Color(0, 0, 0));
    }

    void an_untouched_editor_follows_the_projects_colours() {
        MainWindow window;
        appearance::install(window);
        settle();
        AppearanceEditor* editor = open_editor(window);
        settings().colors_to_dark_colorful();
        record_undo_and_redo(window);
        QVERIFY(editor->trial().has_same_colors(settings()));
        QCOMPARE(editor->sample_fill(SampleRow::Project)->palette().color(QPalette::Window), QColor(92, 110, 128));
        QVERIFY(!editor->colours_changed());
    }

    // ---------------------------------------------------------------- applying

    void apply_records_one_state_and_writes_the_configuration() {
        MainWindow window;
        appearance::install(window);
        settle();
        const std::string text_before = saved_text();
        const size_t states_before = GCC::RP->get_state_count();

        AppearanceEditor* editor = open_editor(window);
        click(editor->scheme_button(BuiltInScheme::Dark));
        ui_testing::ScriptedDialogs dialogs;
        dialogs.script().expect(QStringLiteral("Pick a Color"), pick(QColor(250, 200, 0)));
        click(editor->text_button(SampleRow::Requirement));
        // A view change meanwhile is the window's, not the editor's: Apply keeps it.
        QVERIFY(window.run_command(Command::ZoomIn));
        window.set_saved(true);
        click(editor->apply_button());
        QVERIFY(editor_gone(window));
        settle();

        ProjectSettings expected;
        expected.colors_to_dark();
        expected.txt_color_req = RGB_Color(250, 200, 0);
        QVERIFY(settings().has_same_colors(expected));
        QCOMPARE(settings().zoom_prj, uint16_t{110});
        QCOMPARE(GCC::RP->get_state_count(), states_before + 1);
        QVERIFY(!window.is_saved());
        QVERIFY(configured().has_same_colors(expected));
        QCOMPARE(gcm::scheme().txt_color_req, QColor(250, 200, 0));
        const std::string text_after = saved_text();
        QVERIFY(text_after != text_before);

        QVERIFY(window.run_command(Command::Undo));
        settle();
        QVERIFY(settings().has_same_colors(ProjectSettings()));
        QCOMPARE(gcm::scheme().panel_color, QColor(255, 255, 255));
        QVERIFY(window.run_command(Command::Redo));
        settle();
        QCOMPARE(saved_text(), text_after);
        QCOMPARE(gcm::scheme().panel_color, QColor(30, 30, 30));
    }

    void apply_without_a_change_records_and_writes_nothing() {
        MainWindow window;
        appearance::install(window);
        settle();
        const std::string text_before = saved_text();
        const size_t states_before = GCC::RP->get_state_count();
        enum class Before { Nothing, SameColourPicked, PickerCancelled };
        for (Before before : {Before::Nothing, Before::SameColourPicked, Before::PickerCancelled}) {
            AppearanceEditor* editor = open_editor(window);
            ui_testing::ScriptedDialogs dialogs;
            if (before == Before::SameColourPicked)
                dialogs.script().expect(QStringLiteral("Pick a Color"), pick_unchanged());
            if (before == Before::PickerCancelled)
                dialogs.script().expect(QStringLiteral("Pick a Color"), cancel_after_changing());
            if (before != Before::Nothing) click(editor->single_colour_button(SingleColour::ConnectColour));
            QCOMPARE(editor->colours_changed(), before == Before::SameColourPicked);
            QCOMPARE(window.shows_trial_colours(), before == Before::SameColourPicked);
            click(editor->apply_button());
            QVERIFY(editor_gone(window));
            settle();
            QCOMPARE(GCC::RP->get_state_count(), states_before);
            QVERIFY(window.is_saved());
            QVERIFY(!QFile::exists(config_path()));
            QCOMPARE(saved_text(), text_before);
        }
    }

    // ---------------------------------------------------------------- the window itself

    void scheme_buttons_try_their_scheme() {
        MainWindow window;
        appearance::install(window);
        settle();
        AppearanceEditor* editor = open_editor(window);
        for (const appearance::SchemeSpec& scheme : appearance::schemes()) {
            click(editor->scheme_button(scheme.which));
            ProjectSettings expected;
            (expected.*scheme.apply)();
            QVERIFY(editor->trial().has_same_colors(expected));
            QCOMPARE(gcm::scheme().box_color_usy, colour_of(expected.box_color_usy));
            QCOMPARE(editor->sample_fill(SampleRow::UserStory)->palette().color(QPalette::Window),
                     colour_of(expected.box_color_usy));
            QCOMPARE(editor->sample_label(SampleRow::OptimalOption)->palette().color(QPalette::WindowText),
                     colour_of(expected.txt_color_opt_opt));
            QCOMPARE(editor->palette().color(QPalette::Window), colour_of(expected.panel_color));
            QCOMPARE(editor->apply_button()->border_color(), colour_of(expected.btn_border_color));
            // The two panel rows are framed in their own background, the others in the border colour.
            QCOMPARE(editor->sample_frame(SampleRow::SelectedText)->palette().color(QPalette::Window),
                     colour_of(expected.panel_color_sel));
            QCOMPARE(editor->sample_frame(SampleRow::Mandate)->palette().color(QPalette::Window),
                     colour_of(expected.box_border_color));
        }
        QVERIFY(settings().has_same_colors(ProjectSettings()));
    }

    void one_editor_at_a_time_laid_out_in_rows_of_h() {
        MainWindow window;
        appearance::install(window);
        settle();
        AppearanceEditor* editor = open_editor(window);
        QVERIFY(window.run_command(Command::Appearance));
        QCOMPARE(window.findChildren<AppearanceEditor*>().size(), qsizetype{1});

        const int h = editor->row_height();
        const int w = 7 * h;
        const int top = editor->title_bar_height();
        const int q = (3 * w - 10) / 4;
        QCOMPARE(editor->size(), QSize(3 * w + 70, top + 17 * h + 185));
        QCOMPARE(editor->sample_frame(SampleRow::Evidence)->geometry(), QRect(20, top + 10 + 6 * (h + 10), w, h));
        QCOMPARE(editor->text_button(SampleRow::SelectedText)->geometry(),
                 QRect(2 * (w + 20), top + 10 + 12 * (h + 10), w, h));
        QCOMPARE(editor->single_colour_button(SingleColour::BorderColour)->geometry(),
                 QRect(3 * (q + 10) + 20, top + 10 + 13 * (h + 10), q, h));
        QCOMPARE(editor->apply_button()->geometry(), QRect(3 * (q + 10) + 20, top + 10 + 16 * (h + 10), q, h));
        QCOMPARE(editor->scheme_button(BuiltInScheme::LightColours)->geometry().topLeft(),
                 QPoint(q + 30, top + 10 + 16 * (h + 10)));
        QVERIFY(editor->rect().contains(editor->apply_button()->geometry()));
    }
};

QTEST_MAIN(AppearanceTest)
#include "test_appearance.moc"
