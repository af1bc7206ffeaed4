// The picture export: which file and format a choice gives, the whole page
// drawn from the scene whatever the window shows, areas of the visible page,
// the clipboard, PDF pages, and the rules of sizes, memory and clipping.
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QProcess>
#include <QScrollBar>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <optional>

#include "core/constants/gcc.h"
#include "core/io/project_writer.h"
#include "core/model/project.h"
#include "tests/ui/support/canvas_driver.h"
#include "tests/ui/support/dialog_script.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/boxes/box_style.h"
#include "ui/boxes/object_box.h"
#include "ui/dialogs/input_dialog.h"
#include "ui/main_window/canvas_view.h"
#include "ui/main_window/main_window.h"
#include "ui/picture/page_render.h"
#include "ui/picture/picture_commands.h"
#include "ui/picture/picture_files.h"
#include "ui/picture/picture_rules.h"
#include "ui/picture/picture_texts.h"
#include "ui/toolkit/app_combo_box.h"

using picture::Area;
using picture::Format;
using ui_testing::settle;

namespace {

const QString save_title = QStringLiteral("Save Image");
const QString area_title = QStringLiteral("Select Area");

// The save dialog answered with a filter entry and a typed name.
ui_testing::DialogScript::Response save_as(int entry, const QString& name) {
    return [entry, name](QDialog& dialog) {
        auto& files = static_cast<QFileDialog&>(dialog);
        files.selectNameFilter(files.nameFilters().at(entry));
        files.selectFile(name);
        return int(QDialog::Accepted);
    };
}

// The area selection dragged from one point of the canvas's viewport to another.
ui_testing::DialogScript::Response drag(QPoint from, QPoint to) {
    return [from, to](QDialog& overlay) {
        const auto send = [&overlay](QEvent::Type type, QPoint at, Qt::MouseButtons held) {
            QMouseEvent event(type, at, overlay.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
            QApplication::sendEvent(&overlay, &event);
        };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::NoButton);
        return overlay.result();
    };
}

QImage read_image(const QString& path, QByteArray* format = nullptr) {
    QImageReader reader(path);
    reader.setAllocationLimit(0);
    if (format) *format = reader.format();
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

QString run_tool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput()) + QString::fromUtf8(process.readAllStandardError());
}

// Page size of a PDF in points, and its number of pages, read by pdfinfo.
struct PdfPages {
    int pages = 0;
    double width = 0;
    double height = 0;
};
PdfPages pdf_pages(const QString& path) {
    PdfPages info;
    for (const QString& line : run_tool(QStringLiteral("pdfinfo"), {path}).split('\n')) {
        if (line.startsWith(QLatin1String("Pages:"))) info.pages = line.section(':', 1).trimmed().toInt();
        if (line.startsWith(QLatin1String("Page size:"))) {
            const QStringList words = line.section(':', 1).simplified().split(' ');
            info.width = words.value(0).toDouble();
            info.height = words.value(2).toDouble();
        }
    }
    return info;
}

// The same size and pixels, but for the smoothing of a line where a picture
// of the visible area cuts it (a level or two of a channel).
bool alike(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size()) return false;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y);
            const QRgb e = expected.pixel(x, y);
            if (std::abs(qRed(a) - qRed(e)) > 2 || std::abs(qGreen(a) - qGreen(e)) > 2 ||
                std::abs(qBlue(a) - qBlue(e)) > 2)
                return false;
        }
    return true;
}

QRgb opaque(const QColor& colour) { return colour.rgb() | 0xff000000u; }

// The colour covering most pixels of the area.
QRgb dominant_colour(const QImage& image, const QRect& area) {
    std::map<QRgb, int> counts;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) ++counts[image.pixel(x, y) | 0xff000000u];
    QRgb best = 0;
    int most = -1;
    for (const auto& [colour, count] : counts)
        if (count > most) best = colour, most = count;
    return best;
}

