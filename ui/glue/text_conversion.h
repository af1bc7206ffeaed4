#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

// Text crossing between the model (UTF-8, "\n" line breaks) and the widgets
// (QString). Widgets receive model text as it is; text from the widgets
// enters the model with "\r\n" turned into "\n", so carriage returns never
// pile up over edits.
namespace glue {

QString to_ui(std::string_view model_text);
std::string to_model(const QString& ui_text);

QStringList to_ui(const std::vector<std::string>& model_texts);
// A number in the model's number form ("." decimal point, whatever the locale).
QString double_to_ui(double value);

// A tooltip that shows model text literally, "<b>" included.
QString plain_tooltip(const QString& text);
// The same for a long model text: every line wrapped at blanks to the
// tooltips' readable width (60 characters), its own line breaks kept.
QString wrapped_tooltip(const std::string& model_text);

// A menu or button caption that shows "&" instead of taking it as a mnemonic.
QString plain_caption(const QString& text);

}  // namespace glue
