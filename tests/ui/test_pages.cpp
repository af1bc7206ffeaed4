// The six tab pages on the canvas: every page of both example projects drawn
// as one item per description, pages kept while hidden, the stacking, the
// scroll position across rebuilds, kept boxes read when drawn, the Validation
// page's option and the V-diagram's choices.
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <functional>

#include "core/constants/gcc.h"
#include "core/layout/tree_el.h"
#include "core/model/design_problem.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "core/settings/project_settings.h"
#include "tests/ui/support/canvas_driver.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/boxes/box_parts.h"
#include "ui/boxes/object_box.h"
#include "ui/geometry/pages.h"
#include "ui/main_window/canvas_view.h"
#include "ui/main_window/main_window.h"
#include "ui/pages/canvas_font.h"
#include "ui/pages/connector_item.h"
#include "ui/pages/page_items.h"
#include "ui/pages/page_painter.h"
#include "ui/picture/page_render.h"

using ui_testing::boxes_of;
using ui_testing::boxes_on;
using ui_testing::settle;

namespace {

page_geometry::TabPage geometry_page(TabPage page) { return static_cast<page_geometry::TabPage>(page); }

Node* first_selected(const MainWindow& window) {
    return GCC::RP ? GCC::RP->_get_pointer_to_node_with_uid(window.first_selected_uid()) : nullptr;
}

template <class Item>
std::vector<const Item*> items_of_type(const QGraphicsScene& scene) {
    std::vector<const Item*> items;
    for (const QGraphicsItem* item : scene.items(Qt::AscendingOrder))
        if (item->type() == Item::Type) items.push_back(static_cast<const Item*>(item));
    return items;
}

QString where(TabPage page, const MainWindow& window) {
    return QStringLiteral("%1 from '%2'").arg(QString::fromStdString(std::string(caption_of(page))),
                                              QString::fromStdString(window.first_selected_uid()));
}

// The canvas holds exactly the page's descriptions, one item each, in their
// order within each layer, and the layers stack connectors, boxes, labels.
void expect_canvas_matches_layout(const MainWindow& window, TabPage page) {
    const QString context = where(page, window);
    const page_geometry::PageGeometry expected =
        page_geometry::layout_page(geometry_page(page), first_selected(window), pages::canvas_font());
    const QGraphicsScene& scene = *window.canvas()->scene();

    const std::vector<ObjectBox*> boxes = boxes_on(*window.canvas());
    QVERIFY2(boxes.size() == expected.boxes.size(), qPrintable(context));
    for (size_t i = 0; i < boxes.size(); ++i) {
        const page_geometry::BoxDescription& d = expected.boxes[i];
        QVERIFY2(boxes[i]->uid() == d.uid, qPrintable(context));
        QCOMPARE(boxes[i]->sceneBoundingRect(), QRectF(d.rect.x, d.rect.y, d.rect.width, d.rect.height));
        QCOMPARE(boxes[i]->description().alternatives, d.alternatives);
    }
    const auto lines = items_of_type<ConnectorItem>(scene);
    QVERIFY2(lines.size() == expected.lines.size(), qPrintable(context));
    for (size_t i = 0; i < lines.size(); ++i) {
        const page_geometry::Rect area = expected.lines[i].area();
        QCOMPARE(lines[i]->sceneBoundingRect(), QRectF(area.x, area.y, area.width, area.height));
    }
    const auto labels = items_of_type<LabelItem>(scene);
    QVERIFY2(labels.size() == expected.labels.size(), qPrintable(context));
    for (size_t i = 0; i < labels.size(); ++i) QCOMPARE(labels[i]->label().text, expected.labels[i].text);

    // In stacking order every connector comes before every box, every box before every label.
    int last_layer = -1;
    for (const QGraphicsItem* item : scene.items(Qt::AscendingOrder)) {
        if (item->parentItem()) continue;
        const int layer = item->type() == ConnectorItem::Type ? 0 : item->type() == ObjectBox::Type ? 1 : 2;
        QVERIFY2(layer >= last_layer, qPrintable(context));
        last_layer = layer;
    }
}

// The share of the item's painted pixels (drawn alone on white) that have the colour.
double share_in_colour(const QGraphicsItem& item, const QColor& colour) {
    const QRectF area = item.sceneBoundingRect();
    QImage image(area.size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QGraphicsScene& scene = *item.scene();
    const QList<QGraphicsItem*> all = scene.items();
    std::vector<QGraphicsItem*> hidden;
    for (QGraphicsItem* other : all)
        if (other != &item && !other->parentItem() && other->isVisible()) {
            other->hide();
            hidden.push_back(other);
        }
    {
        QPainter painter(&image);
        scene.render(&painter, QRectF(QPointF(0, 0), area.size()), area);
    }
    for (QGraphicsItem* other : hidden) other->show();
    int matching = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) matching += QColor(image.pixel(x, y)) == colour;
    return double(matching) / (image.width() * image.height());
}

// The scene as a user sees it: its top-level items in stacking order, each
// with its kind, layer, place and what it shows.
QStringList drawn(const QGraphicsScene& scene) {
    QStringList drawn;
    for (const QGraphicsItem* item : scene.items(Qt::AscendingOrder)) {
        if (item->parentItem()) continue;
        const QRectF r = item->sceneBoundingRect();
        QString line = QStringLiteral("type %1 layer %2 at %3,%4 %5x%6")
                           .arg(item->type())
                           .arg(std::floor(item->zValue()))
                           .arg(r.x())
                           .arg(r.y())
                           .arg(r.width())
                           .arg(r.height());
        if (item->type() == ObjectBox::Type) {
            const auto* box = static_cast<const ObjectBox*>(item);
            const page_geometry::BoxFace& face = box->face();
            line += QStringLiteral(" %1 kind %2 '%3' '%4' colours %5 readiness %6 %7 '%8' comments %9 '%10'")
                        .arg(QString::fromStdString(box->uid()))
                        .arg(static_cast<int>(box->description().kind))
                        .arg(QString::fromStdString(face.title), QString::fromStdString(face.text))
                        .arg(static_cast<int>(face.colours))
                        .arg(box->readiness_picture()->isVisible() ? face.readiness_code : -1)
                        .arg(box->readiness_picture()->toolTip(), box->text_area()->toolTip())
                        .arg(box->comment_button()->toolTip(), box->comment_button()->isVisible() ? "shown" : "hidden");
        } else if (item->type() == LabelItem::Type) {
            const std::string& text = static_cast<const LabelItem*>(item)->label().text;
            line += QStringLiteral(" '%1'").arg(QString::fromStdString(text));
        }
        drawn << line;
    }
    return drawn;
}

// "" when the canvas shows what a fresh scene drawn from the page's layout
// shows, otherwise the first difference.
QString difference_from_fresh_drawing(const MainWindow& window, TabPage page) {
    QGraphicsScene fresh;
    pages::draw_page(fresh,
                     page_geometry::layout_page(geometry_page(page), first_selected(window), pages::canvas_font()));
    const QStringList expected = drawn(fresh);
    const QStringList shown = drawn(*window.canvas()->scene());
    if (expected.isEmpty()) return QStringLiteral("nothing drawn");
    for (qsizetype i = 0; i < std::max(expected.size(), shown.size()); ++i) {
        const QString want = i < expected.size() ? expected[i] : QStringLiteral("(none)");
        const QString got = i < shown.size() ? shown[i] : QStringLiteral("(none)");
        if (want != got) return QStringLiteral("item %1: shown %2, drawn anew %3").arg(i).arg(got, want);
    }
    return {};
}

void show_gate_example(MainWindow& window) {
    ui_testing::show_with_pages(window);
    window.run_command(Command::GateExample);
    settle();
}

}  // namespace

class PagesTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;

private slots:
    void cleanup() { ui_testing::UiTestEnvironment::reset(); }

    void every_page_of_both_examples_is_drawn_as_described() {
        for (const Command example : {Command::ExplainExample, Command::GateExample}) {
            MainWindow window;
            ui_testing::show_with_pages(window);
            QVERIFY(window.run_command(example));
            settle();
            // Nothing selected, then one object of each kind that starts a page differently.
            std::vector<std::string> starts{""};
            for (const char* kind : {"REQ", "DPR", "OPT", "USY", "ARG"})
                for (const auto& [uid, node] : GCC::RP->get_nd_map())
                    if (node->get_nd_type() == kind) {
                        starts.push_back(uid);
                        break;
                    }
            size_t drawn = 0;
            for (const std::string& start : starts) {
                if (start.empty()) {
                    for (const std::string& uid : window.selected_uids()) window.deselect_uid(uid);
                } else {
                    window.select_uid(start);
                }
                for (const TabPage page : all_tab_pages) {
                    window.activate_page(page);
                    window.request_page_rebuild(false);
                    settle();
                    drawn += boxes_on(*window.canvas()).size();
                    expect_canvas_matches_layout(window, page);
                    if (QTest::currentTestFailed()) return;
                }
            }
            QVERIFY(drawn > 6 * starts.size());
        }
    }

    // After every edit, undo and redo the canvas keeps what did not change;
    // it must show exactly what drawing the page anew shows.
    void pages_kept_across_edits_undo_and_redo_look_as_drawn_anew() {
        MainWindow window;
        show_gate_example(window);
        DesignProblem* problem = nullptr;
        for (const auto& [uid, node] : GCC::RP->get_nd_map())
            if (node->is_dpr() && static_cast<DesignProblem*>(node)->get_child_options(false).size() > 1) {
                problem = static_cast<DesignProblem*>(node);
                break;
            }
        QVERIFY(problem);
        const std::string problem_uid = problem->get_uid();
        const std::string option_uid = problem->get_child_options(false).front()->get_uid();
        const auto object = [](const std::string& uid) { return GCC::RP->_get_pointer_to_node_with_uid(uid); };
        const auto edited = [&window] {
            window.request_tree_rebuild();
            window.request_page_rebuild(true);
        };
        int round = 0;
        // Each step, and whether it leaves every box where it was (then every box item stays).
        struct Step {
            QString name;
            std::function<void()> run;
            bool keeps_boxes = false;
        };
        const std::vector<Step> steps{
            {"add an option",
             [&] {
                 static_cast<DesignProblem*>(object(problem_uid))
                     ->add_child_option("option " + std::to_string(++round) + " with a subject that widens its box",
                                        true);
                 edited();
             }},
            {"rename an option",
             [&] {
                 // As the rename command does: the subject's relatives change with it.
                 const NodeList changed = object(option_uid)->get_impacted_by_subject_change();
                 object(option_uid)->set_subject("renamed " + std::to_string(round), false);
                 GCC::RP->add_uids_state(changed);
                 edited();
             }},
            {"change a tooltip",
             [&] {
                 object(option_uid)->set_tooltip_txt("tip " + std::to_string(round));
                 GCC::RP->add_uid_state(object(option_uid));
                 edited();
             },
             true},
            {"undo", [&] { window.run_command(Command::Undo); }},
            {"undo", [&] { window.run_command(Command::Undo); }},
            {"redo", [&] { window.run_command(Command::Redo); }},
            {"undo", [&] { window.run_command(Command::Undo); }},
            {"redo", [&] { window.run_command(Command::Redo); }},
            {"redo", [&] { window.run_command(Command::Redo); }},
            {"zoom in", [&] { window.run_command(Command::ZoomIn); }, true},
        };
        window.select_uid(option_uid);
        for (const TabPage page : all_tab_pages) {
            window.activate_page(page);
            settle();
            for (const Step& step : steps) {
                const std::vector<ObjectBox*> before = boxes_on(*window.canvas());
                step.run();
                settle();
                const QString context = where(page, window) + " after " + step.name;
                const QString difference = difference_from_fresh_drawing(window, page);
                QVERIFY2(difference.isEmpty(), qPrintable(context + ": " + difference));
                if (step.keeps_boxes) QVERIFY2(boxes_on(*window.canvas()) == before, qPrintable(context));
            }
        }
    }

    // A page shown before comes back with its own items; whatever happened on
    // another page meanwhile (edits, undo, another font, another project), it
    // must show exactly what drawing it anew shows.
    void pages_shown_again_keep_their_items_and_look_as_drawn_anew() {
        MainWindow window;
        show_gate_example(window);
        const auto an_option = [] {
            for (const auto& [uid, node] : GCC::RP->get_nd_map())
                if (node->is_opt()) return uid;
            return std::string();
        };
        const std::string option_uid = an_option();
        QVERIFY(!option_uid.empty());
        const auto option = [&] { return GCC::RP->_get_pointer_to_node_with_uid(option_uid); };
        const auto edited = [&window] {
            window.request_tree_rebuild();
            window.request_page_rebuild(true);
        };
        // What happens on the other page, and whether the page then keeps every box.
        struct Step {
            QString name;
            std::function<void()> run;
            bool keeps_boxes = false;
        };
        const std::vector<Step> steps{
            {"nothing", [] {}, true},
            {"change a tooltip",
             [&] {
                 option()->set_tooltip_txt("tip while hidden");
                 GCC::RP->add_uid_state(option());
                 edited();
             },
             true},
            {"rename an option",
             [&] {
                 const NodeList changed = option()->get_impacted_by_subject_change();
                 option()->set_subject("renamed while hidden, with a subject that widens its box", false);
                 GCC::RP->add_uids_state(changed);
                 edited();
             }},
            {"undo", [&] { QVERIFY(window.run_command(Command::Undo)); }},
            {"smaller font", [&] { QVERIFY(window.run_command(Command::FontDecrease)); }},
            {"larger font", [&] { QVERIFY(window.run_command(Command::FontIncrease)); }},
        };
        window.select_uid(option_uid);
        for (const TabPage page : all_tab_pages) {
            const TabPage other = page == TabPage::Options ? TabPage::Requirements : TabPage::Options;
            for (const Step& step : steps) {
                window.activate_page(page);
                settle();
                const std::vector<ObjectBox*> before = boxes_on(*window.canvas());
                window.activate_page(other);
                settle();
                step.run();
                settle();
                window.activate_page(page);
                settle();
                const QString context = where(page, window) + " after " + step.name + " on another page";
                const QString difference = difference_from_fresh_drawing(window, page);
                QVERIFY2(difference.isEmpty(), qPrintable(context + ": " + difference));
                if (step.keeps_boxes) QVERIFY2(boxes_on(*window.canvas()) == before, qPrintable(context));
            }
        }

        // Another project: every page shown before shows the new project's objects.
        window.set_saved(true);
        QVERIFY(window.run_command(Command::ExplainExample));
        settle();
        window.select_uid(an_option());
        for (const TabPage page : all_tab_pages) {
            window.activate_page(page);
            settle();
            const QString difference = difference_from_fresh_drawing(window, page);
            QVERIFY2(difference.isEmpty(), qPrintable(where(page, window) + " after an open: " + difference));
        }
    }

    void zoom_steps_keep_the_items_and_fit_the_scene_to_the_new_scale() {
        MainWindow window;
        show_gate_example(window);
        const std::vector<ObjectBox*> before = boxes_on(*window.canvas());
        QVERIFY(!before.empty());
        for (int step = 0; step < 5; ++step) QVERIFY(window.run_command(Command::ZoomOut));
        settle();
        QCOMPARE(boxes_on(*window.canvas()), before);
        const CanvasView& canvas = *window.canvas();
        const double scale = canvas.zoom_percent() / 100.0;
        QVERIFY(scale < 1.0);
        // The scene reaches at least 100 px short of the visible area at the new scale.
        QVERIFY(canvas.sceneRect().width() >= (canvas.viewport()->width() - 100) / scale);
        QVERIFY(canvas.sceneRect().height() >= (canvas.viewport()->height() - 100) / scale);
    }

    void scroll_position_is_kept_after_an_edit_and_reset_after_a_page_change() {
        MainWindow window;
        show_gate_example(window);
        window.activate_page(TabPage::Options);
        settle();
        QScrollBar* horizontal = window.canvas()->horizontalScrollBar();
        QVERIFY(horizontal->maximum() > 100);
        horizontal->setValue(100);
        window.request_page_rebuild(true);
        settle();
        QCOMPARE(horizontal->value(), 100);
        window.activate_page(TabPage::Project);
        settle();
        QCOMPARE(horizontal->value(), 0);
        // A page shown before starts at the top-left too.
        window.activate_page(TabPage::Options);
        settle();
        QCOMPARE(horizontal->value(), 0);
    }

    // A box reads its object when it is drawn: off screen when it is made or
    // kept after an edit, it is brought up to date once scrolled into view or
    // drawn in a picture.
    void boxes_read_their_objects_when_drawn() {
        MainWindow window;
        show_gate_example(window);
        window.activate_page(TabPage::Options);
        settle();
        CanvasView& canvas = *window.canvas();
        const auto visible = [&canvas] { return canvas.mapToScene(canvas.viewport()->rect()).boundingRect(); };
        std::vector<ObjectBox*> off_screen;
        ObjectBox* on_screen = nullptr;
        for (ObjectBox* box : boxes_on(canvas)) {
            if (box->uid().empty()) continue;
            if (box->sceneBoundingRect().intersects(visible()))
                on_screen = box;
            else
                off_screen.push_back(box);
        }
        QVERIFY(on_screen);
        QVERIFY(off_screen.size() >= 2);
        QVERIFY(!on_screen->is_stale());
        QVERIFY(off_screen.front()->is_stale());
        const std::vector<ObjectBox*> shown{on_screen, off_screen.front(), off_screen.back()};
        const std::vector<ObjectBox*> before = boxes_on(canvas);
        for (ObjectBox* box : shown) {
            Node* object = GCC::RP->_get_pointer_to_node_with_uid(box->uid());
            object->set_tooltip_txt("tip of " + box->uid());
            GCC::RP->add_uid_state(object);
        }
        window.request_page_rebuild(true);
        settle();
        // A tooltip keeps every box where it was, so every box is kept.
        QCOMPARE(boxes_on(canvas), before);
        QVERIFY(!on_screen->is_stale());
        QVERIFY(off_screen.front()->is_stale());
        QVERIFY(off_screen.back()->is_stale());

        canvas.ensureVisible(off_screen.front());
        settle();
        QVERIFY(off_screen.front()->sceneBoundingRect().intersects(visible()));
        QVERIFY(!off_screen.front()->is_stale());
        QVERIFY(off_screen.back()->is_stale());
        QVERIFY(picture::render_page(canvas, 100).width() > 0);
        QVERIFY(!off_screen.back()->is_stale());
        for (ObjectBox* box : shown)
            QVERIFY2(box->text_area()->toolTip().contains(QString::fromStdString("tip of " + box->uid())),
                     qPrintable(QString::fromStdString(box->uid())));
        QCOMPARE(difference_from_fresh_drawing(window, TabPage::Options), QString());
    }

    void validation_page_shows_the_top_option_and_the_tree_follows() {
        MainWindow window;
        show_gate_example(window);
        Option* sub = nullptr;
        for (const auto& [uid, node] : GCC::RP->get_nd_map())
            if (node->is_opt() && static_cast<Option*>(node)->get_parent_option()) {
                sub = static_cast<Option*>(node);
                break;
            }
        QVERIFY(sub);
        const std::string top = sub->get_top_option()->get_uid();
        window.select_uid(sub->get_uid());
        QCOMPARE(pages::current_validation_tabpage_option(), std::string());  // not the active page
        QCOMPARE(window.first_selected_uid(), sub->get_uid());
        window.activate_page(TabPage::Validation);
        settle();
        QCOMPARE(window.selected_uids(), std::vector<std::string>{top});
        QCOMPARE(boxes_of(*window.canvas(), top).size(), size_t{1});
        QCOMPARE(pages::current_validation_tabpage_option(), top);
    }

    void v_diagram_records_its_choices_without_an_undo_state() {
        MainWindow window;
        show_gate_example(window);
        window.set_saved(true);
        GCC::RP->restart_history();
        GCC::RP->set_shown_uids({});
        window.activate_page(TabPage::VDiagram);
        settle();
        QVERIFY(!GCC::RP->get_shown_uids().empty());
        QVERIFY(window.is_saved());
        QCOMPARE(GCC::RP->get_state_count(), size_t{1});
        // A stacked place offers the choice among its candidates.
        bool stacked = false;
        for (const ObjectBox* box : boxes_on(*window.canvas()))
            stacked = stacked || (box->description().hide_show_command && box->description().alternatives.size() > 1);
        QVERIFY(stacked);
    }

    void arrow_head_is_only_its_triangle() {
        const ArrowItem arrow(page_geometry::arrow_head({100, 100}, 2), Qt::black);
        QCOMPARE(arrow.boundingRect(), QRectF(94, 86, 11, 14));
        QVERIFY(arrow.shape().contains(QPointF(99.5, 98)));  // near the tip
        QVERIFY(!arrow.shape().contains(QPointF(95, 99)));   // a corner of the bounds
    }

    void tried_colours_reach_boxes_and_connectors_as_they_are_drawn() {
        MainWindow window;
        show_gate_example(window);
        window.activate_page(TabPage::Requirements);
        settle();
        ObjectBox* requirement = nullptr;
        for (ObjectBox* box : boxes_on(*window.canvas()))
            if (box->face().colours == page_geometry::BoxColours::Requirement) requirement = box;
        QVERIFY(requirement);
        const auto lines = items_of_type<ConnectorItem>(*window.canvas()->scene());
        QVERIFY(!lines.empty());
        const QGraphicsItem& line = *lines.front();
        QVERIFY(share_in_colour(*requirement, gcm::scheme().box_color_req) > 0.5);

        ProjectSettings trial = GCC::RP->get_settings();
        const QColor fill(12, 34, 56), connector(201, 7, 99);
        trial.box_color_req = RGB_Color(fill.red(), fill.green(), fill.blue());
        trial.box_connect_color = RGB_Color(connector.red(), connector.green(), connector.blue());
        window.show_trial_colours(trial);
        // The boxes and lines already on the canvas show the trial, before any rebuild.
        QVERIFY(share_in_colour(*requirement, fill) > 0.5);
        QCOMPARE(share_in_colour(line, connector), 1.0);

        window.end_trial_colours();
        settle();
        for (ObjectBox* box : boxes_on(*window.canvas()))
            if (box->face().colours == page_geometry::BoxColours::Requirement)
                QCOMPARE(share_in_colour(*box, fill), 0.0);
        QCOMPARE(share_in_colour(*items_of_type<ConnectorItem>(*window.canvas()->scene()).front(), connector), 0.0);
    }

    void drawn_tree_returns_its_root_box() {
        MainWindow window;
        show_gate_example(window);
        Option* top = nullptr;
        for (const auto& [uid, node] : GCC::RP->get_nd_map())
            if (node->is_opt() && !static_cast<Option*>(node)->get_sub_options(false).empty()) {
                top = static_cast<Option*>(node);
                break;
            }
        QVERIFY(top);
        const std::unique_ptr<TreeEl> tree(top->create_option_tree());
        const page_geometry::CanvasFont font = pages::canvas_font();
        const page_geometry::BoxMetrics m = page_geometry::BoxMetrics::for_font_height(font.height);
        tree->calculate_init_pos(m.f, m.w, m.h);
        QGraphicsScene scene;
        ObjectBox* root = pages::draw_tree_el_tree(scene, tree.get(), 10, 20);
        QVERIFY(root);
        QCOMPARE(root->uid(), top->get_uid());
        QCOMPARE(items_of_type<ObjectBox>(scene).size(), top->get_sub_options(true).size() + 1);
        QVERIFY(!items_of_type<LabelItem>(scene).empty());  // "AND" where the parts branch
        QCOMPARE(pages::draw_tree_el_tree(scene, nullptr, 0, 0), nullptr);
    }
};

QTEST_MAIN(PagesTest)
#include "test_pages.moc"
