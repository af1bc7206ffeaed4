#include "ui/platform/links.h"

#include "core/platform/platform.h"
#include "ui/glue/text_conversion.h"
#include "ui/toolkit/message_box.h"

namespace ui_platform {
namespace {

void open(const QString& target, const QString& failure_prefix) {
    const std::string reason = platform::services().open_link(glue::to_model(target));
    if (!reason.empty()) toolkit::show_error(failure_prefix + glue::to_ui(reason));
}

}  // namespace

void open_web_address(const QString& address) {
    open(QStringLiteral("https://") + address, QStringLiteral("Unable to open the link: "));
}

void open_mail_address(const QString& address) {
    open(QStringLiteral("mailto:") + address, QStringLiteral("Unable to open the email client: "));
}

}  // namespace ui_platform
