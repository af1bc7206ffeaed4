// Texts and diagrams of the program's small windows: every text fits the
// widget that shows it, is shortened or wrapped as intended, and nothing
// stands over anything else.
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>

#include "core/constants/explanation_texts.h"
#include "core/constants/gcc.h"
#include "tests/ui/support/dialog_script.h"
#include "tests/ui/support/ui_driving.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/main_window/main_window.h"
#include "ui/theme/fonts.h"
#include "ui/toolkit/app_button.h"
#include "ui/toolkit/app_combo_box.h"
#include "ui/toolkit/app_label.h"
#include "ui/toolkit/app_text_box.h"
#include "ui/windows/hide_show_dialog.h"
#include "ui/windows/information_window.h"
#include "ui/windows/object_explain_window.h"
#include "ui/windows/secondary_windows.h"

using ui_testing::settle;

namespace {

// The height the label's text takes, wrapped at the label's width in its font.
int text_height(const QLabel& label) {
    return QFontMetrics(label.font())
        .boundingRect(QRect(0, 0, label.contentsRect().width(), 1 << 24), Qt::TextWordWrap, label.text())
        .height();
}

QRect in_panel(const QWidget& widget, const QWidget& panel) {
    return QRect(widget.mapTo(&panel, QPoint(0, 0)), widget.size());
}

// The explanation label holds its whole text; the integration diagram's boxes
// stand inside the panel, clear of the text and of each other, with
// captions that fit.
void check_explanation(const windows::ObjectExplainWindow& explain) {
    const QLabel& label = *explain.explain_label();
    const QWidget& panel = *explain.layout_panel();
    QVERIFY2(text_height(label) <= label.height(), qPrintable(label.text().left(40)));
    const QRect text = in_panel(label, panel);
    QVERIFY(panel.rect().contains(text));
    std::vector<QRect> boxes;
    for (QWidget* control : explain.int_req_controls()) {
        const auto* box = qobject_cast<const toolkit::AppButton*>(control);
        if (!box || !box->isVisible()) continue;
        const QRect r = in_panel(*box, panel);
        QVERIFY2(panel.rect().contains(r), qPrintable(box->text()));
        QVERIFY2(!r.intersects(text), qPrintable(box->text()));
        QVERIFY2(
            QFontMetrics(box->font()).horizontalAdvance(box->text()) <= box->width() - 2 * gcm::box_border_thickness,
            qPrintable(box->text()));
        QVERIFY(QFontMetrics(box->font()).height() <= box->height());
        for (const QRect& other : boxes) QVERIFY2(!r.intersects(other), qPrintable(box->text()));
        boxes.push_back(r);
    }
    if (!explain.int_req_controls().empty()) QCOMPARE(boxes.size(), size_t{9});
}

void click(const windows::ObjectExplainWindow& explain, const std::string& caption) {
    QTest::mouseClick(explain.button(QString::fromStdString(caption)), Qt::LeftButton);
    settle();
}

const std::vector<std::string> kind_names{GCC::prj_nd_name, GCC::usy_nd_name, GCC::man_nd_name, GCC::req_nd_name,
                                          GCC::arg_nd_name, GCC::evd_nd_name, GCC::dpr_nd_name, GCC::opt_nd_name};

// The contact lines name the program and its version and link to no web address.
void check_contact_lines(const QWidget& window) {
    const auto labels = window.findChildren<QLabel*>();
    const QString name = QString::fromStdString(GCC::program_name_and_version());
    QVERIFY(std::any_of(labels.begin(), labels.end(), [&](const QLabel* l) { return l->text() == name; }));
    const QString web = QString::fromStdString(GCC::about_link1).mid(QStringLiteral("https://").size());
    for (const QLabel* label : labels) {
        QVERIFY2(!label->text().contains(QStringLiteral("href=\"") + web + QLatin1Char('"')),
                 qPrintable(label->text()));
        QVERIFY2(!label->text().contains(QString::fromStdString(GCC::about_link1)), qPrintable(label->text()));
    }
}

}  // namespace

class WindowTextsTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;

