#pragma once

#include <cstdint>
#include <string>

class Node;

namespace page_geometry {

// The pair of scheme colours (fill and text) a box is drawn in; Error is the
// red box of a missing or unknown object.
enum class BoxColours : uint8_t {
    Error,
    Project,
    UserStory,
    Mandate,
    Requirement,
    DesignProblem,
    OptionInvalid,
    OptionValid,
    OptionOptimal,
    Argument,
    Evidence
};

// What an object box shows of its object, read once when the box is drawn.
struct BoxFace {
    std::string title;  // the kind and state of the object
    BoxColours colours = BoxColours::Error;
    std::string text;   // the object's sentence
    // The readiness picture: only objects with children and evidence show one.
    bool shows_readiness = false;
    int readiness_code = 0;  // the achieved level's display code, 0..12
    std::string readiness_tooltip;
    bool has_comments = false;
    std::string tooltip;  // the user's tooltip text ("" for none)

    friend bool operator==(const BoxFace&, const BoxFace&) = default;
};

// The face of a node's box; a null node gives the box of a missing object.
BoxFace box_face(const Node* node);

}  // namespace page_geometry
