#include "ui/main_window/window_layout.h"

namespace window_layout {

Result lay_out(const Input& in) {
    const int f = in.font_height;
    const int b = in.border;
    Result out;
    out.tool_strip = {in.client_x, in.title_bar_height + 2 * b, in.tool_strip_w, in.tool_strip_h};

    const int row_w = 6 * in.tab_button_width;
    const int row_h = f + 8;
    const int row_x = in.client_x + in.client_w - 2 * b - row_w;

    int top = f + out.tool_strip.y + 14;
    out.two_rows = in.after_font_change ? (f + 3) * 20 + row_w + 10 > in.client_w : out.tool_strip.right() > row_x;
    if (out.two_rows) top += f + 10;

    out.split = {in.client_x + 2 * b, top, in.client_w - 4 * b, in.client_h - top};
    // The row overlaps the canvas frame by b, so the active button opens into the canvas.
    out.tab_row = {row_x, top - row_h + b, row_w, row_h};
    out.splitter_distance = 11 * f;
    out.min_width = row_w + 20;
    out.min_height = 20 * f;
    return out;
}

bool font_increase_fits(int tab_row_width, int window_width) { return tab_row_width < 0.9 * window_width; }

}  // namespace window_layout
