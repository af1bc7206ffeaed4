#include "ui/glue/text_conversion.h"

#include "core/text/number_format.h"
#include "core/text/text_utils.h"

namespace glue {

QString to_ui(std::string_view model_text) {
    return QString::fromUtf8(model_text.data(), static_cast<qsizetype>(model_text.size()));
}

std::string to_model(const QString& ui_text) {
    QString text = ui_text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.toStdString();
}

QStringList to_ui(const std::vector<std::string>& model_texts) {
    QStringList result;
    result.reserve(static_cast<qsizetype>(model_texts.size()));
    for (const auto& text : model_texts) result.append(to_ui(text));
    return result;
}

QString double_to_ui(double value) { return to_ui(MyStrF::_double_to_string(value)); }

QString plain_tooltip(const QString& text) {
    if (text.isEmpty()) return text;
    // Rich text that spells every character out; "pre" keeps blanks and line breaks.
    return QStringLiteral("<p style=\"white-space:pre\">") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

QString wrapped_tooltip(const std::string& model_text) {
    constexpr size_t readable_width = 60;
    std::string wrapped;
    const std::vector<std::string> lines = MyStrF::_split_lines(model_text);
    for (size_t i = 0; i < lines.size(); ++i) {
        // A line that fits keeps its blanks exactly.
        const std::string& line = lines[i];
        wrapped +=
            (i == 0 ? "" : "\n") + (line.size() <= readable_width ? line : MyStrF::_WrapText(line, readable_width));
    }
    return plain_tooltip(to_ui(wrapped));
}

QString plain_caption(const QString& text) {
    QString caption = text;
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return caption;
}

}  // namespace glue
