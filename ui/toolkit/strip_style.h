#pragma once

#include <QColor>
#include <QString>

// How menu bars, drop-down menus, context menus and tool strips are drawn in
// the scheme colours: hover colours are their backgrounds shifted by 20
// (lighter on dark, darker on light), borders are rounded.
namespace toolkit {

struct StripColours {
    QColor border;
    QColor back_strip, fore_strip, hover_strip;
    QColor back_dropdown, fore_dropdown, hover_dropdown;
    bool skip_border = false;
};

StripColours strip_colours(const QColor& border, const QColor& back_strip, const QColor& fore_strip,
                           const QColor& back_dropdown, const QColor& fore_dropdown);
// Buttons' scheme: button colour backgrounds, panel text.
StripColours button_strip_colours();
// Panels' scheme: panel colour backgrounds, panel text.
StripColours panel_strip_colours();

// Style sheets for a menu bar (with its drop-downs), a context menu and a tool
// strip. item_height and the widths are in pixels; 0 leaves them to Qt.
QString menu_bar_style_sheet(const StripColours& colours, int item_height, int top_item_width, int dropdown_width);
QString menu_style_sheet(const StripColours& colours, int item_height, int dropdown_width);
QString tool_strip_style_sheet(const StripColours& colours);

}  // namespace toolkit
