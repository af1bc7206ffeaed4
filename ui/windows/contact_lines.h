#pragma once

#include <QFont>
#include <vector>

class QLabel;
class QWidget;

namespace windows {

// The maker's contact lines of the information windows: the program's name
// and version, the e-mail link (handed to the desktop when clicked) and the
// phone line, in the panel text colour.
std::vector<QLabel*> contact_lines(QWidget* parent, const QFont& font);

}  // namespace windows
