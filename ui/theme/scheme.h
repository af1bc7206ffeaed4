#pragma once

#include <QColor>

#include "ui/geometry/box_metrics.h"

class ProjectSettings;

// The colours the windows are drawn in: the thirty colours of the current
// project's scheme and the fixed colours of title bars and comments.
namespace gcm {

// In the order of the thirty colours of the project settings.
struct Scheme {
    QColor box_color_prj, box_color_usy, box_color_man, box_color_dpr, box_color_req, box_color_opt_inv,
        box_color_opt_val, box_color_opt_opt, box_color_arg, box_color_evd, box_color_par;
    QColor txt_color_prj, txt_color_usy, txt_color_man, txt_color_dpr, txt_color_req, txt_color_opt_inv,
        txt_color_opt_val, txt_color_opt_opt, txt_color_arg, txt_color_evd, txt_color_par;
    QColor panel_color;           // canvas, tree, dialogs and windows; the active tab button
    QColor panel_color_sel;       // selected tree nodes
    QColor panel_text_color;      // text on panels, buttons, labels and menus
    QColor panel_text_color_sel;  // text of selected tree nodes
    QColor box_connect_color;
    QColor box_border_color;
    QColor button_color;      // buttons, text boxes, the tool strip, inactive tab buttons
    QColor btn_border_color;  // control borders and the frame around tree and canvas
};

// The scheme in use; the default scheme until a project's is applied.
const Scheme& scheme();
// Copies the thirty colours of the settings, in their order.
void set_scheme(const ProjectSettings& settings);
void set_scheme(const Scheme& colours);
// The thirty colours of the settings as window colours.
Scheme scheme_of(const ProjectSettings& settings);

inline const QColor title_bar_color_light{95, 160, 195};
inline const QColor title_bar_color_dark{26, 89, 132};
inline const QColor title_bar_txt_color_light{10, 10, 10};
inline const QColor title_bar_txt_color_dark{240, 240, 240};
inline const QColor comment_color{255, 255, 225};

// Title bars and the menu bar follow the darkness of the panel colour.
struct TitleBarColours {
    QColor background;
    QColor text;
};
TitleBarColours title_bar_colours(const QColor& panel_color);

// Pixels: box outlines, control borders and insets (the page geometry's own width).
inline constexpr int box_border_thickness = page_geometry::box_border_thickness;

}  // namespace gcm
