#include "tests/ui_files/file_commands_support.h"

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ui/files/posix_file_lock.h"

namespace file_testing {

file_commands::Answer ScriptedDialogs::question(const std::string& text, const std::string& title) {
    shown.push_back("question: " + text);
    question_titles.push_back(title);
    if (answers.empty()) {
        unexpected.push_back("question: " + text);
        return file_commands::Answer::Cancel;
    }
    const file_commands::Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::filesystem::path> ScriptedDialogs::next_choice(const file_commands::FileChooser& chooser,
                                                                  const std::filesystem::path& folder,
                                                                  const std::string& name) {
    choosers.push_back({chooser.title, chooser.default_extension, folder, name});
    if (choices.empty()) {
        unexpected.push_back("chooser: " + chooser.title);
        return std::nullopt;
    }
    std::optional<std::filesystem::path> choice = choices.front();
    choices.pop_front();
    return choice;
}

std::optional<std::filesystem::path> ScriptedDialogs::choose_file_to_open(const file_commands::FileChooser& chooser,
                                                                          const std::filesystem::path& folder) {
    return next_choice(chooser, folder, "");
}

std::optional<std::filesystem::path> ScriptedDialogs::choose_file_to_save(const file_commands::FileChooser& chooser,
                                                                          const std::filesystem::path& folder,
                                                                          const std::string& file_name) {
    return next_choice(chooser, folder, file_name);
}

// ---- A second process ----

LockHoldingProcess::LockHoldingProcess(const std::filesystem::path& project_file) {
    int ready[2];
    int command[2];
    if (::pipe(ready) != 0) return;
    if (::pipe(command) != 0) {
        ::close(ready[0]);
        ::close(ready[1]);
        return;
    }
    pid_ = ::fork();
    if (pid_ == 0) {
        ::close(ready[0]);
        ::close(command[1]);
        file_commands::PosixFileLocks locks("other-morvanta");
        file_commands::LockAttempt attempt = locks.take(project_file);
        const char taken = attempt.lock ? 't' : 'n';
        (void)!::write(ready[1], &taken, 1);
        char how = 'r';
        if (::read(command[0], &how, 1) != 1) how = 'r';
        if (how == 'r') attempt.lock.reset();
        ::_exit(0);  // no clean-up: a crash leaves the lock file behind
    }
    ::close(ready[1]);
    ::close(command[0]);
    command_ = command[1];
    char taken = 'n';
    if (pid_ > 0 && ::read(ready[0], &taken, 1) == 1) holds_ = taken == 't';
    ::close(ready[0]);
}

LockHoldingProcess::~LockHoldingProcess() { finish('r'); }

void LockHoldingProcess::finish(char how) {
    if (command_ < 0) return;
    (void)!::write(command_, &how, 1);
    ::close(command_);
    command_ = -1;
    int status = 0;
    if (pid_ > 0) ::waitpid(pid_, &status, 0);
}

// ---- Without privileges ----

std::string run_without_privileges(const std::filesystem::path& root, const std::function<std::string()>& body) {
    if (::geteuid() != 0) return body();
    int result[2];
    if (::pipe(result) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(result[0]);
        const uid_t nobody = 65534;
        (void)!::chown(root.c_str(), nobody, nobody);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
            (void)!::lchown(entry.path().c_str(), nobody, nobody);
        std::string outcome = "could not become an ordinary user";
        if (::setgroups(0, nullptr) == 0 && ::setgid(nobody) == 0 && ::setuid(nobody) == 0) outcome = body();
        for (size_t written = 0; written < outcome.size();) {
            const ssize_t n = ::write(result[1], outcome.data() + written, outcome.size() - written);
            if (n <= 0) break;
            written += static_cast<size_t>(n);
        }
        ::_exit(0);
    }
    ::close(result[1]);
    std::string outcome;
    char buffer[4096];
    for (ssize_t n; (n = ::read(result[0], buffer, sizeof buffer)) > 0;) outcome.append(buffer, static_cast<size_t>(n));
    ::close(result[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the unprivileged child failed: " + outcome;
    return outcome;
}

// ---- A full disk ----

DiskFull::DiskFull() {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    soft_limit_ = limit.rlim_cur;
    previous_handler_ = ::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = 512;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

DiskFull::~DiskFull() {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = soft_limit_;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::signal(SIGXFSZ, previous_handler_);
}

}  // namespace file_testing
