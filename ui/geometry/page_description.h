#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/geometry/geometry_types.h"

class Node;

// What a tab page shows, as plain data: the Qt layer turns each description
// into one scene item. Objects are named by uid, never by address, since
// undo and redo rebuild every object elsewhere.
namespace page_geometry {

// Stacking: every connector lies under every box, and the labels lie above
// both. Within one layer, later descriptions lie above earlier ones.
enum class Layer : uint8_t { Connectors = 0, Boxes = 1, Labels = 2 };

// The kind of object a box shows; None is the box of a missing object.
enum class NodeKind : uint8_t { None, Project, UserStory, Mandate, Requirement, DesignProblem, Option, Argument, Evidence };

// The kind of a node, tested in the order the box factory uses; nullopt for
// a node of no drawable kind (it gets no box).
std::optional<NodeKind> kind_of(const Node* node);

struct BoxDescription {
    std::string uid;  // empty for the box of a missing object
    NodeKind kind = NodeKind::None;
    Rect rect;
    Layer layer = Layer::Boxes;
    // Requirement boxes of the Validation page offer the argument and the AI
    // commands; requirement boxes elsewhere are plain.
    bool argument_commands = false;
    bool ai_commands = false;
    // A V-diagram place with several candidates: the box offers "Hide or
    // Show Nodes" over them. Entry 0 is the shown object (for an option its
    // top option), then every other candidate of the place.
    bool hide_show_command = false;
    std::vector<std::string> alternatives;
    // One of the copies stacked behind the last shown box of a V-diagram
    // place, showing that more candidates exist.
    bool stack_shadow = false;

    friend bool operator==(const BoxDescription&, const BoxDescription&) = default;
};

enum class Axis : uint8_t { Horizontal, Vertical };

// One straight connector segment between its two end points (left to right,
// or top to bottom). A segment is drawn connector_thickness wide, to the
// right of a vertical one's x and below a horizontal one's y.
struct LineDescription {
    Axis axis = Axis::Horizontal;
    Point from;
    Point to;
    Layer layer = Layer::Connectors;
    int elbow = -1;  // index of the elbow connector it belongs to, or -1

    int length() const { return axis == Axis::Horizontal ? to.x - from.x : to.y - from.y; }
    // The area the segment occupies.
    Rect area() const;

    friend bool operator==(const LineDescription&, const LineDescription&) = default;
};

// An elbow connector: its three segments in the page's lines, in the order
// first horizontal, vertical, second horizontal.
struct ElbowDescription {
    Point left;   // the end point with the smaller x (the first one on a tie)
    Point right;  // the other end point
    int lane = 0; // x of the vertical segment
    int first_line = 0;
};

// A short text centred on a point of a connector ("AND", "OR").
struct LabelDescription {
    std::string text;
    Point centre;
    Rect rect;  // the measured text plus 2 px in each direction, centred
    Layer layer = Layer::Labels;

    friend bool operator==(const LabelDescription&, const LabelDescription&) = default;
};

struct PageGeometry {
    std::vector<BoxDescription> boxes;
    std::vector<LineDescription> lines;
    std::vector<ElbowDescription> elbows;
    std::vector<LabelDescription> labels;
    // The uid the left tree should select as its only selection (the
    // Validation page follows the option it shows), if any.
    std::optional<std::string> tree_selection;
    // Automatic choices of shown alternatives that the V-diagram made
    // because a place had none: record them with record_shown_choices.
    std::vector<std::string> shown_choices;

    // The right and bottom edges of everything on the page ((0, 0) when empty).
    Point far_corner() const;
};

}  // namespace page_geometry
