#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "ui/geometry/page_description.h"

// Short texts of descriptions, so that expectations read like the page and
// failures name the coordinates.
namespace page_geometry {

inline std::string text(Point p) { return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")"; }

inline std::string text(const LineDescription& line) { return text(line.from) + "-" + text(line.to); }

inline void PrintTo(const Point& p, std::ostream* os) { *os << text(p); }
inline void PrintTo(const Rect& r, std::ostream* os) {
    *os << text(Point{r.x, r.y}) << " " << r.width << "x" << r.height;
}
inline void PrintTo(const LineDescription& line, std::ostream* os) { *os << text(line); }

// Every segment of the page as "(x1,y1)-(x2,y2)", in page order.
inline std::vector<std::string> line_texts(const PageGeometry& page) {
    std::vector<std::string> texts;
    for (const LineDescription& line : page.lines) texts.push_back(text(line));
    return texts;
}

// The rectangles of the boxes showing the uid (not the stacked copies), in page order.
inline std::vector<Rect> boxes_of(const PageGeometry& page, const std::string& uid) {
    std::vector<Rect> rects;
    for (const BoxDescription& box : page.boxes)
        if (box.uid == uid && !box.stack_shadow) rects.push_back(box.rect);
    return rects;
}

}  // namespace page_geometry
