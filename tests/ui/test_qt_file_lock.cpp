// The program's file lock over QLockFile, against a second process that holds
// it, a lock left by a killed process, lock files nobody holds, and the main
// window opening a file another Morvanta holds.
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QProcess>
#include <QSysInfo>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/constants/gcc.h"
#include "core/model/project.h"
#include "tests/ui/support/dialog_script.h"
#include "tests/ui/support/ui_test_environment.h"
#include "ui/file_ports/qt_file_lock.h"
#include "ui/files/posix_file_lock.h"
#include "ui/main_window/main_window.h"

using file_commands::LockAttempt;
using Outcome = LockAttempt::Outcome;
namespace fs = std::filesystem;

namespace {

// Another Morvanta holding the lock of one project file.
class LockHolder {
public:
    explicit LockHolder(const fs::path& project_file) {
        process_.start(QStringLiteral(MORVANTA_LOCK_HOLDER), {QString::fromStdString(project_file.string())});
        if (process_.waitForReadyRead(30000)) taken_ = process_.readLine().trimmed() == "taken";
    }
    ~LockHolder() {
        process_.kill();
        process_.waitForFinished();
    }
    bool taken() const { return taken_; }
    int64_t pid() const { return process_.processId(); }
    void release() {
        process_.write("release\n");
        process_.waitForFinished(30000);
    }
    void kill() {
        process_.kill();
        process_.waitForFinished(30000);
    }

private:
    QProcess process_;
    bool taken_ = false;
};

std::string decimal(int64_t value) { return std::to_string(value); }

std::string read_file(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void age(const fs::path& file, int seconds) {
    QFile handle(QString::fromStdString(file.string()));
    QVERIFY(handle.open(QIODevice::ReadWrite));
    QVERIFY(handle.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-seconds), QFileDevice::FileModificationTime));
}

int64_t ended_process() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

}  // namespace

class QtFileLockTest : public QObject {
    Q_OBJECT
    ui_testing::UiTestEnvironment environment;

    fs::path project() const { return fs::path(environment.documents_folder().toStdString()) / "plan.xml"; }
    fs::path lock_file() const { return file_commands::lock_file_path(project()); }

private slots:
    void cleanup() {
        fs::remove(lock_file());
        ui_testing::UiTestEnvironment::reset();
    }

    void a_second_process_holds_the_lock_until_it_releases_it() {
        LockHolder other(project());
        QVERIFY(other.taken());
        QtFileLocks locks;
        const auto expect_held = [&] {
            const LockAttempt refused = locks.take(project());
            QCOMPARE(refused.outcome, Outcome::HeldElsewhere);
            QVERIFY(refused.lock == nullptr);
            QCOMPARE(refused.holder.pid, other.pid());
            QCOMPARE(refused.holder.program, std::string("ui_lock_holder"));
            QCOMPARE(refused.holder.host, QSysInfo::machineHostName().toStdString());
        };
        expect_held();
        // However long it is held: a lock does not go stale by age.
        age(lock_file(), 3600);
        expect_held();
        // The lock-file implementation of the Qt-free tests sees it too.
        QCOMPARE(file_commands::PosixFileLocks().take(project()).outcome, Outcome::HeldElsewhere);

        other.release();
        QVERIFY(!fs::exists(lock_file()));
        LockAttempt taken = locks.take(project());
        QCOMPARE(taken.outcome, Outcome::Taken);
        QCOMPARE(taken.lock->project_file(), project());
        QCOMPARE(file_commands::parse_lock_file_content(read_file(lock_file())).pid, int64_t{::getpid()});
        QCOMPARE(file_commands::PosixFileLocks().take(project()).outcome, Outcome::HeldElsewhere);
        taken.lock.reset();
        QVERIFY(!fs::exists(lock_file()));
    }

