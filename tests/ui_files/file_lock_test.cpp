#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/fake_platform.h"
#include "tests/ui_files/file_commands_support.h"
#include "ui/files/posix_file_lock.h"

namespace {

using file_commands::LockAttempt;
using file_commands::LockHolder;
using file_commands::lock_file_path;
using Outcome = LockAttempt::Outcome;
namespace fs = std::filesystem;

using file_testing::decimal;

std::string this_host() {
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    return name;
}

// The id of a process that has ended.
int64_t ended_process() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

class FileLock : public testing_support::PlatformTest {
protected:
    fs::path project() { return fs::path(fake().documents) / "plan.xml"; }
    file_commands::PosixFileLocks locks{"morvanta"};
};

TEST_F(FileLock, ASecondProcessHoldsTheLockUntilItReleasesIt) {
    file_testing::LockHoldingProcess other(project());
    ASSERT_TRUE(other.holds());
    EXPECT_TRUE(fs::exists(lock_file_path(project())));

    LockAttempt refused = locks.take(project());
    EXPECT_EQ(refused.outcome, Outcome::HeldElsewhere);
    EXPECT_EQ(refused.lock, nullptr);
    EXPECT_EQ(refused.holder.pid, other.pid());
    EXPECT_EQ(describe_holder(refused.holder),
              "other-morvanta (process " + decimal(other.pid()) + ") on " + this_host());

    other.release();
    EXPECT_FALSE(fs::exists(lock_file_path(project())));
    LockAttempt taken = locks.take(project());
    ASSERT_EQ(taken.outcome, Outcome::Taken);
    EXPECT_EQ(taken.lock->project_file(), project());
    taken.lock.reset();
    EXPECT_FALSE(fs::exists(lock_file_path(project())));
}

TEST_F(FileLock, ALockLeftByACrashedProcessIsTakenOver) {
    file_testing::LockHoldingProcess other(project());
    ASSERT_TRUE(other.holds());
    other.crash();
    ASSERT_TRUE(fs::exists(lock_file_path(project())));

    LockAttempt taken = locks.take(project());
    ASSERT_EQ(taken.outcome, Outcome::Taken);
    EXPECT_EQ(file_commands::parse_lock_file_content(testing_support::read_file(lock_file_path(project()))).pid,
              ::getpid());
}

TEST_F(FileLock, TwoInstancesInOneProcessExcludeEachOther) {
    LockAttempt first = locks.take(project());
    ASSERT_EQ(first.outcome, Outcome::Taken);
    file_commands::PosixFileLocks second_instance;
    EXPECT_EQ(second_instance.take(project()).outcome, Outcome::HeldElsewhere);
}

// Lock files nobody keeps locked, as a crash or another implementation leaves them.
TEST_F(FileLock, UnlockedLockFilesAreStaleOnlyWhenTheirProcessIsGoneFromThisHost) {
    const std::string ended = decimal(ended_process());
    const struct {
        std::string content;
        Outcome outcome;
    } cases[] = {
        {ended + "\nmorvanta\n" + this_host() + "\n", Outcome::Taken},
        {ended + "\nmorvanta\nanother-host\n", Outcome::HeldElsewhere},
        {decimal(::getpid()) + "\nmorvanta\n" + this_host() + "\n", Outcome::HeldElsewhere},
        {"not a lock file", Outcome::Taken},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        std::ofstream(lock_file_path(project())) << c.content;
        LockAttempt attempt = locks.take(project());
        EXPECT_EQ(attempt.outcome, c.outcome);
        attempt.lock.reset();
        fs::remove(lock_file_path(project()));
    }
}

TEST_F(FileLock, NoLockFileInAMissingFolder) {
    const LockAttempt attempt = locks.take(fs::path(fake().documents) / "missing" / "plan.xml");
    EXPECT_EQ(attempt.outcome, Outcome::NotPossible);
    EXPECT_NE(attempt.reason.find("No such file or directory"), std::string::npos) << attempt.reason;
}

TEST(LockFileContent, ReadsWhatEitherImplementationWrites) {
    const LockHolder holder{4711, "morvanta", "desk"};
    const LockHolder read = file_commands::parse_lock_file_content(file_commands::lock_file_content(holder));
    EXPECT_EQ(read.pid, 4711);
    EXPECT_EQ(read.program, "morvanta");
    EXPECT_EQ(read.host, "desk");
    // Later lines, as QLockFile adds them, are ignored.
    EXPECT_EQ(file_commands::parse_lock_file_content("12\napp\nhost\nmachine-id\n99\n").host, "host");
    for (const char* unreadable : {"", "12\napp\nhost", "0\napp\nhost\n", "-3\napp\nhost\n", "12a\napp\nhost\n",
                                   " 12\napp\nhost\n"})
        EXPECT_EQ(file_commands::parse_lock_file_content(unreadable).pid, 0) << unreadable;
    EXPECT_EQ(file_commands::describe_holder({}), "");
}

}  // namespace
