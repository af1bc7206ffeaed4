#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's pictures, drawn as vectors at the size asked for, under the
// names the windows use: readiness pies "v_R_i", comment icons
// "comment_plus_10" ..., tool-strip icons "save_75" ... ("_10" is the light
// variant for dark backgrounds, "_75" the dark one), and the program icon.
namespace icons {

// The picture called name at size x size pixels; a null pixmap for an
// unknown name or a size below 1.
QPixmap named(const QString& name, int size);

// The tool-strip or comment picture for a background: key + "_10" on a dark
// background, key + "_75" on a light one.
QPixmap for_background(const QString& key, bool dark_background, int size);

// The tool-strip button picture: for_background when enabled, the same
// picture faded when disabled.
QIcon tool_icon(const QString& key, bool dark_background, int size);

QIcon app_icon();

}  // namespace icons
