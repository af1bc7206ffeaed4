#pragma once

#include <string>
#include <vector>

#include "ui/geometry/connectors.h"
#include "ui/geometry/geometry_types.h"

// The small diagram that explains integration requirements in the object
// explanation window: where it stands beside or below the explanation text,
// and its boxes, lines and arrow heads.
namespace page_geometry {

enum class IntReqKind { Argument, Requirement, DesignProblem, Option };

struct IntReqBox {
    std::string caption;
    IntReqKind kind;
    Rect rect;
};

struct IntReqDiagram {
    Rect area;                                   // the room the diagram takes
    Rect text;                                   // what is left to the explanation text while the diagram shows
    std::vector<IntReqBox> boxes;                // top to bottom
    std::vector<std::pair<Point, Point>> lines;  // straight segments, level or upright
    std::vector<ArrowHead> heads;                // one on every line, at the box it points to
};

struct IntReqFrame {
    bool presentation = false;
    Rect label;           // the explanation label as the layout placed it
    Size panel;           // the window's panel below the title bar
    int font_height = 0;  // the layout unit fh
    int margin = 10;      // kept free at the panel's right edge
};

// Normal layout: beside the text, in the right two of four columns of the
// window, 20 px below the label's top. Presentation layout: below the text,
// as wide as the label, its top 5.5 rows above the panel's bottom. Boxes are
// 2 fh high, one fh between rows; captions are the caller's to fit.
IntReqDiagram int_req_diagram(const IntReqFrame& frame);

}  // namespace page_geometry
