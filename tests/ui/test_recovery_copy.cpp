// The recovery copy kept while the work is unsaved: it holds the current
// state, and saving, replacing the project or a normal end removes it.
#include <QDir>
#include <QTest>
#include <memory>

#include "core/constants/gcc.h"
#include "core/io/project_writer.h"
#include "core/model/project.h"
#include "tests/ui/support/dialog_script.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/app/recovery_keeper.h"
#include "ui/files/file_texts.h"
#include "ui/main_window/main_window.h"

class RecoveryCopyTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;

    QString folder() const { return environment.home() + QStringLiteral("/projects"); }
    QString sessions() const { return environment.home() + QStringLiteral("/sessions"); }
    QStringList copies() const { return QDir(folder()).entryList({QStringLiteral("*_recover_plan.xml")}, QDir::Files); }
    static QString file_text(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private slots:
    void cleanup() { ui_testing::UiTestEnvironment::reset(); }

    void saving_replacing_or_a_normal_end_removes_the_copy_of_the_current_work_data() {
        QTest::addColumn<QString>("end");
        QTest::newRow("save") << QStringLiteral("save");
        QTest::newRow("new project") << QStringLiteral("new");
        QTest::newRow("normal end") << QStringLiteral("end");
    }
    void saving_replacing_or_a_normal_end_removes_the_copy_of_the_current_work() {
        QFETCH(QString, end);
        QVERIFY(QDir().mkpath(folder()));
        const QString file = folder() + QStringLiteral("/plan.xml");
        {
            Project plan("plan", "ProjectDescription", "", "");
            QVERIFY(project_file::save_project_file(plan, file.toStdString()).empty());
        }
        ui_testing::ScriptedDialogs dialogs;
        MainWindow window;
        auto keeper = std::make_unique<RecoveryKeeper>(window, sessions().toStdString());
        window.files().open_file_path(file.toStdString());
        QVERIFY(copies().isEmpty());

        GCC::RP->add_user_story("open", "remotely", "kept gate", "", false);
        window.set_saved(false);
        GCC::RP->add_user_story("close", "quickly", "second gate", "", false);
        window.set_saved(false);
        // The latest state, not one step back.
        const QString work = QString::fromStdString(project_file::project_file_text(*GCC::RP));
        QTRY_VERIFY_WITH_TIMEOUT(copies().size() == 1 && file_text(folder() + '/' + copies().first()) == work, 10000);
        const QStringList markers = QDir(sessions()).entryList(QDir::Files);
        QCOMPARE(markers.size(), 1);
        QVERIFY(file_text(sessions() + '/' + markers.first()).contains(copies().first()));

        if (end == QStringLiteral("save")) {
            QVERIFY(window.run_command(Command::Save));
            QVERIFY(file_text(file).contains(QStringLiteral("second gate")));
        } else if (end == QStringLiteral("new")) {
            dialogs.script().answer(QString::fromStdString(file_commands::texts::save_question_title),
                                    toolkit::Answer::No);
            QVERIFY(window.run_command(Command::New));
        } else {
            keeper.reset();
            QVERIFY(QDir(sessions()).isEmpty());
        }
        QTRY_VERIFY(copies().isEmpty());
        // Nothing unsaved is left to copy: the copy does not come back.
        QTest::qWait(2000);
        QVERIFY(copies().isEmpty());
    }
};

QTEST_MAIN(RecoveryCopyTest)
#include "test_recovery_copy.moc"
