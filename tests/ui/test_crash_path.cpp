// A failure in a command reaches the one crash handler, which writes the
// recovery copy of the current state, tells the user where it is and ends.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Outcome {
    int exit_code = -1;
    QString out;
    QString err;
    QStringList recovery_files;
    QString recovery_text;
};

}  // namespace

class CrashPathTest : public QObject {
    Q_OBJECT

    Outcome run_probe(const QStringList& arguments) {
        QTemporaryDir home;
        QDir(home.path()).mkpath(QStringLiteral("Documents"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        // The handler abandons the broken objects on purpose; the process ends at once.
        environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        QProcess probe;
        probe.setProcessEnvironment(environment);
        probe.start(QStringLiteral(MORVANTA_CRASH_PROBE), arguments);
        Outcome outcome;
        if (!probe.waitForFinished(60000)) return outcome;
        outcome.exit_code = probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -2;
        outcome.out = QString::fromUtf8(probe.readAllStandardOutput());
        outcome.err = QString::fromUtf8(probe.readAllStandardError());
        const QDir documents(home.path() + QStringLiteral("/Documents"));
        outcome.recovery_files = documents.entryList({QStringLiteral("*recover_*.xml")}, QDir::Files);
        if (!outcome.recovery_files.isEmpty()) {
            QFile file(documents.filePath(outcome.recovery_files.first()));
            if (file.open(QIODevice::ReadOnly)) outcome.recovery_text = QString::fromUtf8(file.readAll());
        }
        return outcome;
    }

private slots:
    void a_failing_command_leaves_a_recovery_copy() {
        const Outcome outcome = run_probe({QStringLiteral("throw")});
        QCOMPARE(outcome.exit_code, 70);
        QCOMPARE(outcome.recovery_files.size(), 1);
        QVERIFY(outcome.recovery_text.contains(QStringLiteral("probe gate")));  // the recorded edit
        QVERIFY2(outcome.out.contains(QStringLiteral("<box title=\"Error\">An unexpected error occurred.\n"
                                                     "The Project has been saved in:\n")),
                 qPrintable(outcome.out));
        QVERIFY(outcome.out.contains(outcome.recovery_files.first()));
        QVERIFY(outcome.out.contains(QStringLiteral("std::runtime_error: probe failure</box>")));
        QCOMPARE(outcome.out.count(QStringLiteral("<box")), 1);
        QVERIFY(!outcome.out.contains(QStringLiteral("without a crash")));
        QVERIFY(outcome.err.contains(QStringLiteral("probe failure")));
    }

    void terminate_reaches_the_same_handler() {
        const Outcome outcome = run_probe({QStringLiteral("terminate")});
        QCOMPARE(outcome.exit_code, 70);
        QCOMPARE(outcome.recovery_files.size(), 1);
        QVERIFY2(outcome.out.contains(QStringLiteral("std::terminate called.\nprobe terminate</box>")),
                 qPrintable(outcome.out));
    }

    void a_second_failure_while_the_box_is_open_ends_at_once() {
        const Outcome outcome = run_probe({QStringLiteral("second")});
        QCOMPARE(outcome.exit_code, 70);
        QCOMPARE(outcome.out.count(QStringLiteral("<box")), 1);
        QVERIFY2(outcome.err.contains(QStringLiteral("Crash recovery failed.")), qPrintable(outcome.err));
    }

    void a_recovery_copy_that_cannot_be_written_is_reported_as_a_failure() {
        QTemporaryDir blocked;
        QFile file(blocked.filePath(QStringLiteral("a_file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const Outcome outcome = run_probe({QStringLiteral("unwritable"), file.fileName() + QStringLiteral("/sub")});
        QCOMPARE(outcome.exit_code, 70);
        QVERIFY2(outcome.out.contains(QStringLiteral("could not be saved")), qPrintable(outcome.out));
        QVERIFY(!outcome.out.contains(QStringLiteral("has been saved")));
        QVERIFY(outcome.recovery_files.isEmpty());
    }

    void without_a_project_nothing_is_saved() {
        const Outcome outcome = run_probe({QStringLiteral("no-project")});
        QCOMPARE(outcome.exit_code, 70);
        QVERIFY2(outcome.out.contains(QStringLiteral("An unexpected error occurred.\nNo objects exist to save.\n\n")),
                 qPrintable(outcome.out));
        QVERIFY(outcome.recovery_files.isEmpty());
    }
};

QTEST_MAIN(CrashPathTest)
#include "test_crash_path.moc"