    void a_lock_left_by_a_killed_process_is_taken_over() {
        LockHolder other(project());
        QVERIFY(other.taken());
        other.kill();
        QVERIFY(fs::exists(lock_file()));
        const LockAttempt taken = QtFileLocks().take(project());
        QCOMPARE(taken.outcome, Outcome::Taken);
        QCOMPARE(file_commands::parse_lock_file_content(read_file(lock_file())).pid, int64_t{::getpid()});
    }

    // Lock files nobody keeps locked, as a crash, a power failure or the other
    // implementation leaves them.
    void lock_files_nobody_holds() {
        const std::string host = QSysInfo::machineHostName().toStdString();
        const std::string this_program = fs::read_symlink("/proc/self/exe").filename().string();
        const std::string ended = decimal(ended_process());
        const struct {
            const char* name;
            std::string content;
            int age_seconds;
            Outcome outcome;
        } cases[] = {
            {"ended process", ended + "\nmorvanta\n" + host + "\n", 0, Outcome::Taken},
            {"ended process of another host", ended + "\nmorvanta\n" + "another-host\n", 3600, Outcome::HeldElsewhere},
            {"running process, an hour old", decimal(::getpid()) + "\n" + this_program + "\n" + host + "\n", 3600,
             Outcome::HeldElsewhere},
            {"empty, an hour old", "", 3600, Outcome::Taken},
            {"empty, just made (may be being written)", "", 0, Outcome::HeldElsewhere},
            {"names nobody, an hour old", "not a lock file", 3600, Outcome::Taken},
        };
        for (const auto& c : cases) {
            std::ofstream(lock_file()) << c.content;
            if (c.age_seconds > 0) age(lock_file(), c.age_seconds);
            LockAttempt attempt = QtFileLocks().take(project());
            QVERIFY2(attempt.outcome == c.outcome, c.name);
            attempt.lock.reset();
            fs::remove(lock_file());
        }
    }

    void no_lock_file_in_a_missing_folder() {
        const LockAttempt attempt = QtFileLocks().take(project().parent_path() / "missing" / "plan.xml");
        QCOMPARE(attempt.outcome, Outcome::NotPossible);
        QVERIFY2(attempt.reason.find("No such file or directory") != std::string::npos, attempt.reason.c_str());
    }

    void the_program_opens_a_file_held_elsewhere_read_only() {
        {
            Project written("Held plan", "", "", "");
            QCOMPARE(written.write(project().parent_path().string(), project().filename().string()), std::string());
        }
        ui_testing::UiTestEnvironment::reset();
        LockHolder other(project());
        QVERIFY(other.taken());
        MainWindow window;
        ui_testing::DialogScript* script = nullptr;
        ui_testing::ScriptedDialogs dialogs;
        script = &dialogs.script();
        script->expect(QStringLiteral("Open Morvanta file"), [this](QDialog& dialog) {
            static_cast<QFileDialog&>(dialog).selectFile(QString::fromStdString(project().string()));
            dialog.accept();
            return dialog.result();
        });
        script->answer(QStringLiteral("Information"), toolkit::Answer::Ok);
        QVERIFY(window.run_command(Command::Open));
        QCOMPARE(GCC::RP->get_name(), std::string("Held plan"));
        QCOMPARE(window.files().state(), file_commands::FileState::ReadOnly);
        QVERIFY(script->messages().value(0).contains(
            QStringLiteral("held by ui_lock_holder (process %1)").arg(other.pid())));

        // Save is greyed in a read-only copy; its key still asks for a name.
        QVERIFY(!window.menu_action(Command::Save)->isEnabled());
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        script->expect(QStringLiteral("Save Morvanta file"), [](QDialog& dialog) {
            dialog.reject();
            return dialog.result();
        });
        QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(script->pending(), 0);
        QCOMPARE(window.files().state(), file_commands::FileState::ReadOnly);
    }
};

QTEST_MAIN(QtFileLockTest)
#include "test_qt_file_lock.moc"
