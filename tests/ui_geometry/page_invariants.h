#pragma once

#include <string>
#include <vector>

#include "ui/geometry/page_description.h"

class Project;

namespace page_geometry {

// Boxes that share area, as one line per pair; stacked copies and the box
// they stand behind are not counted.
std::vector<std::string> overlapping_boxes(const PageGeometry& page);

// Connector ends that meet nothing: an end counts as attached when it lies
// on a side of a box (mostly at its middle, the connection point) or on
// another segment, within the line width.
std::vector<std::string> loose_line_ends(const PageGeometry& page);

// Segments neither of whose ends meets a box or another segment.
std::vector<std::string> floating_lines(const PageGeometry& page);

// Boxes whose uid the project's registry does not hold.
std::vector<std::string> unknown_boxes(const PageGeometry& page, const Project& project);

}  // namespace page_geometry
