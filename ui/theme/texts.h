#pragma once

#include <QString>

// The program's own texts: window title, About and privacy statements.
namespace gcm {

// The program's name, the native title of the main window.
inline const QString program_name = QStringLiteral("Morvanta");
inline const QString tagline = QStringLiteral("Structured Design Rationale");

// The main window's title label: four blanks, the name and the tagline.
QString mainform_name();

QString about_text();
QString privacy_policy_text();

}  // namespace gcm
