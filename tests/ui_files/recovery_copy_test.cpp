#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/fake_platform.h"
#include "ui/files/recovery_cadence.h"
#include "ui/files/recovery_writer.h"
#include "ui/files/session_marker.h"

namespace {

namespace fs = std::filesystem;
using recovery::RecoveryCadence;
using std::chrono::milliseconds;
using testing_support::read_file;

// ---- When a copy is due ----

struct CadenceCase {
    const char* name;
    // 'c': the work changed at the time; 'w': a copy was taken then; 'd': saved or closed.
    std::vector<std::pair<char, int>> events;
    std::optional<int> due;
};

TEST(RecoveryCadence, ACopyFollowsQuietOrAtTheLatestTheLongestWait) {
    const std::vector<CadenceCase> cases{
        {"nothing changed", {}, std::nullopt},
        {"one change", {{'c', 100}}, 1600},
        {"a later change restarts the quiet wait", {{'c', 0}, {'c', 1000}}, 2500},
        {"changes that go on are copied at the latest wait",
         {{'c', 0}, {'c', 1000}, {'c', 2000}, {'c', 3000}, {'c', 4000}},
         5000},
        {"a copy holds every change", {{'c', 0}, {'w', 1500}}, std::nullopt},
        {"the next change after a copy starts anew", {{'c', 0}, {'c', 4000}, {'w', 5000}, {'c', 5200}}, 6700},
        {"saved work leaves nothing to copy", {{'c', 0}, {'d', 700}}, std::nullopt},
    };
    for (const CadenceCase& c : cases) {
        RecoveryCadence cadence(milliseconds(1500), milliseconds(5000));
        for (const auto& [kind, at] : c.events) {
            if (kind == 'c') cadence.changed(milliseconds(at));
            if (kind == 'w') cadence.copied();
            if (kind == 'd') cadence.discard();
        }
        const std::optional<milliseconds> due = cadence.due();
        EXPECT_EQ(due.has_value(), c.due.has_value()) << c.name;
        if (due && c.due) {
            EXPECT_EQ(due->count(), *c.due) << c.name;
        }
    }
}

// ---- The writer ----

class RecoveryWriterTest : public testing_support::PlatformTest {
protected:
    fs::path folder() { return fs::path(fake().documents); }

    std::vector<std::string> named() {
        std::lock_guard lock(mutex_);
        return named_;
    }
    void note(const std::string& copy) {
        std::lock_guard lock(mutex_);
        named_.push_back(copy);
    }

private:
    std::mutex mutex_;
    std::vector<std::string> named_;
};

TEST_F(RecoveryWriterTest, AMovedCopyIsUnnamedAndRemovedBeforeTheNewOneIsWrittenAndNamed) {
    fs::create_directories(folder());
    const std::string first = (folder() / "first.xml").string();
    const std::string second = (folder() / "second.xml").string();
    recovery::RecoveryWriter writer([this](const std::string& copy) { note(copy); });
    writer.write(first, "one");
    writer.wait_idle();
    writer.remove(first);
    writer.write(second, "two");
    writer.wait_idle();
    EXPECT_EQ(named(), (std::vector<std::string>{first, "", second}));
    EXPECT_FALSE(fs::exists(first));
    EXPECT_EQ(read_file(second), "two");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder()), fs::directory_iterator()), 1);  // no temporary left
}

TEST_F(RecoveryWriterTest, OnlyTheLatestOfTheCopiesWaitingIsWritten) {
    fs::create_directories(folder());
    const std::string copy = (folder() / "copy.xml").string();
    std::promise<void> started;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    recovery::RecoveryWriter writer([&, this](const std::string& path) {
        // The first copy holds the writer until the newer ones are waiting.
        if (named().empty()) {
            started.set_value();
            released.wait();
        }
        note(path);
    });
    writer.write(copy, "first");
    started.get_future().wait();
    writer.write(copy, "second");
    writer.write(copy, "third");
    release.set_value();
    writer.wait_idle();
    EXPECT_EQ(named(), (std::vector<std::string>{copy, copy}));
    EXPECT_EQ(read_file(copy), "third");
}

