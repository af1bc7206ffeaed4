#include "tests/ui/support/dialog_script.h"

#include <QDialog>
#include <QTest>

namespace ui_testing {

DialogScript& DialogScript::expect(const QString& title, Response response) {
    expected_.push_back({title, std::move(response)});
    return *this;
}

DialogScript& DialogScript::answer(const QString& title, toolkit::Answer answer) {
    return expect(title, [this, answer](QDialog& dialog) {
        auto* box = qobject_cast<toolkit::AppMessageBox*>(&dialog);
        if (!box) {
            QTest::qFail("a message box was expected", __FILE__, __LINE__);
            return int(QDialog::Rejected);
        }
        messages_.append(box->text());
        box->press(answer);
        return box->result();
    });
}

int DialogScript::run(QDialog& dialog) {
    const QString title = dialog.windowTitle();
    QString text;
    if (auto* box = qobject_cast<toolkit::AppMessageBox*>(&dialog)) text = box->text();
    if (expected_.empty() || expected_.front().title != title) {
        const QByteArray failure = QStringLiteral("Unexpected dialog \"%1\" (expected %2): %3")
                                       .arg(title, expected_.empty() ? QStringLiteral("none")
                                                                     : QStringLiteral("\"%1\"").arg(expected_.front().title),
                                            text)
                                       .toUtf8();
        qCritical("%s", failure.constData());
        QTest::qFail(failure.constData(), __FILE__, __LINE__);
        dialog.reject();
        return QDialog::Rejected;
    }
    const Response response = std::move(expected_.front().response);
    expected_.pop_front();
    return response(dialog);
}

ScriptedDialogs::ScriptedDialogs() : script_(new DialogScript()) {
    previous_ = dialogs::install_runner(std::unique_ptr<dialogs::ModalRunner>(script_));
}

ScriptedDialogs::~ScriptedDialogs() {
    if (script_->pending() != 0)
        QTest::qFail(QStringLiteral("%1 expected dialog(s) never came").arg(script_->pending()).toUtf8().constData(),
                     __FILE__, __LINE__);
    dialogs::install_runner(std::move(previous_));
}

}  // namespace ui_testing
