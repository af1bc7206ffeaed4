#include "ui/platform/qt_services.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QUrl>

#include "ui/glue/text_conversion.h"
#include "ui/toolkit/message_box.h"

namespace ui_platform {
namespace {

// A web or mail link as it stands; anything else is a file path or a file URL.
QUrl url_of(const std::string& target) {
    const QString text = glue::to_ui(target);
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
                          scheme == QLatin1String("mailto") || scheme == QLatin1String("file")))
        return url;
    return QUrl::fromLocalFile(text);
}

std::string folder(QStandardPaths::StandardLocation location) {
    const QString path = QStandardPaths::writableLocation(location);
    if (path.isEmpty()) return {};
    return QDir::cleanPath(path).toStdString();
}

}  // namespace

void QtServices::show_message(platform::MessageKind kind, const std::string& caption, const std::string& text) {
    using Kind = toolkit::AppMessageBox::Kind;
    const Kind box = kind == platform::MessageKind::Error     ? Kind::Error
                     : kind == platform::MessageKind::Warning ? Kind::Warning
                                                              : Kind::Information;
    toolkit::show_message_box(box, glue::to_ui(text), glue::to_ui(caption));
}

void QtServices::set_clipboard_text(const std::string& utf8) {
    QGuiApplication::clipboard()->setText(glue::to_ui(utf8));
}

std::string QtServices::clipboard_text() { return QGuiApplication::clipboard()->text().toStdString(); }

std::string QtServices::open_link(const std::string& target) {
    const QUrl url = url_of(target);
    if (!url.isValid()) return "the link is not a valid address.";
    if (!QDesktopServices::openUrl(url)) return "the desktop could not open the link.";
    return {};
}

std::string QtServices::documents_folder() { return folder(QStandardPaths::DocumentsLocation); }

std::string QtServices::config_folder() { return folder(QStandardPaths::GenericConfigLocation); }

void install_qt_services() { platform::install(std::make_unique<QtServices>()); }

}  // namespace ui_platform
