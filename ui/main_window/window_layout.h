#pragma once

// Where the main window puts its parts, in pixels, from the application font
// height F and the border b. Plain arithmetic, so that it is checked without
// a display.
namespace window_layout {

struct Box {
    int x = 0, y = 0, w = 0, h = 0;
    int right() const { return x + w; }
    int bottom() const { return y + h; }
    friend bool operator==(const Box&, const Box&) = default;
};

struct Input {
    int client_x = 0;  // the client area inside the sizing margins
    int client_w = 0;
    int client_h = 0;
    int font_height = 0;  // F
    int border = 1;       // b
    int title_bar_height = 0;
    int tool_strip_w = 0;  // the tool strip's natural size
    int tool_strip_h = 0;
    int tab_button_width = 0;  // "Requirements" in the application font + 10
    // Just after a font change the tab row's need is estimated from F, as the
    // tool strip may not have taken its new size yet.
    bool after_font_change = false;
};

struct Result {
    Box tool_strip;
    Box tab_row;   // six buttons side by side, right-aligned above the canvas
    Box split;     // the tree on the left, the canvas on the right
    int splitter_distance = 0;
    bool two_rows = false;  // the tab row moved below the tool strip
    int min_width = 0;
    int min_height = 0;
};

Result lay_out(const Input& in);

// "Increase font size" stays offered while the tab row is narrower than 0.9
// of the window.
bool font_increase_fits(int tab_row_width, int window_width);

}  // namespace window_layout
