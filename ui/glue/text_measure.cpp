#include "ui/glue/text_measure.h"

#include <QFontMetrics>
#include <algorithm>

namespace glue {
namespace {

int line_width(const QFontMetrics& metrics, const QString& line) { return metrics.horizontalAdvance(line); }

// Words joined again; a word that would make the current line wider than the
// limit starts a new line (the first word too).
QString wrap_line(const QFontMetrics& metrics, const QString& line, int limit) {
    QString wrapped;
    QString current;
    const QStringList words = line.split(QLatin1Char(' '));
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        const QString candidate = i == 0 ? word : current + QLatin1Char(' ') + word;
        if (line_width(metrics, candidate) > limit) {
            wrapped += QLatin1Char('\n') + word;
            current = word;
        } else {
            wrapped += (i == 0 ? QString() : QStringLiteral(" ")) + word;
            current = candidate;
        }
    }
    return wrapped;
}

}  // namespace

int text_width(QString& text, const QFont& font, int limit) {
    const QFontMetrics metrics(font);
    int widest = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const int width = line_width(metrics, line);
        if (limit > 0 && width > limit) {
            widest = std::max(widest, limit);
            text.replace(line, wrap_line(metrics, line, limit));
        } else {
            widest = std::max(widest, width);
        }
    }
    return widest;
}

int widest_text_width(const QStringList& texts, const QFont& font) {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& text : texts)
        for (const QString& line : text.split(QLatin1Char('\n'))) widest = std::max(widest, line_width(metrics, line));
    return widest;
}

}  // namespace glue
