#include "ui/toolkit/strip_style.h"

#include "ui/glue/colours.h"
#include "ui/theme/scheme.h"

namespace toolkit {
namespace {

constexpr int hover_offset = 20;

QString css(const QColor& colour) { return colour.name(QColor::HexRgb); }

QString size_rules(int item_height, int width) {
    QString rules;
    if (item_height > 0) rules += QStringLiteral("min-height: %1px; ").arg(item_height - 6);
    if (width > 0) rules += QStringLiteral("min-width: %1px; ").arg(width - 16);
    return rules;
}

}  // namespace

StripColours strip_colours(const QColor& border, const QColor& back_strip, const QColor& fore_strip,
                           const QColor& back_dropdown, const QColor& fore_dropdown) {
    StripColours colours;
    colours.border = border;
    colours.back_strip = back_strip;
    colours.fore_strip = fore_strip;
    colours.hover_strip = glue::offset_color(back_strip, hover_offset);
    colours.back_dropdown = back_dropdown;
    colours.fore_dropdown = fore_dropdown;
    colours.hover_dropdown = glue::offset_color(back_dropdown, hover_offset);
    return colours;
}

StripColours button_strip_colours() {
    const gcm::Scheme& s = gcm::scheme();
    return strip_colours(s.btn_border_color, s.button_color, s.panel_text_color, s.button_color, s.panel_text_color);
}

StripColours panel_strip_colours() {
    const gcm::Scheme& s = gcm::scheme();
    return strip_colours(s.btn_border_color, s.panel_color, s.panel_text_color, s.panel_color, s.panel_text_color);
}

QString menu_style_sheet(const StripColours& c, int item_height, int dropdown_width) {
    return QStringLiteral(
               "QMenu { background: %1; color: %2; border: 1px solid %3; border-radius: 4px; padding: 2px; }"
               "QMenu::item { padding: 3px 12px 3px 12px; %5}"
               "QMenu::item:selected { background: %4; }"
               "QMenu::item:disabled { color: %6; }"
               "QMenu::separator { height: 1px; background: %3; margin: 3px 6px; }"
               "QMenu::right-arrow { width: 8px; }")
        .arg(css(c.back_dropdown), css(c.fore_dropdown), css(c.border), css(c.hover_dropdown),
             size_rules(item_height, dropdown_width), css(glue::offset_color(c.fore_dropdown, 110)));
}

QString menu_bar_style_sheet(const StripColours& c, int item_height, int top_item_width, int dropdown_width) {
    return QStringLiteral(
               "QMenuBar { background: %1; color: %2; border: none; spacing: 0px; }"
               "QMenuBar::item { background: transparent; padding: 2px 6px 2px 6px; %4}"
               "QMenuBar::item:selected, QMenuBar::item:pressed { background: %3; }")
               .arg(css(c.back_strip), css(c.fore_strip), css(c.hover_strip), size_rules(0, top_item_width)) +
           menu_style_sheet(c, item_height, dropdown_width);
}

QString tool_strip_style_sheet(const StripColours& c) {
    const QString border =
        c.skip_border ? QStringLiteral("none") : QStringLiteral("1px solid %1").arg(css(c.border));
    return QStringLiteral(
               "QToolBar { background: %1; color: %2; border: %3; border-radius: 4px; padding: 1px; spacing: 1px; }"
               "QToolButton { background: transparent; border: none; padding: 2px; }"
               "QToolButton:hover, QToolButton:pressed { background: %4; }")
        .arg(css(c.back_strip), css(c.fore_strip), border, css(c.hover_strip));
}

}  // namespace toolkit
