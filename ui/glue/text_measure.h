#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// Measuring texts in pixels, and wrapping them to a width.
namespace glue {

// The width of the widest line of text. With limit > 0 a line wider than the
// limit counts as the limit and is wrapped at blanks; the wrapped lines
// replace the originals in text.
int text_width(QString& text, const QFont& font, int limit);

// The widest of the texts, unwrapped.
int widest_text_width(const QStringList& texts, const QFont& font);

}  // namespace glue
