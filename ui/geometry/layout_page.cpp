#include "ui/geometry/pages.h"

namespace page_geometry {

PageGeometry layout_page(TabPage page, Node* selected, const CanvasFont& font) {
    switch (page) {
        case TabPage::Project: return project_page(font);
        case TabPage::Problems: return problems_page(selected, font);
        case TabPage::Options: return options_page(selected, font);
        case TabPage::Validation: return validation_page(selected, font);
        case TabPage::Requirements: return requirements_page(selected, font);
        case TabPage::VDiagram: return v_diagram_page(selected, font);
    }
    return {};
}

}  // namespace page_geometry
