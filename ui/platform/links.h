#pragma once

#include <QString>

// The contact links of the information windows, handed to the desktop. A
// failure is shown in an error box.
namespace ui_platform {

// "https://" + address; failure: "Unable to open the link: " + the reason.
void open_web_address(const QString& address);
// "mailto:" + address; failure: "Unable to open the email client: " + the reason.
void open_mail_address(const QString& address);

}  // namespace ui_platform
