#include "ui/windows/contact_lines.h"

#include <QLabel>

#include "core/constants/gcc.h"
#include "ui/platform/links.h"
#include "ui/theme/scheme.h"

namespace windows {
namespace {

QLabel* line(QWidget* parent, const QFont& font, const QString& text) {
    auto* label = new QLabel(parent);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, gcm::scheme().panel_text_color);
    label->setPalette(colours);
    label->setText(text);
    label->adjustSize();
    return label;
}

QLabel* link(QWidget* parent, const QFont& font, const QString& shown, void (*open)(const QString&)) {
    QLabel* label = line(parent, font, QString());
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(shown.toHtmlEscaped()));
    label->adjustSize();
    QObject::connect(label, &QLabel::linkActivated, label, [shown, open] { open(shown); });
    return label;
}

}  // namespace

std::vector<QLabel*> contact_lines(QWidget* parent, const QFont& font) {
    // The maker has no web address yet: the program names itself where the link would stand.
    return {line(parent, font, QString::fromStdString(GCC::program_name_and_version())),
            link(parent, font, QString::fromStdString(GCC::about_email), ui_platform::open_mail_address),
            line(parent, font, QString::fromStdString(GCC::about_phone))};
}

}  // namespace windows
