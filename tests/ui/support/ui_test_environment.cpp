#include "tests/ui/support/ui_test_environment.h"

#include <QDir>

#include "core/model/process_state.h"
#include "core/settings/project_settings.h"
#include "ui/platform/qt_services.h"
#include "ui/theme/fonts.h"
#include "ui/theme/scheme.h"

namespace ui_testing {

UiTestEnvironment::UiTestEnvironment() {
    qputenv("HOME", home_.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", config_folder().toUtf8());
    QDir().mkpath(config_folder());
    QDir().mkpath(documents_folder());
    ui_platform::install_qt_services();
    reset();
}

UiTestEnvironment::~UiTestEnvironment() { reset_process_state(); }

QString UiTestEnvironment::config_folder() const { return home_.path() + QStringLiteral("/config"); }

QString UiTestEnvironment::documents_folder() const { return home_.path() + QStringLiteral("/Documents"); }

void UiTestEnvironment::reset() {
    reset_process_state();
    gcm::init_fonts(ProjectSettings().font_size);
    gcm::set_scheme(ProjectSettings());
}

}  // namespace ui_testing