private slots:
    void cleanup() { ui_testing::UiTestEnvironment::reset(); }

    // Every kind's explanation and the integration diagram, in the normal
    // layout at two widths and maximised.
    void explanation_window_shows_every_text_and_diagram_whole() {
        auto* explain = new windows::ObjectExplainWindow;
        explain->show();
        settle();
        check_contact_lines(*explain);
        const int normal_height = explain->height();
        for (const int width : {explain->width(), explain->width() * 3 / 2}) {
            explain->resize(width, normal_height);
            settle();
            QVERIFY(!explain->presentation_layout());
            // The contact lines follow the explanation, which never runs into them.
            const auto labels = explain->layout_panel()->findChildren<QLabel*>();
            const auto more = std::find_if(labels.begin(), labels.end(), [](const QLabel* l) {
                return l->text() == QStringLiteral("For more information:");
            });
            QVERIFY(more != labels.end());
            QVERIFY(explain->explain_label()->geometry().bottom() < (*more)->geometry().top());
            for (const std::string& kind : kind_names) {
                click(*explain, kind);
                check_explanation(*explain);
                if (QTest::currentTestFailed()) return;
            }
            click(*explain, "Integration Requirement");
            check_explanation(*explain);
            if (QTest::currentTestFailed()) return;
        }
        explain->toggle_maximised();
        settle();
        QVERIFY(explain->presentation_layout());
        QCOMPARE(explain->layout_panel()->width(), 1600);
        for (const std::string& kind : kind_names) {
            click(*explain, kind);
            check_explanation(*explain);
            if (QTest::currentTestFailed()) return;
        }
        click(*explain, "Integration Requirement");
        check_explanation(*explain);
        if (QTest::currentTestFailed()) return;
        // Below the text, 5.5 rows of the diagram above the bottom.
        const auto* argument = qobject_cast<toolkit::AppButton*>(explain->int_req_controls().at(1));
        QCOMPARE(argument->text(), QStringLiteral("Argument"));
        QVERIFY(argument->y() > explain->explain_label()->geometry().bottom());
        explain->close();
        settle();
    }

    void about_window_names_the_program_instead_of_a_web_address() {
        ui_testing::ScriptedDialogs scripted;
        scripted.script().expect("About Morvanta", [](QDialog& dialog) {
            check_contact_lines(dialog);
            dialog.reject();
            return dialog.result();
        });
        MainWindow window;
        windows::install(window);
        QVERIFY(window.run_command(Command::About));
    }

    // The choice shows "Show" and "Hide" whole beside its drop-down button.
    void hide_show_choices_show_their_whole_text() {
        windows::HideShowDialog dialog({"REQ-gone"}, QPoint(50, 50));
        const toolkit::AppComboBox* choice = dialog.choice(0);
        const QFontMetrics metrics(choice->font());
        for (const QString& text : {QStringLiteral("Show"), QStringLiteral("Hide")})
            QVERIFY(metrics.horizontalAdvance(text) + metrics.height() + 4 + 2 * gcm::box_border_thickness <=
                    choice->width());
        QCOMPARE(choice->width(), toolkit::AppComboBox::fitted_width({"Show", "Hide"}));
    }

    // A long default is wrapped at the field's width and shown whole; a short
    // one keeps the one-line field; the answer is the default byte for byte.
    void text_rows_show_their_default_wrapped() {
        std::string long_default;
        for (int i = 0; i < 40; ++i) long_default += "word" + std::to_string(i) + " of a long default text ";
        const std::string short_default = "short";
        dialogs::InputDialog dialog(QPoint(20, 20), "Texts", {"Long", "Short"}, {long_default, short_default}, {});
        dialog.show();
        settle();
        const QPlainTextEdit* long_field = dialog.text_box(0)->edit();
        const QPlainTextEdit* short_field = dialog.text_box(1)->edit();
        const int spacing = QFontMetrics(long_field->font()).lineSpacing();
        const int lines = long_field->document()->lineCount();
        QVERIFY(lines > 3);
        QVERIFY(long_field->viewport()->height() >= lines * spacing);
        QCOMPARE(short_field->document()->lineCount(), 1);
        QCOMPARE(dialog.text_box(1)->height(), gcm::app_font_height() + 2 * gcm::box_border_thickness + 7);
        QVERIFY(dialog.geometry().bottom() >= dialog.mapToGlobal(dialog.text_box(1)->geometry().bottomLeft()).y());
        QCOMPARE(dialog.text_box(0)->model_text(), long_default);
    }
};

// On the 1600 x 1000 screen the faults were seen on.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" QT_TESTCASE_SOURCEDIR "/support/screen_1600x1000.json");
    QApplication app(argc, argv);
    WindowTextsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_window_texts.moc"
