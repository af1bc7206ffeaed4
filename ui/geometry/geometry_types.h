#pragma once

// Integer pixel geometry of the canvas: x grows to the right, y downwards.
namespace page_geometry {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; }
    int bottom() const { return y + height; }
    // True when the two share inner area; touching edges do not overlap.
    bool overlaps(const Rect& other) const {
        return x < other.right() && other.x < right() && y < other.bottom() && other.y < bottom();
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace page_geometry