// The window with the pages and the picture commands, showing the page of
// the example (or of the working project when none is given).
void show_page(MainWindow& window, std::optional<Command> example, TabPage page) {
    ui_testing::show_with_pages(window);
    picture::install(window);
    if (example) QVERIFY(window.run_command(*example));
    settle();
    window.activate_page(page);
    settle();
}

}  // namespace

class PictureTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;
    QTemporaryDir folder;

    QString in_folder(const QString& name) const { return folder.filePath(name); }

private slots:
    void cleanup() { ui_testing::UiTestEnvironment::reset(); }

    void chosen_names_and_formats() {
        const auto& page = picture::page_choices();
        QCOMPARE(page.size(), size_t{8});
        struct Case {
            const char* typed;
            size_t entry;
            const char* written;
        };
        const Case cases[] = {
            {"/x/pic", 0, "/x/pic.png"},                // no extension: the entry's
            {"/x/pic.png", 0, "/x/pic.png"},
            {"/x/pic.PNG", 1, "/x/pic.PNG"},            // any letter case
            {"/x/pic.jpeg", 2, "/x/pic.jpeg"},          // both JPEG extensions
            {"/x/pic.png", 2, "/x/pic.jpg"},            // another format's extension is replaced
            {"/x/pic.pdf", 0, "/x/pic.png"},
            {"/x/pic.png", 6, "/x/pic.pdf"},
            {"/x/pic.bmp", 7, "/x/pic.pdf"},
            {"/x/pic.jpg", 4, "/x/pic.bmp"},
            {"/x/Gate v1.2", 3, "/x/Gate v1.2.jpg"},    // a dot of the name stays
            {"/x/notes.txt", 5, "/x/notes.txt.bmp"},
        };
        for (const Case& c : cases) {
            const std::filesystem::path written = picture::target_path(c.typed, page[c.entry]);
            QVERIFY2(written == c.written, c.typed);
            QCOMPARE(picture::format_of_extension(written.extension().string()), page[c.entry].format);
        }
        for (const picture::SaveChoice& entry : picture::area_choices()) QVERIFY(entry.format != Format::Pdf);
        QCOMPARE(picture::format_of_extension(".gif"), std::nullopt);
        QCOMPARE(picture::format_of_extension(""), std::nullopt);
    }

    void sizes_memory_and_placement() {
        // Furthest item edge plus 2 f, at the zoom, rounded up.
        const picture::PixelSize at80 = picture::page_pixels(1000.5, 400, 16, 80);
        QCOMPARE(at80.width, int64_t{826});   // (1000.5 + 32) * 0.8 = 826.0
        QCOMPARE(at80.height, int64_t{346});  // 345.6
        QCOMPARE(picture::page_pixels(0, 0, 10, 500).width, int64_t{100});

        using picture::MemoryVerdict;
        QCOMPARE(picture::memory_check(16384, 8192), MemoryVerdict::Fits);  // exactly 134,217,728 pixels
        QCOMPARE(picture::memory_check(134217728, 1), MemoryVerdict::Fits);
        QCOMPARE(picture::memory_check(134217729, 1), MemoryVerdict::TooLarge);
        QCOMPARE(picture::memory_check(16385, 8192), MemoryVerdict::TooLarge);
        QCOMPARE(picture::memory_check(int64_t{1} << 40, int64_t{1} << 40), MemoryVerdict::TooLarge);
        QCOMPARE(picture::memory_check(0, 10), MemoryVerdict::InvalidDimensions);
        QCOMPARE(picture::memory_check(10, -1), MemoryVerdict::InvalidDimensions);

        // A landscape picture on a portrait page: full width, centred vertically.
        QCOMPARE(picture::fit_centred(827, 1169, 2000, 1000), (Area{0, 378, 827, 413}));
        QCOMPARE(picture::fit_centred(1000, 1000, 10, 20), (Area{250, 0, 500, 1000}));
        QCOMPARE(picture::fit_centred(1000, 1000, 0, 20), Area{});

        QCOMPARE(picture::paper_sizes().size(), size_t{13});
        QCOMPARE(picture::paper_sizes().back().width, 3400);
    }

    void selections_are_clipped_to_the_visible_page() {
        const Area visible{0, 0, 800, 600};
        struct Case {
            Area selection;
            std::optional<Area> clipped;
        };
        const Case cases[] = {
            {{10, 20, 100, 50}, Area{10, 20, 100, 50}},
            {{-30, 20, 100, 50}, Area{0, 20, 70, 50}},      // starts left of the page
            {{10, -5, 100, 50}, Area{10, 0, 100, 45}},
            {{750, 580, 100, 50}, Area{750, 580, 50, 20}},  // cut at the right and bottom edges
            {{-10, -10, 900, 700}, visible},
            {{800, 20, 10, 10}, std::nullopt},              // entirely outside
            {{-50, 20, 50, 10}, std::nullopt},
            {{10, 20, 0, 10}, std::nullopt},                // nothing selected
        };
        for (const Case& c : cases) QCOMPARE(picture::clip_selection(c.selection, visible), c.clipped);
        QCOMPARE(picture::between(50, 40, 10, 60), (Area{10, 40, 40, 20}));
    }

    void png_compression_reaches_the_encoder() {
        // Noise compresses differently at each level; the level must arrive.
        QImage noise(256, 256, QImage::Format_RGB32);
        quint32 seed = 1;
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.width(); ++x) {
                seed = seed * 1664525u + 1013904223u;
                noise.setPixel(x, y, (seed >> 8) & 0x0f0f0f);
            }
        std::map<int, qint64> sizes;
        for (const int level : {0, 5, 9}) {
            picture::SaveChoice entry = picture::page_choices()[0];
            entry.png_compression = level;
            const QString path = in_folder(QStringLiteral("noise%1.png").arg(level));
            QCOMPARE(picture::write_image(noise, path.toStdString(), entry), std::string());
            sizes[level] = QFileInfo(path).size();
        }
        QVERIFY(sizes[0] > sizes[5]);
        QVERIFY(sizes[5] >= sizes[9]);
    }

    void every_entry_writes_its_format_at_its_size() {
        MainWindow window;
        // A small page: every entry, the high-quality ones at 500 %, stays quick.
        show_page(window, std::nullopt, TabPage::Project);
        QVERIFY(window.run_command(Command::ZoomOut));
        QVERIFY(window.run_command(Command::ZoomOut));
        settle();
        QCOMPARE(window.canvas()->zoom_percent(), 80);
        const picture::PixelSize at80 = picture::page_size(*window.canvas(), 80);
        const picture::PixelSize at500 = picture::page_size(*window.canvas(), 500);
        const std::string saved = ui_testing::saved_text();

        const auto& entries = picture::page_choices();
        for (size_t i = 0; i < entries.size(); ++i) {
            const picture::SaveChoice& entry = entries[i];
            const QString name = in_folder(QStringLiteral("page%1").arg(i));
            {
                ui_testing::ScriptedDialogs dialogs;
                dialogs.script().expect(save_title, save_as(static_cast<int>(i), name));
                if (entry.custom_paper)
                    dialogs.script().expect(QStringLiteral("pdf paper size"), [](QDialog& dialog) {
                        auto& input = static_cast<dialogs::InputDialog&>(dialog);
                        input.combo_box(0)->set_selected_index(3);  // A3
                        input.press_ok();
                        return input.result();
                    });
                picture::save_page(window);
            }
            const QString path = name + QString::fromStdString(entry.extension);
            QVERIFY2(QFileInfo::exists(path), qPrintable(path));
            if (entry.format == Format::Pdf) {
                QVERIFY2(run_tool(QStringLiteral("qpdf"), {QStringLiteral("--check"), path})
                             .contains(QLatin1String("No syntax or stream encoding errors")),
                         qPrintable(path));
                const PdfPages pdf = pdf_pages(path);
                QCOMPARE(pdf.pages, 1);
                // The paper in landscape for a page wider than high: A4 or A3.
                QVERIFY(at80.width > at80.height);
                QVERIFY(pdf.width > pdf.height);
                QCOMPARE(qRound(pdf.height), entry.custom_paper ? 842 : 595);
                continue;
            }
            QByteArray format;
            const QImage image = read_image(path, &format);
            QCOMPARE(format, QByteArray(entry.format == Format::Png    ? "png"
                                        : entry.format == Format::Jpeg ? "jpeg"
                                                                       : "bmp"));
            const picture::PixelSize expected = entry.high_quality ? at500 : at80;
            QCOMPARE(image.size(), QSize(int(expected.width), int(expected.height)));
        }
        // The tab page's zoom and the project are as before.
        QCOMPARE(window.canvas()->zoom_percent(), 80);
        QCOMPARE(ui_testing::saved_text(), saved);
    }

    // The save dialog starts beside the project's file once it is opened, and
    // in the same folder for the example opened after it.
    void the_save_dialog_starts_where_the_project_lives() {
        MainWindow window;
        show_page(window, std::nullopt, TabPage::Project);
        const QString file = in_folder(QStringLiteral("gate.xml"));
        QCOMPARE(project_file::save_project_file(*GCC::RP, file.toStdString()), std::string());
        const auto dialog_folder = [&window] {
            QString started;
            ui_testing::ScriptedDialogs dialogs;
            dialogs.script().expect(save_title, [&started](QDialog& dialog) {
                started = QFileInfo(static_cast<QFileDialog&>(dialog).directory().absolutePath()).canonicalFilePath();
                dialog.reject();
                return dialog.result();
            });
            picture::save_page(window);
            return started;
        };
        const QString expected = QFileInfo(folder.path()).canonicalFilePath();
        QVERIFY(dialog_folder() != expected);

        window.files().open_file_path(file.toStdString());
        settle();
        QCOMPARE(dialog_folder(), expected);
        QVERIFY(window.run_command(Command::GateExample));
        settle();
        QCOMPARE(dialog_folder(), expected);
    }

    void dialogs_refusals_and_one_export_at_a_time() {
        MainWindow window;
        show_page(window, std::nullopt, TabPage::Project);
        const QString jpg = in_folder(QStringLiteral("fitted.jpg"));
        QFile old(jpg);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        // JPEG chosen, ".png" typed: the fitted name exists, so the user is asked first.
        for (const toolkit::Answer answer : {toolkit::Answer::No, toolkit::Answer::Yes}) {
            ui_testing::ScriptedDialogs dialogs;
            dialogs.script()
                .expect(save_title, save_as(2, in_folder(QStringLiteral("fitted.png"))))
                .answer(save_title, answer);
            picture::save_page(window);
            QCOMPARE(QFileInfo(jpg).size() > 3, answer == toolkit::Answer::Yes);
        }
        QVERIFY(!QFileInfo::exists(in_folder(QStringLiteral("fitted.png"))));
        QByteArray format;
        QVERIFY(!read_image(jpg, &format).isNull());
        QCOMPARE(format, QByteArray("jpeg"));

        // No command runs while the save dialog is open (another picture, a
        // new project, the gate example); a cancelled paper size ends the
        // command without a file.
        {
            const Project* shown = GCC::RP;
            bool other_command_ran = false;
            ui_testing::ScriptedDialogs dialogs;
            dialogs.script()
                .expect(save_title,
                        [&window, &other_command_ran](QDialog& dialog) {
                            picture::save_page(window);
                            picture::copy_area(window);
                            other_command_ran = window.run_command(Command::New) ||
                                                window.run_command(Command::GateExample);
                            return save_as(7, QStringLiteral("custom"))(dialog);
                        })
                .expect(QStringLiteral("pdf paper size"), [](QDialog& dialog) {
                    static_cast<dialogs::InputDialog&>(dialog).press_cancel();
                    return dialog.result();
                });
            picture::save_page(window);
            QVERIFY(!other_command_ran);
            QCOMPARE(GCC::RP, shown);
        }
        QVERIFY(!QFileInfo::exists(in_folder(QStringLiteral("custom.pdf"))));
        QVERIFY(!window.export_running());

        // The tool-strip commands: a click saves, a click with Ctrl held copies.
        {
            ui_testing::ScriptedDialogs dialogs;
            dialogs.script().expect(save_title, [](QDialog& dialog) {
                dialog.reject();
                return dialog.result();
            });
            QVERIFY(window.run_command(Command::Screenshot));
        }
        QApplication::clipboard()->clear();
        QTest::keyPress(&window, Qt::Key_Control, Qt::ControlModifier);
        QVERIFY(window.run_command(Command::Screenshot));
        QTest::keyRelease(&window, Qt::Key_Control, Qt::NoModifier);
        const picture::PixelSize shown = picture::page_size(*window.canvas(), window.canvas()->zoom_percent());
        QCOMPARE(QApplication::clipboard()->image().size(), QSize(int(shown.width), int(shown.height)));

        // A page too large for a picture at 500 % is refused with the memory
        // warning; as a PDF, drawn as vectors, it is written.
        QVERIFY(window.run_command(Command::GateExample));
        settle();
        window.activate_page(TabPage::Validation);
        for (int step = 0; step < 40 && window.run_command(Command::FontIncrease); ++step) settle();
        const picture::PixelSize large = picture::page_size(*window.canvas(), 500);
        QCOMPARE(picture::memory_check(large.width, large.height), picture::MemoryVerdict::TooLarge);
        {
            ui_testing::ScriptedDialogs dialogs;
            dialogs.script()
                .expect(save_title, save_as(1, in_folder(QStringLiteral("large"))))
                .answer(QStringLiteral("Warning"), toolkit::Answer::Ok)
                .expect(save_title, save_as(6, in_folder(QStringLiteral("large"))));
            picture::save_page(window);
            picture::save_page(window);
            QCOMPARE(dialogs.script().messages(), QStringList{QString::fromUtf8(picture::texts::too_large)});
        }
        QVERIFY(!QFileInfo::exists(in_folder(QStringLiteral("large.png"))));
        QCOMPARE(pdf_pages(in_folder(QStringLiteral("large.pdf"))).pages, 1);
    }

    void validation_page_is_the_page_whatever_the_window_shows() {
        MainWindow window;
        show_page(window, Command::GateExample, TabPage::Validation);
        CanvasView& canvas = *window.canvas();
        const QString path = in_folder(QStringLiteral("validation.png"));
        const auto export_png = [&] {
            ui_testing::ScriptedDialogs dialogs;
            dialogs.script().expect(save_title, save_as(0, path));
            picture::save_page(window);
            return read_image(path);
        };
        const QImage full = export_png();
        const picture::PixelSize size = picture::page_size(canvas, 100);
        QCOMPARE(full.size(), QSize(int(size.width), int(size.height)));
        // Larger than the visible area: the whole page, not the screen.
        QVERIFY(full.width() > canvas.viewport()->width() || full.height() > canvas.viewport()->height());

        // Every box shows in its fill colour where the page geometry put it.
        const auto style = BoxStyle::current();
        const std::vector<ObjectBox*> boxes = ui_testing::boxes_on(canvas);
        QVERIFY(boxes.size() > 3);
        for (const ObjectBox* box : boxes)
            QCOMPARE(dominant_colour(full, box->sceneBoundingRect().toAlignedRect().adjusted(3, 3, -3, -3)),
                     opaque(style->fill(box->face().colours)));

        // A window above the canvas never reaches the picture.
        QWidget cover;
        cover.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        cover.setStyleSheet(QStringLiteral("background: #ff00ff"));
        cover.setGeometry(QRect(canvas.viewport()->mapToGlobal(QPoint(0, 0)), QSize(400, 300)));
        cover.show();
        settle();
        QCOMPARE(export_png(), full);
        cover.close();

        // Scrolled, collapsed, minimised: the same picture.
        canvas.horizontalScrollBar()->setValue(canvas.horizontalScrollBar()->maximum());
        canvas.verticalScrollBar()->setValue(canvas.verticalScrollBar()->maximum());
        QCOMPARE(export_png(), full);
        auto* split = window.findChild<QSplitter*>();
        QVERIFY(split);
        split->setSizes({split->width(), 0});
        window.request_page_rebuild(true);
        settle();
        QVERIFY(canvas.viewport()->width() < 100);
        QCOMPARE(export_png(), full);
        window.showMinimized();
        window.resize(1, 1);
        window.request_page_rebuild(true);
        settle();
        QCOMPARE(export_png(), full);

        // The clipboard gets the same picture.
        picture::copy_page(window);
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), full);

        // And the PDF holds one page in the page's orientation.
        const QString pdf = in_folder(QStringLiteral("validation.pdf"));
        {
            ui_testing::ScriptedDialogs dialogs;
            dialogs.script().expect(save_title, save_as(6, pdf));
            picture::save_page(window);
        }
        QVERIFY(run_tool(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf})
                    .contains(QLatin1String("No syntax or stream encoding errors")));
        const PdfPages pages = pdf_pages(pdf);
        QCOMPARE(pages.pages, 1);
        QCOMPARE(pages.width > pages.height, full.width() > full.height());
    }

    void areas_of_the_visible_page() {
        MainWindow window;
        show_page(window, Command::GateExample, TabPage::Validation);
        CanvasView& canvas = *window.canvas();
        canvas.horizontalScrollBar()->setValue(40);
        canvas.verticalScrollBar()->setValue(30);
        const QPoint scroll(canvas.horizontalScrollBar()->value(), canvas.verticalScrollBar()->value());
        const QImage page = picture::render_page(canvas, 100).convertToFormat(QImage::Format_RGB32);
        const QSize visible = canvas.viewport()->size();

        struct Case {
            QPoint from, to;
            QRect saved;  // in the viewport
        };
        const Case cases[] = {
            {{20, 30}, {220, 130}, QRect(20, 30, 200, 100)},
            {{220, 130}, {20, 30}, QRect(20, 30, 200, 100)},  // dragged up and left
            {{-50, 10}, {100, 60}, QRect(0, 10, 100, 50)},    // from left of the page
            {{visible.width() - 50, visible.height() - 40},
             {visible.width() + 80, visible.height() + 90},
             QRect(visible.width() - 50, visible.height() - 40, 50, 40)},
        };
        int n = 0;
        for (const Case& c : cases) {
            const QString path = in_folder(QStringLiteral("area%1.bmp").arg(n++));
            {
                ui_testing::ScriptedDialogs dialogs;
                dialogs.script().expect(area_title, drag(c.from, c.to)).expect(save_title, save_as(2, path));
                picture::save_area(window);
            }
            QByteArray format;
            const QImage area = read_image(path, &format);
            QCOMPARE(format, QByteArray("bmp"));
            QCOMPARE(area.size(), c.saved.size());
            // The pixels of the page under the selection, nothing else.
            QVERIFY(alike(area, page.copy(c.saved.translated(scroll))));
        }

        // Copied to the clipboard in the same way.
        {
            ui_testing::ScriptedDialogs dialogs;
            dialogs.script().expect(area_title, drag({5, 5}, {65, 45}));
            picture::copy_area(window);
        }
        QVERIFY(alike(QApplication::clipboard()->image(), page.copy(QRect(5, 5, 60, 40).translated(scroll))));

        // Outside the page: said so; a click or Escape: nothing at all.
        {
            ui_testing::ScriptedDialogs dialogs;
            dialogs.script()
                .expect(area_title, drag({-10, 10}, {-60, 40}))
                .answer(QStringLiteral("Error"), toolkit::Answer::Ok);
            picture::save_area(window);
            QCOMPARE(dialogs.script().messages(), QStringList{QStringLiteral("Please select image within the tabpage.")});
        }
        {
            ui_testing::ScriptedDialogs dialogs;
            dialogs.script().expect(area_title, drag({50, 50}, {50, 50}));
            picture::save_area(window);
        }
        {
            ui_testing::ScriptedDialogs dialogs;
            dialogs.script().expect(area_title, [](QDialog& overlay) {
                QTest::keyClick(&overlay, Qt::Key_Escape);
                return overlay.result();
            });
            picture::copy_area(window);
        }
    }
};

QTEST_MAIN(PictureTest)
#include "test_picture.moc"
