// A failure in a command reaches the one crash handler, which writes the
// recovery copy of the current state, tells the user where it is and ends.
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "core/io/project_writer.h"
#include "core/model/project.h"

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

    static QProcessEnvironment probe_environment(const QString& home) {
        QDir(home).mkpath(QStringLiteral("Documents"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        // The handler abandons the broken objects on purpose; the process ends at once.
        environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        return environment;
    }

    // Waits until the probe printed a line holding end; all it printed so far.
    static QString read_until(QProcess& probe, const QString& end) {
        QString out;
        probe.waitForStarted();
        QElapsedTimer waiting;
        waiting.start();
        while (!out.contains(end) && waiting.elapsed() < 60000 && probe.state() == QProcess::Running) {
            probe.waitForReadyRead(500);
            out += QString::fromUtf8(probe.readAllStandardOutput());
        }
        return out;
    }

    static QString file_text(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    Outcome run_probe(const QStringList& arguments) {
        QTemporaryDir home;
        QProcess probe;
        probe.setProcessEnvironment(probe_environment(home.path()));
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

    // The crash handler told of its own copy: the next start has nothing to
    // add, and takes over the lock left behind.
    void after_a_reported_failure_the_next_start_tells_nothing_more() {
        QTemporaryDir home;
        const QProcessEnvironment environment = probe_environment(home.path());
        const QString file = home.path() + QStringLiteral("/Documents/plan.xml");
        {
            Project plan("plan", "ProjectDescription", "", "");
            QVERIFY(project_file::save_project_file(plan, file.toStdString()).empty());
        }
        QProcess session;
        session.setProcessEnvironment(environment);
        session.start(QStringLiteral(MORVANTA_CRASH_PROBE), {QStringLiteral("session"), file, QStringLiteral("throw")});
        QVERIFY(session.waitForFinished(60000));
        QCOMPARE(session.exitCode(), 70);
        const QString reported = QString::fromUtf8(session.readAllStandardOutput());
        QVERIFY2(reported.contains(QStringLiteral("The Project has been saved in:\n")), qPrintable(reported));

        QProcess restart;
        restart.setProcessEnvironment(environment);
        restart.start(QStringLiteral(MORVANTA_CRASH_PROBE), {QStringLiteral("restart"), file});
        QVERIFY(restart.waitForFinished(60000));
        const QString told = QString::fromUtf8(restart.readAllStandardOutput());
        QVERIFY2(!told.contains(QStringLiteral("<box")), qPrintable(told));
        QVERIFY(told.contains(QStringLiteral("<state>bound</state>")));
    }

    // A crash no handler survives: the copy kept before it holds the work,
    // and the next start names it; the lock left behind is taken over.
    void a_native_crash_leaves_the_work_in_a_copy_the_next_start_names_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("segmentation fault") << SIGSEGV;
        QTest::newRow("abort") << SIGABRT;
        QTest::newRow("kill") << SIGKILL;
    }
    void a_native_crash_leaves_the_work_in_a_copy_the_next_start_names() {
        QFETCH(int, signal);
        QTemporaryDir home;
        const QProcessEnvironment environment = probe_environment(home.path());
        const QString folder = home.path() + QStringLiteral("/projects");
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + QStringLiteral("/plan.xml");
        {
            Project plan("plan", "ProjectDescription", "", "");
            QVERIFY(project_file::save_project_file(plan, file.toStdString()).empty());
        }

        QProcess session;
        session.setProcessEnvironment(environment);
        session.start(QStringLiteral(MORVANTA_CRASH_PROBE), {QStringLiteral("session"), file});
        const QString printed = read_until(session, QStringLiteral("</work>"));
        const QRegularExpressionMatch work =
            QRegularExpression(QStringLiteral("<work>(.*)</work>"), QRegularExpression::DotMatchesEverythingOption)
                .match(printed);
        QVERIFY2(work.hasMatch(), qPrintable(printed));
        QVERIFY(work.captured(1).contains(QStringLiteral("probe gate")));
        // The copy is written shortly after the edit, while the program runs on.
        QString copy;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                const QStringList copies = QDir(folder).entryList({QStringLiteral("*_recover_plan.xml")}, QDir::Files);
                copy = copies.isEmpty() ? QString() : folder + QLatin1Char('/') + copies.first();
                return !copy.isEmpty() && file_text(copy) == work.captured(1);
            }(),
            20000);
        QCOMPARE(session.state(), QProcess::Running);
        ::kill(static_cast<pid_t>(session.processId()), signal);
        QVERIFY(session.waitForFinished(30000));
        // Ended by the signal, or by a memory checker's handler that the program's chains to.
        QVERIFY(session.exitStatus() == QProcess::CrashExit || session.exitCode() != 0);
        if (signal != SIGKILL)
            QVERIFY(QString::fromUtf8(session.readAllStandardError()).contains(QStringLiteral("fatal signal")));

        QProcess restart;
        restart.setProcessEnvironment(environment);
        restart.start(QStringLiteral(MORVANTA_CRASH_PROBE), {QStringLiteral("restart"), file});
        QVERIFY(restart.waitForFinished(60000));
        QCOMPARE(restart.exitCode(), 0);
        const QString told = QString::fromUtf8(restart.readAllStandardOutput());
        QCOMPARE(told.count(QStringLiteral("<box")), 1);
        QVERIFY2(told.contains(QStringLiteral("<box title=\"Error\">An unexpected error occurred.\n"
                                              "The Project has been saved in:\n") +
                               copy + QStringLiteral("\n\nUnknown native exception.</box>")),
                 qPrintable(told));
        QCOMPARE(file_text(copy), work.captured(1));
        QVERIFY2(told.contains(QStringLiteral("<state>bound</state>")), qPrintable(told));  // the stale lock taken over

        // That start ended normally: the next one has nothing to tell.
        QProcess again;
        again.setProcessEnvironment(environment);
        again.start(QStringLiteral(MORVANTA_CRASH_PROBE), {QStringLiteral("restart"), file});
        QVERIFY(again.waitForFinished(60000));
        const QString quiet = QString::fromUtf8(again.readAllStandardOutput());
        QVERIFY2(!quiet.contains(QStringLiteral("<box")), qPrintable(quiet));
        QVERIFY(quiet.contains(QStringLiteral("<state>bound</state>")));
    }
};

QTEST_MAIN(CrashPathTest)
#include "test_crash_path.moc"
