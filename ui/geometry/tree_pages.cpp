#include <memory>

#include "core/constants/gcc.h"
#include "core/layout/panel_trees.h"
#include "core/layout/tree_el.h"
#include "core/model/project.h"
#include "ui/geometry/page_builder.h"
#include "ui/geometry/pages.h"
#include "ui/geometry/tree_drawing.h"

namespace page_geometry {
namespace {

using TreeBuilder = TreeEl* (*)(Node*, int, int, int);

PageGeometry tree_page(TreeBuilder build, Node* selected, const CanvasFont& font) {
    PageBuilder page(font);
    if (!GCC::RP) return page.take();
    const auto [f, w, h] = page.m;
    const std::unique_ptr<TreeEl> tree(build(selected ? selected : GCC::RP, f, w, h));
    draw_tree_el_tree(page, tree.get(), 2 * f, 2 * f);
    return page.take();
}

}  // namespace

PageGeometry problems_page(Node* selected, const CanvasFont& font) {
    return tree_page(MyFF::get_problems_panel_tree, selected, font);
}

PageGeometry options_page(Node* selected, const CanvasFont& font) {
    return tree_page(MyFF::get_options_panel_tree, selected, font);
}

PageGeometry requirements_page(Node* selected, const CanvasFont& font) {
    return tree_page(MyFF::get_requirements_panel_tree, selected, font);
}

}  // namespace page_geometry
