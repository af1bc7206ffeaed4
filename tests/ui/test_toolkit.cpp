// Themed windows, message boxes and controls.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>

#include "tests/ui/support/dialog_script.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/glue/screen_placement.h"
#include "ui/theme/fonts.h"
#include "ui/toolkit/app_button.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/app_form_resizable.h"
#include "ui/toolkit/app_label.h"
#include "ui/toolkit/app_scroll_label.h"
#include "ui/toolkit/app_text_box.h"
#include "ui/toolkit/column_fill.h"
#include "ui/toolkit/data_grid_form.h"
#include "ui/toolkit/frame_geometry.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/strip_style.h"
#include "ui/toolkit/title_bar.h"

using toolkit::Answer;
using toolkit::AppMessageBox;
using toolkit::FrameArea;

namespace {

void wheel(QWidget& widget, int delta) {
    QWheelEvent event(QPointF(5, 5), widget.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &event);
}

void send_mouse(QWidget& widget, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent event(type, pos, widget.mapTo(widget.window(), pos), widget.mapToGlobal(pos), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

}  // namespace

class ToolkitTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;

private slots:
    void cleanup() { ui_testing::UiTestEnvironment::reset(); }

    void a_button_of_no_size_takes_its_size_from_the_font() {
        QFont font = gcm::arial(12);
        for (int pixels = 8; QFontMetrics(font).height() != 15 && pixels < 30; ++pixels) font = gcm::arial(pixels);
        QCOMPARE(QFontMetrics(font).height(), 15);
        QWidget parent;
        toolkit::AppButton button(&parent, QStringLiteral("OK"), font, 3, 4, 0, 0);
        QCOMPARE(button.geometry(), QRect(3, 4, 92, 23));
        QVERIFY(!button.autoDefault());
    }

    void labels_show_model_text_literally() {
        QWidget parent;
        toolkit::AppLabel label(&parent, QStringLiteral("<b>gate</b>"), 0, 0, Qt::black);
        QCOMPARE(label.textFormat(), Qt::PlainText);
    }

    void combo_box_collapsed_text() {
        const struct {
            const char* item;
            const char* shown;
        } cases[] = {
            {"Valid-  | Hide Integration Requirements", "Valid-"},
            {"All+    | Show Integration Requirements", "All+"},
            {"| starts with the bar", "| starts with the bar"},
            {"no bar at all", "no bar at all"},
        };
        for (const auto& c : cases)
            QCOMPARE(toolkit::AppComboBox::collapsed_text(QString::fromLatin1(c.item)), QString::fromLatin1(c.shown));
    }

    void combo_box_keys_paste_and_wheel() {
        QWidget parent;
        std::vector<std::string> items;
        for (int i = 0; i < 30; ++i) items.push_back("entry " + std::to_string(i));
        toolkit::AppComboBox combo(&parent, 0, 0, 200, items, 3);
        QSignalSpy chosen(&combo, &toolkit::AppComboBox::selectedIndexChanged);
        QSignalSpy passed(&combo, &toolkit::AppComboBox::keyPassed);
        QCOMPARE(combo.maxVisibleItems(), 11);

        // Neither the wheel, Up nor typing changes the choice; Enter and Esc are passed on.
        wheel(combo, -120);
        QTest::keyClick(&combo, Qt::Key_Up);
        QTest::keyClick(&combo, Qt::Key_E);
        QTest::keyClick(&combo, Qt::Key_Return);
        QCOMPARE(combo.currentIndex(), 3);
        QCOMPARE(passed.count(), 2);
        QCOMPARE(passed.at(1).at(0).toInt(), int(Qt::Key_Return));

        // Out-of-range indexes are ignored; setting an index raises nothing.
        combo.set_selected_index(30);
        combo.set_selected_index(-1);
        QCOMPARE(combo.currentIndex(), 3);
        combo.set_selected_index(7);
        QCOMPARE(combo.currentIndex(), 7);
        QCOMPARE(chosen.count(), 0);

        // Ctrl+V chooses the entry the clipboard names exactly, as the user would.
        QGuiApplication::clipboard()->setText(QStringLiteral("  entry 12 "));
        QTest::keyClick(&combo, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(combo.currentIndex(), 12);
        QCOMPARE(chosen.count(), 1);
        QGuiApplication::clipboard()->setText(QStringLiteral("Entry 12"));
        QTest::keyClick(&combo, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(combo.currentIndex(), 12);
        QCOMPARE(combo.find_string_exact(QString()), -1);
        QVERIFY(!combo.set_selected_item(QStringLiteral("entry")));
        QCOMPARE(combo.currentIndex(), 12);
        QVERIFY(combo.set_selected_item(QStringLiteral("entry 2")));
        QCOMPARE(combo.currentIndex(), 2);
        QCOMPARE(chosen.count(), 1);
    }

    // The list opens right below the box, whichever entry is chosen; where
    // the working area ends below the box, right above it.
    void combo_box_list_opens_right_below_the_box() {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        for (const bool near_the_bottom : {false, true}) {
            QWidget host;
            host.setGeometry(area.left() + 40, near_the_bottom ? area.bottom() - 60 : area.top() + 40, 200, 50);
            toolkit::AppComboBox combo(&host, 10, 10, 120, {"one", "two", "three", "four", "five"}, 3);
            host.show();
            QVERIFY(QTest::qWaitForWindowExposed(&host));
            QTest::keyClick(&combo, Qt::Key_Down);  // opens the list
            QWidget* list = combo.view()->window();
            QVERIFY(list != &host && list->isVisible());
            const QPoint box = combo.mapToGlobal(QPoint(0, 0));
            QCOMPARE(list->geometry().left(), box.x());
            if (near_the_bottom)
                QCOMPARE(list->geometry().bottom() + 1, box.y());
            else
                QCOMPARE(list->geometry().top(), box.y() + combo.height());
            combo.hidePopup();
        }
    }

    void combo_box_returns_its_entries_byte_for_byte() {
        QWidget parent;
        const std::string odd = "bad \xFF byte";
        toolkit::AppComboBox combo(&parent, 0, 0, 0, {"first", odd}, 1);
        QCOMPARE(combo.selected_model_text(), odd);
        QVERIFY(combo.width() > 0);
    }

    void scroll_label_scrolls_by_small_wheel_steps_and_passes_the_wheel_on_when_it_fits() {
        QWidget parent;
        toolkit::AppScrollLabel fits(&parent, QStringLiteral("short"), gcm::arial(14), 0, 0, 200, 100);
        QCOMPARE(fits.scroll().max_scroll(), 0.0);
        QVERIFY(!const_cast<toolkit::ScrollText&>(fits.scroll()).wheel(-120));

        QString long_text;
        for (int i = 0; i < 40; ++i) long_text += QStringLiteral("word%1 ").arg(i);
        toolkit::AppScrollLabel label(&parent, long_text, gcm::arial(14), 0, 0, 80, 40);
        QVERIFY(label.scroll().max_scroll() > 0.0);
        // Eight touchpad deltas of 15 move as far as one notch of 120: one line.
        for (int i = 0; i < 8; ++i) wheel(label, -15);
        QCOMPARE(label.scroll().offset(), label.scroll().line_height());
        wheel(label, 120 * 100);
        QCOMPARE(label.scroll().offset(), 0.0);
        wheel(label, -120 * 100);
        QCOMPARE(label.scroll().offset(), label.scroll().max_scroll());
    }

    void text_box_gives_back_unchanged_text_byte_for_byte() {
        QWidget parent;
        const std::string stored = "line\r\nwith \xFF and https://example.invalid/a?b=c&d=e";
        toolkit::AppTextBox box(&parent, stored, 0, 0, 1);
        QCOMPARE(box.width(), 3);  // never narrower than its frame
        QVERIFY(!box.is_changed());
        QCOMPARE(box.model_text(), stored);

        // Edited text enters the model with "\n" breaks.
        box.set_text(QStringLiteral("one\r\ntwo"));
        QCOMPARE(box.model_text(), std::string("one\ntwo"));
    }

    void text_box_paste_replaces_the_selection_in_one_step() {
        QWidget parent;
        toolkit::AppTextBox box(&parent, "abcdef", 0, 0, 200);
        QTextCursor cursor = box.edit()->textCursor();
        cursor.setPosition(1);
        cursor.setPosition(3, QTextCursor::KeepAnchor);
        box.edit()->setTextCursor(cursor);
        QGuiApplication::clipboard()->setText(QStringLiteral("XYZ"));
        QTest::keyClick(box.edit(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box.text(), QStringLiteral("aXYZdef"));
        QCOMPARE(box.edit()->textCursor().position(), 4);
        QVERIFY(!box.edit()->textCursor().hasSelection());
    }

    void message_boxes_answer_as_their_buttons_and_close_as_cancel() {
        const int f = gcm::app_font_height();
        AppMessageBox empty(AppMessageBox::Kind::Question, QString(), QStringLiteral("save"));
        QCOMPARE(empty.windowTitle(), QStringLiteral("save"));
        QVERIFY(empty.findChild<toolkit::AppLabel*>()->height() >= 2 * f);
        empty.show();
        emit empty.title_bar()->closeClicked();
        QVERIFY(!empty.isVisible());
        QCOMPARE(empty.answer(), Answer::Cancel);
        QCOMPARE(empty.result(), int(QDialog::Rejected));

        ui_testing::ScriptedDialogs dialogs;
        dialogs.script().answer(QStringLiteral("Warning"), Answer::Ok).answer(QStringLiteral("keep"), Answer::No);
        QCOMPARE(toolkit::show_warning(QStringLiteral("Really?")), Answer::Ok);
        QCOMPARE(toolkit::ask_question(QStringLiteral("Keep it?"), QStringLiteral("keep")), Answer::No);
        QCOMPARE(dialogs.script().messages(), (QStringList{QStringLiteral("Really?"), QStringLiteral("Keep it?")}));
    }

    // OK is the default button of the error, warning and information boxes:
    // Return or keypad Enter, on the box or on its focused OK, answers OK; a
    // focused Cancel is pressed by Enter as by Space.
    void enter_answers_the_default_or_the_focused_button() {
        using K = AppMessageBox::Kind;
        struct Case {
            K kind;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            bool on_the_box;
        };
        const Case cases[] = {
            {K::Error, Qt::Key_Return, Qt::NoModifier, false},
            {K::Warning, Qt::Key_Enter, Qt::KeypadModifier, false},
            {K::Warning, Qt::Key_Return, Qt::NoModifier, true},
            {K::Information, Qt::Key_Enter, Qt::KeypadModifier, true},
            {K::Information, Qt::Key_Return, Qt::NoModifier, false},
        };
        for (const Case& c : cases) {
            AppMessageBox box(c.kind, QStringLiteral("Go on?"));
            box.show();
            QApplication::setActiveWindow(&box);
            QVERIFY(QTest::qWaitForWindowActive(&box));
            auto* ok = qobject_cast<toolkit::AppButton*>(QApplication::focusWidget());
            QVERIFY(ok && ok->text() == QStringLiteral("OK"));
            QTest::keyClick(c.on_the_box ? static_cast<QWidget*>(&box) : ok, c.key, c.modifiers);
            QVERIFY(!box.isVisible());
            QCOMPARE(box.answer(), Answer::Ok);
            QCOMPARE(box.result(), int(QDialog::Accepted));
        }

        AppMessageBox warning(AppMessageBox::Kind::Warning, QStringLiteral("Delete?"));
        warning.show();
        QApplication::setActiveWindow(&warning);
        QVERIFY(QTest::qWaitForWindowActive(&warning));
        toolkit::AppButton* cancel = nullptr;
        for (auto* button : warning.findChildren<toolkit::AppButton*>())
            if (button->text() == QStringLiteral("Cancel")) cancel = button;
        QVERIFY(cancel);
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Return);
        QVERIFY(!warning.isVisible());
        QCOMPARE(warning.answer(), Answer::Cancel);
    }

    void message_box_near_the_corner_stays_inside_the_working_area() {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QCursor::setPos(area.bottomRight());
        AppMessageBox box(AppMessageBox::Kind::Error, QStringLiteral("Failed."));
        const int inset = 2 * gcm::app_font_height();
        QCOMPARE(box.geometry().right() + 1, area.right() + 1 - inset);
        QCOMPARE(box.geometry().bottom() + 1, area.bottom() + 1 - inset);
        QCOMPARE(box.windowTitle(), QStringLiteral("Error"));
    }

    void where_presses_move_or_size_a_frameless_window() {
        const QSize size(800, 600);
        const struct {
            QPoint pos;
            bool maximised;
            bool draggable;
            FrameArea area;
        } cases[] = {
            {{3, 597}, false, false, FrameArea::BottomLeft},
            {{400, 3}, false, true, FrameArea::Caption},  // the top edge belongs to the title bar
            {{3, 3}, false, true, FrameArea::TopLeft},
            {{797, 3}, false, true, FrameArea::TopRight},
            {{797, 300}, false, false, FrameArea::Right},
            {{400, 598}, false, false, FrameArea::Bottom},
            {{400, 300}, false, false, FrameArea::Client},
            {{3, 597}, true, false, FrameArea::Client},  // a maximised window is not sized
            {{3, 3}, true, true, FrameArea::Caption},
        };
        for (const auto& c : cases) QCOMPARE(toolkit::frame_area(c.pos, size, 6, c.maximised, c.draggable), c.area);
        QCOMPARE(toolkit::resized_geometry(QRect(100, 100, 400, 300), Qt::LeftEdge | Qt::BottomEdge, QPoint(500, 50),
                                           QSize(200, 100)),
                 QRect(300, 100, 200, 350));
    }

    void resizable_window_keeps_its_bounds_across_maximise() {
        toolkit::AppFormResizable window(QStringLiteral("Table"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Table"));
        window.setGeometry(50, 60, 400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.toggle_maximised();
        QTRY_VERIFY(window.isMaximized());
        window.toggle_maximised();
        QTRY_VERIFY(!window.isMaximized());
        QCOMPARE(window.geometry(), QRect(50, 60, 400, 300));
    }

    // A window manager that starts a move at the press swallows the second click
    // of a double click: the move waits for the pointer to leave the drag distance.
    void title_bar_moves_the_window_only_past_the_drag_distance_and_double_clicks_toggle_maximise() {
        toolkit::AppFormResizable window(QStringLiteral("Table"));
        window.setGeometry(50, 60, 400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        toolkit::TitleBar& bar = *window.title_bar();
        QSignalSpy drags(&bar, &toolkit::TitleBar::dragStarted);
        const QPoint press(150, 8);
        const int distance = QApplication::startDragDistance();

        send_mouse(bar, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
        send_mouse(bar, QEvent::MouseMove, press + QPoint(distance - 1, 0), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(drags.count(), 0);
        QCOMPARE(QWidget::mouseGrabber(), nullptr);  // nothing moves the window yet
        send_mouse(bar, QEvent::MouseMove, press + QPoint(distance, 0), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(drags.count(), 1);
        QCOMPARE(drags.at(0).at(0).toPoint(), bar.mapTo(&window, press));
        // Without a window system that moves it, the window follows the pointer itself.
        QCOMPARE(QWidget::mouseGrabber(), &window);
        send_mouse(window, QEvent::MouseButtonRelease, press, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
        window.setGeometry(50, 60, 400, 300);

        // Press, release, double click, release, each time without moving.
        const auto double_click = [&] {
            send_mouse(bar, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
            send_mouse(bar, QEvent::MouseButtonRelease, press, Qt::LeftButton, Qt::NoButton);
            send_mouse(bar, QEvent::MouseButtonDblClick, press, Qt::LeftButton, Qt::LeftButton);
            send_mouse(bar, QEvent::MouseButtonRelease, press, Qt::LeftButton, Qt::NoButton);
        };
        double_click();
        QTRY_VERIFY(window.isMaximized());
        double_click();
        QTRY_VERIFY(!window.isMaximized());
        QCOMPARE(window.geometry(), QRect(50, 60, 400, 300));
        QCOMPARE(drags.count(), 1);
        QCOMPARE(QWidget::mouseGrabber(), nullptr);

        // A press released within the drag distance starts nothing later.
        send_mouse(bar, QEvent::MouseButtonPress, press, Qt::LeftButton, Qt::LeftButton);
        send_mouse(bar, QEvent::MouseButtonRelease, press, Qt::LeftButton, Qt::NoButton);
        send_mouse(bar, QEvent::MouseMove, press + QPoint(3 * distance, 0), Qt::NoButton, Qt::NoButton);
        QCOMPARE(drags.count(), 1);
    }

    void table_window_keeps_its_scroll_row_and_finds_clicked_cells() {
        toolkit::ShowDataGridViewForm table(QStringLiteral("References"));
        const QRect area = glue::available_geometry_under_mouse();
        QCOMPARE(table.size(), glue::screen_size(0.8, 0.8));
        QCOMPARE(table.geometry().center().x() / 10, area.center().x() / 10);
        // A white panel: header, button and chosen button cells 20, 30 and 40 darker.
        QCOMPARE(table.header_row_color(), QColor(235, 235, 235));
        QCOMPARE(table.btn_color(), QColor(225, 225, 225));
        QCOMPARE(table.btn_sel_color(), QColor(215, 215, 215));

        QTableWidget& grid = *table.grid();
        QCOMPARE(table.scroll_row_index(), -1);
        table.restore_scroll_row_index(3);  // an empty grid is left alone
        grid.setColumnCount(2);
        grid.setRowCount(200);
        for (int row = 0; row < 200; ++row) grid.setItem(row, 0, new QTableWidgetItem(QString::number(row)));
        table.style_button_cell(grid.item(5, 0));
        QVERIFY(toolkit::ShowDataGridViewForm::is_button_cell(grid.item(5, 0)));
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        table.restore_scroll_row_index(40);
        QCOMPARE(table.scroll_row_index(), 40);
        table.restore_scroll_row_index(-5);
        QCOMPARE(table.scroll_row_index(), 40);
        table.restore_scroll_row_index(5000);
        QVERIFY(grid.rowAt(grid.viewport()->height() - 1) == 199);

        const QRect cell = grid.visualItemRect(grid.item(grid.rowAt(0), 0));
        QVERIFY(table.set_clicked_cell(cell.center()));
        QCOMPARE(table.clicked_cell(), grid.item(grid.rowAt(0), 0));
        QCOMPARE(table.click_pos(), grid.viewport()->mapToGlobal(cell.center()));
        QVERIFY(!table.set_clicked_cell(QPoint(grid.viewport()->width() - 2, cell.center().y())));
        QVERIFY(table.clicked_cell() == nullptr);
    }

    void columns_share_the_width_by_weight_above_their_minimums() {
        struct Case {
            int available;
            std::vector<toolkit::FillColumn> columns;
            std::vector<int> widths;
        };
        const std::vector<Case> cases{
            {1050, {{5, 50}, {100, 0}, {100, 0}}, {50, 500, 500}},        // the small weight is pinned
            {2050, {{5, 50}, {100, 0}, {100, 0}}, {50, 1000, 1000}},
            {4100, {{5, 50}, {100, 0}, {100, 0}}, {100, 2000, 2000}},     // a share above the minimum
            {10, {{1, 0}, {1, 0}, {1, 0}}, {3, 3, 4}},                    // the remainder goes to the last
            {100, {{1, 80}, {1, 80}}, {80, 80}},                          // minimums wider than the table
            {300, {{1, 0}, {1, 250}}, {50, 250}},
        };
        for (const Case& c : cases) QCOMPARE(toolkit::fill_widths(c.available, c.columns), c.widths);
    }

    void strip_hover_colours_shift_their_background() {
        const toolkit::StripColours light = toolkit::strip_colours(Qt::gray, QColor(245, 245, 245), Qt::black,
                                                                   QColor(30, 30, 30), Qt::white);
        QCOMPARE(light.hover_strip, QColor(225, 225, 225));
        QCOMPARE(light.hover_dropdown, QColor(50, 50, 50));
    }
};

QTEST_MAIN(ToolkitTest)
#include "test_toolkit.moc"
