#pragma once

#include <QString>
#include <QTemporaryDir>

namespace ui_testing {

// A test program's desktop: a temporary home with its own configuration and
// Documents folders (nothing of the user's is read or written), the Qt
// platform services, the default fonts and a clean model state.
class UiTestEnvironment {
public:
    UiTestEnvironment();
    ~UiTestEnvironment();

    QString home() const { return home_.path(); }
    QString config_folder() const;
    QString documents_folder() const;

    // Back to program start between tests: no project, default fonts and scheme.
    static void reset();

private:
    QTemporaryDir home_;
};

}  // namespace ui_testing
