#include "ui/pages/page_painter.h"

#include <QGraphicsScene>

#include "core/constants/gcc.h"
#include "core/model/option.h"
#include "core/model/project.h"
#include "ui/boxes/box_commands.h"
#include "ui/geometry/pages.h"
#include "ui/main_window/canvas_view.h"
#include "ui/main_window/main_window.h"
#include "ui/pages/canvas_font.h"
#include "ui/pages/page_scene.h"

namespace pages {
namespace {

page_geometry::TabPage geometry_page(TabPage page) {
    using G = page_geometry::TabPage;
    switch (page) {
        case TabPage::Project: return G::Project;
        case TabPage::Problems: return G::Problems;
        case TabPage::Options: return G::Options;
        case TabPage::Validation: return G::Validation;
        case TabPage::Requirements: return G::Requirements;
        case TabPage::VDiagram: return G::VDiagram;
    }
    return G::Project;
}

Node* first_selected(const MainWindowServices& window) { return boxes::resolve(window.first_selected_uid()); }

// The tree selects only the object, unless it does already (a selection that
// changes would otherwise be announced on every rebuild).
void select_only(MainWindowServices& window, const std::string& uid) {
    if (window.selected_uids() != std::vector<std::string>{uid}) window.select_uid(uid);
}

// The page's items, kept with the scene that shows them (each page of the
// canvas has a scene of its own) and forgotten with it.
class KeptPage : public QObject {
public:
    explicit KeptPage(QGraphicsScene& scene) : QObject(&scene), items(scene) {}
    PageScene items;
};

PageScene& page_scene_of(QGraphicsScene& scene) {
    for (QObject* child : scene.children())
        if (auto* kept = dynamic_cast<KeptPage*>(child)) return kept->items;
    return (new KeptPage(scene))->items;
}

}  // namespace

void install(MainWindow& window) {
    window.canvas()->set_before_drawing(bring_boxes_up_to_date);
    window.install_page_updater(
        [](TabPage page, QGraphicsScene& scene) { return paint_page(page, page_scene_of(scene)); });
}

QPointF paint_page(TabPage page, PageScene& scene) {
    MainWindowServices* window = main_window();
    if (!GCC::RP || !window) {
        scene.clear();
        return {};
    }
    const page_geometry::PageGeometry geometry =
        page_geometry::layout_page(geometry_page(page), first_selected(*window), canvas_font());
    if (page == TabPage::VDiagram) page_geometry::record_shown_choices(*GCC::RP, geometry);
    if (geometry.tree_selection) select_only(*window, *geometry.tree_selection);
    scene.show(geometry);
    const page_geometry::Point corner = geometry.far_corner();
    return QPointF(corner.x, corner.y);
}

std::string current_validation_tabpage_option() {
    MainWindowServices* window = main_window();
    if (!GCC::RP || !window || window->active_page() != TabPage::Validation) return {};
    const page_geometry::ValidationOption shown = page_geometry::validation_page_option(first_selected(*window));
    if (shown.tree_selection) select_only(*window, *shown.tree_selection);
    return shown.option ? shown.option->get_uid() : std::string();
}

}  // namespace pages
