#pragma once

#include <QByteArray>
#include <QTemporaryDir>
#include <QtGlobal>

namespace bench_support {

// The desktop of a user-interface benchmark: the offscreen platform (unless
// another is asked for) and a home of its own, so that the user's
// configuration is neither read nor written. Made before the application.
class OffscreenDesktop {
public:
    OffscreenDesktop() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("HOME", home_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (home_.path() + QStringLiteral("/config")).toUtf8());
    }

private:
    QTemporaryDir home_;
};

}  // namespace bench_support