TEST_F(RecoveryWriterTest, ACopyIsNamedBeforeItAppears) {
    fs::create_directories(folder());
    const std::string copy = (folder() / "copy.xml").string();
    bool existed_when_named = true;
    recovery::RecoveryWriter writer([&](const std::string& path) { existed_when_named = fs::exists(path); });
    writer.write(copy, "work");
    writer.wait_idle();
    EXPECT_FALSE(existed_when_named);
    EXPECT_EQ(read_file(copy), "work");
}

// ---- Session markers ----

class SessionMarkerTest : public testing_support::PlatformTest {
protected:
    fs::path sessions() { return fs::path(fake().documents) / "sessions"; }

    // A process that makes its marker naming copy and waits; it ends, without
    // removing the marker, when end() closes its pipe.
    struct Other {
        pid_t pid = -1;
        int release = -1;
        void end() {
            ::close(release);
            ::waitpid(pid, nullptr, 0);
        }
    };
    Other start_other(const std::string& copy) {
        int ready[2];
        int release[2];
        EXPECT_EQ(::pipe(ready), 0);
        EXPECT_EQ(::pipe(release), 0);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(ready[0]);
            ::close(release[1]);
            auto marker = recovery::SessionMarker::create(sessions());
            if (marker) marker->name_copy(copy);
            char byte = marker ? '1' : '0';
            [[maybe_unused]] ssize_t n = ::write(ready[1], &byte, 1);
            n = ::read(release[0], &byte, 1);
            ::_exit(0);  // as a crash ends it: no clean-up, the marker stays
        }
        ::close(ready[1]);
        ::close(release[0]);
        char byte = 0;
        EXPECT_EQ(::read(ready[0], &byte, 1), 1);
        EXPECT_EQ(byte, '1');
        ::close(ready[0]);
        return {pid, release[1]};
    }
    std::string make_copy(const std::string& name) {
        fs::create_directories(fake().documents);
        const std::string path = (fs::path(fake().documents) / name).string();
        std::ofstream(path) << "work";
        return path;
    }
};

TEST_F(SessionMarkerTest, OnlyTheMarkerOfASessionThatEndedWithoutRemovingItIsTakenAndOnlyOnce) {
    const std::string copy = make_copy("2026_12_11_13_05_recover_plan.xml");
    const auto own = recovery::SessionMarker::create(sessions());
    ASSERT_TRUE(own);
    own->name_copy(make_copy("own copy.xml"));
    Other other = start_other(copy);
    EXPECT_TRUE(recovery::take_crashed_sessions(sessions()).empty());  // both still run

    other.end();
    EXPECT_EQ(recovery::take_crashed_sessions(sessions()), std::vector<std::string>{copy});
    EXPECT_TRUE(recovery::take_crashed_sessions(sessions()).empty());
    EXPECT_TRUE(fs::exists(own->path()));
    EXPECT_TRUE(fs::exists(copy));  // the user's to open
}

TEST_F(SessionMarkerTest, NothingIsToldOfAnEndedSessionWithoutACopyOrOfANormalEnd) {
    Other without_copy = start_other("");
    without_copy.end();
    Other copy_gone = start_other((fs::path(fake().documents) / "gone.xml").string());
    copy_gone.end();
    fs::path normal_marker;
    {
        const auto normal = recovery::SessionMarker::create(sessions());
        ASSERT_TRUE(normal);
        normal->name_copy(make_copy("kept.xml"));
        normal_marker = normal->path();
    }
    EXPECT_FALSE(fs::exists(normal_marker));
    EXPECT_TRUE(recovery::take_crashed_sessions(sessions()).empty());
    EXPECT_TRUE(fs::is_empty(sessions()));  // the ended sessions' markers are gone too
}

}  // namespace
