// Text conversion, colours, measuring and placing, number input, fonts.
#include <QTest>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/glue/colours.h"
#include "ui/glue/number_input.h"
#include "ui/glue/screen_placement.h"
#include "ui/glue/text_conversion.h"
#include "ui/glue/text_measure.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"
#include "ui/theme/texts.h"

class GlueTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;

private slots:
    void cleanup() { ui_testing::UiTestEnvironment::reset(); }

    void model_text_enters_and_leaves_widgets_without_added_carriage_returns() {
        // Widgets get model text as it is; carriage returns never pile up over edits.
        QCOMPARE(glue::to_ui("a\nb"), QStringLiteral("a\nb"));
        QCOMPARE(glue::to_model(QStringLiteral("a\r\nb\r\nc")), std::string("a\nb\nc"));
        std::string text = "line one\nline two";
        for (int edit = 0; edit < 3; ++edit) text = glue::to_model(glue::to_ui(text));
        QCOMPARE(text, std::string("line one\nline two"));
        // UTF-8 both ways.
        QCOMPARE(glue::to_model(QString(QChar(0x00E9))), std::string("\xC3\xA9"));
        QCOMPARE(glue::to_ui("\xC3\xA9"), QString(QChar(0x00E9)));
    }

    void tooltips_and_captions_show_model_text_literally() {
        const QString tooltip = glue::plain_tooltip(QStringLiteral("<b>gate</b> & fence"));
        QVERIFY(!tooltip.contains(QStringLiteral("<b>")));
        QVERIFY(tooltip.contains(QStringLiteral("&lt;b&gt;gate&lt;/b&gt; &amp; fence")));
        QCOMPARE(glue::plain_caption(QStringLiteral("/home/a&b.xml")), QStringLiteral("/home/a&&b.xml"));
    }

    void program_texts() {
        QVERIFY(gcm::mainform_name().startsWith(QStringLiteral("    Morvanta - ")));
        QVERIFY(gcm::about_text().contains(QStringLiteral("version: ") + QString::fromStdString(GCC::app_version)));
        QVERIFY(gcm::privacy_policy_text().contains(QStringLiteral("network")));
    }

    void darkness_and_offsets() {
        QVERIFY(!glue::is_dark(QColor(128, 128, 128)));
        QVERIFY(glue::is_dark(QColor(127, 127, 127)));
        QCOMPARE(glue::offset_color(QColor(250, 250, 250), 20), QColor(230, 230, 230));
        QCOMPARE(glue::offset_color(QColor(10, 10, 10), 20), QColor(30, 30, 30));
        QCOMPARE(glue::offset_color(QColor(5, 250, 5), 20), QColor(0, 230, 0));  // light: darkened, clamped
        // Title bars follow the darkness of the panel colour.
        QCOMPARE(gcm::title_bar_colours(QColor(127, 127, 127)).background, QColor(26, 89, 132));
        QCOMPARE(gcm::title_bar_colours(QColor(127, 127, 127)).text, QColor(240, 240, 240));
        QCOMPARE(gcm::title_bar_colours(QColor(128, 128, 128)).background, QColor(95, 160, 195));
        QCOMPARE(gcm::title_bar_colours(QColor(128, 128, 128)).text, QColor(10, 10, 10));
    }

    void wrapping_to_a_width() {
        const QFont font = gcm::arial(14);
        QString unlimited = QStringLiteral("a rather long line of words that goes on and on");
        const QString before = unlimited;
        glue::text_width(unlimited, font, 0);
        QCOMPARE(unlimited, before);

        QString wrapped = before;
        const int width = glue::text_width(wrapped, font, 120);
        QCOMPARE(width, 120);
        QVERIFY(wrapped.count(QLatin1Char('\n')) >= 2);
        QCOMPARE(QString(wrapped).replace(QLatin1Char('\n'), QLatin1Char(' ')), before);
        for (const QString& line : wrapped.split(QLatin1Char('\n')))
            QVERIFY(glue::widest_text_width({line}, font) <= 120);
    }

    void positions_stay_inside_the_working_area_of_their_screen() {
        // A second monitor right of the first, below a top panel of 40 px.
        const QRect second(1920, 40, 1920, 1040);
        const QSize window(400, 300);
        QCOMPARE(glue::clamp_near_edges(second, QPoint(2000, 100), window, 50), QPoint(2000, 100));
        QCOMPARE(glue::clamp_near_edges(second, QPoint(3800, 1070), window, 50), QPoint(3840 - 50 - 400, 1080 - 50 - 300));
        // Never beyond the left or top edge of that screen, not back on the first one.
        QCOMPARE(glue::clamp_near_edges(second, QPoint(100, 0), window, 50), QPoint(1920, 40));
        QCOMPARE(glue::clamp_near_edges(second, QPoint(2000, 0), QSize(3000, 2000), 50), QPoint(1920, 40));
    }

    void numbers_typed_with_either_decimal_point() {
        const struct {
            const char* text;
            std::optional<double> decimal;
            std::optional<int> whole;
        } cases[] = {
            {"2,5", 2.5, std::nullopt}, {"2.5", 2.5, std::nullopt}, {"  42 ", 42.0, 42},  {"-7", -7.0, -7},
            {"+3", 3.0, 3},             {"abc", {}, {}},            {"12abc", {}, {}},    {"", {}, {}},
            {"inf", {}, {}},            {"1e3", 1000.0, {}},        {"99999999999", 99999999999.0, {}},
        };
        for (const auto& c : cases) {
            QCOMPARE(glue::parse_decimal(QString::fromLatin1(c.text)), c.decimal);
            QCOMPARE(glue::parse_whole(QString::fromLatin1(c.text)), c.whole);
        }
    }

    void font_size_and_zoom_are_clamped_to_the_settings_limits() {
        const ProjectSettings limits;
        QCOMPARE(gcm::clamp_font_size(0, limits), 9);
        QCOMPARE(gcm::clamp_font_size(2, limits), 6);
        QCOMPARE(gcm::clamp_font_size(500, limits), 33);
        QCOMPARE(gcm::clamp_zoom(0, limits), 10);
        QCOMPARE(gcm::clamp_zoom(9000, limits), 500);
        // Without a project the default settings' size; no project is made for it.
        QCOMPARE(gcm::default_base_font_size(), 14);
        QVERIFY(GCC::RP == nullptr);
        auto* project = new Project("P");
        project->get_settings().font_size = 250;  // as a damaged file could hold
        QCOMPARE(gcm::default_base_font_size(), 33);
        delete project;
    }
};

QTEST_MAIN(GlueTest)
#include "test_glue.moc"
