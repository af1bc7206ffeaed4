#pragma once

#include <QApplication>

// The application object: a failure that escapes any event handler reaches
// the crash handler instead of ending the event loop.
class MorvantaApplication : public QApplication {
    Q_OBJECT
public:
    MorvantaApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
