#pragma once

#include <QFont>

class ProjectSettings;

// The two fonts of the user interface, both Arial (Liberation Sans on Linux)
// sized in pixels: the application font of menus, dialogs and controls, and
// the canvas font of the pages, whose height f is the unit of page geometry.
// The screen scale is Qt's own; zoom is the canvas view's transform.
namespace gcm {

// The size and zoom as the settings' limits allow them; a stored size of 0
// means the historic default of 9 pixels.
int clamp_font_size(int size, const ProjectSettings& settings);
int clamp_zoom(int zoom, const ProjectSettings& settings);

// The current project's base font size, clamped; without a project the
// size of default settings.
int default_base_font_size();

QFont arial(int pixel_size);

const QFont& app_font();
const QFont& mp_font();
// Both fonts at the (clamped) base size.
void init_fonts(int base_size);

// F and f: line heights of the application and the canvas font in pixels.
int app_font_height();
int canvas_font_height();

}  // namespace gcm
