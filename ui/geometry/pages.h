#pragma once

#include <optional>
#include <string>

#include "ui/geometry/canvas_font.h"
#include "ui/geometry/page_description.h"

class Node;
class Option;
class Project;

// The geometry of the six tab pages, computed from the current project
// (GCC::RP) and the canvas font. `selected` is the first object selected in
// the left tree, or null when nothing is selected. Without a current project
// every page is empty. Computing a page never changes the model.
namespace page_geometry {

enum class TabPage { Project, Problems, Options, Validation, Requirements, VDiagram };

PageGeometry layout_page(TabPage page, Node* selected, const CanvasFont& font);

// The project box, its user stories and mandate, and the top-level
// requirements in the rows of the user stories they share a verb and
// capability with.
PageGeometry project_page(const CanvasFont& font);

// The laid-out trees of the selected object (the project when nothing is
// selected): requirements and their design problems, design problems and
// their options, requirements and their arguments.
PageGeometry problems_page(Node* selected, const CanvasFont& font);
PageGeometry options_page(Node* selected, const CanvasFont& font);
PageGeometry requirements_page(Node* selected, const CanvasFont& font);

// The option the Validation page shows for the selected object, and the
// object the left tree should select to agree with the page.
struct ValidationOption {
    Option* option = nullptr;
    std::optional<std::string> tree_selection;
};
ValidationOption validation_page_option(Node* selected);

// One option tree with its design problem, the integration requirements of
// its options, and below each requirement of the problem the arguments of
// those options with what they derive and prove.
PageGeometry validation_page(Node* selected, const CanvasFont& font);

// The project as a systems-engineering V, from the selected object. Places
// with several candidates show the ones in the project's shown-uid set; a
// place with none shown gets an automatic choice, listed in the result's
// shown_choices and not yet recorded.
PageGeometry v_diagram_page(Node* selected, const CanvasFont& font);

// Records a page's automatic choices in the project's shown-uid set, so that
// the same alternatives stay shown until the user picks others. This is not
// an edit: no undo state, the project is not marked unsaved.
void record_shown_choices(Project& project, const PageGeometry& page);

}  // namespace page_geometry
