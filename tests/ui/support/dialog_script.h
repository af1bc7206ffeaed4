#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>

#include "ui/dialogs/dialog_seam.h"
#include "ui/toolkit/message_box.h"

class QDialog;

namespace ui_testing {

// Answers the program's modal dialogs from a script, in order. Each expected
// dialog is named by its title; a dialog that is not the next one expected
// fails the running test at once and is cancelled.
class DialogScript : public dialogs::ModalRunner {
public:
    using Response = std::function<int(QDialog&)>;

    // The next dialog is titled title; response fills it in and returns its result.
    DialogScript& expect(const QString& title, Response response);
    // The next dialog is a message box titled title, answered with answer.
    DialogScript& answer(const QString& title, toolkit::Answer answer);

    int run(QDialog& dialog) override;

    // Texts of the message boxes answered so far.
    const QStringList& messages() const { return messages_; }
    int pending() const { return static_cast<int>(expected_.size()); }

private:
    struct Expected {
        QString title;
        Response response;
    };
    std::deque<Expected> expected_;
    QStringList messages_;
};

// Installs a DialogScript for its lifetime; at the end every expected dialog
// must have come.
class ScriptedDialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs();
    DialogScript& script() { return *script_; }

private:
    DialogScript* script_;
    std::unique_ptr<dialogs::ModalRunner> previous_;
};

}  // namespace ui_testing
